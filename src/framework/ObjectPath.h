#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace qvr {

// The LNS object classes (by which a host names the object of a command) that the object path walk reaches;
// every other class gives no object.
enum LnsObjectClass : std::int16_t {
  kClassNetwork = 1,
  kClassNetworks = 2,
  kClassSystem = 3,
  kClassSystems = 4,
  kClassSubsystem = 5,
  kClassSubsystems = 6,
  kClassAppDevice = 7,
  kClassAppDevices = 8,
  kClassRouter = 9,
  kClassRouters = 10,
  kClassChannel = 12,
  kClassChannels = 13,
  kClassSubnet = 16,
  kClassSubnets = 17,
  kClassConnections = 18,
  kClassInterface = 19,
  kClassTemplateLibrary = 21,
  kClassLonMarkObject = 28,
  kClassLonMarkObjects = 29,
  kClassHardwareTemplate = 32,
  kClassHardwareTemplates = 33,
  kClassBuildTemplate = 34,
  kClassBuildTemplates = 35,
  kClassDeviceTemplate = 36,
  kClassDeviceTemplates = 37,
  kClassProgramTemplate = 38,
  kClassProgramTemplates = 39,
  kClassNetworkServiceDevice = 40,
  kClassNetworkServiceDevices = 41,
  kClassConnectionDescriptionTemplate = 42,
  kClassConnectionDescriptionTemplates = 43,
  kClassError = 44,
  kClassRecoveryStatus = 52,
};

// An object of the LNS object model as the path walk finds it: one of the handles below. Routers,
// channels, subnets, network service devices and the template kinds other than device templates are
// LnsNamedObject(s).
using LnsObject =
    std::variant<lns::LnsNetwork, lns::LnsNetworks, lns::LnsSystem, lns::LnsSystems, lns::LnsSubsystem,
                 lns::LnsSubsystems, lns::LnsAppDevice, lns::LnsAppDevices, lns::LnsNamedObject,
                 lns::LnsNamedObjects, lns::LnsConnections, lns::LnsInterface, lns::LnsTemplateLibrary,
                 lns::LnsLonMarkObject, lns::LnsLonMarkObjects, lns::LnsDeviceTemplate,
                 lns::LnsDeviceTemplates, lns::LnsErrorObject, lns::LnsRecoveryStatus>;

// Splits an object path at "/" into ObjectNameParts and ObjectNamePartCount and returns the count. Parsing
// stops at the first empty part, so "/Net/Dev" has no parts and "Net//Dev" one. Entries of an earlier,
// longer path stay beyond the count. A path of more parts than the count can hold raises error 6.
std::int16_t ParseObjectName(FrameworkState& state, const std::string& objectName);

// Part `index` (from 1) of the last path, or "" outside 1 to the count. With `strip`, a part with a ":"
// followed by more text gives only that text ("Sub:Floor 1" gives "Floor 1").
std::string ObjectNamePart(const FrameworkState& state, std::int16_t index, bool strip);

// Walks from the open network and system (and the bound Object Server) to the object of `objectClass` that
// the last parsed path names. The path's first part, the network's, is not looked at: a device is looked up
// in the subsystem that the parts between it and the device name one below the other ("Net/Floor 1/Wing
// A/Room 111"), or, where they name none, in the top-level subsystem named by the part before the device
// ("Floor 1/Room 101", "A/B/Floor 1/Room 101"). A class without a walk, a missing or misspelt part, too few
// parts, a network that is not open (also the one before a name that failed to open) and any error of the LNS
// objects all give no object.
std::optional<LnsObject> FindObjectByClass(const FrameworkState& state, std::int16_t objectClass);

}  // namespace qvr
