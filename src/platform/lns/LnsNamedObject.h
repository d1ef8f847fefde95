#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/lns/LnsCollection.h"

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
class LnsNamedObjects : public ListedItems<LnsNamedObjects, LnsNamedObject> {
 public:
  LnsNamedObjects(std::string owner, std::string kind, std::vector<std::string> names)
      : owner_(std::move(owner)), kind_(std::move(kind)), names_(std::move(names)) {}

 private:
  friend ListedItems<LnsNamedObjects, LnsNamedObject>;

  const std::vector<std::string>& Listed() const { return names_; }
  static LnsNamedObject Made(const std::string& name) { return LnsNamedObject(name); }
  const std::string& Owner() const { return owner_; }
  const std::string& What() const { return kind_; }

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
