#pragma once

namespace qvr {

class Program;

// Registers the plug-in's commands in the open network (component applications, device templates of the
// supported models, the maker's type files). True when the registration ran to its end.
bool RegisterInNetwork(Program& program);

// Removes the plug-in's commands from the open network; with `offerTemplateRemoval` it offers to remove
// device templates that no device uses, with `includeServerLevel` it also removes the Object Server's
// entries.
void DeregisterInNetwork(Program& program, bool offerTemplateRemoval, bool includeServerLevel);

}  // namespace qvr
