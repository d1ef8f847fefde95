// `lns send --show` and `--screenshot` on the Qt windows, run in-process with a person played by a timer.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "platform/MachineRoot.h"
#include "platform/ui/qt/QtScreen.h"
#include "platform/ui/qt/QtUiPlatform.h"
#include "tools/lns/LnsTool.h"

namespace {

const std::string kRoom = "Demo/Floor 1/Room 101";

QWidget* ShownWindowNamed(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->objectName() == name) return window;
  }
  return nullptr;
}

// The entry `name` of a window's menus, at any depth.
QAction* MenuEntry(QWidget& window, const QString& name) {
  std::function<QAction*(const QList<QAction*>&)> search = [&](const QList<QAction*>& actions) -> QAction* {
    for (QAction* action : actions) {
      if (action->objectName() == name) return action;
      if (QAction* found = action->menu() ? search(action->menu()->actions()) : nullptr) return found;
    }
    return nullptr;
  };
  auto* bar = window.findChild<QMenuBar*>();
  return bar ? search(bar->actions()) : nullptr;
}

bool AnyWindowShown() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) return true;
  }
  return false;
}

// The person at the screen, played by a timer while the tool serves its windows: once the main window
// shows, the person acts on it; a message box gets the answer whose button text `answers` names for its
// text, and any other box is noted and dismissed, so that a test fails instead of waiting for ever.
class Person {
 public:
  explicit Person(std::function<void(QWidget& mainWindow)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(5);
  }

  std::map<std::string, QString> answers;  // box text -> button text
  std::vector<std::string> boxes;          // the texts of every box seen
  QString mainWindowTitle;                 // "" while the main window never showed

 private:
  void Look() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      Answer(*box);
      return;
    }
    QWidget* mainWindow = ShownWindowNamed("fMain");
    if (!mainWindow || !mainWindowTitle.isEmpty()) return;
    mainWindowTitle = mainWindow->windowTitle();
    act_(*mainWindow);
  }

  void Answer(QMessageBox& box) {
    const std::string text = box.text().toStdString();
    boxes.push_back(text);
    const auto answer = answers.find(text);
    for (QAbstractButton* button : box.buttons()) {
      if (answer != answers.end() && button->text() == answer->second) {
        button->click();
        return;
      }
    }
    box.done(0);
  }

  std::function<void(QWidget&)> act_;
  QTimer timer_;
};

// The progress window's texts as a person saw them: each time events run, the window's picture on the
// screen is compared with the window drawn afresh; a text is seen when the screen shows it.
class StatusWatcher {
 public:
  StatusWatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(0);
  }

  std::vector<std::string> seen;

 private:
  void Look() {
    QWidget* window = ShownWindowNamed("fProgress");
    auto* status = window ? window->findChild<QLabel*>() : nullptr;
    if (!status || !window->windowHandle()->isExposed()) return;
    const std::string text = status->text().toStdString();
    if (!seen.empty() && seen.back() == text) return;
    const QImage onScreen = window->screen()->grabWindow(window->winId()).toImage();
    const QImage drawn = window->grab().toImage();
    if (onScreen.convertToFormat(QImage::Format_RGB32) == drawn.convertToFormat(QImage::Format_RGB32)) {
      seen.push_back(text);
    }
  }

  QTimer timer_;
};

class QtUiPlatformTest : public ::testing::Test {
 protected:
  struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
  };

  QtUiPlatformTest() {
    const ToolRun init = Lns({"init", "--demo"});
    EXPECT_EQ(init.code, lnstool::kOk) << init.err;
  }

  ToolRun Lns(const lnstool::Args& args) {
    std::ostringstream out, err;
    lnstool::ToolContext context{root.Path(), platform::DataDir(), out, err, &windows_};
    ToolRun run;
    run.code = lnstool::RunLnsTool(args, context);
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  testsupport::TempMachineRoot root;

 private:
  int argc_ = 1;
  char name_[16] = "qvr_ui_qt_tests";
  char* argv_[2] = {name_, nullptr};
  ui::QtUiPlatform windows_{argc_, argv_, {}};
};

// The form's size in pixels as --snapshot wrote it in twips.
QSize SnapshotSizeInPixels(const std::filesystem::path& snapshot) {
  std::ifstream in(snapshot);
  std::string formLine;
  std::getline(in, formLine);
  std::smatch size;
  if (!std::regex_search(formLine, size, std::regex(" width=([0-9]+) height=([0-9]+) "))) return {};
  const ui::QtScreen screen;
  return {std::stoi(size[1]) / screen.TwipsPerPixelX(), std::stoi(size[2]) / screen.TwipsPerPixelY()};
}

