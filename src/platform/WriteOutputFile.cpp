#include "platform/WriteOutputFile.h"

#include <fstream>

namespace platform {

bool WriteOutputFile(const std::filesystem::path& file, std::string_view content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << content;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace platform
