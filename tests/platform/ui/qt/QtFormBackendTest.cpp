#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <set>

#include "QtSampleForm.h"
#include "TempMachineRoot.h"
#include "platform/Error.h"

namespace {

using qttest::QtUi;
using qttest::SampleForm;

template <class W>
W* WidgetOf(QtUi& qt, const ui::Control& control) {
  auto* widget = qobject_cast<W*>(qt.backend.WidgetOf(control));
  EXPECT_NE(widget, nullptr) << control.DisplayName() << " has no widget of the expected kind";
  return widget;
}

TEST(QtFormBackend, TypedKeysGoThroughKeyPressIntoTheModelAndTheWidgetShowsItsText) {
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();
  auto* edit = WidgetOf<QLineEdit>(qt, form.txtNci[0]);
  ASSERT_NE(edit, nullptr);

  QTest::keyClicks(edit, "a1x;5");
  EXPECT_EQ(form.keysSeen, (std::vector<int>{'a', '1', 'x', ';', '5'})) << "KeyPress sees every typed key";
  EXPECT_EQ(form.txtNci[0].Text(), "A15") << "the handler replaced 'a' and dropped 'x' and ';'";
  EXPECT_EQ(edit->text(), "A15") << "the widget shows what the model holds";
  EXPECT_EQ(form.events, (std::vector<std::string>{"Change(0)=A", "Change(0)=A1", "Change(0)=A15"}))
      << "a dropped key raises no Change";
  EXPECT_EQ(form.txtNci[0].SelStart(), 3);

  form.events.clear();
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(form.txtNci[0].Text(), "A5");
  EXPECT_EQ(edit->text(), "A5");
  EXPECT_EQ(form.txtNci[0].SelStart(), 1) << "the caret moved by the arrow key reached the model";
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(form.txtNci[0].Text(), "A") << "keys the line edit handles itself reach the model as text";
  EXPECT_EQ(form.events, (std::vector<std::string>{"Change(0)=A5", "Change(0)=A"}));

  form.txtNci[0].SetText("12.5");
  EXPECT_EQ(edit->text(), "12.5") << "text set by the program is shown at once";
  form.txtNci[0].SetForeColor(ui::vbRed);
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
  form.txtNci[0].SetForeColor(ui::vbButtonText);
  EXPECT_NE(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));

  form.txtNci[0].SetEnabled(false);
  EXPECT_FALSE(edit->isEnabled());
  form.keysSeen.clear();
  QTest::keyClicks(edit, "7");
  EXPECT_TRUE(form.keysSeen.empty()) << "a disabled box takes no keys";
  EXPECT_EQ(form.txtNci[0].Text(), "12.5");
}

TEST(QtFormBackend, ComboUpDownTabsButtonAndStatusBarMirrorTheModelBothWays) {
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();

  auto* tabs = WidgetOf<QTabWidget>(qt, form.tabData);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(qt.backend.WidgetOf(form.txtNci[1])->parentWidget(), tabs->widget(1))
      << "a tab's controls stand on its page";
  EXPECT_EQ(tabs->tabText(1), "Light Sensor");
  form.tabData.SetTab(1);
  EXPECT_EQ(tabs->currentIndex(), 1);
  form.events.clear();
  QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
  EXPECT_EQ(form.tabData.Tab(), 0);
  EXPECT_EQ(form.events, (std::vector<std::string>{"tabData_Click from 1"}));
  form.tabData.SetTabShown(1, false);
  EXPECT_FALSE(tabs->isTabVisible(1));

  auto* combo = WidgetOf<QComboBox>(qt, form.cmbMode);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 4);
  EXPECT_FALSE(combo->isEditable()) << "a drop-down list has no edit field";
  form.events.clear();
  form.cmbMode.SetListIndex(1);
  EXPECT_EQ(combo->currentText(), "HVAC_HEAT");
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(form.cmbMode.ListIndex(), 2);
  EXPECT_EQ(form.cmbMode.Text(), "HVAC_COOL");
  EXPECT_EQ(form.events, (std::vector<std::string>{"cmbMode_Click=1", "cmbMode_Click=2"}));

  QWidget* spin = qt.backend.WidgetOf(form.UpD_nci);
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->size(), QSize(17, 22)) << "255 x 330 twips at 15 twips per pixel";
  form.events.clear();
  QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(8, 3));
  QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(8, 3));
  QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(8, 19));
  QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(8, 19));
  EXPECT_EQ(form.events, (std::vector<std::string>{"MouseDown 1", "UpClick", "MouseUp 1", "MouseDown 1",
                                                   "DownClick", "MouseUp 1"}));

  auto* apply = WidgetOf<QPushButton>(qt, form.cmdApply);
  ASSERT_NE(apply, nullptr);
  form.events.clear();
  QTest::mouseClick(apply, Qt::LeftButton);
  EXPECT_EQ(form.events, (std::vector<std::string>{"cmdApply_Click"}));
  // Enter on the focused button presses it.
  form.events.clear();
  apply->setFocus();
  QTest::keyClick(apply, Qt::Key_Return);
  EXPECT_EQ(form.events, (std::vector<std::string>{"cmdApply_Click"}));
  form.cmdApply.SetVisible(false);
  EXPECT_TRUE(apply->isHidden());

  EXPECT_EQ(WidgetOf<QLabel>(qt, form.lblHelp)->text(), "Hold time & delay");
  QWidget* status = qt.backend.WidgetOf(form.PlugInStatus);
  ASSERT_NE(status, nullptr);
  form.PlugInStatus.Panels(3).SetText("Cnfg Offline");
  QStringList panels;
  for (QLabel* panel : status->findChildren<QLabel*>()) panels << panel->text();
  EXPECT_EQ(panels, (QStringList{"Room 1", "QVR-L2", "Cnfg Offline"}));
  EXPECT_EQ(status->geometry().bottom(), status->parentWidget()->height() - 1)
      << "a status bar without a size of its own sits at the bottom";
}

