#pragma once

#include <map>
#include <optional>
#include <string>

namespace testsupport {

// Environment variables of this process (and of the programs it starts meanwhile) set or unset for the
// life of the object; each gets its old value back afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  void Set(const std::string& name, const std::string& value);
  void Unset(const std::string& name);

 private:
  void Save(const std::string& name);

  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace testsupport
