#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <string>

#include "TempMachineRoot.h"
#include "VirtualDisplay.h"
#include "mainwindow/device/fProgress.h"
#include "platform/registry/MachineSetup.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/qt/QtApplicationStart.h"
#include "platform/ui/qt/QtFormBackend.h"
#include "platform/ui/qt/QtServices.h"
#include "program/Program.h"

namespace {

constexpr const char* kCaption = "Calyxtern Orvalis GmbH";
constexpr int kDeadlineMs = 10000;

constexpr const char* kDevice = "Room 101 sensor";

class SizableForm : public ui::Form {
 public:
  explicit SizableForm(ui::Application& app) : Form(app, "fMain") {
    SetCaption(kCaption);
    Move(3000, 2250, 9000, 6000);
  }

 protected:
  // Minimised, the window shows the device's name, as the main window does.
  void Form_Resize() override { SetCaption(WindowState() == ui::vbMinimized ? kDevice : kCaption); }
};

// Where the window system has the window's frame now (the widget's own frame keeps the margins of its last
// move).
QRect FrameOf(const QWidget* window) {
  return window->windowHandle()->frameGeometry();
}

std::string Describe(const QWidget* window, ui::Form& form) {
  const QRect frame = FrameOf(window);
  return "frame " + std::to_string(frame.x()) + "," + std::to_string(frame.y()) + " " +
         std::to_string(frame.width()) + "x" + std::to_string(frame.height()) + ", form state " +
         std::to_string(form.WindowState()) + " at " + std::to_string(form.Left()) + "," +
         std::to_string(form.Top()) + " " + std::to_string(form.Width()) + "x" +
         std::to_string(form.Height());
}

// One virtual display with openbox, and the program's Qt on it, for all the tests.
class QtWindowManager : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = new testsupport::VirtualDisplay;
    home_ = new testsupport::TempMachineRoot;
    if (display_->Name().empty() || !display_->StartWindowManager({"openbox", "--sm-disable"}, home_->Path()))
      return;
    setenv("DISPLAY", display_->Name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    qt_ = ui::StartQtApplication(argc_, argv_, {}, false).release();
  }
  static void TearDownTestSuite() {
    delete qt_;
    delete home_;
    delete display_;
  }
  void SetUp() override {
    if (!qt_) GTEST_SKIP() << "no virtual display with openbox here";
    ui_ = std::make_unique<Ui>();
  }

  // The Qt back end with its services and one application, as a program that shows windows has them.
  struct Ui {
    ui::QtServices services;
    ui::QtFormBackend backend{services.Screen()};
    ui::Application app{services.Loop(), backend, &services};
  };

  static inline testsupport::VirtualDisplay* display_ = nullptr;
  static inline testsupport::TempMachineRoot* home_ = nullptr;
  static inline QApplication* qt_ = nullptr;
  static inline int argc_ = 1;
  static inline char name_[] = "qvr_ui_qt_wm_tests";
  static inline char* argv_[] = {name_, nullptr};
  std::unique_ptr<Ui> ui_;
};

// A window that the program has drawn right after showing it is on the screen, drawn, before the program
// goes on with its work.
TEST_F(QtWindowManager, AWindowDrawnRightAfterItsShowIsOnTheScreen) {
  SizableForm form(ui_->app);
  form.Show();
  form.Refresh();
  EXPECT_TRUE(ui_->backend.WindowOf(form)->windowHandle()->isExposed());
}

// The main window's start shows the progress window, which is on the screen, drawn, before the device's work
// keeps the loop busy; the screen then shows its drawing, not black.
TEST_F(QtWindowManager, TheProgressWindowIsDrawnRightAfterItShows) {
  testsupport::TempMachineRoot root;
  reg::InitMachineRoot(root.Path());
  qvr::Program program(ui_->services, ui_->backend, root.Path());
  program.fMain();
  QWidget* progress = ui_->backend.WindowOf(program.fProgress());
  ASSERT_TRUE(progress && progress->windowHandle()->isExposed()) << "shown, but not on the screen yet";
  // A part the window manager uncovers only after framing the window is drawn when events next run, as
  // the status line lets them.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        const QImage onScreen = progress->screen()->grabWindow(progress->winId()).toImage();
        return onScreen.convertToFormat(QImage::Format_RGB32) ==
               progress->grab().toImage().convertToFormat(QImage::Format_RGB32);
      },
      kDeadlineMs));
}

