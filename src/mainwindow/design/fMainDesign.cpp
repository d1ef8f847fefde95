// The main window's design: its size, the value tabs (fMainDesignTabs.cpp), the help pane, the log, the
// monitoring and poll controls, the command buttons, the status bar, the timers and the menus
// (fMainDesignMenus.cpp). All texts are the German design texts; SetLanguageTexts puts on the English ones.

#include <string>
#include <vector>

#include "mainwindow/design/fMainDesignLayout.h"
#include "mainwindow/design/fMainDesignParts.h"
#include "mainwindow/fMain.h"

namespace qvr {

namespace {

constexpr float kFormWidth = 15000;
constexpr float kFormHeight = 9600;

// Below the tabs: the help pane and the log side by side, then one row of controls. The status bar has
// no size of its own: the back end docks it at the bottom of the window.
constexpr float kPanesTop = main_design::kTabsTop + main_design::kTabsHeight + 90;
constexpr float kPanesHeight = 2700;
constexpr float kControlsTop = kPanesTop + kPanesHeight + 90;
constexpr float kButtonHeight = 375;
constexpr float kBoxHeight = 315;
constexpr float kBoxTop = kControlsTop + (kButtonHeight - kBoxHeight) / 2;

struct Placement {
  ui::Control& control;
  float left, top, width, height;
};

// The German tool tips of the status bar's panels 1 to 5: device name, model family, Neuron ID, state
// and monitoring.
const std::vector<std::string> kPanelToolTips = {"Gerät", "Typ", "NeuronId", "Status", "Monitor"};

constexpr int kSpinRepeatMilliseconds = 250;

}  // namespace

void fMain::DesignControls() {
  Move(0, 0, kFormWidth, kFormHeight);
  SetBorderStyle(ui::vbSizable);
  main_design::DesignValueTabs(*this);

  const Placement placements[] = {
      {RTHinweis, 90, kPanesTop, 7320, kPanesHeight},
      {EchLog, 7500, kPanesTop, 7410, kPanesHeight},
      {chkMonitor, 90, kControlsTop, 1500, kButtonHeight},
      {lblPolling, 1680, kBoxTop, 1500, kBoxHeight},
      {txtPoll, 3210, kBoxTop, 600, kBoxHeight},
      {cmd_Poll_ok, 3840, kControlsTop, 600, kButtonHeight},
      {cmdGerAuswahl, 9600, kControlsTop, 1700, kButtonHeight},
      {cmdApply, 11400, kControlsTop, 1700, kButtonHeight},
      {cmdCancel, 13200, kControlsTop, 1700, kButtonHeight},
  };
  for (const Placement& at : placements) at.control.Move(at.left, at.top, at.width, at.height);

  for (const std::string& tip : kPanelToolTips) {
    PlugInStatus.Panels(PlugInStatus.AddPanel()).SetToolTipText(tip);
  }
  chkMonitor.SetCaption("Monitoring");
  lblPolling.SetCaption("Pollintervall [s]:");
  txtPoll.SetText("5");
  cmd_Poll_ok.SetCaption("Ok");
  cmd_Poll_ok.SetVisible(false);  // shown from the first change of the poll interval until confirmed
  cmdGerAuswahl.SetCaption("&Geräteauswahl");
  cmdGerAuswahl.SetToolTipText("zeigt alle Geräte im Netzwerk mit der entspr. ProgId an");
  cmdApply.SetCaption("&Übernehmen");
  cmdCancel.SetCaption("A&bbrechen");
  // Nothing is changed yet: the editors enable both as soon as a value box differs from the device.
  cmdApply.SetEnabled(false);
  cmdCancel.SetEnabled(false);

  // The spin buttons' auto-repeat; only their mouse handlers switch the timers on.
  for (ui::Timer* timer : {&Timer, &Timer2}) {
    timer->SetInterval(kSpinRepeatMilliseconds);
    timer->SetEnabled(false);
  }
  main_design::DesignMenus(*this);
}

}  // namespace qvr
