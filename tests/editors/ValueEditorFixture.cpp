#include "ValueEditorFixture.h"

#include "framework/Program.h"

namespace editors_test {

bool ValueEditorTest::MonitoringSuspended(int row) {
  return program()
      .framework.CurrentDevice->GetInterface()
      .GetNetworkVariables()
      .ItemByIndex(Input(row).NviIndex)
      .GetMonitorSuspended();
}

void ValueEditorTest::DeviceReports(int nvIndex, const std::string& text) {
  program().framework.CurrentDevice->GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).PutValue(text);
  // The poll box's interval, 5 s.
  Advance(5000);
}

void ValueEditorTest::Type(ui::TextBox& box, const std::string& keys) {
  window().UserMovesFocus(box);
  box.UserSelects(static_cast<int>(box.Text().size()), 0);
  for (char key : keys) box.UserTypes(static_cast<unsigned char>(key));
}

void ValueEditorTest::Edit(ui::TextBox& box, const std::string& text) {
  window().UserMovesFocus(box);
  box.UserSetsText(text);
}

void ValueEditorTest::ClickArrow(ui::UpDown& spin, bool up) {
  const float y = up ? UpperHalf(spin) : LowerHalf(spin);
  spin.UserMouseDown(ui::vbLeftButton, 0, spin.Width() / 2, y);
  spin.UserMouseUp(ui::vbLeftButton, 0, spin.Width() / 2, y);
}

}  // namespace editors_test
