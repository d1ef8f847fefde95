#pragma once

#include <filesystem>
#include <memory>

#include "platform/registry/Sqlite.h"

namespace reg {

// Opens the store file ready for use: a new file gets the store's tables; every connection uses
// write-ahead logging, so readers never wait for a writer and a failed write leaves the file as it was.
// A file without write permission is opened for reading only. Throws sql::Failure.
std::unique_ptr<sql::Connection> OpenStoreFile(const std::filesystem::path& file);

}  // namespace reg
