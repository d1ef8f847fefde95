#include "platform/ui/qt/QtUiPlatform.h"

#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "platform/ui/ScriptStops.h"
#include "platform/ui/qt/QtApplicationStart.h"
#include "platform/ui/qt/QtFormBackend.h"
#include "platform/ui/qt/QtPrintOutput.h"
#include "platform/ui/qt/QtServices.h"

namespace ui {

namespace {

// How long a window just shown may take to appear on the display before it is drawn all the same.
constexpr qint64 kExposeWaitMs = 2000;

// Where nobody sees the windows, nobody can answer a message box either: the box ends the command with
// its text instead of waiting for ever, past every catch of the program (a script stop).
class UnanswerableBoxes : public MessageBoxes {
 public:
  int Show(const MessageBoxRequest& request) override {
    throw UnscriptedDialog("the plug-in showed a message box, and without a display nobody can answer it: " +
                           request.prompt);
  }
};

class OffscreenServices : public QtServices {
 public:
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }

 private:
  UnanswerableBoxes boxes_;
};

bool AllShownWindowsExposed() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && (!window->windowHandle() || !window->windowHandle()->isExposed()))
      return false;
  }
  return true;
}

}  // namespace

QtUiPlatform::QtUiPlatform(int& argc, char** argv, DisplaySettings display)
    : argc_(argc), argv_(argv), display_(std::move(display)) {
  // Offscreen as well where the user chose a platform that draws into memory: nobody sees it either.
  if (!QCoreApplication::instance() && !PersonSeesWindowsOn(display_)) offscreen_ = true;
}

QtUiPlatform::~QtUiPlatform() = default;

void QtUiPlatform::StartApplication() {
  if (!QCoreApplication::instance()) application_ = StartQtApplication(argc_, argv_, display_, offscreen_);
}

ui::UiPlatform::Ui QtUiPlatform::MakeUi() {
  StartApplication();
  std::unique_ptr<QtServices> services =
      offscreen_ ? std::make_unique<OffscreenServices>() : std::make_unique<QtServices>();
  auto backend = std::make_unique<QtFormBackend>(services->Screen());
  return {std::move(services), std::move(backend)};
}

void QtUiPlatform::RunUntil(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool QtUiPlatform::SaveScreenshot(const Form& form, const std::filesystem::path& pngFile) {
  // Layouts and the first paint are posted events; a display shows a new window only after a round trip.
  QElapsedTimer waited;
  waited.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  } while (!AllShownWindowsExposed() && waited.elapsed() < kExposeWaitMs);
  QCoreApplication::processEvents();
  return ui::SaveScreenshot(form, pngFile.string());
}

void QtUiPlatform::PrintPdf(const PrintedDocument& document, const std::filesystem::path& pdfFile) {
  // A PDF needs Qt's fonts, not a display.
  if (!QCoreApplication::instance()) offscreen_ = true;
  StartApplication();
  QtPrintOutput(pdfFile.string()).Print(document);
}

}  // namespace ui
