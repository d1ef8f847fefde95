// Registering the plug-in in a network as a director does (command 50): the models' device templates, the
// component applications of the two commands and the question whether "Configure" becomes the default.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "NetworkRegistrationFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "platform/lns/LnsError.h"

namespace framework_test {
namespace {

constexpr const char* kModels[] = {"qvrl105", "qvrl206", "qvrl106", "qvrl207"};

class NetworkRegistrationTest : public RegistrationTest {};

TEST_F(NetworkRegistrationTest, WhereAllTemplatesExistEachGetsBothCommandsAfterOneQuestion) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbYes, "Do you wish to make Configure the default action for qvrl105 devices?");

  Send(plugIn, 50, 7, "");

  const auto& boxes = Boxes().Shown();
  ASSERT_EQ(boxes.size(), 5u) << "one box per template found, then the one question";
  for (int box = 0; box < 4; ++box) {
    EXPECT_EQ(boxes[box].request.prompt, kInstallationBox);
    EXPECT_EQ(boxes[box].request.icon, ui::MsgIcon::None);
  }
  const ui::MessageBoxRequest& question = boxes[4].request;
  EXPECT_EQ(question.prompt, "Do you wish to make Configure the default action for qvrl105 devices?");
  EXPECT_EQ(question.title, "Calyxtern_qvr_lon_PlugIn");
  EXPECT_EQ(question.icon, ui::MsgIcon::Question);
  EXPECT_EQ(question.buttons, (std::vector<int>{ui::vbYes, ui::vbNo}));

  for (const char* model : kModels) EXPECT_EQ(Entries(AppsOf(model)), OurTemplateEntries(true)) << model;
  EXPECT_TRUE(Entries(AppsOf("em210")).empty()) << "another maker's template is left alone";
  EXPECT_EQ(Templates().Count(), 5) << "no template is created";
  EXPECT_TRUE(Entries(state.CurrentSystem->GetComponentApps()).empty());
  EXPECT_TRUE(Entries(Server().GetComponentApps()).empty());
  EXPECT_FALSE(ProgressWindowLoaded());
  EXPECT_EQ(program.Ui().Screen().MousePointer(), ui::vbDefault);
}

TEST_F(NetworkRegistrationTest,
       RegisteringAgainRewritesTheEntriesAndOnlyAYesTakesTheDefaultFromOtherPlugIns) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  AddEntry(AppsOf("qvrl105"), "Configure", kOtherProgId, 13, 7, true);
  AddEntry(AppsOf("qvrl105"), "Configure (1)", kOtherProgId, 14);
  AddEntry(AppsOf("qvrl206"), "Browse", kOtherProgId, 20, 7, true);
  // This plug-in's entry for another object class is not the one the row looks for.
  AddEntry(AppsOf("qvrl106"), "Configure", kOurProgId, 13, 8, true);

  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbNo, "Configure");
  Send(plugIn, 50, 7, "");
  std::vector<std::string> expected105 = {std::string("Configure|") + kOtherProgId + "|7|13||||default",
                                          std::string("Configure (1)|") + kOtherProgId + "|7|14||||-"};
  for (const std::string& ours : OurTemplateEntries(false, "Configure (2)")) expected105.push_back(ours);
  EXPECT_EQ(Entries(AppsOf("qvrl105")), expected105);
  EXPECT_EQ(Entries(AppsOf("qvrl206"))[0], std::string("Browse|") + kOtherProgId + "|7|20||||default");
  std::vector<std::string> expected106 = {std::string("Configure|") + kOurProgId + "|8|13||||default"};
  for (const std::string& ours : OurTemplateEntries(false, "Configure (1)")) expected106.push_back(ours);
  EXPECT_EQ(Entries(AppsOf("qvrl106")), expected106)
      << "the entry of class 8 is neither reused nor rewritten";

  // Registering again finds this plug-in's entries, rewrites them and asks again.
  lns::LnsComponentApp configure = AppsOf("qvrl207").Item("Configure");
  configure.PutText("changed");
  configure.PutVersion("1.0");
  configure.PutManufacturerId("1");
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbYes, "Do you wish to make Configure the default action for qvrl105 devices?");
  Send(plugIn, 50, 7, "");
  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  EXPECT_EQ(Entries(AppsOf("qvrl207")), OurTemplateEntries(true));
  EXPECT_EQ(Entries(AppsOf("qvrl105"))[0], std::string("Configure|") + kOtherProgId + "|7|13||||-");
  EXPECT_EQ(Entries(AppsOf("qvrl105"))[2], OurTemplateEntries(true, "Configure (2)")[0]);
  EXPECT_EQ(Entries(AppsOf("qvrl206"))[0], std::string("Browse|") + kOtherProgId + "|7|20||||-");
  EXPECT_EQ(Entries(AppsOf("qvrl106"))[0], expected106[0]) << "this plug-in's own entries keep their flag";
}

