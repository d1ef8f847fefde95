#pragma once

#include <filesystem>
#include <memory>

#include "platform/sqlite/Database.h"

namespace reg {

// The store file's connection, ready for use: a new file gets the store's tables. A file without write
// permission is opened for reading only. While a StoreKeeper lives on the thread, the connection of the file
// used last is kept and handed out again as long as it is the same file with the same permissions. Throws
// sqlite::Error.
std::shared_ptr<sqlite::Database> OpenStoreFile(const std::filesystem::path& file);

// Keeps the thread's last store connection open while it lives, for a program that reads its settings
// again and again: opening a connection costs far more than a look-up.
class StoreKeeper {
 public:
  StoreKeeper();
  ~StoreKeeper();
  StoreKeeper(const StoreKeeper&) = delete;
  StoreKeeper& operator=(const StoreKeeper&) = delete;
};

}  // namespace reg
