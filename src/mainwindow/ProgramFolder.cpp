#include "mainwindow/ProgramFolder.h"

#include "platform/MachineRoot.h"

namespace qvr {

std::filesystem::path ProgramFolderFile(std::string_view relative) {
  return platform::MapWindowsPath(platform::DataDir(), relative);
}

}  // namespace qvr
