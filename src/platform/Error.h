#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A raised error as the system and its platform see it: a number, the component that raised it and a
// readable description. It crosses every layer unchanged, up to the director.
class RaisedError : public std::runtime_error {
 public:
  RaisedError(long number, std::string source, std::string description)
      : std::runtime_error(description),
        number_(number),
        source_(std::move(source)),
        description_(std::move(description)) {}

  long Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  long number_;
  std::string source_;
  std::string description_;
};

}  // namespace platform
