#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lns {

// An object of a kind that this substitute keeps by name only: a channel, subnet, router, network service
// device, program, hardware, build or connection-description template.
class LnsNamedObject {
 public:
  explicit LnsNamedObject(std::string name) : name_(std::move(name)) {}
  const std::string& GetName() const { return name_; }

 private:
  std::string name_;
};

// A fixed collection of such objects; `kind` names the items in error messages ("router", "channel").
class LnsNamedObjects {
 public:
  LnsNamedObjects(std::string owner, std::string kind, std::vector<std::string> names)
      : owner_(std::move(owner)), kind_(std::move(kind)), names_(std::move(names)) {}

  long Count() const { return static_cast<long>(names_.size()); }
  LnsNamedObject Item(long position) const;
  LnsNamedObject Item(std::string_view name) const;

 private:
  std::string owner_;
  std::string kind_;
  std::vector<std::string> names_;
};

// The kinds, by their LNS role names.
using LnsChannel = LnsNamedObject;
using LnsChannels = LnsNamedObjects;
using LnsSubnet = LnsNamedObject;
using LnsSubnets = LnsNamedObjects;
using LnsRouter = LnsNamedObject;
using LnsRouters = LnsNamedObjects;
using LnsNetworkServiceDevice = LnsNamedObject;
using LnsNetworkServiceDevices = LnsNamedObjects;
using LnsProgramTemplate = LnsNamedObject;
using LnsProgramTemplates = LnsNamedObjects;
using LnsHardwareTemplate = LnsNamedObject;
using LnsHardwareTemplates = LnsNamedObjects;
using LnsBuildTemplate = LnsNamedObject;
using LnsBuildTemplates = LnsNamedObjects;
using LnsConnectionDescriptionTemplate = LnsNamedObject;
using LnsConnectionDescriptionTemplates = LnsNamedObjects;
using LnsNetworkInterface = LnsNamedObject;
using LnsNetworkInterfaces = LnsNamedObjects;

}  // namespace lns
