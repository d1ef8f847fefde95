#include "platform/ReadFileWhole.h"

#include <fstream>
#include <sstream>

namespace platform {

std::string ReadFileWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace platform
