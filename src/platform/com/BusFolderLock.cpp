#include "platform/com/BusFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <system_error>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/com/PrivateBus.h"

namespace com {

BusFolderLock::BusFolderLock(const std::filesystem::path& root, const std::string& name) {
  std::error_code error;
  std::filesystem::create_directories(BusFolder(root), error);
  std::filesystem::permissions(BusFolder(root), std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::replace, error);
  fd_ = open((BusFolder(root) / name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    throw platform::RaisedError(platform::kErrPathFileAccess, "lns bus",
                                "cannot create the bus folder " + BusFolder(root).string());
  }
  flock(fd_, LOCK_EX);
}

BusFolderLock::~BusFolderLock() {
  close(fd_);
}

}  // namespace com
