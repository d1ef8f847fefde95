#pragma once

#include <filesystem>
#include <memory>

#include "platform/sqlite/Database.h"

namespace reg {

// A new connection to the store file, ready for use: a new file gets the store's tables. A file without
// write permission is opened for reading only. Throws sqlite::Error.
std::shared_ptr<sqlite::Database> OpenStoreFile(const std::filesystem::path& file);

// Keeps the store connection it opened last while it lives, for a program that reads its settings again and
// again: opening a connection costs far more than a look-up. The kept connection is handed out again as
// long as it is the same file with the same permissions; a file made anew, or whose permissions changed, gets
// a connection of its own.
class StoreKeeper {
 public:
  StoreKeeper();
  ~StoreKeeper();
  StoreKeeper(const StoreKeeper&) = delete;
  StoreKeeper& operator=(const StoreKeeper&) = delete;

  // The connection to `file`, kept or new. Throws sqlite::Error.
  std::shared_ptr<sqlite::Database> Open(const std::filesystem::path& file);

 private:
  struct FileIdentity;
  static std::unique_ptr<FileIdentity> IdentityOf(const std::filesystem::path& file);

  std::unique_ptr<FileIdentity> identity_;
  std::shared_ptr<sqlite::Database> db_;
};

}  // namespace reg
