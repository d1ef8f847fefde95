#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

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

class Program;

// The main window: one tab per functional block with the value boxes of the device's data points, the
// status bar, the help pane and the log. It is loaded hidden when the first plug-in object is created and
// shown by the host through the plug-in object's Visible property.
class fMain : public ui::Form {
 public:
  explicit fMain(Program& program);
  ~fMain() override;

  // The main window's caption while it is not minimised.
  static constexpr const char* kCaption = "Calyxtern Orvalis GmbH    ";

  // The LNS Object Server control. Reaching it loads the window (hidden) when it is not loaded.
  lns::LnsObjectServer& lcaOS();

  // Opening a device, addresses, shut-down

  // Opens the device of a host's command in the window: type files, resource-file look-up, model, tables,
  // state and values; then monitoring follows the new device. Handles its own errors; nothing reaches the
  // caller.
  void ProcessDeviceCommand(lns::LnsAppDevice& TheDevice, std::int32_t& commandId);
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

  // Sets, for each LonMark object of the device, the highest resource scope (6 down to 3) whose profile
  // file in the resource catalogue holds the object's template as the object's mode. False when the
  // catalogue cannot be opened or the user aborted (run-time errors and resource files that cannot be
  // opened ask Abort/Retry/Ignore); the progress and splash windows are closed then. Objects whose
  // template is nowhere keep their mode.
  bool DrfLookUp();
  // Switches the Object Server's monitoring of every table row on (poll interval from txtPoll, tag from
  // the row) or off, and shows the state in panel 5. Its own errors go to an Abort/Retry/Ignore box;
  // Abort unticks chkMonitor.
  void Monitor_An(bool bOn);
  // chkMonitor's Click: monitoring follows the box while the device is online; otherwise the box is
  // unticked again.
  void chkMonitor_Click();
  void txtPoll_Change();
  void txtPoll_KeyPress(int& KeyAscii);
  void txtPoll_LostFocus();
  void cmd_Poll_ok_Click();
  // The Object Server's monitoring events: a new value of the row with `tag`, or a failed poll.
  void lcaOS_OnNetworkVariableUpdate(const long& tag, const std::string& value);
  void lcaOS_OnNvUpdateError(const long& tag);

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

 protected:
  void Form_Load() override;
  void Form_Resize() override;
  // While a director holds a plug-in object, the close box only hides the window.
  void Form_QueryUnload(bool& Cancel) override;

 private:
  void DesignControls();
  void WireShutdownHandlers();

  Program& program_;
  std::unique_ptr<lns::LnsObjectServer> lcaOS_;

  // Monitoring and resource files (fMainMonitor.cpp, fMainResources.cpp)

  // Sets the poll box's and the monitoring box's handlers and subscribes to the Object Server's
  // monitoring events for the window's life.
  std::array<lns::LnsSubscription, 2> WireMonitoring();
  // Declared after lcaOS_ and the controls, so that it is initialised (and wired) after them.
  std::array<lns::LnsSubscription, 2> lcaOSEvents_ = WireMonitoring();
};

}  // namespace qvr
