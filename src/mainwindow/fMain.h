#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "devicemodel/ModelView.h"
#include "platform/CountedScope.h"
#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsConfigProperty.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/LnsObjectServer.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/LogControl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UpDown.h"

namespace qvr {

class ApplyRun;
class Program;

// The main window: one tab per functional block with the value boxes of the device's data points, the
// status bar, the help pane and the log. It is loaded hidden when the first plug-in object is created and
// shown by the host through the plug-in object's Visible property.
class fMain : public ui::Form, public ModelView {
 public:
  explicit fMain(Program& program);
  ~fMain() override;

  // The main window's caption while it is not minimised.
  static constexpr const char* kCaption = "Calyxtern Orvalis GmbH    ";

  // The LNS Object Server control. Reaching it loads the window (hidden) when it is not loaded.
  lns::LnsObjectServer& lcaOS();

  // The device's state (fMainState.cpp)

  // True when panel 4 of the status bar reads "Cnfg Online" exactly: only such a device has current
  // values to read and monitor. A status bar without panel 4 raises the panel's error.
  bool DeviceShownOnline() override;
  // The status bar's panel that shows the device's state ("Cnfg Online", ...).
  static constexpr int kStatePanel = 4;

  // Opening a device, addresses, shut-down

  // Opens the device of a host's command in the window: type files, resource-file look-up, model, tables,
  // state and values; then monitoring follows the new device. Handles its own errors; nothing reaches the
  // caller. False when the device did not open: the user declined it or aborted its loading, and the window
  // goes on showing (and monitoring) the device it showed.
  bool ProcessDeviceCommand(lns::LnsAppDevice& TheDevice, std::int32_t& commandId);
  // Builds the tables, reads the device's state into the status bar and its values into the boxes. False
  // when the user aborted; the progress and splash windows are closed then.
  bool LoadDevice();
  // Reads the values into the boxes (network variables only while the device is online) and decodes them
  // into the editing controls. False when the user aborted or the decoding failed.
  bool ReadInitValues();
  // Makes the first tab current.
  bool SelectActiveTab();
  // The configuration property at `key` ("C:scope:index", "F:block/C:scope:index" or
  // "N:nv/C:scope:index") of the device being edited, or of the selected device being written while a
  // transfer to several devices runs; nothing when that device has none there.
  std::optional<lns::LnsConfigProperty> GetNciObject(std::string key);

  // Releases the device, closes system, network and Object Server, unloads every window and ends the
  // program. Errors are ignored throughout.
  void EndPlugIn();
  // The menu's exit: asks first while directors still hold plug-in objects.
  void mnuExit_Click();
  void mnuClearLog_Click();
  void mnuSaveLog_Click();
  void mnuSaveLogAs_Click();

  // The network variables of the device being edited, fetched when it is opened.
  std::optional<lns::LnsNetworkVariables> NvCollection;

  // Monitoring and resource files (fMainMonitor.cpp, fMainResources.cpp)

  // Sets, for each LonMark object of `device`, the highest resource scope (6 down to 3) whose profile
  // file in the resource catalogue holds the object's template as the object's mode. False when the
  // catalogue cannot be opened or the user aborted (run-time errors and resource files that cannot be
  // opened ask Abort/Retry/Ignore); the progress and splash windows are closed then. Objects whose
  // template is nowhere keep their mode.
  bool DrfLookUp(const std::optional<lns::LnsAppDevice>& device);
  // Switches the Object Server's monitoring of every table row on (poll interval from txtPoll, tag from
  // the row) or off, and shows the state in panel 5. Its own errors go to an Abort/Retry/Ignore box;
  // Abort unticks chkMonitor.
  void Monitor_An(bool bOn);
  // chkMonitor's Click: monitoring follows the box while the device is online; otherwise the box is
  // unticked again.
  void chkMonitor_Click();
  // Switches monitoring off and unticks its box, for a window that outlives the objects of its directors:
  // the next director's first object opens the Object Server anew, and no monitoring would survive that.
  void EndMonitoring();
  void txtPoll_Change();
  void txtPoll_KeyPress(int& KeyAscii);
  void txtPoll_LostFocus();
  void cmd_Poll_ok_Click();
  // The Object Server's monitoring events: a new value of the row with `tag`, or a failed poll.
  void lcaOS_OnNetworkVariableUpdate(const long& tag, const std::string& value);
  void lcaOS_OnNvUpdateError(const long& tag);
  // The Object Server's event 9: the program's active window, if any, is drawn anew.
  void lcaOS_ServerEvent9();

  // The device selection (fMainSync.cpp)

  // cmdGerAuswahl's Click: searches the devices of the current device's template (once per loading of
  // the selection window) and shows the selection window modal.
  void cmdGerAuswahl_Click();

