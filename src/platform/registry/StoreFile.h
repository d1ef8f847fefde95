#pragma once

#include <filesystem>
#include <memory>

#include "platform/sqlite/Database.h"

namespace reg {

// Opens the store file ready for use: a new file gets the store's tables. A file without write permission
// is opened for reading only. Throws sqlite::Error.
std::unique_ptr<sqlite::Database> OpenStoreFile(const std::filesystem::path& file);

}  // namespace reg
