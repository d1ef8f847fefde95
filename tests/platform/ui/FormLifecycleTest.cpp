#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/FormRegistry.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/UiError.h"

namespace ui_test {
namespace {

class MainForm : public RecordingForm {
 public:
  MainForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fMain", events) {}

  bool keepOnClose = false;  // the close box only hides the window

 protected:
  void Form_QueryUnload(bool& Cancel) override {
    Record("QueryUnload");
    if (!keepOnClose) return;
    Cancel = true;
    Hide();
  }
};

// Like the progress window: shows itself while it loads; its status label has a design text.
class ProgressForm : public RecordingForm {
 public:
  ProgressForm(ui::Application& app, std::vector<std::string>& events)
      : RecordingForm(app, "fProgress", events) {
    lblStatus.SetCaption(" Initialisiere PlugIn....");
    lblStatus.OnChange = [this] { ++statusChanges; };
  }

  ui::Label lblStatus{*this, "lblStatus"};
  int statusChanges = 0;  // a member field: it lives as long as the instance, across unloads

 protected:
  void Form_Load() override {
    RecordingForm::Form_Load();
    if (!Visible()) Show();
  }
};

// Like the print-choice window: unticked boxes at every load, a button that stores the choice and unloads.
class ChoiceForm : public RecordingForm {
 public:
  ChoiceForm(ui::Application& app, std::vector<std::string>& events, bool& printNci)
      : RecordingForm(app, "fChoice", events), printNci_(printNci) {
    cmdDruck.OnClick = [this] {
      printNci_ = chknci.Value() != ui::vbUnchecked;
      Unload();
    };
  }

  ui::CheckBox chknci{*this, "chknci"};
  ui::CommandButton cmdDruck{*this, "cmdDruck"};

