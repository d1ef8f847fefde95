#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/LogControl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UpDown.h"

namespace ui_test {
namespace {

class AllKindsForm : public ui::Form {
 public:
  explicit AllKindsForm(ui::Application& app) : Form(app, "fAll") {
    tabData.AddTab("SCC Config");
    Frame7.SetContainer(tabData, 0);
    Frame7.SetCaption("Inner");
    lblStatus.SetContainer(Frame7);
    lblStatus.SetCaption("say \"hi\"\r\n\t\x01");
    cmb_nci.AddItem("1");
    cmb_nci.AddItem("2");
    chkMonitor.SetCaption("Monitor");
    cmdApply.SetCaption("&Apply");
    cmdApply.SetEnabled(false);
    PlugInStatus.AddPanel("Dev");
    PlugInStatus.AddPanel();
    UpD_nci.SetMin(-20);
    UpD_nci.SetMax(20);
    Timer.SetInterval(250);
    Timer.SetEnabled(false);
    mnuDatei.SetCaption("&Datei");
    mnuExit.SetCaption("E&xit");
    mnuExit.SetParentMenu(mnuDatei);
    cmdHidden.SetVisible(false);
    cmdHidden.SetToolTipText("hidden");
    txtValue.Add(3).SetContainer(tabData, 0);
    txtValue[3].SetMaxLength(6);
  }

  ui::TabControl tabData{*this, "tabData"};
  ui::Frame Frame7{*this, "Frame7"};
  ui::Label lblStatus{*this, "lblStatus"};
  ui::ComboBox cmb_nci{*this, "cmb_nci", 50};
  ui::CheckBox chkMonitor{*this, "chkMonitor"};
  ui::CommandButton cmdApply{*this, "cmdApply"};
  ui::StatusBar PlugInStatus{*this, "PlugInStatus"};
  ui::ProgressBar Progr_Devices{*this, "Progr_Devices"};
  ui::UpDown UpD_nci{*this, "UpD_nci", 51};
  ui::RichTextBox RTHinweis{*this, "RTHinweis"};
  ui::TreeView TreeView1{*this, "TreeView1"};
  ui::Timer Timer{*this, "Timer"};
  ui::Menu mnuDatei{*this, "mnuDatei"};
  ui::Menu mnuExit{*this, "mnuExit"};
  ui::CommandButton cmdHidden{*this, "cmdHidden"};
  ui::LogControl EchLog{*this, "EchLog"};
  ui::ControlArray<ui::TextBox> txtValue{*this, "txtValue"};
};

// The one reviewed snapshot: every kind of control, written as docs/ui-snapshot.md describes.
TEST(Snapshot, DescribesEveryKindInCreationOrder) {
  HeadlessUi ui;
  AllKindsForm form(ui.app);
  EXPECT_EQ(ui::Snapshot(form), "form fAll loaded=0\n");
  EXPECT_FALSE(form.IsLoaded()) << "a snapshot never loads a form";
  form.Show();
  form.Move(39.92f, 1818.18f, 4260, 255);
  form.cmb_nci.SetListIndex(1);
  form.chkMonitor.SetValue(ui::vbChecked);
  form.PlugInStatus.Panels(2).SetToolTipText("state");
  form.Progr_Devices.SetValue(40);
  form.RTHinweis.SetText("SNVT Type:\r\nFunction:");
  form.RTHinweis.SetSelLength(10);
  form.RTHinweis.SetSelBold(true);
  form.RTHinweis.SetSelUnderline(true);
  form.RTHinweis.Find("function:", 0, 1000);
  form.RTHinweis.SetSelUnderline(true);
  form.TreeView1.SetCheckboxes(true);
  ui::TreeNode& root = form.TreeView1.Add("Sub", "Sub");
  ui::TreeNode& device = form.TreeView1.AddChild(root, "Dev1()", "Dev1");
  device.SetTag("1");
  device.SetChecked(true);
  device.SetForeColor(ui::vbRed);
  root.SetExpanded(true);
  form.txtValue[3].SetFocus();
  form.txtValue[3].UserTypes('1');
  form.txtValue[3].UserTypes('2');
  form.txtValue[3].SetForeColor(ui::vbRed);
  form.EchLog.LogLine("Apply");
  form.EchLog.ErrorLine("device offline");

  const std::string tail = " fore=0x80000012 enabled=1 visible=1 tip=\"\"\n";
  EXPECT_EQ(
      ui::Snapshot(form),
      "form fAll loaded=1 visible=1 modal=0 caption=\"\" state=0 border=2 left=39.92 top=1818.18 width=4260 "
      "height=255 pointer=0 focus=txtValue(3)\n"
      "tabData TabControl in=form tab=- tabs=[\"SCC Config\"] shown=\"1\" tab=0" +
          tail + "Frame7 Frame in=tabData/0 tab=tabData/0 caption=\"Inner\"" + tail +
          "lblStatus Label in=Frame7 tab=tabData/0 caption=\"say \\\"hi\\\"\\r\\n\\t\\x01\"" + tail +
          "cmb_nci(50) ComboBox in=form tab=- text=\"2\" list=[\"1\",\"2\"] listindex=1 style=0" + tail +
          "chkMonitor CheckBox in=form tab=- caption=\"Monitor\" value=1" + tail +
          "cmdApply CommandButton in=form tab=- caption=\"&Apply\" fore=0x80000012 enabled=0 visible=1 "
          "tip=\"\"\n"
          "PlugInStatus StatusBar in=form tab=- panels=[\"Dev\",\"\"] paneltips=[\"\",\"state\"]" +
          tail + "Progr_Devices ProgressBar in=form tab=- min=0 max=100 value=40" + tail +
          "UpD_nci(51) UpDown in=form tab=- min=-20 max=20" + tail +
          "RTHinweis RichTextBox in=form tab=- text=\"SNVT Type:\\r\\nFunction:\" sel=12 sellen=9 "
          "emphasis=\"0-10:bu 12-21:u\"" +
          tail + "TreeView1 TreeView in=form tab=- checkboxes=1 nodes=2 selected=0" + tail +
          "  node index=1 parent=0 key=\"Sub\" text=\"Sub\" tag=\"\" checked=0 expanded=1 fore=0\n"
          "  node index=2 parent=1 key=\"Dev1()\" text=\"Dev1\" tag=\"1\" checked=1 expanded=0 fore=255\n"
          "Timer Timer in=form tab=- interval=250 fore=0x80000012 enabled=0 visible=1 tip=\"\"\n"
          "mnuDatei Menu in=form tab=- caption=\"&Datei\" checked=0" +
          tail + "mnuExit Menu in=mnuDatei tab=- caption=\"E&xit\" checked=0" + tail +
          "cmdHidden CommandButton in=form tab=- caption=\"\" fore=0x80000012 enabled=1 visible=0 "
          "tip=\"hidden\"\n"
          "EchLog LogControl in=form tab=- lines=2" +
          tail +
          "  line text=\"Apply\"\n"
          "  error text=\"device offline\"\n"
          "txtValue(3) TextBox in=tabData/0 tab=tabData/0 text=\"12\" maxlength=6 sel=2 sellen=0 fore=255 "
          "enabled=1 visible=1 tip=\"\"\n");
}

}  // namespace
}  // namespace ui_test
