#pragma once

#include <string>
#include <vector>

#include "EditorFixture.h"

namespace editors_test {

// The editing controls of the opened device beyond the property boxes: the input boxes with their
// companions, the spin buttons, the log, and what the Object Server is asked to monitor.
class ValueEditorTest : public EditorTest {
 protected:
  ui::TextBox& Nvi(int row) { return window().txtNvi[row]; }
  ui::ComboBox& NviCombo(int row) { return window().cmb_nvi[row]; }
  ui::TextBox& SettingBox(int row) { return window().txtnviset[row]; }
  const qvr::DataPoint& Input(int row) { return tables().NviTable[static_cast<std::size_t>(row)]; }

  // Whether the Object Server has stopped reporting input `row` of the current device.
  bool MonitoringSuspended(int row);
  // A new value of network variable `nvIndex` on the current device (spelled with the Object Server's
  // decimal separator), and the poll interval passing, so that monitoring reports it.
  void DeviceReports(int nvIndex, const std::string& text);

  // The user clicks into `box` behind its text and types `keys`, one key at a time ("\b" Backspace,
  // "\r" Enter).
  void Type(ui::TextBox& box, const std::string& keys);
  // The user clicks into `box` and replaces its whole text.
  void Edit(ui::TextBox& box, const std::string& text);

  // A click on the upper or lower arrow of a spin button (mouse down, then up, with the left button).
  static void ClickArrow(ui::UpDown& spin, bool up);
  // The pointer's height in the upper or the lower half of a spin button.
  static float UpperHalf(const ui::UpDown& spin) { return spin.Height() / 4; }
  static float LowerHalf(const ui::UpDown& spin) { return spin.Height() * 3 / 4; }

  void Advance(std::int64_t milliseconds) { services().TestLoop().Advance(milliseconds); }
  std::vector<std::string> ErrorLines() { return window().EchLog.ErrorLines(); }
  // An error line: a failure's description (not empty), then the handler's own text.
  static bool IsErrorLineOf(const std::string& line, const std::string& handlerText) {
    return line.size() > handlerText.size() &&
           line.compare(line.size() - handlerText.size(), std::string::npos, handlerText) == 0;
  }
  const ui::Control* Focused() { return window().ActiveControl(); }
};

}  // namespace editors_test
