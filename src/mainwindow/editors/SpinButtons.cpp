// The spin buttons beside the number boxes: a click steps the box once; a mouse button held on a spin
// button repeats the step every 250 ms through a timer (Timer for the property boxes, Timer2 for the
// setting boxes). The box's own Change then marks the edit.

#include <exception>
#include <optional>
#include <string>

#include "mainwindow/editors/InputCompanions.h"
#include "mainwindow/editors/NumberBoxRules.h"
#include "mainwindow/editors/SpinStep.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

// Where the auto-repeat of one family of spin buttons stands: its timer and the last press, which the two
// families share.
struct Repeat {
  ui::Timer& timer;
  int& spinIndex;
  bool& spinUp;
};

// A press with any button starts the repeat; the click on the arrow itself makes the first step. Exactly
// half way down counts as the lower half. The two families share the last press, so the other family's
// repeat, still on after a lost mouse-up, stops: it would step its own box of this index.
void StartRepeat(const Repeat& repeat, ui::Timer& otherFamily, const ui::UpDown& spin, int index, float y) {
  otherFamily.SetEnabled(false);
  repeat.spinIndex = index;
  repeat.spinUp = y < spin.Height() / 2;
  repeat.timer.SetEnabled(true);
}

// Only leaving beyond the right or lower edge (with a fifth of the size to spare) stops the repeat; it
// does not start again when the pointer comes back.
void StopRepeatBeyondEdge(ui::Timer& timer, const ui::UpDown& spin, float x, float y) {
  const float height = 1.2F * spin.Height();
  const float width = 1.2F * spin.Width();
  if (y > height || x > width) timer.SetEnabled(false);
}

SpinRange RangeOf(const ui::UpDown& spin, double step) {
  return {spin.Min(), spin.Max(), step};
}

// One step of txtNci(box). A text that is no number, or a box without a spin button, stays as it is.
void StepPropertyBox(fMain& window, const std::string& decimalSep, int box, bool up) {
  try {
    ui::TextBox& target = window.txtNci[box];
    const std::optional<std::string> text =
        SteppedText(target.Text(), RangeOf(window.UpD_nci[box], NciStep(box)), up, decimalSep);
    if (text) target.SetText(*text);
  } catch (const std::exception&) {
    // Nothing to step: the repeat goes on failing the same way until the button is released.
  }
}

// One step of the setting value txtnviset(box); the setting input is then written from it.
void StepSettingBox(fMain& window, const std::string& decimalSep, int box, bool up) {
  try {
    ui::TextBox& setting = window.txtnviset[box];
    const std::optional<std::string> text =
        SteppedText(setting.Text(), RangeOf(window.UpD_nvi[box], kSettingStep), up, decimalSep);
    if (!text) return;
    setting.SetText(*text);
    window.txtNvi[box].SetText(SettingInputText(window, box, decimalSep));
  } catch (const std::exception&) {
    // As for the property boxes.
  }
}

}  // namespace

void fMain::UpD_nci_UpClick(int Index) {
  StepPropertyBox(*this, program_.model.DecimalSep, Index, true);
}

void fMain::UpD_nci_DownClick(int Index) {
  StepPropertyBox(*this, program_.model.DecimalSep, Index, false);
}

void fMain::UpD_nci_MouseDown(int Index, int /*Button*/, int /*Shift*/, float /*X*/, float Y) {
  StartRepeat({Timer, SpinIndex, SpinUp}, Timer2, UpD_nci[Index], Index, Y);
}

void fMain::UpD_nci_MouseMove(int Index, int /*Button*/, int /*Shift*/, float X, float Y) {
  StopRepeatBeyondEdge(Timer, UpD_nci[Index], X, Y);
}

void fMain::UpD_nci_MouseUp(int /*Index*/, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
  Timer.SetEnabled(false);
}

bool fMain::SpinRepeatMayGoOn() {
  // The mouse-up that ends a repeat goes to the active window: a window hidden or no longer active
  // (a message box, another window) may never get it.
  if (Visible() && program_.App().ActiveForm() == this) return true;
  Timer.SetEnabled(false);
  Timer2.SetEnabled(false);
  return false;
}

void fMain::Timer_Timer() {
  if (!SpinRepeatMayGoOn()) return;
  StepPropertyBox(*this, program_.model.DecimalSep, SpinIndex, SpinUp);
}

void fMain::UpD_nvi_UpClick(int Index) {
  StepSettingBox(*this, program_.model.DecimalSep, Index, true);
}

void fMain::UpD_nvi_DownClick(int Index) {
  StepSettingBox(*this, program_.model.DecimalSep, Index, false);
}

void fMain::UpD_nvi_MouseDown(int Index, int /*Button*/, int /*Shift*/, float /*X*/, float Y) {
  StartRepeat({Timer2, SpinIndex, SpinUp}, Timer, UpD_nvi[Index], Index, Y);
}

void fMain::UpD_nvi_MouseMove(int Index, int /*Button*/, int /*Shift*/, float X, float Y) {
  StopRepeatBeyondEdge(Timer2, UpD_nvi[Index], X, Y);
}

void fMain::UpD_nvi_MouseUp(int /*Index*/, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
  Timer2.SetEnabled(false);
}

void fMain::Timer2_Timer() {
  if (!SpinRepeatMayGoOn()) return;
  StepSettingBox(*this, program_.model.DecimalSep, SpinIndex, SpinUp);
}

}  // namespace qvr