 private:
  bool& printNci_;
};

TEST(FormLifecycle, SingleInstanceFormsLoadOnFirstUseAndAgainWhenReachedAfterUnloading) {
  HeadlessUi ui;
  std::vector<std::string> events;
  ui::FormRegistry forms;
  EXPECT_EQ(forms.Find<ProgressForm>(), nullptr);

  ProgressForm& progress = forms.Get<ProgressForm>(ui.app, events);
  EXPECT_EQ(&forms.Get<ProgressForm>(ui.app, events), &progress) << "one instance per form class";
  EXPECT_EQ(events, (std::vector<std::string>{"fProgress.Load", "fProgress.Activate"}));
  EXPECT_TRUE(progress.RawState().visible);
  EXPECT_EQ(progress.lblStatus.Caption(), " Initialisiere PlugIn....");

  progress.lblStatus.SetCaption("Reading Network variables... ");
  forms.Unload<ProgressForm>();
  EXPECT_FALSE(progress.IsLoaded());
  EXPECT_EQ(progress.statusChanges, 1);

  events.clear();
  EXPECT_EQ(progress.lblStatus.Caption(), " Initialisiere PlugIn....")
      << "reading a control of an unloaded form loads it again, from its design";
  EXPECT_TRUE(progress.IsLoaded());
  EXPECT_EQ(events, (std::vector<std::string>{"fProgress.Load", "fProgress.Activate"}));
  EXPECT_EQ(progress.statusChanges, 1) << "the instance and its fields survive the unload";

  progress.Unload();
  events.clear();
  progress.Move(100, 200);
  EXPECT_EQ(events, (std::vector<std::string>{"fProgress.Load", "fProgress.Activate"}))
      << "moving an unloaded form loads it first";
  EXPECT_EQ(progress.Left(), 100);

  forms.Drop<ProgressForm>();
  EXPECT_EQ(forms.Find<ProgressForm>(), nullptr);
  ProgressForm& fresh = forms.Get<ProgressForm>(ui.app, events);
  EXPECT_EQ(fresh.statusChanges, 0) << "a dropped form comes back as a fresh instance";
  EXPECT_EQ(fresh.lblStatus.Caption(), " Initialisiere PlugIn....");
}

TEST(FormLifecycle, ADisabledFormTakesNoUserInputUntilEnabledOrLoadedAgain) {
  ui_test::HeadlessUi ui;
  std::vector<std::string> events;
  bool printNci = false;
  ChoiceForm choice(ui.app, events, printNci);
  choice.Show();
  choice.SetEnabled(false);
  choice.chknci.UserClicks();
  choice.cmdDruck.UserClicks();
  choice.UserCloses();
  EXPECT_TRUE(choice.IsLoaded());
  EXPECT_EQ(choice.chknci.Value(), ui::vbUnchecked);

  choice.SetEnabled(true);
  choice.chknci.UserClicks();
  choice.cmdDruck.UserClicks();
  EXPECT_TRUE(printNci);
  EXPECT_FALSE(choice.IsLoaded());
  choice.SetEnabled(false);
  choice.Unload();
  EXPECT_TRUE(choice.Enabled()) << "a form loads enabled, as designed";
}

TEST(FormLifecycle, UnloadingTheMainFormUnloadsEveryOtherFormFirst) {
  HeadlessUi ui;
  std::vector<std::string> events;
  bool printNci = false;
  {
    ui::FormRegistry forms;
    MainForm& main = forms.Get<MainForm>(ui.app, events);
    ui.app.SetMainForm(&main);
    forms.Get<ProgressForm>(ui.app, events);
    forms.Get<ChoiceForm>(ui.app, events, printNci);
    forms.Unload<ChoiceForm>();
    events.clear();

    main.Unload();
    EXPECT_EQ(events, (std::vector<std::string>{"fMain.Unload", "fProgress.Unload"}))
        << "the main form's unload sweeps the loaded forms; an unloaded one is left alone";
    EXPECT_FALSE(forms.Find<ProgressForm>()->IsLoaded());

    forms.Get<ChoiceForm>(ui.app, events, printNci);
    forms.Get<ProgressForm>(ui.app, events);
    events.clear();
  }
  EXPECT_EQ(events, (std::vector<std::string>{"fChoice.Unload", "fProgress.Unload"}))
      << "the registry unloads what is still loaded when it goes away, newest first";
  EXPECT_TRUE(ui.app.Forms().empty());
}

TEST(FormLifecycle, AModalFormReturnsOnceItsScriptHidesOrUnloadsIt) {
  HeadlessUi ui;
  std::vector<std::string> events;
  bool printNci = false;
  ui::FormRegistry forms;
  MainForm& main = forms.Get<MainForm>(ui.app, events);
  main.Show();
  ChoiceForm& choice = forms.Get<ChoiceForm>(ui.app, events, printNci);

  ui.backend.ExpectModal("fChoice", [&](ui::Form& form) {
    EXPECT_EQ(&form, &choice);
    EXPECT_TRUE(form.IsModal());
    EXPECT_EQ(form.Owner(), &main);
    EXPECT_EQ(ui.app.ActiveForm(), &form);
    choice.chknci.UserClicks();
    choice.cmdDruck.UserClicks();
  });
  events.clear();
  choice.Show(ui::Modality::Modal, &main);
  EXPECT_TRUE(printNci);
  EXPECT_FALSE(choice.IsLoaded());
  EXPECT_EQ(events, (std::vector<std::string>{"fChoice.Activate", "fChoice.Unload"}));
  EXPECT_EQ(ui.backend.PendingModalScripts(), 0u);

  ui.backend.ExpectModal("fChoice", [&](ui::Form&) {
    EXPECT_EQ(choice.chknci.Value(), ui::vbUnchecked) << "every load starts from the design";
    choice.Hide();
  });
  choice.Show(ui::Modality::Modal, &main);
  EXPECT_TRUE(choice.IsLoaded());
  EXPECT_FALSE(choice.IsModal());
  EXPECT_EQ(ui.backend.ModalShown(), (std::vector<std::string>{"fChoice", "fChoice"}));

  EXPECT_THROW(choice.Show(ui::Modality::Modal), ui::UnscriptedDialog) << "nobody expected this modal form";
  EXPECT_FALSE(choice.Visible());
  ui.backend.ExpectModal("fChoice", [](ui::Form&) {});
  EXPECT_THROW(choice.Show(ui::Modality::Modal), ui::UnscriptedDialog) << "the script left its form shown";
  EXPECT_FALSE(choice.Visible());

  choice.Show();
  EXPECT_EQ(ErrorNumberOf([&] { choice.Show(ui::Modality::Modal); }), platform::kErrAlreadyShown);
}

class RecordingFormPeer : public ui::FormPeer {
 public:
  void OnFormChanged(ui::Form&, ui::FormProperty property) override { changes.push_back(property); }
  std::vector<ui::FormProperty> changes;
};

TEST(FormLifecycle, GeometryAndWindowStateFollowTheRulesAndRaiseResizeAndActivate) {
  HeadlessUi ui;
  std::vector<std::string> events;
  MainForm form(ui.app, events);
  form.SetCaption("Calyxtern Orvalis GmbH    ");
  form.Load();
  RecordingFormPeer peer;
  form.AttachPeer(&peer);
  events.clear();

  form.Move(1500, 900, 9000, 6000);
  form.Move(1500, 900, 9000, 6000);
  form.Move(0, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"fMain.Resize"})) << "only a new size raises Resize";
  EXPECT_EQ(peer.changes,
            (std::vector<ui::FormProperty>{ui::FormProperty::Geometry, ui::FormProperty::Geometry}));

