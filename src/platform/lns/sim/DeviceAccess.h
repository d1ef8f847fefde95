#pragma once

#include <string>
#include <string_view>

#include "platform/lns/InterfaceRef.h"
#include "platform/lns/resources/TemplateInterface.h"

namespace lns {

// The link to the simulated devices. Network-variable values live on the device: reading and writing them
// needs the device online (system on-net, commissioned, "Cnfg Online") and is subject to its injected faults.
// Configuration-property values are read from the network database; a write goes to the database and, when
// the device is online, to the device too, so faults refuse it there. Texts are the LNS formatted values
// with the server's decimal separator. A refused text changes nothing. Every failure is also recorded as the
// system's last error.

std::string ReadNetworkVariable(const InterfaceRef& ref, const TemplateInterface::NetworkVariable& nv);
void WriteNetworkVariable(const InterfaceRef& ref, const TemplateInterface::NetworkVariable& nv,
                          std::string_view text);

std::string ReadConfigProperty(const InterfaceRef& ref, const TemplateInterface::ConfigProperty& cp);
void WriteConfigProperty(const InterfaceRef& ref, const TemplateInterface::ConfigProperty& cp,
                         std::string_view text);

}  // namespace lns