TEST_F(NetworkRegistrationTest, MissingTemplatesAreCreatedFromTheModelsInterfaceFiles) {
  fixture.AddNetwork("Fresh", [](lns::LnsSystem& system) {
    // Another template holds the name the qvrl106 template would get.
    system.GetTemplateLibrary().GetDeviceTemplates().Add("Calyxtern qvrl106", 1);
  });
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Fresh");
  Boxes().QueueAnswer(ui::vbYes,
                      "Do you wish to make Configure the default action for Calyxtern qvrl105 devices?");

  Send(plugIn, 50, 7, "");

  EXPECT_EQ(Boxes().Shown().size(), 1u) << "no template was found, so no installation box";
  lns::LnsDeviceTemplates templates = Templates();
  ASSERT_EQ(templates.Count(), 5);
  EXPECT_EQ(templates.Item(1).GetProgramId(), "") << "the other template is left as it was";
  const std::vector<std::pair<std::string, std::string>> created = {
      {"Calyxtern qvrl105", "9FFF6E0A5A060408"},
      {"Calyxtern qvrl206", "9FFF6E0A5A060409"},
      {"Calyxtern qvrl106 (1)", "9FFF6E0A5A06040A"},
      {"Calyxtern qvrl207", "9FFF6E0A5A06040B"}};
  for (long position = 2; position <= 5; ++position) {
    const lns::LnsDeviceTemplate made = templates.Item(position);
    const auto& [name, programId] = created[static_cast<std::size_t>(position - 2)];
    EXPECT_EQ(made.GetName(), name);
    EXPECT_EQ(made.GetProgramId(), programId);
    EXPECT_EQ(Entries(made.GetComponentApps()), OurTemplateEntries(true)) << name;
  }
  EXPECT_EQ(templates.Item("Calyxtern qvrl207").GetInterface().GetLonMarkObjects().Item("SCC").GetName(),
            "SCC")
      << "the interface is the model's own";
}

TEST_F(NetworkRegistrationTest,
       AnInterfaceFileThatCannotBeImportedIsNamedAndLeavesNoTemplateSoRetriesAddNoNumberedOnes) {
  fixture.AddNetwork("Fresh");
  std::filesystem::remove(LonWorks() / "Import" / "Calyxtern" / "qvrl206" / "qvrl206.xif");
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Fresh");

  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE(attempt);
    if (attempt == 2) {
      for (int found = 0; found < 3; ++found)
        Boxes().QueueAnswer(ui::vbOK, "Plug-In installation successful");
    }
    Boxes().QueueAnswer(ui::vbOK);
    ExpectHostError(RaisedBy([&] { Send(plugIn, 50, 7, ""); }), 20000,
                    "Unable to register Supported Commands");

    // The other models get their templates; then the import's own error names what failed, and no
    // command is registered.
    const ui::MessageBoxRequest& failure = Boxes().Shown().back().request;
    EXPECT_EQ(failure.icon, ui::MsgIcon::Critical);
    EXPECT_EQ(failure.prompt, program.Err.Description + "\r\nUnable to import the device interface file: " +
                                  "C:\\LonWorks\\Import\\Calyxtern\\qvrl206\\qvrl206.xif");
    EXPECT_NE(program.Err.Number, 0);
    std::vector<std::string> names;
    lns::LnsDeviceTemplates templates = Templates();
    for (long position = 1; position <= templates.Count(); ++position) {
      names.push_back(templates.Item(position).GetName());
      EXPECT_TRUE(Entries(templates.Item(position).GetComponentApps()).empty());
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Calyxtern qvrl105", "Calyxtern qvrl106", "Calyxtern qvrl207"}));
  }
  EXPECT_EQ(Boxes().Shown().size(), 1u + 3u + 1u) << "the second time three templates are found";
}

