#pragma once

#include "platform/lns/resources/ResourceFile.h"

namespace lns {

// Finds functional-profile templates in the profile files that an LnsResourceFile has open.
class LnsProfileTemplates {
 public:
  explicit LnsProfileTemplates(const LnsResourceFile& files) : files_(files) {}

  // The template of `profileNumber` in the open file `fileHandle`: 0 and `result` filled when the file holds
  // it, 4 when it does not, 1 for a handle that is not open, 3 for a file that holds no profiles.
  long Find(long fileHandle, long profileNumber, ProfileTemplate& result) const;

 private:
  const LnsResourceFile& files_;
};

}  // namespace lns