  // Value editors: change marking, composite and enumerated values (mainwindow/editors/NciChange.cpp,
  // UpdateApplyCancel.cpp, ChangeMark, CompositeValues, CompanionChoices)

  // txtNci's Change: while the window is visible, brings the companion combo boxes and the composite row
  // in line with box `Index` and marks what changed; then UpdateApplyCancel. A text that is no number
  // gets the stored value back.
  void txtNci_Change(int Index);
  // The last step of every value editor: Apply and Cancel are enabled while any row box of the property
  // or input table is marked changed, disabled otherwise.
  void UpdateApplyCancel();

  // Apply and Cancel (fMainApply.cpp, fMainCancel.cpp)

  // cmdApply's Click: with monitoring off, writes every red input box to the current device, then the red
  // property boxes to it after a question (or to the devices chosen for a transfer), logs each value as
  // the device reads it back, stores it and unmarks the box; refreshes the composite parts.
  void cmdApply_Click();
  // cmdCancel's Click: every red input box and every property box (with the sub-field boxes of the
  // composite properties) shows its stored value again, unmarked; nothing is written.
  void cmdCancel_Click();

  // True while an Apply run is under way. A transfer to several devices yields to the event loop, and the
  // handlers that would change what the run works on (Apply, Cancel, loading parameters, the device
  // selection, Exit, closing the window) refuse to run meanwhile.
  bool ApplyRunning() const { return applyRun_ != nullptr; }
  // Why a director's call waits now: a window of the user's is open (a menu entry's dialogs, the device
  // selection, a modal window, a message box), Apply runs, or a director's command runs (it opens its
  // device); a call run under any of them would open another device under it.
  enum class DirectorCallWait { None, UserWindow, Apply, Command };
  DirectorCallWait DirectorCallsWait() const;
  bool TakesDirectorCalls() const { return DirectorCallsWait() == DirectorCallWait::None; }
  // Holds the directors' calls while it lives: a user's command that opens dialogs.
  [[nodiscard]] platform::CountedScope HoldDirectorCalls() {
    return platform::CountedScope(directorCallsHeld_);
  }
  // Holds the directors' calls while it lives: a director's command under way.
  [[nodiscard]] platform::CountedScope RunDirectorsCommand() {
    return platform::CountedScope(directorsCommands_);
  }
  // While it lives, the values written into the boxes are devices' values (a parameter file's): their
  // companion choices follow without writing their own texts over them.
  [[nodiscard]] platform::CountedScope ShowDevicesValues() {
    return platform::CountedScope(devicesValuesShown_);
  }
  bool ShowingDevicesValues() const { return devicesValuesShown_ > 0; }

  // Parameter files, printing, help menu (fMainParameterFiles.cpp, fMainPrint.cpp, fMainHelpMenu.cpp)

  // "Save Parameters": writes the stored value of every property row (the device's value, not an edit
  // that was not applied) to a parameter file the user chooses (docs/parameter-files.md).
  void mnuParameter_speichern_Click();
  // "Load Parameters": puts the values of a parameter file into the property boxes and their companion
  // controls as edits, so that what differs from the device is marked; Apply writes them. A file that is
  // not a complete parameter file for the device is refused, and no box changes.
  void mnuParameter_laden_Click();
  // "Print": the print-choice window, the printer dialog, then the device's header and the chosen sections
  // of stored values (properties, inputs, outputs) in three columns.
  void mnuDrucken_Click();
  // The help menu: the About box, and the model's documentation (maximised) and the readme (normal
  // window) from the program's folder, opened by the desktop shell.
  void mnuAbout_Click();
  void mnuBeschreibung_Click();
  void mnuReadme_Click();

  // Value editors: input boxes, choices, spin buttons, keys, help on focus
  // (mainwindow/editors/InputBoxes.cpp, Choices.cpp, SpinButtons.cpp, KeyHandlers.cpp, HelpOnFocus.cpp,
  // EditorWiring.cpp)

