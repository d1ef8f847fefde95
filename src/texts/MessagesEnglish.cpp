// The English message texts, stored exactly as the system shows them: blanks at either end, doubled
// blanks and misspellings (" does not exisit in the Windows registery") are part of the texts and kept on
// purpose: do not correct them (many entries are pieces joined with names or numbers).

#include "texts/MessageData.h"

namespace qvr::text_data {
namespace {

constexpr IndexedText kMsgMain[] = {
    {0,
     "The device resource files required for this device are not present in this enviroment. Browsing and "
     "data formating capabilities might be restricted to standard types and standard functional profile "
     "templates therefore. Do you wish to continue?"},
    {1, "Unable to set the Mode for the LonMark Objects, do you want to proceed?"},
    {2, "reading Parameters....."},
    {3, "testing the Device..."},
    {4, "reading State..."},
    {5, "Reading Network variables... "},
    {6, "Reading Configuration Property: "},
    {7, "Complete DRF look-up in progress..."},
    {8, "Function:"},
    {9, "Date:"},
    {10, "Object"},
    {11, "Variable"},
    {12, "Value"},
    {13, "German"},
    {14, "English"},
    {15, "the Device: "},
    {16, " is not Online"},
    {17, " missed a NeuronID"},
    {18, "Transmit parameters to the current Device ?"},
    {19, " ! No Device selected !"},
    {20,
     "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure "
     "that you want to exit?"},
    {21, "There are "},
    {22,
     " directors using this plug-in.  Exiting may cause the directors to experience errors.  Are you sure "
     "that you want to exit?"},
    {23, "Monitoring On"},
    {24, "Monitoring Off"},
    {25, "Print"},
    {26, "Load Parameters(SCPT)"},
    {27, "Save Parameters(SCPT)"},
    {28, "writing Networkvariables.."},
    {29, "writing Parameters..."},
    {30, " not possible to synchronize !"},
    {31, "All not transmited Parameters, could not be trasmit by activating 'sync. Devices'. "},
    {32, "These parameters are no generall parameters. They are devicespecific."},
    {33, "To transmit these parameters to more than one device, you need"},
    {34, "to disable 'sync. Devices'. "},
    {35, "  repeating..."},
    {36, "SNVT Type:"},
    {37, "SCPT Type:"},
    {38, "searching for further devices..."},
    {39, "found: "},
    {40, "Devices:"},
    {41, "Parameters:"},
    {42, "Remaining time:"},
    {43, "Configuration Parameters"},
    {45, "This device has no parameters to save."},
    {46,
     "Plug-In installation successful. To finish installation please start the network-managment-tool "
     "again!"},
    {47, "For canceling the data transfer please close the state-window."},
    {49, "There is no description of this device here."},
};

constexpr IndexedText kMsgFramework[] = {
    {0, "Opening the Object Server..."},
    {1, "Opening "},
    {2, "Deregister commands..."},
    {3, "A newer version of this plug-in is already registered"},
    {4, "registration as COM server failed"},
    {5, "Plug-in registered as "},
    {6, "Updated version of plug-in registered as "},
    {7,
     "register the same plug-in on the server so that the DRF can be installed there, too. Failure to do so "
     "is not an error, but might lead to confusion later"},
    {8, " deregistration as COM server failed"},
    {9, " deregistered"},
    {10, " does not exisit in the Windows registery"},
    {11, " could not be found."},
    {12, "Cannot Export Database"},
    {13, "Remote client cannot add a template."},
    {14, "Unable to find XIF file / create a template."},
    {15, "Could not create a unique template name."},
    {16, "Adding command "},
    {17, "Do you wish to make "},
    {18, " the default action for "},
    {19, " devices?"},
    {20, " the default action for the LonMark object "},
    {21, " on "},
    {22, " objects?"},
    {23, "Error adding command "},
    {24, " for Device Template"},
    {25, "Unable to add the resources listed in the ResourceTable to the catalog"},
    {26, "The device template '"},
    {27,
     "' is no longer referenced by any device in the current network. Do you want to remove the device "
     "template from the template library?"},
    {28, "Unable to remove the device template: "},
    {29, "Deregister Command "},
    {30, "create Templates..."},
    {31, "Unable to import the device interface file: "},
    {33,
     " was removed from this machine, but its commands are left in these networks, which could not be "
     "opened: "},
    {34,
     " was removed from this machine, but its commands may be left in the networks, since the Object Server "
     "could not be opened: "},
    {35, " could not be deleted from the Windows registry: "},
    {36,
     " was removed from this machine, but its commands are left in these networks, whose entries could not "
     "be removed: "},
};

constexpr IndexedText kMsgPlugInAPI[] = {
    {0, "Registering plug-in . . ."},
    {1, "Unable to register Supported Commands"},
    {2, "Unregistering plug-in . . ."},
    {3, "Initializing plug-in . . ."},
    {4, "Object type not supported for this command"},
    {5, "Command not supported"},
    {6, "Cannot open the network "},
    {7, "Attempt to write to read-only property"},
    {9, "Plug-in can't be moved or sized while minimized or maximized"},
    {10,
     "Can not modify the minimzed property when invisble. The property will be applied the next time the "
     "plug-in is made visible"},
};

constexpr IndexedText kMsgDirector[] = {
    {0, "the plug-in is busy: "},
    {1, "a window of the user's is open"},
    {2, "Apply is running"},
    {3, "a command is under way"},
    {4, "the plug-in program keeps at most 32767 objects; release one before creating another"},
    {5,
     "the plug-in is not registered in the network: nobody sees this plug-in program's windows (no display), "
     "and the registration asks its user"},
};
}  // namespace

MessageTexts EnglishMessages() {
  return {kMsgMain, kMsgFramework, kMsgPlugInAPI, kMsgDirector};
}

}  // namespace qvr::text_data
