#include "platform/lns/LnsTemplateLibrary.h"

#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/storage/NetworkState.h"

namespace lns {

namespace {

const char* const kOwner = "the template library";

}  // namespace

LnsDeviceTemplates LnsTemplateLibrary::GetDeviceTemplates() const {
  state_->RequireSystemOpen();
  return LnsDeviceTemplates(state_);
}

LnsProgramTemplates LnsTemplateLibrary::GetProgramTemplates() const {
  state_->RequireSystemOpen();
  return LnsProgramTemplates(kOwner, "program template", {});
}

LnsHardwareTemplates LnsTemplateLibrary::GetHardwareTemplates() const {
  state_->RequireSystemOpen();
  return LnsHardwareTemplates(kOwner, "hardware template", {});
}

LnsBuildTemplates LnsTemplateLibrary::GetBuildTemplates() const {
  state_->RequireSystemOpen();
  return LnsBuildTemplates(kOwner, "build template", {});
}

LnsConnectionDescriptionTemplates LnsTemplateLibrary::GetConnectionDescriptionTemplates() const {
  state_->RequireSystemOpen();
  return LnsConnectionDescriptionTemplates(kOwner, "connection description template", {});
}

}  // namespace lns
