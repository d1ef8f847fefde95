// Registering the plug-in on the machine: the plug-in key's values, updates and newer versions, the COM
// class registered by a second instance of the program, and the messages.

#include <gtest/gtest.h>

#include "StandAloneTestSupport.h"
#include "framework/MachineRegistration.h"
#include "identity/PlugInIdentity.h"
#include "platform/lns/resources/ResourceCatalog.h"
#include "platform/registry/MachineSetup.h"
#include "services/TypeFiles.h"

namespace framework_test {
namespace {

class MachineRegistrationTest : public StandAloneTest {
 protected:
  void ExpectRegisteredAsOwnVersion(const std::string& language) {
    EXPECT_EQ(KeyValue(""), "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
    EXPECT_EQ(KeyValue("Name"), "Calyxtern_qvr_lon_PlugIn");
    EXPECT_EQ(KeyValue("Description"), "Plug-in for QVR, qvr_lon");
    EXPECT_EQ(KeyValue("Scope"), "2");
    EXPECT_EQ(KeyValue("ManufacturerName"), "Calyxtern Orvalis GmbH");
    EXPECT_EQ(KeyValue("Version"), "1.5");
    EXPECT_EQ(KeyValue("LcaVersion"), "3.0");
    EXPECT_EQ(KeyValue("Prelaunch"), "-1");
    EXPECT_EQ(KeyValue("MultiObject"), "-1");
    EXPECT_EQ(KeyValue("SingleInstance"), "-1");
    EXPECT_EQ(KeyValue("Language"), language);
  }
};

TEST_F(MachineRegistrationTest, FirstRegistrationWritesEveryValueStartsTheComRegistrationAndSaysSo) {
  qvr::InitTypeFileTable(program);
  EXPECT_FALSE(qvr::CheckTypeFilesInstalled(program));
  program.framework.RegisterLanguage = "english";
  Boxes().QueueEnter();
  EXPECT_TRUE(qvr::RegisterPlugIn(program, true));

  ExpectRegisteredAsOwnVersion("english");
  EXPECT_EQ(Shell().Started(), (std::vector<std::vector<std::string>>{Started("/regserver")}));
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& box = Boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt, "Plug-in registered as Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
  EXPECT_EQ(box.icon, ui::MsgIcon::Information);
  EXPECT_EQ(box.title, "Calyxtern_qvr_lon_PlugIn");
  EXPECT_TRUE(qvr::CheckTypeFilesInstalled(program)) << "the maker's type files are in the catalogue";
}

TEST_F(MachineRegistrationTest, AnEqualOrOlderVersionIsUpdatedInTheChosenLanguage) {
  // "1.10" is 1 and 10 hundredths: older than 1.5. A key without "Version" counts as 0.0.
  for (const char* registered : std::initializer_list<const char*>{"1.5", "1.10", "0.9", nullptr}) {
    SCOPED_TRACE(registered ? registered : "no Version");
    RegisterEarlier(registered ? registered : "");
    if (!registered) {
      reg::RegistryStore store(reg::RegistryStore::FileIn(fixture.root()));
      ASSERT_EQ(store.DeleteValue(reg::Hive::LocalMachine, qvr::kPlugInKey, "Version"), reg::Status::Ok);
    }
    SetKeyValue("Description", "stale");
    program.framework.RegisterLanguage = "german";
    Boxes().QueueEnter();
    qvr::RegisterPlugIn(program, true);

    ExpectRegisteredAsOwnVersion("german");
    ASSERT_FALSE(Boxes().Shown().empty());
    EXPECT_EQ(Boxes().Shown().back().request.prompt,
              "Die neuere Version des Plug-in wurde registriert als Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
  }
}

TEST_F(MachineRegistrationTest, ANewerRegisteredVersionChangesNothingAndIsReported) {
  for (const char* newer : {"1.6", "2.0", "1.51"}) {
    SCOPED_TRACE(newer);
    RegisterEarlier(newer);
    SetKeyValue("Language", "german");
    program.framework.RegisterLanguage = "english";
    Boxes().QueueEnter();
    EXPECT_TRUE(qvr::RegisterPlugIn(program, true)) << "a refusal is no failure";

    EXPECT_EQ(KeyValue("Version"), newer);
    EXPECT_EQ(KeyValue("Language"), "german");
    EXPECT_EQ(KeyValue("Name"), "");
    ASSERT_FALSE(Boxes().Shown().empty());
    EXPECT_EQ(Boxes().Shown().back().request.prompt, "A newer version of this plug-in is already registered");
    EXPECT_EQ(Boxes().Shown().back().request.icon, ui::MsgIcon::Information);
  }
  EXPECT_TRUE(Shell().Started().empty()) << "not even the COM class is touched";

  // Without messages the refusal is silent.
  qvr::RegisterPlugIn(program, false);
  EXPECT_EQ(Boxes().Shown().size(), 3u);
}

TEST_F(MachineRegistrationTest, WithoutADefaultValueItIsAFirstRegistrationWhateverVersionSays) {
  SetKeyValue("Version", "9.9");
  program.framework.RegisterLanguage = "english";
  Boxes().QueueEnter("Plug-in registered as ");
  qvr::RegisterPlugIn(program, true);
  ExpectRegisteredAsOwnVersion("english");
}

TEST_F(MachineRegistrationTest, WithoutMessagesNothingIsShownAndAnUnchosenLanguageIsStoredEmpty) {
  EXPECT_TRUE(qvr::RegisterPlugIn(program, false));
  ExpectRegisteredAsOwnVersion("");
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(Shell().Started().size(), 1u);
}

TEST_F(MachineRegistrationTest, AComRegistrationThatCannotStartStopsOnlyWhenMessagesAreShown) {
  Shell().SetFailing(true);
  program.framework.RegisterLanguage = "english";
  Boxes().QueueEnter();
  EXPECT_FALSE(qvr::RegisterPlugIn(program, true));
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& box = Boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt, "Plug-in Calyxtern_qvr_lon_PlugIn.LNSPlugInAPIregistration as COM server failed");
  EXPECT_EQ(box.icon, ui::MsgIcon::Critical);
  EXPECT_EQ(box.title, program.Ui().ApplicationTitle());
  EXPECT_EQ(KeyValue(""), "") << "nothing is written";

  // Silently, the plug-in key is still written; the caller learns of the failure from the result.
  EXPECT_FALSE(qvr::RegisterPlugIn(program, false));
  ExpectRegisteredAsOwnVersion("english");
  EXPECT_EQ(Boxes().Shown().size(), 1u);
}

TEST_F(MachineRegistrationTest, ARegistryThatRefusesWritesIsReportedAsAFailureNotAsSuccess) {
  MakeRegistryReadOnly();
  program.framework.RegisterLanguage = "english";
  Boxes().QueueEnter();
  EXPECT_FALSE(qvr::RegisterPlugIn(program, true));
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  EXPECT_EQ(Boxes().Shown()[0].request.icon, ui::MsgIcon::Critical);
  EXPECT_EQ(Boxes().Shown()[0].request.prompt.find("Plug-in registered"), std::string::npos);
  EXPECT_EQ(KeyValue(""), "");
}

TEST_F(MachineRegistrationTest, ATypeFileInstallationThatRaisesDoesNotStopTheRegistration) {
  // A catalogue file that links to itself makes every opening of the catalogue raise.
  const std::filesystem::path catalog =
      reg::LonWorksFolderIn(fixture.root()) / "Types" / lns::kCatalogFileName;
  std::filesystem::create_symlink(catalog.filename(), catalog);
  program.framework.RegisterLanguage = "english";
  Boxes().QueueEnter("Plug-in registered as ");
  EXPECT_TRUE(qvr::RegisterPlugIn(program, true));
  ExpectRegisteredAsOwnVersion("english");
}

}  // namespace
}  // namespace framework_test
