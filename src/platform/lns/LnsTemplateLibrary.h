#pragma once

#include <memory>

#include "platform/lns/LnsNamedObject.h"

namespace lns {

class LnsDeviceTemplates;
class NetworkState;

// The template library of a system. Only device templates are kept; the other template kinds are not used by
// this substitute and their collections are empty.
class LnsTemplateLibrary {
 public:
  explicit LnsTemplateLibrary(std::shared_ptr<NetworkState> state) : state_(std::move(state)) {}

  LnsDeviceTemplates GetDeviceTemplates() const;
  LnsProgramTemplates GetProgramTemplates() const;
  LnsHardwareTemplates GetHardwareTemplates() const;
  LnsBuildTemplates GetBuildTemplates() const;
  LnsConnectionDescriptionTemplates GetConnectionDescriptionTemplates() const;

 private:
  std::shared_ptr<NetworkState> state_;
};

}  // namespace lns