  // txtNvi's Change: while the window is visible, shows the text of box `Index` in the input's companion
  // controls (without running their handlers), marks the box and those companions against the stored
  // value and, while monitoring is on, suspends monitoring of an input that differs from it and resumes
  // it once they are equal; then UpdateApplyCancel. A failure puts the stored value back and writes an error
  // line to the log.
  void txtNvi_Change(int Index);
  // Upper-cases the box's text, so that a setting typed in lower case moves its combo box.
  void txtNvi_LostFocus(int Index);
  // Lets the characters of a number pass; Enter goes to Apply from a changed box and moves on from an
  // unchanged one. Monitoring is left to the box's Change.
  void txtNvi_KeyPress(int Index, int& KeyAscii);
  // The temperature inputs (16, 17) and the slave inputs (18, 19) get their initialisation value.
  void cmd_Nvi_Reset_Click(int Index);
  // A setting value always shows its decimal separator ("50" becomes "50,0"); a setting that differs from
  // the stored input suspends the input's monitoring.
  void txtnviset_Change(int Index);
  // A setting value changed since the box got the focus is written into the setting input, with the
  // function of cmb_nvi (or the input's own where cmb_nvi shows none) and rotation 0.
  void txtnviset_LostFocus(int Index);
  // Marks the setting box against the stored setting; Enter is dropped and goes to Apply when marked.
  void txtnviset_KeyPress(int Index, int& KeyAscii);
  // Output 10 (nvoUnitStatus) shows only its text before the first comma, unless the comma is the
  // decimal separator.
  void txtNvo_Change(int Index);
  // A choice writes its value text into the property box or input box that the combo box serves, unless
  // the box's text already stands for the chosen entry (the combo followed the box).
  void cmb_nci_Click(int Index);
  void cmb_nvi_Click(int Index);
  // An entry's text typed into the edit field of a drop-down combo is chosen as if picked from the list;
  // a text that is no entry changes nothing.
  void cmb_nvi_Change(int Index);
  // Lets the keys of the box's kind of number pass; Enter goes to the device-selection button.
  void txtNci_KeyPress(int Index, int& KeyAscii);
  // Pulls a number beyond the bounds of the box's spin button back to the bound it passed.
  void txtNci_LostFocus(int Index);
  // Spin buttons: a click steps the box once within the spin button's bounds; holding a mouse button on
  // one repeats the step every 250 ms (Timer for UpD_nci, Timer2 for UpD_nvi) until it is released or
  // the pointer leaves beyond the right or lower edge. A press on one family stops the other's repeat.
  void UpD_nci_UpClick(int Index);
  void UpD_nci_DownClick(int Index);
  void UpD_nci_MouseDown(int Index, int Button, int Shift, float X, float Y);
  void UpD_nci_MouseMove(int Index, int Button, int Shift, float X, float Y);
  void UpD_nci_MouseUp(int Index, int Button, int Shift, float X, float Y);
  void Timer_Timer();
  void UpD_nvi_UpClick(int Index);
  void UpD_nvi_DownClick(int Index);
  void UpD_nvi_MouseDown(int Index, int Button, int Shift, float X, float Y);
  void UpD_nvi_MouseMove(int Index, int Button, int Shift, float X, float Y);
  void UpD_nvi_MouseUp(int Index, int Button, int Shift, float X, float Y);
  void Timer2_Timer();
  // Whether the auto-repeat may step on: not once the window is hidden or no longer the active one, when
  // both timers stop.
  bool SpinRepeatMayGoOn();
  // The help pane shows the help text of the data point that the focused control edits; a sub-field
  // box shows its composite property's.
  void txtNci_GotFocus(int Index);
  void cmb_nci_GotFocus(int Index);
  void txtNvi_GotFocus(int Index);
  void cmb_nvi_GotFocus(int Index);
  void txtnviset_GotFocus(int Index);
  void txtNvo_GotFocus(int Index);
  // Another tab: the window is adapted to the device's model again; the help pane stays.
  void tabData_Click(int PreviousTab);

  // Controls, in the window's design (fMainDesign.cpp).
  ui::TabControl tabData;
  ui::ControlArray<ui::Frame> fraBlock;  // one frame per tab, index = tab
  ui::Frame fraSccInner;                 // rows 40 to 42 and 46 to 48 on the "SCC Config" tab
  ui::ControlArray<ui::TextBox> txtNci;
  ui::ControlArray<ui::TextBox> txtNvi;
  ui::ControlArray<ui::TextBox> txtNvo;
  ui::ControlArray<ui::TextBox> txtnviset;
  ui::ControlArray<ui::Label> lblNci;  // the data point's name beside each box, same index
  ui::ControlArray<ui::Label> lblNvi;
  ui::ControlArray<ui::Label> lblNvo;
  ui::ControlArray<ui::Label> lblNc{*this, "lblNc"};  // captions beside some combo boxes: 32, 51, 60
  ui::ControlArray<ui::ComboBox> cmb_nci;
  ui::ControlArray<ui::ComboBox> cmb_nvi;
  ui::ControlArray<ui::CommandButton> cmd_Nvi_Reset;
  ui::ControlArray<ui::UpDown> UpD_nci;
  ui::ControlArray<ui::UpDown> UpD_nvi;
  ui::StatusBar PlugInStatus;
  ui::RichTextBox RTHinweis;
  ui::LogControl EchLog;
  ui::CheckBox chkMonitor;
  ui::Label lblPolling{*this, "lblPolling"};
  ui::TextBox txtPoll;
  ui::CommandButton cmd_Poll_ok;
  ui::CommandButton cmdGerAuswahl;
  ui::CommandButton cmdApply;
  ui::CommandButton cmdCancel;
  ui::Timer Timer;
  ui::Timer Timer2;
  ui::Menu mnuOptionen;
  ui::Menu mnuClearLog;
  ui::Menu mnuSaveLog;
  ui::Menu mnuSaveLogAs;
  ui::Menu mnuSeparator1;
  ui::Menu mnuParameter_laden;
  ui::Menu mnuParameter_speichern;
  ui::Menu mnuSeparator2;
  ui::Menu mnuDrucken;
  ui::Menu mnuSeparator3;
  ui::Menu mnuExit;
  ui::Menu mnuHilfe;
  ui::Menu mnuAbout;
  ui::Menu mnuBeschreibung;
  ui::Menu mnuReadme;

