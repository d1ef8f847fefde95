#pragma once

#include <optional>
#include <string>
#include <vector>

#include "datapoints/DataPoint.h"
#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/ui/Color.h"
#include "program/DeviceModelState.h"
#include "program/OpenedNetwork.h"

namespace ui {
class Control;
}

namespace qvr {

class fMain;
class Program;

// What the main window shows of its device: the device and its network, its tables and decoded parts (the
// decimal separator they are read with included), and the state of the window's controls (texts with their
// change marks, choices and their lists, what is enabled, the status bar, the tabs), monitoring included. A
// device command that is aborted once it has begun to load the new device puts it all back, so that the
// window goes on showing, monitoring and applying to the device it showed, the user's unapplied edits
// included.
class ShownDevice {
 public:
  ShownDevice(fMain& window, Program& program);

  // Puts back what was shown, without running the controls' handlers, then resumes monitoring if it ran.
  void PutBack() const;

 private:
  // The state of one control that loading a device may change.
  struct ControlState {
    ui::Control* control;
    bool enabled;
    bool visible;
    ui::Color foreColor;
    std::string text;                  // a text box's or a drop-down combo's text, a label's caption
    std::vector<std::string> entries;  // a combo's list, a tab control's shown tabs ("1"/"0"), the panels
    int choice;                        // a combo's entry, a tab control's tab, a text box's caret
    int selected;                      // the length of a text box's selection
  };

  static ControlState Capture(ui::Control& control);
  static void Restore(const ControlState& state);

  fMain& window_;
  Program& program_;
  std::optional<lns::LnsAppDevice> device_;
  OpenedNetwork network_;
  DataPointTables tables_;
  DeviceModelState model_;
  std::optional<lns::LnsNetworkVariables> variables_;
  bool monitoring_;
  std::vector<ControlState> controls_;
};

}  // namespace qvr
