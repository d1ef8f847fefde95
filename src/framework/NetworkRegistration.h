#pragma once

namespace qvr {

class Program;

// Registers the plug-in in the open network (program.framework.CurrentSystem): makes sure every supported
// model has a device template (created from the model's interface file; a remote client cannot create
// one), registers each command of the command table as a component application at its level, asks once
// per command whether it shall be the default action, and makes sure the resource catalogue lists the
// maker's type files. True when it ran to its end; false after it showed why it failed, or when the user
// aborted at the catalogue. Shows its progress in the progress window.
bool RegisterInNetwork(Program& program);

// Removes the plug-in's component applications from the open network: for each command row at its level
// (the Object Server's level only with `includeServerLevel`), and the system's entries of command 50.
// With `offerTemplateRemoval` and program.framework.ShowProgress, asks for each supported model's template
// that no device uses whether to remove it. Reports nothing but a template that cannot be removed; any
// other failure ends it quietly. True when every entry of the plug-in it came to was removed: false when
// an entry, or the templates or entries it had to read, could not be read or removed (a full disk, a
// database that cannot be written), so that entries may be left.
bool DeregisterInNetwork(Program& program, bool offerTemplateRemoval, bool includeServerLevel);

}  // namespace qvr
