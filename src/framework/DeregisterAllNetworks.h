#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qvr {

class Program;

// What a deregistration from all networks could not reach; the networks there keep the plug-in's commands.
struct NetworksLeft {
  // Why the Object Server did not open or list its networks; none of them was reached then.
  std::optional<std::string> serverFailure;
  // By name (or "#" and position), in the server's order: the networks or systems that did not open, and
  // those that opened but of which some of the plug-in's entries could not be removed.
  std::vector<std::string> unopened;
  std::vector<std::string> unchanged;

  bool Empty() const { return !serverFailure && unopened.empty() && unchanged.empty(); }
};

// Removes the plug-in's commands from every network of the machine's Object Server, before the plug-in is
// removed from the machine. Opens the Object Server locally, then each network and its system in turn, and
// deregisters there; the Object Server's own entries go with the first network. Networks or systems that
// do not open are skipped, and an Object Server that does not open reaches none: what was left is
// returned, with the networks whose entries could not all be removed. With program.framework.ShowProgress the
// progress window tells each step, and `offerTemplateRemoval` then asks, per network, whether to remove
// device templates that no device uses. Leaves the Object Server closed and the main window loaded and
// hidden.
NetworksLeft DeregisterFromAllNetworks(Program& program, bool offerTemplateRemoval);

}  // namespace qvr
