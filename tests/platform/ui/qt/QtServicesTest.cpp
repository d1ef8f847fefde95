#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <filesystem>
#include <thread>
#include <tuple>

#include "TempMachineRoot.h"
#include "platform/Error.h"
#include "platform/ui/headless/UnattendedServices.h"
#include "platform/ui/qt/QtServices.h"

namespace {

// Presses the button labelled `text` on the message box that opens next.
void PressOnNextBox(const QString& text, QString* seenText = nullptr, QString* seenTitle = nullptr) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (seenText) *seenText = box->text();
    if (seenTitle) *seenTitle = box->windowTitle();
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == text) {
        button->click();
        return;
      }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    box->done(0);
  });
}

void EscapeOnNextBox(QString* defaultText) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (box->defaultButton()) *defaultText = box->defaultButton()->text();
    QTest::keyClick(box, Qt::Key_Escape);
  });
}

TEST(QtServices, MessageBoxesAnswerWithThePressedButton) {
  ui::QtServices services;
  services.SetApplicationTitle("Calyxtern_qvr_lon_PlugIn");
  QString text, title;

  PressOnNextBox("&No", &text, &title);
  EXPECT_EQ(
      services.MsgBox("Transmit parameters to the current Device ?", ui::vbYesNo, " ! No Device selected !"),
      ui::vbNo);
  EXPECT_EQ(text, "Transmit parameters to the current Device ?");
  EXPECT_EQ(title, " ! No Device selected !");

  PressOnNextBox("&Ignore", nullptr, &title);
  EXPECT_EQ(services.MsgBox("Error updating", ui::vbAbortRetryIgnore + ui::vbInformation), ui::vbIgnore);
  EXPECT_EQ(title, "Calyxtern_qvr_lon_PlugIn");

  // Escape cannot answer Abort/Retry/Ignore: the box stays until a button is pressed.
  bool stayedOpen = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    stayedOpen = QApplication::activeModalWidget() == box && box->isVisible();
    PressOnNextBox("&Retry");
  });
  EXPECT_EQ(services.MsgBox("Error updating", ui::vbAbortRetryIgnore + ui::vbInformation), ui::vbRetry);
  EXPECT_TRUE(stayedOpen);

  QString defaultText;
  EscapeOnNextBox(&defaultText);
  EXPECT_EQ(
      services.MsgBox("Device not online? Press Ok to Resume...", ui::vbOKCancel + ui::vbDefaultButton2),
      ui::vbCancel);
  EXPECT_EQ(defaultText, "Cancel");
}

TEST(QtServices, PostedWorkAndTimersRunOnTheQtLoop) {
  ui::QtServices services;
  platform::EventLoop& loop = services.Loop();
  int posted = 0;
  int ticks = 0;
  loop.Post([&] { ++posted; });
  EXPECT_EQ(posted, 0) << "posted work runs later";
  services.DoEvents();
  EXPECT_EQ(posted, 1);

  auto timer = loop.CreateTimer([&] {
    ++ticks;
    services.DoEvents();  // a long handler yields; its own timer must not fire inside it
  });
  timer->SetInterval(5);
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 40) services.DoEvents();
  EXPECT_EQ(ticks, 0) << "a timer fires only while enabled";

  timer->SetEnabled(true);
  waited.restart();
  while (ticks < 3 && waited.elapsed() < 2000) services.DoEvents();
  EXPECT_GE(ticks, 3);

  timer->SetInterval(0);
  const int stopped = ticks;
  waited.restart();
  while (waited.elapsed() < 40) services.DoEvents();
  EXPECT_EQ(ticks, stopped) << "interval 0 stops the timer";
  EXPECT_GE(loop.NowMs(), 80);

  // A timer whose callback destroys it.
  std::unique_ptr<platform::LoopTimer> once;
  int onceTicks = 0;
  once = loop.CreateTimer([&] {
    ++onceTicks;
    once.reset();
  });
  once->SetInterval(1);
  once->SetEnabled(true);
  waited.restart();
  while (once && waited.elapsed() < 2000) services.DoEvents();
  for (int i = 0; i < 5; ++i) services.DoEvents();
  EXPECT_EQ(onceTicks, 1);
}

