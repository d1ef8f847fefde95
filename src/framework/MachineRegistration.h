#pragma once

#include "framework/DeregisterAllNetworks.h"
#include "platform/Error.h"

#include <cstdint>
#include <string>

namespace qvr {

class Program;

// Registration of the plug-in on this machine: the COM class LNSPlugInAPI and the plug-in key under
// HKEY_LOCAL_MACHINE, which directors read to find the plug-in.

// Registers the plug-in: refuses, changing nothing, when a newer version is registered already; otherwise
// registers the COM class through a second instance of the program with " /regserver" when this one was
// started with a command line (a run without one registered it at its start), writes the plug-in key's values
// with program.framework.RegisterLanguage as "Language" and installs the maker's type files. With
// `showMessages` it tells the outcome in a message box. False when the COM class or the plug-in key could
// not be registered (the refusal of a newer version is no failure).
bool RegisterPlugIn(Program& program, bool showMessages);

// Deregisters the plug-in: with mode 0 or 1 first from every network of the machine (mode 1 offers to
// remove device templates that no device uses), with -1 or any other mode only on the machine; then
// UnregisterPlugIn with its messages, which name the networks (or the Object Server) that could not be
// opened and the networks whose entries could not be removed. `showMessages` shows the networks' progress
// and questions. The result is UnregisterPlugIn's.
bool DeregisterPlugIn(Program& program, std::int32_t mode, bool showMessages);

// Unregisters the COM class (a second instance of the program with " /unregserver") and, once that has
// started, deletes the plug-in key; with `showMessages` it tells the outcome in a message box: a key that
// could not be deleted, with the registry's reason, or else what `left` holds: the networks that still
// hold the plug-in's commands, or the Object Server that could not be opened. True when the key was
// deleted and nothing was left.
bool UnregisterPlugIn(Program& program, bool showMessages, const NetworksLeft& left = {});

// Registers the COM class in this process, as every stand-alone start does, so that a plug-in registered
// from the dialog can be created by directors too. Errors are ignored (a command that needs the class
// registers it again); a newer version's registration is left alone.
void RegisterClassAtStart(Program& program);

// Shared by the two: the message texts in the language of this run (the language chosen for registering,
// else the registered one, else English), before any window has filled them.
void FillRegistrationTexts(Program& program);
// Starts this program's file again with `serverSwitch` ("/regserver", "/unregserver"), without waiting.
// Raises a platform::RaisedError when it cannot be started.
void StartSelf(Program& program, const std::string& serverSwitch);

}  // namespace qvr
