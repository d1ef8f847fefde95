#pragma once

#include "platform/lnstool/ComDirector.h"

namespace com {

// The director's side on the machine root's bus: creates plug-in objects in the plug-in program (which the
// bus starts from the class's service file) and drives them through their object paths.
class BusDirector final : public lnstool::ComDirector {
 public:
  std::unique_ptr<lnstool::RemotePlugIn> CreatePlugIn(const std::filesystem::path& root) override;
};

}  // namespace com
