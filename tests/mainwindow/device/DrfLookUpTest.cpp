// The resource-file look-up of a device: each LonMark object's mode becomes the highest resource scope
// (6 down to 3) whose profile file in the catalogue holds the object's template.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "DemoDevices.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "platform/MachineRoot.h"
#include "platform/lns/resources/ResourceCatalog.h"
#include "platform/registry/MachineSetup.h"
#include "platform/ui/headless/HeadlessServices.h"
#include "program/Program.h"
#include "services/CRegistry.h"

namespace {

namespace fs = std::filesystem;

// Every caption the progress label shows.
class CaptionRecorder : public ui::ControlPeer {
 public:
  void OnPropertyChanged(ui::Control& control, ui::Property property, int) override {
    if (property == ui::Property::Caption) captions.push_back(static_cast<ui::Label&>(control).Caption());
  }
  std::vector<std::string> captions;
};

class DrfLookUpTest : public testsupport::DemoDevicesTest {
 protected:
  void SetUp() override {
    device_ = Device("Floor 1", "Room 102");  // qvrl206: objects 0 to 7
    program().framework.CurrentDevice = *device_;
    program().fProgress().lblStatus.AttachPeer(&progress_);
  }
  void TearDown() override { program().fProgress().lblStatus.AttachPeer(nullptr); }

  fs::path LonWorks() { return reg::LonWorksFolderIn(program().MachineRoot()); }

  // Lists `folder` in the catalogue and searches it again.
  void ListInCatalog(const fs::path& folder) {
    lns::LnsResourceCatalog catalog(program().MachineRoot());
    long handle = 0;
    ASSERT_EQ(catalog.Open((LonWorks() / "Types").string(), 0, handle), lns::kResourceOk);
    ASSERT_EQ(catalog.AddFolder(handle, folder.string()), lns::kResourceOk);
    ASSERT_EQ(catalog.Refresh(handle), lns::kResourceOk);
    catalog.Close(handle);
  }
  void ListMakersSet() { ListInCatalog(LonWorks() / "Types" / "User" / "Calyxtern"); }

  // A profile file of the device's own program ID at `scope` with `profiles`, listed in the catalogue.
  fs::path AddProfileFile(int scope, const std::vector<int>& profiles) {
    const fs::path folder = LonWorks() / "Types" / "User" / ("Scope" + std::to_string(scope));
    fs::create_directories(folder);
    const fs::path file = folder / "device.fpt";
    std::ofstream out(file);
    out << "resource-file profiles\nprogram-id-template " << device_->GetProgramId() << "\nscope " << scope
        << "\n";
    for (int profile : profiles) out << "profile " << profile << " Profile " << profile << "\n";
    out.close();
    ListInCatalog(folder);
    return file;
  }

  std::vector<int> Modes() const {
    std::vector<int> modes;
    const lns::LnsLonMarkObjects objects = device_->GetInterface().GetLonMarkObjects();
    for (long item = 1; item <= objects.Count(); ++item) modes.push_back(objects.Item(item).GetMode());
    return modes;
  }

  std::vector<std::string> SetTexts() const {
    std::vector<std::string> texts;
    for (const std::string& caption : progress_.captions) {
      if (caption.rfind("Set ", 0) == 0) texts.push_back(caption);
    }
    return texts;
  }

  ui::HeadlessMessageBoxes& boxes() { return static_cast<ui::HeadlessServices&>(program().Ui()).Boxes(); }
  bool ProgressWindowsLoaded() {
    return program().Windows().Find<qvr::fProgress>()->IsLoaded() ||
           program().Windows().Find<qvr::fStartbild>()->IsLoaded();
  }

