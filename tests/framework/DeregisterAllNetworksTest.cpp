// Deregistering the plug-in from every network of the machine before it is removed from the machine.

#include "framework/DeregisterAllNetworks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "NetworkRegistrationFixture.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"

namespace framework_test {
namespace {

class DeregisterAllNetworksTest : public RegistrationTest {
 protected:
  DeregisterAllNetworksTest() : RegistrationTest(Networks::None) {}

  // A network with the four models' templates, each holding this plug-in's two entries and another
  // plug-in's entry.
  void AddRegisteredNetwork(const std::string& name) {
    fixture.AddNetwork(name, [](lns::LnsSystem& system) {
      testsupport::ProgramFixture::ImportModels(system);
      lns::LnsDeviceTemplates templates = system.GetTemplateLibrary().GetDeviceTemplates();
      for (long position = 1; position <= templates.Count(); ++position) {
        lns::LnsComponentApps apps = templates.Item(position).GetComponentApps();
        AddEntry(apps, "Configure", kOurProgId, 13);
        AddEntry(apps, "Calyxtern_qvr_lon_Plug-in", kOurProgId, 10000);
        AddEntry(apps, "Other", kOtherProgId, 13);
      }
    });
  }

  // The entries of every template of `network`, one list per template, read through a server of its own.
  std::vector<std::vector<std::string>> TemplateEntries(const std::string& network) {
    std::vector<std::vector<std::string>> entries;
    platform::HeadlessEventLoop loop;
    lns::LnsObjectServer server(loop, fixture.root());
    server.Open();
    lns::LnsNetwork opened = server.GetNetworks().Item(network);
    opened.Open();
    lns::LnsSystem system = opened.GetSystems().Item(1);
    system.Open();
    lns::LnsDeviceTemplates templates = system.GetTemplateLibrary().GetDeviceTemplates();
    for (long position = 1; position <= templates.Count(); ++position) {
      entries.push_back(Entries(templates.Item(position).GetComponentApps()));
    }
    return entries;
  }

  std::filesystem::path DatabaseOf(const std::string& network) const {
    return LonWorks() / "Databases" / network / "network.sqlite";
  }

  const std::vector<std::string> otherOnly = {std::string("Other|") + kOtherProgId + "|7|13||||-"};
  const std::vector<std::string> ourTwoAndOther = {
      std::string("Configure|") + kOurProgId + "|7|13||||-",
      std::string("Calyxtern_qvr_lon_Plug-in|") + kOurProgId + "|7|10000||||-", otherOnly[0]};
};

TEST_F(DeregisterAllNetworksTest, EveryNetworkThatOpensLosesThePlugInsEntries) {
  qvr::DeregisterFromAllNetworks(program, true);
  EXPECT_EQ(state.ObjectServer, nullptr) << "a server without networks is opened and closed again";
  EXPECT_FALSE(program.fMain().lcaOS().IsOpen());

  AddRegisteredNetwork("Alpha");
  AddRegisteredNetwork("Broken");
  AddRegisteredNetwork("Gamma");
  const std::filesystem::path broken = DatabaseOf("Broken");
  std::filesystem::rename(broken, broken.string() + ".away");

  qvr::DeregisterFromAllNetworks(program, true);

  EXPECT_TRUE(Boxes().Shown().empty()) << "without shown progress nothing is asked";
  EXPECT_EQ(state.ObjectServer, nullptr);
  EXPECT_FALSE(program.fMain().lcaOS().IsOpen());
  EXPECT_FALSE(state.CurrentNetwork.has_value());
  EXPECT_FALSE(state.CurrentSystem.has_value());
  EXPECT_EQ(state.CommandTable[0].CommandLabel, "Configure");
  for (const char* network : {"Alpha", "Gamma"}) {
    EXPECT_EQ(TemplateEntries(network), std::vector<std::vector<std::string>>(4, otherOnly)) << network;
  }
  std::filesystem::rename(broken.string() + ".away", broken);
  EXPECT_EQ(TemplateEntries("Broken"), std::vector<std::vector<std::string>>(4, ourTwoAndOther));

  // Shown progress without the offer to remove templates asks nothing either.
  state.ShowProgress = true;
  qvr::DeregisterFromAllNetworks(program, false);
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(TemplateEntries("Broken"), std::vector<std::vector<std::string>>(4, otherOnly));
}

TEST_F(DeregisterAllNetworksTest, ShownProgressFollowsTheWalkAndOffersUnusedTemplatesPerNetwork) {
  AddRegisteredNetwork("Alpha");
  AddRegisteredNetwork("Gamma");
  state.ShowProgress = true;
  WatchStatusLines();
  for (const char* model : {"qvrl105", "qvrl206", "qvrl106", "qvrl207"}) {
    Boxes().QueueAnswer(ui::vbYes,
                        "The device template '" + std::string(model) + "' is no longer referenced");
  }
  for (int model = 0; model < 4; ++model) Boxes().QueueAnswer(ui::vbNo, "is no longer referenced");

  qvr::DeregisterFromAllNetworks(program, true);

  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  EXPECT_TRUE(TemplateEntries("Alpha").empty()) << "every template of the first network was removed";
  EXPECT_EQ(TemplateEntries("Gamma"), std::vector<std::vector<std::string>>(4, otherOnly));

  auto at = [&](const std::string& line) { return std::find(statusLines.begin(), statusLines.end(), line); };
  const std::vector<std::string> order = {"Opening the Object Server...",
                                          "Opening Alpha...",
                                          "Opening Alpha...\r\nEngineered system mode",
                                          "Deregister commands...",
                                          "9FFF6E0A5A060408\r\nDeregister Command 13...",
                                          "Opening Gamma...",
                                          "Opening Gamma...\r\nEngineered system mode"};
  for (std::size_t step = 0; step < order.size(); ++step) {
    ASSERT_NE(at(order[step]), statusLines.end()) << order[step];
    if (step > 0) {
      EXPECT_LT(at(order[step - 1]), at(order[step])) << order[step];
    }
  }
  EXPECT_FALSE(ProgressWindowLoaded());
  const qvr::fStartbild* splash = program.Windows().Find<qvr::fStartbild>();
  EXPECT_FALSE(splash && splash->IsLoaded());
  EXPECT_EQ(program.Ui().Screen().MousePointer(), ui::vbDefault);
}

}  // namespace
}  // namespace framework_test
