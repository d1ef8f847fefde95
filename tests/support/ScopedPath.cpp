#include "ScopedPath.h"

#include <cstdlib>
#include <fstream>

namespace testsupport {

ScopedPath::ScopedPath(const std::string& path) {
  if (const char* old = std::getenv("PATH")) saved_ = old;
  setenv("PATH", path.c_str(), 1);
}

ScopedPath::~ScopedPath() {
  if (saved_) {
    setenv("PATH", saved_->c_str(), 1);
  } else {
    unsetenv("PATH");
  }
}

std::string ScopedPath::WithFirst(const std::filesystem::path& folder) {
  const char* path = std::getenv("PATH");
  return folder.string() + (path ? std::string(":") + path : std::string());
}

void WriteScript(const std::filesystem::path& file, const std::string& body) {
  std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
  std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

}  // namespace testsupport