TEST(QtFormBackend, EveryPressOfAQuickPairOnASpinArrowIsAStep) {
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();
  QWidget* spin = qt.backend.WidgetOf(form.UpD_nci);
  ASSERT_NE(spin, nullptr);
  QWindow* window = spin->window()->windowHandle();
  ASSERT_NE(window, nullptr);
  form.events.clear();
  // Through the window system, which turns the second of two quick presses into a double click.
  for (const QPoint arrow : {QPoint(8, 3), QPoint(8, 19)}) {
    const QPoint at = spin->mapTo(spin->window(), arrow);
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
  }
  const std::vector<std::string> up = {"MouseDown 1", "UpClick", "MouseUp 1"};
  const std::vector<std::string> down = {"MouseDown 1", "DownClick", "MouseUp 1"};
  std::vector<std::string> expected;
  for (const auto* steps : {&up, &up, &down, &down})
    expected.insert(expected.end(), steps->begin(), steps->end());
  EXPECT_EQ(form.events, expected);
}

TEST(QtFormBackend, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
  QtUi qt;
  SampleForm form(qt.app);
  form.cmdApply.OnClick = [] { throw platform::RaisedError(91, "fSample", "Object variable not set"); };
  form.Show();
  QTest::mouseClick(qt.backend.WidgetOf(form.cmdApply), Qt::LeftButton);

  QMessageBox* shown = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) shown = box;
  }
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->text(), "Run-time error '91':\n\nObject variable not set");
  shown->close();
  QTest::keyClicks(qt.backend.WidgetOf(form.txtNci[0]), "5");
  EXPECT_EQ(form.txtNci[0].Text(), "5") << "the window still works";
}

TEST(QtFormBackend, FocusMovesBothWays) {
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();
  QWidget* window = qt.backend.WindowOf(form);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));

  auto* first = WidgetOf<QLineEdit>(qt, form.txtNci[0]);
  form.events.clear();
  first->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(form.ActiveControl(), &form.txtNci[0]);
  EXPECT_EQ(form.events, (std::vector<std::string>{"GotFocus(0)"}));

  form.cmbMode.SetFocus();
  EXPECT_FALSE(qt.backend.WidgetOf(form.cmbMode)->hasFocus());
  QEventLoop idle;  // the focus follows once the loop has nothing else to do
  QTimer::singleShot(20, &idle, &QEventLoop::quit);
  idle.exec();
  EXPECT_TRUE(qt.backend.WidgetOf(form.cmbMode)->hasFocus()) << "focus set by the program reaches the window";
}

// A click on a tab gives the tab control the focus before the page changes: the box that had it is on the
// page going away, and the focus does not wander on to a box of the new page.
TEST(QtFormBackend, ATabClickTakesTheFocusFromTheBoxOfTheOldPage) {
  QtUi qt;
  SampleForm form(qt.app);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(qt.backend.WindowOf(form)));
  WidgetOf<QLineEdit>(qt, form.txtNci[0])->setFocus(Qt::MouseFocusReason);
  ASSERT_EQ(form.ActiveControl(), &form.txtNci[0]);

  form.events.clear();
  QTabBar* bar = WidgetOf<QTabWidget>(qt, form.tabData)->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(form.events, (std::vector<std::string>{"tabData_Click from 0"}));
  EXPECT_EQ(form.ActiveControl(), &form.tabData);
  EXPECT_TRUE(bar->hasFocus());
}

TEST(QtFormBackend, AScreenshotOfAFormShowsItsControls) {
  testsupport::TempMachineRoot root;
  QtUi qt;
  SampleForm form(qt.app);
  form.txtNci[0].SetText("600.0");
  form.Show();
  QApplication::processEvents();

  const std::string png = (root.Path() / "fSample.png").string();
  ASSERT_TRUE(ui::SaveScreenshot(form, png));
  QImage image(QString::fromStdString(png));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), qt.backend.WindowOf(form)->size());
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 2u) << "a drawn form is not one flat colour";

  form.Unload();
  EXPECT_FALSE(ui::SaveScreenshot(form, png)) << "an unloaded form has no window";
}

}  // namespace
