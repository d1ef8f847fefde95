#include "platform/com/ServiceFile.h"

#include "platform/WriteFileWhole.h"

namespace com {

std::string BusNameOf(const LocalServerClass& cls) {
  return cls.progId;
}

std::filesystem::path ServiceFileOf(const std::filesystem::path& serviceFolder, const LocalServerClass& cls) {
  return serviceFolder / (BusNameOf(cls) + ".service");
}

bool WriteServiceFile(const std::filesystem::path& serviceFolder, const LocalServerClass& cls,
                      const std::filesystem::path& serverProgram) {
  std::error_code error;
  std::filesystem::create_directories(serviceFolder, error);
  try {
    platform::WriteFileWhole(
        ServiceFileOf(serviceFolder, cls),
        "[D-BUS Service]\nName=" + BusNameOf(cls) + "\nExec=" + LocalServerCommand(serverProgram) + '\n');
  } catch (const platform::FileWriteError&) {
    return false;
  }
  return true;
}

bool RemoveServiceFile(const std::filesystem::path& serviceFolder, const LocalServerClass& cls) {
  std::error_code error;
  std::filesystem::remove(ServiceFileOf(serviceFolder, cls), error);
  return !error;
}

}  // namespace com
