#pragma once

#include <QApplication>
#include <memory>

#include "platform/ui/DisplaySettings.h"
#include "platform/ui/UiPlatform.h"
#include "platform/ui/qt/QtDateTimeWriter.h"

namespace ui {

// The `lns` tool's windows on Qt. The QApplication is made on first use, so that the tool's other
// commands run without a display; where no person sees the windows (no display and no QT_QPA_PLATFORM
// chosen, or a platform that draws into memory) the windows are drawn offscreen, which serves screenshots
// but no person, and a message box ends the command with its text.
// A QApplication that already exists (a test's) is used as it is; one made only to draw a PDF is offscreen.
class QtUiPlatform : public ui::UiPlatform {
 public:
  // The program's arguments, for the QApplication (both must outlive this object), and the display its
  // main read.
  QtUiPlatform(int& argc, char** argv, DisplaySettings display);
  ~QtUiPlatform() override;

  bool PersonSeesWindows() const override { return !offscreen_; }
  Ui MakeUi() override;
  void RunUntil(const std::function<bool()>& done) override;
  bool SaveScreenshot(const Form& form, const std::filesystem::path& pngFile) override;
  void PrintPdf(const PrintedDocument& document, const std::filesystem::path& pdfFile) override;
  const DateTimeWriter& DateTimes() const override { return dateTimes_; }

 private:
  void StartApplication();

  int& argc_;
  char** argv_;
  DisplaySettings display_;
  bool offscreen_ = false;
  std::unique_ptr<QApplication> application_;
  QtDateTimeWriter dateTimes_;
};

}  // namespace ui
