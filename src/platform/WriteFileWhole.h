#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace platform {

// Why a file could not be written whole, as a sentence for the user ("Permission denied.").
class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces `target` by a file holding `content`, whole or not at all, also across a power cut: the content
// goes to a new file beside the target, which is synced, renamed onto the target, and the folder synced, so
// that the target holds the earlier or the new content, never an empty or partial file, and the new
// content once this returns. A symbolic link is written through to the file it names. An existing target
// keeps its permissions (and its owner, where the process may set it); a target that is read-only or not
// a regular file is refused. Raises FileWriteError; nothing is left behind on failure, and the temporary
// files that writers of the target left when they were killed are removed.
void WriteFileWhole(const std::filesystem::path& target, std::string_view content);

}  // namespace platform
