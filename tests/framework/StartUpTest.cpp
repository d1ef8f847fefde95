// The program's start: how the start mode is told, and the stand-alone command line, each form of which
// either runs one registration command and ends or shows the registration dialog.

#include <gtest/gtest.h>

#include "StandAloneTestSupport.h"
#include "TempMachineRoot.h"
#include "framework/StartUp.h"
#include "framework/fRegisterPlugIn.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/com/ClassRegistration.h"
#include "platform/registry/MachineSetup.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessServices.h"

namespace framework_test {
namespace {

using qvr::StartMode;

TEST(StartModeOf, ServerSwitchesAnywhereDecideAndEverythingElseIsStandAlone) {
  struct Case {
    std::vector<std::string> args;
    StartMode mode;
  };
  const Case cases[] = {
      {{}, StartMode::StandAlone},
      {{"/regplugin"}, StartMode::StandAlone},
      {{"/regplugin", "/german"}, StartMode::StandAlone},
      {{"/regserver"}, StartMode::RegisterServer},
      {{"-RegServer"}, StartMode::RegisterServer},
      {{"/UNREGSERVER"}, StartMode::UnregisterServer},
      {{"-Embedding"}, StartMode::ComServer},
      {{"/embedding"}, StartMode::ComServer},
      // Started by COM, whatever else the command line says, no registration command runs.
      {{"/regplugin", "-Embedding"}, StartMode::ComServer},
      {{"-Embedding", "/deregplugin"}, StartMode::ComServer},
      {{"/unregserver", "/regserver"}, StartMode::UnregisterServer},
      {{"regserver"}, StartMode::StandAlone},
      {{"/regserverx"}, StartMode::StandAlone},
      {{"-"}, StartMode::StandAlone},
  };
  for (const Case& c : cases) EXPECT_EQ(qvr::StartModeOf(c.args), c.mode) << qvr::CommandLineOf(c.args);
}

TEST(CommandLineOf, JoinsTheArgumentsWithSingleBlanksKeepingTheirOwn) {
  EXPECT_EQ(qvr::CommandLineOf({}), "");
  EXPECT_EQ(qvr::CommandLineOf({"/regplugin"}), "/regplugin");
  EXPECT_EQ(qvr::CommandLineOf({"/regplugin", "/german"}), "/regplugin /german");
  EXPECT_EQ(qvr::CommandLineOf({"/regplugin  /german"}), "/regplugin  /german");
  EXPECT_EQ(qvr::CommandLineOf({"", "/german"}), " /german");
}

// Message boxes that fail as a broken window system would: every box raises a run-time error.
class FailingBoxes : public ui::MessageBoxes {
 public:
  int Show(const ui::MessageBoxRequest&) override { throw platform::RaisedError(7, "ui", "Out of memory"); }
};

class FailingBoxServices : public ui::HeadlessServices {
 public:
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }

 private:
  FailingBoxes boxes_;
};

TEST(StartUp, AnErrorEscapingACommandShowsTheDialogInsteadOfEndingTheProgram) {
  testsupport::TempMachineRoot root;
  reg::InitMachineRoot(root.Path());
  FailingBoxServices services;
  ui::HeadlessFormBackend backend;
  qvr::Program program(services, backend, root.Path());
  program.framework.ProgramFile = kProgramFile;
  program.framework.CommandLine = "/deregplugin /deregmode:-1";

  EXPECT_EQ(qvr::Main(program), 0);
  EXPECT_FALSE(program.HasEnded());
  const auto* dialog = program.Windows().Find<qvr::fRegisterPlugIn>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->RawState().visible);
  EXPECT_EQ(services.TestShell().Started(),
            (std::vector<std::vector<std::string>>{{kProgramFile, "/unregserver"}}))
      << "the command ran up to its failing message";
}

class StartUpTest : public StandAloneTest {
 protected:
  int RunMain(const std::string& commandLine) {
    program.framework.CommandLine = commandLine;
    return qvr::Main(program);
  }
};

TEST_F(StartUpTest, RegistrationCommandsRegisterSilentlyInTheirLanguageAndEnd) {
  struct Case {
    const char* commandLine;
    const char* language;
  };
  // Letter case and outer blanks do not matter. A plain "/regplugin" chooses no language.
  const Case cases[] = {
      {"/regplugin", ""},
      {"  /REGPLUGIN  ", ""},
      {"/regplugin /german", "german"},
      {"/regplugin /english", "english"},
      {"/RegPlugIn /German ", "german"},
  };
  std::size_t runs = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    EXPECT_EQ(RunMain(c.commandLine), 0);

    EXPECT_TRUE(program.HasEnded());
    EXPECT_EQ(KeyValue(""), qvr::kProgId);
    EXPECT_EQ(KeyValue("Language"), c.language);
    EXPECT_TRUE(Boxes().Shown().empty()) << "command-line registration shows nothing";
    ASSERT_EQ(Shell().Started().size(), ++runs);
    EXPECT_EQ(Shell().Started().back(), Started("/regserver"));
    EXPECT_EQ(program.Windows().Find<qvr::fRegisterPlugIn>(), nullptr);
  }
}