TEST_F(QtUiPlatformTest, ShowServesTheMainWindowUntilThePersonClosesIt) {
  Person person([](QWidget& mainWindow) { mainWindow.close(); });
  const ToolRun run = Lns({"send", "Demo", "13", "7", kRoom, "--show"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(person.mainWindowTitle, "Calyxtern Orvalis GmbH    ");
  EXPECT_EQ(person.boxes, std::vector<std::string>{});
  // The close box hid the window; the director's release then ended the plug-in and took every window.
  EXPECT_FALSE(AnyWindowShown());
}

TEST_F(QtUiPlatformTest, ShowEndsWhenThePersonExitsThePlugInThroughItsMenu) {
  const std::string question =
      "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure "
      "that you want to exit?";
  Person person([](QWidget& mainWindow) {
    QAction* exit = MenuEntry(mainWindow, "mnuExit");
    if (!exit) {
      ADD_FAILURE() << "no exit in the menus";
      mainWindow.close();
      return;
    }
    // Later: the question's own loop must not run inside the person's look at the window.
    QTimer::singleShot(0, exit, &QAction::trigger);
  });
  person.answers[question] = "&Yes";
  const ToolRun run = Lns({"send", "Demo", "13", "7", kRoom, "--show"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(person.boxes, std::vector<std::string>{question});
  EXPECT_FALSE(AnyWindowShown());
}

TEST_F(QtUiPlatformTest, ScreenshotSavesThePictureOfTheOpenedMainWindowAndHidesItAgain) {
  Person person([](QWidget&) {});
  const std::filesystem::path picture = root.Path() / "fMain.png";
  const std::filesystem::path snapshot = root.Path() / "fMain.txt";
  const ToolRun run = Lns(
      {"send", "Demo", "13", "7", kRoom, "--screenshot", picture.string(), "--snapshot", snapshot.string()});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(person.boxes, std::vector<std::string>{});
  EXPECT_FALSE(AnyWindowShown()) << "the release ended the plug-in";

  const QImage image(QString::fromStdString(picture.string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), SnapshotSizeInPixels(snapshot));
  // The whole window of its design, 15000 x 9600 twips: the screen drawn into memory is not smaller.
  EXPECT_EQ(SnapshotSizeInPixels(snapshot), QSize(1000, 640));
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 5u) << "a drawn window, not an empty area";

  const std::filesystem::path nowhere = root.Path() / "no" / "such" / "fMain.png";
  const ToolRun refused = Lns({"send", "Demo", "13", "7", kRoom, "--screenshot", nowhere.string()});
  EXPECT_EQ(refused.code, lnstool::kFailed);
  EXPECT_EQ(refused.err, "lns send: cannot save the screenshot to " + nowhere.string() + "\n");
  EXPECT_FALSE(AnyWindowShown());
}

TEST_F(QtUiPlatformTest, TheProgressWindowPaintsEachStatusWhileTheDeviceOpens) {
  StatusWatcher watcher;
  const std::filesystem::path picture = root.Path() / "fMain.png";
  const ToolRun run = Lns({"send", "Demo", "13", "7", kRoom, "--screenshot", picture.string()});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  const auto seen = [&](const std::string& text) {
    return std::find(watcher.seen.begin(), watcher.seen.end(), text) != watcher.seen.end();
  };
  EXPECT_TRUE(seen("testing the Device...")) << ::testing::PrintToString(watcher.seen);
  EXPECT_TRUE(seen("reading State..."));
  EXPECT_TRUE(seen("Reading Network variables... "));
}

// The person types an entry of the HVAC mode's choice into its edit field: the input box gets the entry's
// value, as a pick from the list gives it.
TEST_F(QtUiPlatformTest, AnEntryTypedIntoAChoicesEditFieldIsChosen) {
  QString valueBoxText;
  Person person([&](QWidget& mainWindow) {
    QComboBox* mode = nullptr;
    for (auto* combo : mainWindow.findChildren<QComboBox*>()) {
      if (combo->isEditable() && combo->findText("HVAC_COOL") >= 0) mode = combo;
    }
    auto* tabs = mainWindow.findChild<QTabWidget*>();
    if (mode && tabs) {
      for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(mode)) tabs->setCurrentIndex(tab);
      }
      // The input box shows the mode the choice shows.
      QLineEdit* valueBox = nullptr;
      for (auto* edit : mainWindow.findChildren<QLineEdit*>()) {
        if (edit != mode->lineEdit() && edit->text() == mode->currentText()) valueBox = edit;
      }
      mode->lineEdit()->selectAll();
      QTest::keyClicks(mode->lineEdit(), "HVAC_COOL");
      if (valueBox) valueBoxText = valueBox->text();
    }
    mainWindow.close();
  });
  const ToolRun run = Lns({"send", "Demo", "13", "7", kRoom, "--show"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(valueBoxText.toStdString(), "HVAC_COOL");
}

}  // namespace
