#pragma once

#include <string>
#include <vector>

namespace qvr {

class Program;

// Removes the plug-in's commands from every network of the machine's Object Server, before the plug-in is
// removed from the machine. Opens the Object Server locally, then each network and its system in turn, and
// deregisters there; the Object Server's own entries go with the first network. Networks or systems that
// do not open are skipped, and their names returned (in the server's order): they keep the plug-in's
// commands. With program.framework.ShowProgress the progress window tells each step, and
// `offerTemplateRemoval` then asks, per network, whether to remove device templates that no device uses.
// Leaves the Object Server closed and the main window loaded and hidden.
std::vector<std::string> DeregisterFromAllNetworks(Program& program, bool offerTemplateRemoval);

}  // namespace qvr
