#include "framework/DisplayNames.h"

#include <array>
#include <map>

namespace qvr {

namespace {

constexpr std::array<const char*, 53> kObjectClassNames = {"Object Server",
                                                           "Network",
                                                           "Networks",
                                                           "System",
                                                           "Systems",
                                                           "Subsystem",
                                                           "Subsystems",
                                                           "Application Device",
                                                           "Application Devices",
                                                           "Router",
                                                           "Routers",
                                                           "Router Side",
                                                           "Channel",
                                                           "Channels",
                                                           "Network Interface",
                                                           "Network Interfaces",
                                                           "Subnet",
                                                           "Subnets",
                                                           "Connections",
                                                           "Interface",
                                                           "Interfaces",
                                                           "Template Library",
                                                           "Network Variable",
                                                           "Network Variables",
                                                           "Message Tag",
                                                           "Message Tags",
                                                           "Configuration Property",
                                                           "Configuration Properties",
                                                           "LonMark Object",
                                                           "LonMark Objects",
                                                           "Component Application",
                                                           "Component Applications",
                                                           "Hardware Template",
                                                           "Hardware Templates",
                                                           "Build Template",
                                                           "Build Templates",
                                                           "Device Template",
                                                           "Device Templates",
                                                           "Program Template",
                                                           "Program Templates",
                                                           "Network Service Device",
                                                           "Network Service Devices",
                                                           "Connection Description Template",
                                                           "Connection Description Templates",
                                                           "Error",
                                                           "LonMark Alarm",
                                                           "Object Status",
                                                           "Network Variable Field",
                                                           "Detail Info",
                                                           nullptr,
                                                           "Extension",
                                                           "Extensions",
                                                           "Recovery Status"};

const std::map<std::int32_t, const char*>& CommandNames() {
  static const std::map<std::int32_t, const char*> names = {
      {1, "New"},      {2, "Edit Source"},       {10, "Build Image"},   {11, "Commission"},
      {12, "Load"},    {13, "Configure"},        {14, "Calibrate"},     {15, "Connect"},
      {20, "Browse"},  {21, "Monitor"},          {22, "Control"},       {23, "Report"},
      {30, "Online"},  {31, "Offline"},          {32, "Reset"},         {33, "Test"},
      {34, "Wink"},    {40, "Uninstall"},        {41, "Replace"},       {50, "Register"},
      {60, "Recover"}, {61, "Monitor Recovery"}, {70, "Security Level"}};
  return names;
}

// A number as text with its sign position: a blank before a non-negative number.
std::string WithSignPosition(long number) {
  return (number >= 0 ? " " : "") + std::to_string(number);
}

}  // namespace

std::string ObjectClassName(std::int16_t objectClass) {
  if (objectClass >= 0 && objectClass < static_cast<std::int16_t>(kObjectClassNames.size()) &&
      kObjectClassNames[objectClass] != nullptr) {
    return kObjectClassNames[objectClass];
  }
  return "Custom ID = " + WithSignPosition(objectClass);
}

std::string CommandName(std::int32_t command) {
  const auto found = CommandNames().find(command);
  if (found != CommandNames().end()) return found->second;
  return "Custom command " + std::to_string(command);
}

}  // namespace qvr
