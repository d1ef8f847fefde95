#pragma once

#include <filesystem>
#include <string>

namespace com {

// Holds a lock file in the machine root's bus folder (made user-only if it is missing) for its lifetime:
// the holders of one lock file take their turns, across processes; a holder that dies lets go. Raises a
// platform::RaisedError when the folder or the file cannot be made.
class BusFolderLock {
 public:
  BusFolderLock(const std::filesystem::path& root, const std::string& name);
  ~BusFolderLock();
  BusFolderLock(const BusFolderLock&) = delete;
  BusFolderLock& operator=(const BusFolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace com