TEST_F(NetworkRegistrationTest, ARemoteClientCannotAddATemplate) {
  fixture.AddNetwork("Fresh");
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkInterfaceName("LON1");
  plugIn.SetNetworkName("Fresh");
  Boxes().QueueAnswer(ui::vbOK, "Remote client cannot add a template.");

  ExpectHostError(RaisedBy([&] { Send(plugIn, 50, 7, ""); }), 20000, "Unable to register Supported Commands");

  EXPECT_TRUE(state.IsRemoteClient);
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& failure = Boxes().Shown()[0].request;
  EXPECT_EQ(failure.icon, ui::MsgIcon::Critical);
  EXPECT_EQ(failure.prompt,
            "the template library has no device template named \"9FFF6E0A5A060408\"\r\n"
            "Remote client cannot add a template.");
  EXPECT_EQ(Templates().Count(), 0);
  EXPECT_FALSE(ProgressWindowLoaded());
}

TEST_F(NetworkRegistrationTest, ARemoteClientRegistersWhereTheTemplatesExistAndIsToldAboutTheServer) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkInterfaceName("LON1");
  plugIn.SetNetworkName("Demo");
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbNo, "Configure");
  Boxes().QueueAnswer(ui::vbOK, "register the same plug-in on the server");

  Send(plugIn, 50, 7, "");

  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  for (const char* model : kModels) EXPECT_EQ(Entries(AppsOf(model)), OurTemplateEntries(false)) << model;
}

TEST_F(NetworkRegistrationTest, TheCatalogueLookUpCanBeRetriedIgnoredOrAborted) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  std::filesystem::remove_all(LonWorks() / "Types");
  const char* catalogueBox = "Unable to add the resources listed in the ResourceTable to the catalog";

  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbYes, "Configure");
  Boxes().QueueAnswer(ui::vbRetry, catalogueBox);
  Boxes().QueueAnswer(ui::vbIgnore, catalogueBox);
  Send(plugIn, 50, 7, "");
  ASSERT_EQ(Boxes().Shown().size(), 7u) << "Retry looked the files up again";
  EXPECT_EQ(Boxes().Shown()[6].request.icon, ui::MsgIcon::Information);
  EXPECT_EQ(Boxes().Shown()[6].request.buttons, (std::vector<int>{ui::vbAbort, ui::vbRetry, ui::vbIgnore}));
  EXPECT_EQ(Entries(AppsOf("qvrl105")), OurTemplateEntries(true));

  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbYes, "Configure");
  Boxes().QueueAnswer(ui::vbAbort, catalogueBox);
  ExpectHostError(RaisedBy([&] { Send(plugIn, 50, 7, ""); }), 20000, "Unable to register Supported Commands");
  EXPECT_EQ(Boxes().Shown().size(), 13u) << "Abort shows nothing more";
  EXPECT_EQ(program.Ui().Screen().MousePointer(), ui::vbDefault);
}

