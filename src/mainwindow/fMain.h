#pragma once

#include <cstdint>
#include <memory>

#include "platform/lns/LnsAppDevice.h"
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

  // Opens the device of a host's command in the window. Handles its own errors; nothing reaches the caller.
  void ProcessDeviceCommand(lns::LnsAppDevice& TheDevice, std::int32_t& commandId);

  // Releases the device, closes system, network and Object Server, unloads every window and ends the
  // program. Errors are ignored throughout.
  void EndPlugIn();

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

 private:
  void DesignControls();

  Program& program_;
  std::unique_ptr<lns::LnsObjectServer> lcaOS_;
};

}  // namespace qvr
