// What the fuzz targets share: a check whose failure libFuzzer reports with its input, and a scratch folder
// for the file readers, which take a path: each input is written there, made once per process and removed
// when the process ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvr-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The process's scratch folder.
inline const std::filesystem::path& Scratch() {
  static const ScratchFolder folder;
  return folder.Path();
}

// Writes `size` bytes at `data` to `file` (replacing it) and returns the file.
inline const std::filesystem::path& WriteInput(const std::filesystem::path& file, const std::uint8_t* data,
                                               std::size_t size) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out.flush()) std::abort();
  return file;
}

// Stops the process with a crash report that libFuzzer keeps the input of.
inline void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace fuzz