TEST_F(StartUpTest, AFailedCommandLineRegistrationEndsWithAFailureStatusAndNoMessage) {
  Shell().SetFailing(true);
  EXPECT_EQ(RunMain("/regplugin /english"), 1);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(KeyValue("Language"), "english") << "the key is still written";

  testsupport::ProgramFixture readOnly;
  qvr::Program& refused = readOnly.program();
  refused.framework.ProgramFile = kProgramFile;
  refused.framework.CommandLine = "/regplugin";
  std::filesystem::permissions(reg::RegistryStore::FileIn(readOnly.root()),
                               std::filesystem::perms::owner_read);
  EXPECT_EQ(qvr::Main(refused), 1);
}

TEST_F(StartUpTest, DeregistrationCommandsDeregisterWithMessagesAndEnd) {
  for (const char* commandLine : {"/deregplugin /deregmode:-1", " /DEREGPLUGIN /DEREGMODE:-1 "}) {
    SCOPED_TRACE(commandLine);
    RegisterEarlier("1.5");
    Boxes().QueueEnter("Plug-in Calyxtern_qvr_lon_PlugIn deregistered");
    EXPECT_EQ(RunMain(commandLine), 0);
    EXPECT_TRUE(program.HasEnded());
    EXPECT_FALSE(KeyExists());
    EXPECT_EQ(Shell().Started().back(), Started("/unregserver"));
    EXPECT_EQ(program.Windows().Find<qvr::fMain>(), nullptr) << "mode -1 opens no network";
  }
}

TEST_F(StartUpTest, DeregistrationThroughTheNetworksOffersTemplateRemovalExceptInModeZero) {
  struct Case {
    const char* commandLine;
    bool offersTemplateRemoval;
  };
  const Case cases[] = {
      {"/deregplugin", true}, {"/deregplugin /deregmode:1", true}, {"/deregplugin /deregmode:0", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    testsupport::ProgramFixture run;
    run.AddNetwork("Spare", testsupport::ProgramFixture::ImportModels);
    qvr::Program& fresh = run.program();
    fresh.framework.ProgramFile = kProgramFile;
    fresh.framework.CommandLine = c.commandLine;
    if (c.offersTemplateRemoval) KeepUnusedTemplates(run.services().Boxes());
    run.services().Boxes().QueueEnter("deregistered");
    EXPECT_EQ(qvr::Main(fresh), 0);

    EXPECT_TRUE(fresh.HasEnded());
    EXPECT_TRUE(fresh.framework.ShowProgress);
    const auto* mainWindow = fresh.Windows().Find<qvr::fMain>();
    EXPECT_TRUE(mainWindow && mainWindow->IsLoaded()) << "the networks were reached";
    EXPECT_EQ(run.services().Boxes().PendingAnswers(), 0u);
  }
}

TEST_F(StartUpTest, AnyOtherCommandLineShowsTheDialogAndKeepsTheProgramRunning) {
  for (const char* commandLine :
       {"", "   ", "/regplugin  /german", "/regplugin/german", "/regplugin /french", "/regplugin /deutsch",
        "/deregplugin /deregmode:2", "/deregplugin  /deregmode:0", "/deregmode:0", "/unknown", "regplugin"}) {
    SCOPED_TRACE(commandLine);
    EXPECT_EQ(RunMain(commandLine), 0);

    EXPECT_FALSE(program.HasEnded());
    qvr::fRegisterPlugIn* dialog = program.Windows().Find<qvr::fRegisterPlugIn>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->RawState().visible);
    EXPECT_FALSE(dialog->IsModal()) << "Main returns while the dialog is open";
    EXPECT_EQ(KeyValue(""), "") << "nothing was registered";
    EXPECT_EQ(program.framework.RegisterLanguage, "");
    EXPECT_TRUE(Shell().Started().empty());
    dialog->Hide();  // hidden, not closed: closing it would end the program
  }
}

TEST_F(StartUpTest, EveryStartRegistersTheClassSoThatTheDialogsRegistrationCanBeUsed) {
  const com::LocalServerClass cls{qvr::kProgId, qvr::kClassId};
  reg::RegistryStore store(reg::RegistryStore::FileIn(fixture.root()));
  const auto server = [&] {
    return reg::ReadText(store, reg::Hive::LocalMachine, com::LocalServerKey(cls), "");
  };

  // A newer version keeps its class: the dialog of this one would not register over it either.
  RegisterEarlier("1.6");
  EXPECT_EQ(RunMain(""), 0);
  EXPECT_EQ(server(), std::nullopt);

  RegisterEarlier("1.5");
  EXPECT_EQ(RunMain(""), 0);
  EXPECT_EQ(server(), std::string(kProgramFile) + " -Embedding");
  EXPECT_EQ(reg::ReadText(store, reg::Hive::LocalMachine, com::ProgIdKey(cls) + "\\CLSID", ""),
            qvr::kClassId);

  // Registering from the dialog then starts no second instance for the class.
  Boxes().QueueEnter("Die neuere Version des Plug-in wurde registriert als");  // the dialog starts in German
  program.Windows().Find<qvr::fRegisterPlugIn>()->bRegister.UserClicks();
  EXPECT_TRUE(program.HasEnded());
  EXPECT_TRUE(Shell().Started().empty());
}

}  // namespace
}  // namespace framework_test
