// Removing the plug-in's registration from a network: as a director does (command 51), and as the
// stand-alone deregistration does with progress and the offer to remove unused templates.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "NetworkRegistrationFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "framework/NetworkRegistration.h"

namespace framework_test {
namespace {

constexpr const char* kModels[] = {"qvrl105", "qvrl206", "qvrl106", "qvrl207"};

std::string TemplateQuestion(const std::string& name) {
  return "The device template '" + name +
         "' is no longer referenced by any device in the current network. Do you want to remove the device "
         "template from the template library?";
}

class NetworkRegistrationRemovalTest : public RegistrationTest {
 protected:
  // Registers the plug-in in the open network, answering the default question with Yes.
  void Register(qvr::LNSPlugInAPI& plugIn, bool templatesExist = true) {
    if (templatesExist) QueueTemplatesFound();
    Boxes().QueueAnswer(ui::vbYes, "Configure");
    Send(plugIn, 50, 7, "");
  }
};

TEST_F(NetworkRegistrationRemovalTest, TheDirectorsDeregistrationRemovesThisPlugInsEntriesOnly) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  Register(plugIn);
  AddEntry(AppsOf("qvrl105"), "Other Configure", kOtherProgId, 13);
  lns::LnsComponentApps systemApps = state.CurrentSystem->GetComponentApps();
  AddEntry(systemApps, "Register", kOurProgId, 50);
  AddEntry(systemApps, "Other Register", kOtherProgId, 50);
  AddEntry(systemApps, "Configure", kOurProgId, 13);  // no row registers at the system: it stays
  AddEntry(Server().GetComponentApps(), "Configure", kOurProgId, 13);
  const std::size_t boxesBefore = Boxes().Shown().size();

  Send(plugIn, 51, 7, "");

  EXPECT_EQ(Boxes().Shown().size(), boxesBefore) << "a director's deregistration asks nothing";
  EXPECT_EQ(Entries(AppsOf("qvrl105")),
            std::vector<std::string>{std::string("Other Configure|") + kOtherProgId + "|7|13||||-"});
  for (const char* model : {"qvrl206", "qvrl106", "qvrl207"})
    EXPECT_TRUE(Entries(AppsOf(model)).empty()) << model;
  EXPECT_EQ(Entries(systemApps),
            (std::vector<std::string>{std::string("Other Register|") + kOtherProgId + "|7|50||||-",
                                      std::string("Configure|") + kOurProgId + "|7|13||||-"}));
  EXPECT_EQ(Server().GetComponentApps().Count(), 1) << "no row of the table registers at the Object Server";
  EXPECT_EQ(Templates().Count(), 5);
  EXPECT_FALSE(ProgressWindowLoaded());
  EXPECT_EQ(program.Ui().Screen().MousePointer(), ui::vbDefault);
}

TEST_F(NetworkRegistrationRemovalTest, RemovalWalksDownwardsAndRemovesEveryObjectClass) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  lns::LnsComponentApps apps = AppsOf("qvrl206");
  AddEntry(apps, "A", kOurProgId, 13);
  AddEntry(apps, "B", kOurProgId, 13, 8);
  AddEntry(apps, "C", kOtherProgId, 13);
  AddEntry(apps, "D", kOurProgId, 10000);
  AddEntry(apps, "E", kOurProgId, 10000);
  AddEntry(apps, "F", kOurProgId, 14);

  Send(plugIn, 51, 7, "");

  EXPECT_EQ(Entries(apps), (std::vector<std::string>{std::string("C|") + kOtherProgId + "|7|13||||-",
                                                     std::string("F|") + kOurProgId + "|7|14||||-"}));
}

TEST_F(NetworkRegistrationRemovalTest, ObjectServerEntriesGoOnlyWhenTheServerLevelIsIncluded) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  state.CommandTable[1].RegistrationLevel = 1;
  AddEntry(Server().GetComponentApps(), "Own", kOurProgId, 10000);
  AddEntry(Server().GetComponentApps(), "Other", kOtherProgId, 10000);

  qvr::DeregisterInNetwork(program, false, false);
  EXPECT_EQ(Server().GetComponentApps().Count(), 2);

  qvr::DeregisterInNetwork(program, false, true);
  EXPECT_EQ(Entries(Server().GetComponentApps()),
            std::vector<std::string>{std::string("Other|") + kOtherProgId + "|7|10000||||-"});
}

TEST_F(NetworkRegistrationRemovalTest, OnlyAShownDeregistrationOffersToRemoveTemplatesThatNoDeviceUses) {
  fixture.AddNetwork("Fresh", [](lns::LnsSystem& system) {
    testsupport::ProgramFixture::ImportModels(system);
    // A device keeps the qvrl206 template in use.
    lns::LnsSubsystem floor = system.GetSubsystems().Add("Floor");
    floor.GetAppDevices().Add("Room", system.GetTemplateLibrary().GetDeviceTemplates().Item("qvrl206"));
  });
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Fresh");
  Register(plugIn);

  qvr::DeregisterInNetwork(program, true, true);
  state.ShowProgress = true;
  qvr::DeregisterInNetwork(program, false, true);
  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  EXPECT_EQ(Boxes().Shown().size(), 5u) << "no question without both the offer and shown progress";

  WatchStatusLines();
  AddEntry(AppsOf("qvrl105"), "Configure", kOurProgId, 13);
  Boxes().QueueAnswer(ui::vbYes, TemplateQuestion("qvrl105"));
  Boxes().QueueAnswer(ui::vbNo, TemplateQuestion("qvrl106"));
  Boxes().QueueAnswer(ui::vbYes, TemplateQuestion("qvrl207"));
  qvr::DeregisterInNetwork(program, true, true);

  ASSERT_EQ(Boxes().Shown().size(), 8u) << "the template in use is not offered";
  EXPECT_EQ(Boxes().Shown().back().request.icon, ui::MsgIcon::Exclamation);
  std::vector<std::string> left;
  for (long position = 1; position <= Templates().Count(); ++position)
    left.push_back(Templates().Item(position).GetName());
  EXPECT_EQ(left, (std::vector<std::string>{"qvrl206", "qvrl106"}));
  EXPECT_NE(std::find(statusLines.begin(), statusLines.end(), "9FFF6E0A5A060408\r\nDeregister Command 13..."),
            statusLines.end());
}

}  // namespace
}  // namespace framework_test
