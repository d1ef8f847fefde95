#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DeviceCommandFixture.h"
#include "framework/Program.h"

namespace mainwindow_test {

// A demo device opened in the main window, edited and applied the way a user does it: boxes edited and
// marked by the change handling, Apply and Cancel clicked, the questions answered.
class ApplyTest : public DeviceCommandTest {
 protected:
  // Opens "Floor 1/Room 101" or another demo device through the director's command.
  void Open(const std::string& subsystem, const std::string& name);

  // The user's edit of `box`: its new text, marked changed, with Apply and Cancel offered as the change
  // handling offers them.
  void Edit(ui::TextBox& box, const std::string& text);
  void ClickApply() { window().cmdApply.UserClicks(); }
  void ClickCancel() { window().cmdCancel.UserClicks(); }

  ui::TextBox& Nci(int row) { return window().txtNci[row]; }
  ui::TextBox& Nvi(int row) { return window().txtNvi[row]; }
  qvr::DataPoint& NciRow(int row) { return tables().NciTable.at(static_cast<std::size_t>(row)); }
  qvr::DataPoint& NviRow(int row) { return tables().NviTable.at(static_cast<std::size_t>(row)); }
  static bool Red(const ui::Control& control) { return control.ForeColor() == ui::vbRed; }

  // The log's lines from `from` on, ordinary and error lines alike, in order.
  std::vector<std::string> LogTexts(std::size_t from = 0);
  std::vector<std::string> ErrorTexts();
  std::size_t LogSize();

  // The device opened by Open.
  lns::LnsAppDevice& device() { return *device_; }
  lns::LnsConfigProperty Property(int row);
  // Whether network variable `nvIndex` of the device is monitored (enabled with a tag).
  bool Monitored(int nvIndex);

 private:
  std::optional<lns::LnsAppDevice> device_;
};

}  // namespace mainwindow_test
