#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

#include "QtSampleForm.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/LogControl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/TreeView.h"

namespace {

using qttest::QtUi;

// A window with the remaining kinds: menus, a tree of devices with check boxes, the log, the help pane,
// a check box and a progress bar.
class DevicesForm : public ui::Form {
 public:
  explicit DevicesForm(ui::Application& app) : Form(app, "fGeraeteauswahl") {
    Move(0, 0, 9000, 7500);
    mnuOptionen.SetCaption("&Datei");
    for (ui::Menu* entry : {&mnuClearLog, &mnuSeparator, &mnuExit}) entry->SetParentMenu(mnuOptionen);
    mnuClearLog.SetCaption("Clear Log");
    mnuSeparator.SetCaption("-");
    mnuExit.SetCaption("E&xit");
    tvwDevices.Move(120, 120, 4000, 3000);
    tvwDevices.SetCheckboxes(true);
    EchLog.Move(4300, 120, 4400, 3000);
    RTHinweis.Move(120, 3300, 8500, 1500);
    chkMonitor.Move(120, 5000, 3000, 300);
    chkMonitor.SetCaption("Monitor");
    Progr_Devices.Move(120, 5500, 8500, 300);

    mnuExit.OnClick = [this] { events.push_back("mnuExit_Click"); };
    tvwDevices.OnNodeCheck = [this](ui::TreeNode& node) { events.push_back("NodeCheck " + node.Key()); };
    tvwDevices.OnNodeClick = [this](ui::TreeNode& node) { events.push_back("NodeClick " + node.Key()); };
    tvwDevices.OnMouseUp = [this](int button, int, float, float) {
      events.push_back("MouseUp " + std::to_string(button));
    };
    chkMonitor.OnClick = [this] {
      events.push_back("chkMonitor_Click=" + std::to_string(chkMonitor.Value()));
    };
  }

  ui::Menu mnuOptionen{*this, "mnuOptionen"};
  ui::Menu mnuClearLog{*this, "mnuClearLog"};
  ui::Menu mnuSeparator{*this, "mnuSeparator"};
  ui::Menu mnuExit{*this, "mnuExit"};
  ui::TreeView tvwDevices{*this, "tvwDevices"};
  ui::LogControl EchLog{*this, "EchLog"};
  ui::RichTextBox RTHinweis{*this, "RTHinweis"};
  ui::CheckBox chkMonitor{*this, "chkMonitor"};
  ui::ProgressBar Progr_Devices{*this, "Progr_Devices"};
  std::vector<std::string> events;
};

TEST(QtMoreControls, MenusBecomeAMenuBarWhoseEntriesRaiseClick) {
  QtUi qt;
  DevicesForm form(qt.app);
  form.Show();
  auto* bar = qt.backend.WindowOf(form)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(bar->actions()[0]->text(), "&Datei");
  const QList<QAction*> entries = file->actions();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_TRUE(entries[1]->isSeparator());
  EXPECT_TRUE(entries[1]->text().isEmpty()) << "a separator shows no caption";

  entries[2]->trigger();
  EXPECT_EQ(form.events, (std::vector<std::string>{"mnuExit_Click"}));
  form.mnuExit.SetEnabled(false);
  EXPECT_FALSE(entries[2]->isEnabled());
  form.mnuClearLog.SetVisible(false);
  EXPECT_FALSE(entries[0]->isVisible());
}

TEST(QtMoreControls, TreeChecksAndClicksReachTheModelBeforeMouseUp) {
  QtUi qt;
  DevicesForm form(qt.app);
  form.Show();
  ui::TreeNode& subsystem = form.tvwDevices.Add("S1", "Floor 1");
  form.tvwDevices.AddChild(subsystem, "D1", "Room 101");
  subsystem.SetExpanded(true);
  auto* tree = qobject_cast<QTreeWidget*>(qt.backend.WidgetOf(form.tvwDevices));
  ASSERT_NE(tree, nullptr);
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* room = tree->topLevelItem(0)->child(0);
  ASSERT_NE(room, nullptr);
  EXPECT_EQ(room->text(0), "Room 101");

  const QRect row = tree->visualItemRect(room);
  const int indicator = tree->style()->pixelMetric(QStyle::PM_IndicatorWidth);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                    QPoint(row.left() + 3 + indicator / 2, row.center().y()));
  QApplication::processEvents();
  EXPECT_TRUE(form.tvwDevices.Node("D1").Checked());
  EXPECT_EQ(form.events, (std::vector<std::string>{"NodeCheck D1", "MouseUp 1"}));