// The window manager's maximise box fills the screen with the window and its restore box gives back the
// window as it was, every time; the form reads, each time, what the window shows.
TEST_F(QtWindowManager, MaximizeFillsTheScreenAndRestoreGivesBackTheWindowBeforeIt) {
  SizableForm form(ui_->app);
  form.Show();
  QWidget* window = ui_->backend.WindowOf(form);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window, kDeadlineMs));

  const double twipsX = ui_->services.Screen().TwipsPerPixelX();
  const double twipsY = ui_->services.Screen().TwipsPerPixelY();
  const auto formReads = [&](const QRect& frame, const QSize& size) {
    return form.Left() == frame.x() * twipsX && form.Top() == frame.y() * twipsY &&
           form.Width() == size.width() * twipsX && form.Height() == size.height() * twipsY;
  };
  // The window manager frames the window where the form asked for it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return FrameOf(window).topLeft() == QPoint(200, 150); }, kDeadlineMs))
      << Describe(window, form);
  const QRect before = FrameOf(window);
  const QSize sizeBefore = window->size();
  ASSERT_EQ(sizeBefore, QSize(600, 400));
  const QRect screen = window->screen()->availableGeometry();

  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(display_->Maximize(kCaption, true));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          return form.WindowState() == ui::vbMaximized && FrameOf(window) == screen &&
                 formReads(FrameOf(window), window->size());
        },
        kDeadlineMs))
        << "maximised, round " << round << ": " << Describe(window, form);

    ASSERT_TRUE(display_->Maximize(kCaption, false));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          return form.WindowState() == ui::vbNormal && FrameOf(window) == before &&
                 formReads(before, sizeBefore);
        },
        kDeadlineMs))
        << "restored, round " << round << ": " << Describe(window, form);
  }
  form.Hide();
}

// Minimise and restore in every order with maximise: the form reads each time the state, caption and place
// the window manager gives, and never gives them back (a maximised window comes back maximised). While the
// window is minimised the program draws it, as monitoring does with the active window.
TEST_F(QtWindowManager, MinimiseAndRestoreKeepTheWindowManagersStateInEveryOrder) {
  SizableForm form(ui_->app);
  form.Show();
  QWidget* window = ui_->backend.WindowOf(form);
  const QRect normal(200, 150, 600, 400);  // where the form asked for it, and its client area's size
  const QRect screen = window->screen()->availableGeometry();
  const double twipsX = ui_->services.Screen().TwipsPerPixelX();
  const double twipsY = ui_->services.Screen().TwipsPerPixelY();
  const auto reaches = [&](int state, const char* step, int round) -> ::testing::AssertionResult {
    const bool shows = QTest::qWaitFor(
        [&] {
          // Maximised, the client area spans the screen's width (where Qt puts the frame may lag behind).
          const QPoint corner = FrameOf(window).topLeft();
          const bool placed =
              state == ui::vbMinimized ||
              (state == ui::vbMaximized ? window->isMaximized() && window->width() == screen.width()
                                        : QRect(corner, window->size()) == normal);
          return placed && form.WindowState() == state &&
                 form.Caption() == (state == ui::vbMinimized ? kDevice : kCaption) &&
                 form.Left() == corner.x() * twipsX && form.Top() == corner.y() * twipsY &&
                 form.Width() == window->width() * twipsX && form.Height() == window->height() * twipsY;
        },
        kDeadlineMs);
    if (shows) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << step << ", round " << round << ": " << Describe(window, form);
  };
  ASSERT_TRUE(reaches(ui::vbNormal, "shown", 0));

  for (int round = 0; round < 5; ++round) {
    // Maximise, minimise, restore.
    ASSERT_TRUE(display_->Maximize(kCaption, true));
    ASSERT_TRUE(reaches(ui::vbMaximized, "maximised", round));
    ASSERT_TRUE(display_->Minimize(kCaption));
    ASSERT_TRUE(reaches(ui::vbMinimized, "maximised, then minimised", round));
    ASSERT_TRUE(display_->Activate(kDevice));
    form.Refresh();
    ASSERT_TRUE(reaches(ui::vbMaximized, "brought back maximised", round));
    ASSERT_TRUE(display_->Maximize(kCaption, false));
    ASSERT_TRUE(reaches(ui::vbNormal, "restored", round));

    // Minimise, restore; minimise, maximise, restore.
    ASSERT_TRUE(display_->Minimize(kCaption));
    ASSERT_TRUE(reaches(ui::vbMinimized, "minimised", round));
    ASSERT_TRUE(display_->Activate(kDevice));
    form.Refresh();
    ASSERT_TRUE(reaches(ui::vbNormal, "brought back", round));
    ASSERT_TRUE(display_->Minimize(kCaption));
    ASSERT_TRUE(reaches(ui::vbMinimized, "minimised again", round));
    ASSERT_TRUE(display_->Maximize(kDevice, true, false));
    ASSERT_TRUE(display_->Activate(kDevice));
    ASSERT_TRUE(reaches(ui::vbMaximized, "maximised while minimised, brought back", round));
    ASSERT_TRUE(display_->Maximize(kCaption, false));
    ASSERT_TRUE(reaches(ui::vbNormal, "restored again", round));
  }
  form.Hide();
}

}  // namespace