TEST(QtServices, ScreenFollowsTheQtScreenAndTheHourglassOverridesTheCursor) {
  ui::QtServices services;
  ui::Screen& screen = services.Screen();
  EXPECT_EQ(screen.TwipsPerPixelX(), 15) << "the offscreen screen has 96 dpi";
  EXPECT_EQ(screen.Width(), QApplication::primaryScreen()->geometry().width() * 15);
  EXPECT_GT(screen.Height(), 0);

  screen.SetMousePointer(ui::vbHourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  screen.SetMousePointer(ui::vbHourglass);
  screen.SetMousePointer(ui::vbDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "one default undoes any number of hourglasses";
  EXPECT_EQ(screen.MousePointer(), ui::vbDefault);
}

TEST(QtServices, PrintJobsBecomePdfPagesAndEmptyJobsPrintNothing) {
  testsupport::TempMachineRoot root;
  const std::string pdf = (root.Path() / "print.pdf").string();
  ui::QtServices services(pdf);
  ui::Printer& printer = services.Printer();

  printer.EndDoc();
  EXPECT_FALSE(std::filesystem::exists(pdf)) << "nothing printed, nothing sent";

  printer.SetFontSize(18);
  printer.SetFontBold(true);
  printer.PrintAt(26, "Room 1");
  printer.NewLine();
  printer.NewPage();
  printer.SetFontSize(10);
  for (int row = 0; row < 150; ++row) {  // more than one sheet holds
    printer.PrintAt(10, "OccupSensor");
    printer.PrintAt(36, "nci" + std::to_string(row));
    printer.NewLine();
  }
  printer.EndDoc();

  QFile file(QString::fromStdString(pdf));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  EXPECT_TRUE(content.startsWith("%PDF"));
  const int pages = content.count("/Type /Page\n") + content.count("/Type /Page\r") +
                    content.count("/Type /Page ") + content.count("/Type /Page>");
  EXPECT_GE(pages, 3) << "one header page and the rows overflowing onto further sheets";
}

TEST(QtServices, ProgramsStartDetachedAndAMissingProgramRaises53) {
  testsupport::TempMachineRoot root;
  ui::QtServices services;
  const std::filesystem::path made = root.Path() / "started;by qt";
  services.Shell().StartProgram({"touch", made.string()});
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!std::filesystem::exists(made) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(std::filesystem::exists(made));

  try {
    services.Shell().StartProgram({(root.Path() / "missing").string()});
    FAIL() << "a missing program must raise";
  } catch (const platform::RaisedError& error) {
    EXPECT_EQ(error.Number(), 53);
  }
}

TEST(QtServices, FileAndPrinterDialogsReturnTheChoiceAndCancelRaises32755) {
  testsupport::TempMachineRoot root;
  const std::string existing = (root.Path() / "saved.par").string();
  ASSERT_TRUE(QFile(QString::fromStdString(existing)).open(QIODevice::WriteOnly));
  ui::QtServices services;
  ui::CommonDialog dialog(services.Dialogs());
  dialog.DialogTitle = "Load Parameters(SCPT)";
  dialog.CancelError = true;
  dialog.Filter = "Parameter (*.par)|*.par";
  dialog.InitDir = root.Path().string();
  dialog.Flags = ui::cdlOFNFileMustExist;

  QString title;
  QStringList filters;
  QTimer::singleShot(0, [&] {
    auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(files, nullptr);
    title = files->windowTitle();
    filters = files->nameFilters();
    files->selectFile(QString::fromStdString(existing));
    static_cast<QDialog*>(files)->accept();
  });
  dialog.ShowOpen();
  EXPECT_EQ(dialog.FileName, existing);
  EXPECT_EQ(title, "Load Parameters(SCPT)");
  EXPECT_EQ(filters, QStringList{"Parameter (*.par)"});

  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  try {
    dialog.ShowSave();
    FAIL() << "a cancelled dialog with CancelError must raise";
  } catch (const platform::RaisedError& error) {
    EXPECT_EQ(error.Number(), ui::cdlCancel);
  }

  dialog.DialogTitle = "Print";
  QTimer::singleShot(0, [&] {
    auto* printer = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(printer, nullptr);
    title = printer->windowTitle();
    printer->reject();
  });
  EXPECT_THROW(dialog.ShowPrinter(), platform::RaisedError);
  EXPECT_EQ(title, "Print");
}

// Dates and times are written as Qt's dialogs write them, also where nobody sees the windows (offscreen).
TEST(QtServices, DatesAndTimesAreWrittenWithQtsLocaleLikeItsDialogs) {
  ui::QtServices services;
  ui::RefusedMessageBoxes refused;
  ui::UnattendedServices unattended(services, refused);
  const ui::LocalDateTime moment{2026, 12, 7, 14, 5, 9};
  const QLocale before;
  for (const auto& [language, date, time] : {std::tuple{QLocale::German, "07.12.26", "14:05:09"},
                                             std::tuple{QLocale::English, "12/7/26", "2:05:09 PM"}}) {
    QLocale::setDefault(
        QLocale(language, language == QLocale::German ? QLocale::Germany : QLocale::UnitedStates));
    EXPECT_EQ(services.Clock().DateText(moment), date);
    EXPECT_EQ(services.Clock().TimeText(moment), time);
    EXPECT_EQ(unattended.Clock().DateText(moment), date);
  }
  QLocale::setDefault(before);
}

TEST(QtServices, TheFileDialogsColumnsShowTheirTextsWhole) {
  testsupport::TempMachineRoot root;
  QFile saved(QString::fromStdString((root.Path() / "room 101 of floor 1.par").string()));
  ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
  saved.write(QByteArray(598, 'x'));
  saved.close();
  ui::QtServices services;
  ui::CommonDialog dialog(services.Dialogs());
  dialog.Filter = "Parameter (*.par)|*.par";
  dialog.InitDir = root.Path().string();

  std::vector<std::string> cut;
  QTimer::singleShot(0, [&] {
    auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(files, nullptr);
    auto* view = files->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) == 1; }));
    QTest::qWait(50);  // the view lays its columns out
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
      const QModelIndex cell = model->index(0, column, view->rootIndex());
      const QString text = cell.data().toString();
      const int iconWidth = column == 0 ? view->iconSize().width() + margins : 0;
      if (view->visualRect(cell).width() <
          view->fontMetrics().horizontalAdvance(text) + margins + iconWidth) {
        cut.push_back(text.toStdString());
      }
    }
    files->reject();
  });
  dialog.ShowOpen();
  EXPECT_TRUE(cut.empty()) << cut.front();
}

TEST(QtServices, FilterTextsBecomeQtNameFilters) {
  EXPECT_EQ(ui::NameFiltersOf("Parameter (*.par)|*.par|Texts|*.txt;*.log"),
            (QStringList{"Parameter (*.par)", "Texts (*.txt *.log)"}));
  EXPECT_TRUE(ui::NameFiltersOf("").isEmpty());
}

}  // namespace
