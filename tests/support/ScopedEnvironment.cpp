#include "ScopedEnvironment.h"

#include <cstdlib>

namespace testsupport {

ScopedEnvironment::~ScopedEnvironment() {
  for (const auto& [name, value] : saved_) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
}

void ScopedEnvironment::Set(const std::string& name, const std::string& value) {
  Save(name);
  setenv(name.c_str(), value.c_str(), 1);
}

void ScopedEnvironment::Unset(const std::string& name) {
  Save(name);
  unsetenv(name.c_str());
}

void ScopedEnvironment::Save(const std::string& name) {
  if (saved_.contains(name)) return;
  const char* value = std::getenv(name.c_str());
  saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace testsupport