  events.clear();
  form.Show();
  form.Show();
  form.UserActivates();
  form.Hide();
  form.Show();
  EXPECT_EQ(events, (std::vector<std::string>{"fMain.Activate", "fMain.Activate"}))
      << "Activate comes when the form becomes the active one";

  events.clear();
  form.SetWindowState(ui::vbMinimized);
  EXPECT_EQ(ErrorNumberOf([&] { form.SetLeft(100); }), platform::kErrMoveWhileMinOrMax);
  EXPECT_EQ(ErrorNumberOf([&] { form.SetWidth(100); }), platform::kErrMoveWhileMinOrMax);
  EXPECT_EQ(ErrorNumberOf([&] { form.SetWindowState(3); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { form.SetBorderStyle(6); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { form.SetMousePointer(42); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(form.Left(), 0);
  peer.changes.clear();
  form.UserSetsWindowState(ui::vbNormal);
  form.UserPlaces(form.Left(), form.Top(), 9000, 6015);
  EXPECT_TRUE(peer.changes.empty()) << "what the window system reported is never given back to it";
  form.SetBorderStyle(ui::vbFixedDialog);
  form.SetMousePointer(11);
  EXPECT_EQ(events, (std::vector<std::string>{"fMain.Resize", "fMain.Resize", "fMain.Resize"}));
  EXPECT_EQ(form.Height(), 6015);
  EXPECT_EQ(form.BorderStyle(), ui::vbFixedDialog);
  EXPECT_EQ(form.Caption(), "Calyxtern Orvalis GmbH    ");

  events.clear();
  form.keepOnClose = true;
  form.UserCloses();
  EXPECT_EQ(events, (std::vector<std::string>{"fMain.QueryUnload"}));
  EXPECT_TRUE(form.IsLoaded()) << "the form cancelled the close";
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.Peer(), &peer);

  events.clear();
  form.keepOnClose = false;
  form.UserCloses();
  EXPECT_EQ(events, (std::vector<std::string>{"fMain.QueryUnload", "fMain.Unload"}));
  EXPECT_EQ(form.Peer(), nullptr) << "an unloaded form drops its peer";
  form.UserCloses();
  EXPECT_EQ(events.size(), 2u) << "an unloaded form has nothing to close";
}

}  // namespace
}  // namespace ui_test
