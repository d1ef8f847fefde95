#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace platform {

// Why a file could not be read, as a sentence for the user ("Permission denied.").
class FileReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole content of `file`, which must be a regular file (or a link to one) of at most `most` bytes.
// Anything else is refused before a read could wait for ever (a FIFO without a writer), never end (a
// device) or fill the memory (a huge or sparse file). Every reader of a file that a user or another
// program may have put there reads it here. Raises FileReadError.
std::string ReadRegularFile(const std::filesystem::path& file, std::size_t most);

}  // namespace platform