  form.events.clear();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.right() - 5, row.center().y()));
  QApplication::processEvents();
  EXPECT_EQ(form.events, (std::vector<std::string>{"NodeClick D1", "MouseUp 1"}));
  EXPECT_EQ(form.tvwDevices.SelectedItem(), &form.tvwDevices.Node("D1"));

  form.tvwDevices.Node("D1").SetChecked(false);
  EXPECT_EQ(room->checkState(0), Qt::Unchecked) << "a check set by the program is shown and raises nothing";
  form.tvwDevices.Node("D1").SetForeColor(ui::vbRed);
  EXPECT_EQ(room->foreground(0).color(), QColor(255, 0, 0));
}

TEST(QtMoreControls, LogHelpPaneCheckBoxAndProgressBarShowTheModel) {
  QtUi qt;
  DevicesForm form(qt.app);
  form.Show();

  form.EchLog.LogLine("writing Parameters...");
  form.EchLog.ErrorLine("Value out of range");
  auto* log = qobject_cast<QListWidget*>(qt.backend.WidgetOf(form.EchLog));
  ASSERT_NE(log, nullptr);
  ASSERT_EQ(log->count(), 2);
  EXPECT_EQ(log->item(1)->text(), "Value out of range");
  EXPECT_EQ(log->item(1)->foreground().color(), QColor(Qt::red));
  form.EchLog.ClearLog();
  EXPECT_EQ(log->count(), 0);

  form.RTHinweis.SetText("nciHoldTime\r\nTime the light stays on");
  form.RTHinweis.SetSelStart(0);
  form.RTHinweis.SetSelLength(11);
  form.RTHinweis.SetSelBold(true);
  auto* help = qobject_cast<QTextEdit*>(qt.backend.WidgetOf(form.RTHinweis));
  ASSERT_NE(help, nullptr);
  QTextCursor cursor(help->document());
  cursor.setPosition(3);
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
  cursor.setPosition(20);
  EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
  EXPECT_TRUE(help->toPlainText().contains("Time the light stays on"));
  EXPECT_EQ(help->textCursor().selectedText(), "nciHoldTime");

  auto* check = qobject_cast<QCheckBox*>(qt.backend.WidgetOf(form.chkMonitor));
  ASSERT_NE(check, nullptr);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_EQ(form.chkMonitor.Value(), ui::vbChecked);
  EXPECT_EQ(check->checkState(), Qt::Checked);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_EQ(check->checkState(), Qt::Unchecked) << "the model's rule, not Qt's third state, decides";
  EXPECT_EQ(form.events, (std::vector<std::string>{"chkMonitor_Click=1", "chkMonitor_Click=0"}));
  form.chkMonitor.SetValue(ui::vbGrayed);
  EXPECT_EQ(check->checkState(), Qt::PartiallyChecked);

  form.Progr_Devices.SetMax(8);
  form.Progr_Devices.SetValue(3);
  auto* progress = qobject_cast<QProgressBar*>(qt.backend.WidgetOf(form.Progr_Devices));
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->maximum(), 8);
  EXPECT_EQ(progress->value(), 3);
}

// The About box's kind of link: a label that takes clicks and mouse moves and shows its own pointer.
class LinkForm : public ui::Form {
 public:
  explicit LinkForm(ui::Application& app) : Form(app, "fAbout") {
    Move(0, 0, 6000, 3000);
    lblemail.Move(1440, 600, 4000, 300);
    lblemail.SetCaption("info@example.org");
    lblemail.SetMousePointer(ui::vbCustom);
    lblemail.SetMouseIcon("no-such-cursor.cur");
    lblemail.OnClick = [this] { events.push_back("Click"); };
    lblemail.OnMouseMove = [this](int button, int, float x, float) {
      events.push_back("MouseMove " + std::to_string(button) + (x > 0 ? " x" : " 0"));
    };
  }

  ui::Label lblemail{*this, "lblemail"};
  std::vector<std::string> events;
};

TEST(QtMoreControls, ALinkLabelTakesClicksAndMovesUnlessItsWindowIsDisabled) {
  QtUi qt;
  LinkForm form(qt.app);
  form.Show();
  auto* link = qobject_cast<QLabel*>(qt.backend.WidgetOf(form.lblemail));
  ASSERT_NE(link, nullptr);
  // A cursor file Qt cannot read leaves the hand pointer of the design.
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

  QMouseEvent move(QEvent::MouseMove, QPointF(20, 5), link->mapToGlobal(QPointF(20, 5)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(link, &move);
  QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(form.events, (std::vector<std::string>{"MouseMove 0 x", "Click"}));

  form.SetEnabled(false);
  EXPECT_FALSE(qt.backend.WidgetOf(form.lblemail)->window()->isEnabled());
  QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(form.events.size(), 2u);
}

}  // namespace
