#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "UiTestSupport.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UiError.h"

namespace ui_test {
namespace {

class ChoiceForm : public RecordingForm {
 public:
  ChoiceForm(ui::Application& app, std::vector<std::string>& events)
      : RecordingForm(app, "fChoices", events) {
    cmbMode.OnClick = [this] {
      Record("cmbMode_Click " + std::to_string(cmbMode.ListIndex()) + " " + cmbMode.Text());
    };
    cmbMode.OnChange = [this] { Record("cmbMode_Change " + cmbMode.Text()); };
    for (const char* caption : {"Occup Sensor", "Occup Ctrl", "Light Sensor", "SCC Monitor", "SCC Config"}) {
      tabData.AddTab(caption);
    }
    tabData.OnClick = [this](int PreviousTab) {
      Record("tabData_Click from " + std::to_string(PreviousTab) + " to " + std::to_string(tabData.Tab()));
    };
    Frame3.SetContainer(tabData, 3);
    txtInFrame.SetContainer(Frame3);
    for (int panel = 0; panel < 5; ++panel) PlugInStatus.AddPanel();
    mnuDatei.SetCaption("&Datei");
    mnuSave.SetCaption("Save Log &As...");
    mnuSave.SetParentMenu(mnuDatei);
    mnuSep.SetCaption("-");
    mnuSep.SetParentMenu(mnuDatei);
    mnuSave.OnClick = [this] { Record("mnuSave_Click"); };
  }

  ui::ComboBox cmbMode{*this, "cmbMode"};
  ui::TabControl tabData{*this, "tabData"};
  ui::Frame Frame3{*this, "Frame3"};
  ui::TextBox txtInFrame{*this, "txtInFrame"};
  ui::StatusBar PlugInStatus{*this, "PlugInStatus"};
  ui::ProgressBar Progr_Devices{*this, "Progr_Devices"};
  ui::Menu mnuDatei{*this, "mnuDatei"};
  ui::Menu mnuSave{*this, "mnuSave"};
  ui::Menu mnuSep{*this, "mnuSep"};
};

class ChoiceControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    events.clear();
  }
  HeadlessUi ui;
  std::vector<std::string> events;
  ChoiceForm form{ui.app, events};
};

TEST_F(ChoiceControlsTest, ComboBoxListSelectionAndEditTextFollowTheStyleRules) {
  ui::ComboBox& box = form.cmbMode;
  box.AddItem("HVAC_HEAT");
  box.AddItem("HVAC_OFF");
  box.SetListIndex(1);
  box.AddItem("HVAC_AUTO", 0);
  EXPECT_EQ(box.ListIndex(), 2) << "the selected entry stays selected when one is inserted before it";
  EXPECT_EQ(box.List(0), "HVAC_AUTO");
  EXPECT_EQ(ErrorNumberOf([&] { box.AddItem("x", 5); }), platform::kErrInvalidCall);
  EXPECT_EQ(ErrorNumberOf([&] { box.List(3); }), platform::kErrInvalidPropertyValue);

  box.SetText("HVAC_HEAT");
  EXPECT_EQ(box.ListIndex(), 1) << "an edit text equal to an entry selects it";
  box.SetText("free text");
  EXPECT_EQ(box.ListIndex(), -1);
  box.UserSelects(0);
  box.UserSelects(0);
  box.UserSelects(7);
  EXPECT_EQ(events, (std::vector<std::string>{
                        "fChoices.cmbMode_Click 1 HVAC_OFF", "fChoices.cmbMode_Change HVAC_HEAT",
                        "fChoices.cmbMode_Change free text", "fChoices.cmbMode_Click 0 HVAC_AUTO"}))
      << "program selections raise Click, edit texts Change; re-choosing the same entry raises nothing";

  events.clear();
  box.SetStyle(ui::vbComboDropdownList);
  EXPECT_EQ(ErrorNumberOf([&] { box.SetText("HVAC_COOL"); }), platform::kErrReadOnlyText);
  box.SetText("HVAC_OFF");
  box.UserEditsText("typed");
  EXPECT_EQ(box.Text(), "HVAC_OFF") << "a drop-down list cannot be typed into";
  box.Clear();
  EXPECT_EQ(box.ListCount(), 0);
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(events, (std::vector<std::string>{"fChoices.cmbMode_Click 2 HVAC_OFF"}));
}

