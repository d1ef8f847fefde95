#include "ApplyFixture.h"

#include "platform/lns/LnsObjectModel.h"

namespace mainwindow_test {

void ApplyTest::Open(const std::string& subsystem, const std::string& name) {
  device_ = Device(subsystem, name);
  Command(*device_);
}

void ApplyTest::Edit(ui::TextBox& box, const std::string& text) {
  box.SetForeColor(ui::vbRed);
  box.SetText(text);
  window().UpdateApplyCancel();
}

std::vector<std::string> ApplyTest::LogTexts(std::size_t from) {
  std::vector<std::string> texts;
  const auto& lines = window().EchLog.Lines();
  for (std::size_t line = from; line < lines.size(); ++line) texts.push_back(lines[line].text);
  return texts;
}

std::vector<std::string> ApplyTest::ErrorTexts() {
  return window().EchLog.ErrorLines();
}

std::size_t ApplyTest::LogSize() {
  return window().EchLog.Lines().size();
}

lns::LnsConfigProperty ApplyTest::Property(int row) {
  return *window().GetNciObject(NciRow(row).NciKey);
}

bool ApplyTest::Monitored(int nvIndex) {
  const lns::LnsNetworkVariable variable = device_->GetInterface().GetNetworkVariables().ItemByIndex(nvIndex);
  return variable.GetMonitorEnable() && variable.GetMonitorTag() != 0;
}

}  // namespace mainwindow_test