  // The controls the device model adapts (ModelView).
  ui::ControlArray<ui::TextBox>& PropertyBoxes() override { return txtNci; }
  ui::ControlArray<ui::ComboBox>& PropertyChoices() override { return cmb_nci; }
  ui::ControlArray<ui::TextBox>& InputBoxes() override { return txtNvi; }
  ui::ControlArray<ui::TextBox>& InputSettingBoxes() override { return txtnviset; }
  ui::ControlArray<ui::ComboBox>& InputChoices() override { return cmb_nvi; }
  ui::ControlArray<ui::CommandButton>& InputResets() override { return cmd_Nvi_Reset; }
  ui::TabControl& DataTabs() override { return tabData; }
  ui::RichTextBox& HintPane() override { return RTHinweis; }

 protected:
  void Form_Load() override;
  void Form_Resize() override;
  // While a director holds a plug-in object, the close box only hides the window.
  void Form_QueryUnload(bool& Cancel) override;

 private:
  void DesignControls();
  void WireShutdownHandlers();
  // Writing to several devices (fMainSync.cpp)
  void WireSyncHandlers();
  // Value editors: change marking, composite and enumerated values (mainwindow/editors/NciChange.cpp)
  void WireNciChangeHandlers();
  // Writes the device's value (of the row, or of the part of a sub-field box) back into txtNci(Index)
  // after a failed edit, once: a failure of that write marks the box instead.
  void RestoreDeviceValue(int Index);
  // Apply and Cancel (fMainApply.cpp, fMainCancel.cpp)
  void WireApplyCancelHandlers();
  // Parameter files, printing, help menu (fMainHelpMenu.cpp)
  void WireFileAndHelpMenuHandlers();
  // Value editors: input boxes, choices, spin buttons, keys, help on focus
  // (mainwindow/editors/EditorWiring.cpp)
  void WireValueEditorHandlers();
  // The spin button last pressed, of either family, and whether in its upper half: what the auto-repeat
  // timers step.
  int SpinIndex = 0;
  bool SpinUp = false;
  // The txtNci boxes whose device value txtNci_Change is writing back after a failed edit: a failure
  // inside that write must not write it back once more.
  std::vector<int> nciBoxesBeingRestored_;
  // The setting boxes (txtnviset) changed since they got the focus: only those write their input when
  // they are left.
  std::set<int> editedSettingBoxes_;
  // The Apply run in progress (mainwindow/apply/ApplyRun.h); null outside cmdApply_Click.
  ApplyRun* applyRun_ = nullptr;
  // The user's commands under way that hold the directors' calls.
  int directorCallsHeld_ = 0;
  // The directors' commands under way.
  int directorsCommands_ = 0;
  // The writes of devices' values under way (ShowDevicesValues).
  int devicesValuesShown_ = 0;
  // The user's tick of chkMonitor opening again a network that a director's close of the Object Server
  // closed: a close that the opening needs unticks the box while no monitoring runs.
  int monitorTickReopens_ = 0;

  Program& program_;
  std::unique_ptr<lns::LnsObjectServer> lcaOS_;

  // Monitoring and resource files (fMainMonitor.cpp, fMainResources.cpp)

  // Sets the poll box's and the monitoring box's handlers and subscribes to the Object Server's
  // monitoring events for the window's life.
  std::array<lns::LnsSubscription, 3> WireMonitoring();
  // Declared after lcaOS_ and the controls, so that it is initialised (and wired) after them.
  std::array<lns::LnsSubscription, 3> lcaOSEvents_ = WireMonitoring();
};

}  // namespace qvr