TEST_F(ChoiceControlsTest, TabControlHiddenTabsCannotBeCurrentAndControlsKnowTheirPage) {
  ui::TabControl& tabs = form.tabData;
  tabs.SetTab(4);
  tabs.SetTab(4);
  tabs.SetTabShown(3, false);
  tabs.SetTabShown(4, false);
  EXPECT_EQ(tabs.Tab(), 0) << "hiding the current tab moves on to the next shown one, wrapping round";
  EXPECT_EQ(ErrorNumberOf([&] { tabs.SetTab(3); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { tabs.SetTabShown(5, true); }), platform::kErrInvalidPropertyValue);
  tabs.UserSelectsTab(4);
  tabs.UserSelectsTab(2);
  EXPECT_EQ(events, (std::vector<std::string>{"fChoices.tabData_Click from 0 to 4",
                                              "fChoices.tabData_Click from 4 to 0",
                                              "fChoices.tabData_Click from 0 to 2"}));
  EXPECT_EQ(form.ActiveControl(), &tabs);
  EXPECT_FALSE(tabs.TabShown(3));
  EXPECT_EQ(tabs.TabCaption(1), "Occup Ctrl");

  const ui::Container page = form.txtInFrame.TabPage();
  EXPECT_EQ(page.control, &tabs);
  EXPECT_EQ(page.tab, 3);
  EXPECT_EQ(form.txtInFrame.GetContainer().control, &form.Frame3);
  EXPECT_EQ(form.cmbMode.TabPage().control, nullptr);
  EXPECT_EQ(ErrorNumberOf([&] { form.cmbMode.SetContainer(tabs, 9); }), platform::kErrInvalidPropertyValue);
}

TEST_F(ChoiceControlsTest, StatusBarPanelsCountFromOneAndProgressStaysInItsRange) {
  form.PlugInStatus.Panels(4).SetText("Cnfg Online");
  form.PlugInStatus.Panels(3).SetToolTipText("Neuron ID");
  EXPECT_EQ(form.PlugInStatus.Panels(4).Text(), "Cnfg Online");
  EXPECT_EQ(form.PlugInStatus.Panels(3).ToolTipText(), "Neuron ID");
  EXPECT_EQ(form.PlugInStatus.Panels(1).Text(), "");
  EXPECT_EQ(ErrorNumberOf([&] { form.PlugInStatus.Panels(0); }), platform::kErrIndexOutOfBounds);
  EXPECT_EQ(ErrorNumberOf([&] { form.PlugInStatus.Panels(6); }), platform::kErrIndexOutOfBounds);

  ui::ProgressBar& bar = form.Progr_Devices;
  bar.SetMax(5);
  bar.SetValue(5);
  bar.SetMax(3);
  EXPECT_EQ(bar.Value(), 3) << "a smaller range pulls the value in instead of failing the next run";
  EXPECT_EQ(ErrorNumberOf([&] { bar.SetValue(4); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { bar.SetMax(0); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(bar.Max(), 3);
}

TEST_F(ChoiceControlsTest, MenuCaptionsCarryAccessKeysAndDisabledMenusBlockTheirEntries) {
  EXPECT_EQ(form.mnuSave.AccessKey(), 'A');
  EXPECT_EQ(form.mnuSave.ShownCaption(), "Save Log As...");
  form.mnuDatei.SetCaption("Save && &Print");
  EXPECT_EQ(form.mnuDatei.AccessKey(), 'P');
  EXPECT_EQ(form.mnuDatei.ShownCaption(), "Save & Print");
  EXPECT_TRUE(form.mnuSep.IsSeparator());
  EXPECT_EQ(form.mnuSep.AccessKey(), 0);

  form.mnuSave.UserClicks();
  form.mnuDatei.SetEnabled(false);
  form.mnuSave.UserClicks();
  form.mnuDatei.SetEnabled(true);
  form.mnuSave.SetVisible(false);
  form.mnuSave.UserClicks();
  EXPECT_EQ(events, (std::vector<std::string>{"fChoices.mnuSave_Click"}));
}

class RecordingPeer : public ui::ControlPeer {
 public:
  void OnPropertyChanged(ui::Control& control, ui::Property property, int item) override {
    changes.emplace_back(control.Name(), property, item);
  }
  std::vector<std::tuple<std::string, ui::Property, int>> changes;
};

TEST_F(ChoiceControlsTest, APeerHearsOfCodeAndUserChangesUntilTheFormUnloads) {
  RecordingPeer peer;
  form.cmbMode.AttachPeer(&peer);
  form.PlugInStatus.AttachPeer(&peer);
  form.txtInFrame.AttachPeer(&peer);
  form.cmbMode.AddItem("a");
  form.cmbMode.UserSelects(0);
  form.PlugInStatus.Panels(2).SetText("QVR-L2");
  form.txtInFrame.SetForeColor(ui::vbRed);
  form.txtInFrame.SetForeColor(ui::vbRed);
  using P = ui::Property;
  EXPECT_EQ(peer.changes, (std::vector<std::tuple<std::string, P, int>>{{"cmbMode", P::ListItems, 0},
                                                                        {"cmbMode", P::ListIndex, -1},
                                                                        {"cmbMode", P::Text, -1},
                                                                        {"PlugInStatus", P::PanelText, 2},
                                                                        {"txtInFrame", P::ForeColor, -1}}));
  form.Unload();
  EXPECT_EQ(form.cmbMode.Peer(), nullptr);
  peer.changes.clear();
  EXPECT_EQ(form.txtInFrame.ForeColor(), ui::vbButtonText) << "the reload started from the design colour";
  form.txtInFrame.SetForeColor(ui::vbRed);
  EXPECT_TRUE(peer.changes.empty());
}

}  // namespace
}  // namespace ui_test
