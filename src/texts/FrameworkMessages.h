#pragma once

#include <cstddef>

namespace qvr {

// The entries of MsgFramework by name: the table is read by these fixed indexes.
enum FrameworkMessage : std::size_t {
  kMsgOpeningObjectServer = 0,  // "Opening the Object Server..."
  kMsgOpening = 1,              // "Opening " (a network's or system's name follows)
  kMsgDeregisterCommands = 2,   // "Deregister commands..."
  kMsgNewerVersionRegistered = 3,
  kMsgComRegistrationFailed = 4,
  kMsgRegisteredAs = 5,
  kMsgUpdatedAs = 6,
  kMsgRegisterOnServer = 7,
  kMsgComDeregistrationFailed = 8,
  kMsgDeregistered = 9,
  kMsgKeyMissing = 10,
  kMsgRemoteCannotAddTemplate = 13,  // "Remote client cannot add a template."
  kMsgAddingCommand = 16,            // "Adding command "
  kMsgMakeDefault = 17,              // "Do you wish to make "
  kMsgDefaultActionFor = 18,         // " the default action for "
  kMsgDevicesQuestion = 19,          // " devices?"
  kMsgDefaultForLonMarkObject = 20,  // " the default action for the LonMark object "
  kMsgOn = 21,                       // " on "
  kMsgObjectsQuestion = 22,          // " objects?"
  kMsgErrorAddingCommand = 23,       // "Error adding command "
  kMsgForDeviceTemplate = 24,        // " for Device Template"
  kMsgResourcesNotInCatalog = 25,  // "Unable to add the resources listed in the ResourceTable to the catalog"
  kMsgTemplateUnused = 26,         // "The device template '"
  kMsgTemplateUnusedQuestion = 27,  // "' is no longer referenced by any device ..." (a question)
  kMsgCannotRemoveTemplate = 28,    // "Unable to remove the device template: "
  kMsgDeregisterCommand = 29,       // "Deregister Command "
  kMsgCreateTemplates = 30,         // "create Templates..."
  kMsgCannotImportInterface = 31,   // "Unable to import the device interface file: " (the file follows)
  kMsgNetworksLeft =
      33,  // " was removed from this machine, but its commands are left in ..." (networks follow)
  kMsgObjectServerLeft =
      34,  // " was removed from this machine, but the Object Server could not be opened ..." (why follows)
  kMsgKeyNotDeleted = 35,  // " could not be deleted from the Windows registry: " (why follows)
  kMsgEntriesLeft =
      36,  // " was removed from this machine, but ... whose entries could not be removed: " (networks follow)
};

}  // namespace qvr