  std::optional<lns::LnsAppDevice> device_;
  CaptionRecorder progress_;
};

TEST_F(DrfLookUpTest, TheMakersTemplatesAreFoundInScopeThreeAfterTheHigherScopesMissedThem) {
  ListMakersSet();
  // Scopes 6, 5 and 4 have files for this device, but none holds its objects' templates.
  for (int scope : {6, 5, 4}) AddProfileFile(scope, {9999});

  EXPECT_TRUE(program().fMain().DrfLookUp(program().framework.CurrentDevice));

  EXPECT_EQ(Modes(), std::vector<int>(8, 3));
  ASSERT_FALSE(progress_.captions.empty());
  EXPECT_EQ(progress_.captions.front(), "Complete DRF look-up in progress...");
  EXPECT_EQ(SetTexts(), (std::vector<std::string>{
                            "Set NodeObject mode = 3", "Set LigthSensor mode = 3", "Set OccupSensor mode = 3",
                            "Set OccupController mode = 3", "Set LightController[0] mode = 3",
                            "Set LightController[1] mode = 3", "Set SCC mode = 3", "Set Switch mode = 3"}));
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_TRUE(program().fProgress().IsLoaded());
}

TEST_F(DrfLookUpTest, TheHighestScopeThatHoldsATemplateWins) {
  ListMakersSet();
  AddProfileFile(6, {3200});        // Switch
  AddProfileFile(4, {3050, 3200});  // both light controllers and the switch again
  EXPECT_TRUE(program().fMain().DrfLookUp(program().framework.CurrentDevice));
  EXPECT_EQ(Modes(), (std::vector<int>{3, 3, 3, 3, 4, 4, 3, 6}));
  EXPECT_EQ(SetTexts().size(), 8u);  // one per object, at its first find
  EXPECT_EQ(SetTexts().back(), "Set Switch mode = 6");
}

TEST_F(DrfLookUpTest, AllTemplatesInScopeSixGiveModeSixEverywhere) {
  ListMakersSet();
  AddProfileFile(6, {0, 1010, 1060, 3071, 3050, 8500, 3200});
  EXPECT_TRUE(program().fMain().DrfLookUp(program().framework.CurrentDevice));
  EXPECT_EQ(Modes(), std::vector<int>(8, 6));
  const std::vector<std::string> texts = SetTexts();
  ASSERT_EQ(texts.size(), 8u);
  for (const std::string& text : texts) EXPECT_TRUE(text.ends_with(" mode = 6")) << text;
}

TEST_F(DrfLookUpTest, NoResourceSetForTheDeviceLeavesEveryModeAndSucceeds) {
  EXPECT_TRUE(program().fMain().DrfLookUp(program().framework.CurrentDevice));
  EXPECT_EQ(Modes(), std::vector<int>(8, 0));
  EXPECT_TRUE(SetTexts().empty());
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DrfLookUpTest, ACatalogueThatCannotBeOpenedFailsAndClosesTheProgressWindows) {
  ListMakersSet();
  runtime::ErrObject err;
  qvr::CRegistry(err, program().Registry())
      .MachineSetting(std::string(reg::kLonWorksKey), std::string(reg::kLonWorksPathValue),
                      (LonWorks() / "Gone").string());
  program().fStartbild().Show();
  EXPECT_FALSE(program().fMain().DrfLookUp(program().framework.CurrentDevice));
  EXPECT_EQ(Modes(), std::vector<int>(8, 0));
  EXPECT_FALSE(ProgressWindowsLoaded());
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DrfLookUpTest, AResourceFileThatCannotBeOpenedOffersAbortRetryIgnore) {
  ListMakersSet();
  fs::remove(AddProfileFile(6, {0, 1010}));  // listed, but gone
  boxes().QueueAnswer(ui::vbRetry);          // NodeObject: still gone
  boxes().QueueAnswer(ui::vbIgnore);         // passes scope 6 over, finds it in 3
  boxes().QueueAnswer(ui::vbAbort);          // LigthSensor
  EXPECT_FALSE(program().fMain().DrfLookUp(program().framework.CurrentDevice));

  ASSERT_EQ(boxes().Shown().size(), 3u);
  const ui::MessageBoxRequest& box = boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt, "DRFLOOKUP");
  EXPECT_EQ(box.title, "fMain in DrfLookUp(fMain)");
  EXPECT_EQ(box.style, ui::vbAbortRetryIgnore + ui::vbCritical);
  EXPECT_EQ(Modes(), (std::vector<int>{3, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(ProgressWindowsLoaded());
}

TEST_F(DrfLookUpTest, ARunTimeErrorIsShownWithItsDescription) {
  ListMakersSet();
  program().framework.CurrentDevice.reset();
  boxes().QueueAnswer(ui::vbAbort);
  EXPECT_FALSE(program().fMain().DrfLookUp(program().framework.CurrentDevice));
  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.prompt, "Object variable or With block variable not setDRFLOOKUP");
  EXPECT_FALSE(ProgressWindowsLoaded());
}

}  // namespace