TEST_F(NetworkRegistrationTest, RowsOfEveryLevelRegisterAtTheirPlaces) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  qvr::CommandEntry& configure = state.CommandTable[0];
  configure.RegistrationLevel = 4;
  configure.LonMarkObjectName = "OccupController";
  qvr::CommandEntry& own = state.CommandTable[1];
  own.RegistrationLevel = 2;
  own.MakeDefault = true;
  AddEntry(state.CurrentSystem->GetComponentApps(), "Browse", kOtherProgId, 20, 7, true);

  QueueTemplatesFound();
  Boxes().QueueAnswer(
      ui::vbNo,
      "Do you wish to make Configure the default action for the LonMark object OccupController on "
      "qvrl105 devices?");
  Boxes().QueueAnswer(
      ui::vbYes,
      "Do you wish to make Custom command 10000 the default action for Application Device objects?");
  Send(plugIn, 50, 7, "");

  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  for (const char* model : kModels) {
    EXPECT_TRUE(Entries(AppsOf(model)).empty()) << model;
    lns::LnsComponentApps blockApps =
        Templates().Item(model).GetInterface().GetLonMarkObjects().Item("OccupController").GetComponentApps();
    EXPECT_EQ(Entries(blockApps), std::vector<std::string>{OurTemplateEntries(false)[0]}) << model;
  }
  EXPECT_EQ(Entries(state.CurrentSystem->GetComponentApps()),
            (std::vector<std::string>{
                std::string("Browse|") + kOtherProgId + "|7|20||||-",
                std::string("Calyxtern_qvr_lon_Plug-in|") + kOurProgId + "|7|10000||1.5|1048430|default"}))
      << "one entry at the system, found again for each later template";

  own.RegistrationLevel = 1;
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbNo, "Configure");
  Boxes().QueueAnswer(ui::vbNo, "Custom command 10000");
  Send(plugIn, 50, 7, "");
  EXPECT_EQ(Entries(Server().GetComponentApps()),
            std::vector<std::string>{std::string("Calyxtern_qvr_lon_Plug-in|") + kOurProgId +
                                     "|7|10000||1.5|1048430|-"});

  // A level without a place: the row is skipped with a status line, and the registration still succeeds.
  qvr::InitCommandTable(state.CommandTable);
  state.CommandTable[1].RegistrationLevel = 7;
  WatchStatusLines();
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbYes, "Configure");

  Send(plugIn, 50, 7, "");
  EXPECT_EQ(Entries(AppsOf("qvrl207")), std::vector<std::string>{OurTemplateEntries(true)[0]});
  const std::vector<std::string> expected = {
      "create Templates...", "qvrl105\r\nAdding command Configure for Application Device objects...",
      "Error adding command Custom command 10000 for Device Templateqvrl105. \r\nComponentApp was not "
      "created.",
      "qvrl206\r\nAdding command Configure for Application Device objects..."};
  auto first = std::find(statusLines.begin(), statusLines.end(), expected[0]);
  ASSERT_GE(std::distance(first, statusLines.end()), 4) << "the status lines follow the work";
  EXPECT_EQ(std::vector<std::string>(first, first + 4), expected);
}

TEST_F(NetworkRegistrationTest, AnEntryThatCannotBeCreatedOrAPlaceThatCannotBeFoundFailsTheRegistration) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  state.CommandTable[1].CommandLabel = "";  // a component application needs a name
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbYes, "Configure");
  Boxes().QueueAnswer(ui::vbOK, "4010a component application needs a name");
  Boxes().QueueAnswer(ui::vbOK, "Object variable or With block variable not set\r\n");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 50, 7, ""); }), 20000, "Unable to register Supported Commands");
  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  EXPECT_EQ(Entries(AppsOf("qvrl105")), std::vector<std::string>{OurTemplateEntries(true)[0]});
  EXPECT_TRUE(Entries(AppsOf("qvrl206")).empty()) << "the registration stopped at the first template";

  qvr::InitCommandTable(state.CommandTable);
  state.CommandTable[0].RegistrationLevel = 4;
  state.CommandTable[0].LonMarkObjectName = "NoSuchBlock";
  QueueTemplatesFound();
  Boxes().QueueAnswer(ui::vbOK, "NoSuchBlock");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 50, 7, ""); }), 20000, "Unable to register Supported Commands");
  EXPECT_EQ(Boxes().Shown().back().request.icon, ui::MsgIcon::Critical);
}

}  // namespace
}  // namespace framework_test
