// The plug-in program started by a user, an installer or a script: the command line registers and
// deregisters, a second instance registers the COM class, and the dialog is scripted on the headless back
// end (QVR_UI=headless with QVR_ANSWERS, QVR_DO and QVR_SNAPSHOT).

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ProgramRun.h"
#include "TempMachineRoot.h"
#include "identity/PlugInIdentity.h"

namespace {

const std::string kProgram = "Calyxtern_qvr_lon_PlugIn";
const std::string kPlugInKey = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";
const std::string kProgIdKey = "SOFTWARE\\Classes\\Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI\\CLSID";
const std::string kServerKey =
    "SOFTWARE\\Classes\\CLSID\\{1156D7E7-9556-489E-A294-95BE5232046E}\\LocalServer32";

// Sets environment variables for the programs this test starts (unset for an empty value), and puts the
// old values back afterwards.
class Environment {
 public:
  Environment() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QVR_UI", "QVR_ANSWERS",
                             "QVR_DO", "QVR_SNAPSHOT"}) {
      Set(name, "");
    }
  }
  ~Environment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  void Set(const std::string& name, const std::string& value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value.empty()) {
      unsetenv(name.c_str());
    } else {
      setenv(name.c_str(), value.c_str(), 1);
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

class PlugInProgramTest : public ::testing::Test {
 protected:
  PlugInProgramTest() { EXPECT_EQ(Lns({"init"}).code, 0); }

  e2e::ProgramRun PlugIn(const std::vector<std::string>& args) {
    return e2e::Run(kProgram, args, root.Path());
  }
  // A run on the headless back end with the box answers `answers` and the actions `actions`; the
  // snapshot is read into `snapshot`.
  e2e::ProgramRun Scripted(const std::vector<std::string>& args, const std::string& answers = "",
                           const std::string& actions = "") {
    environment.Set("QVR_UI", "headless");
    environment.Set("QVR_ANSWERS", answers);
    environment.Set("QVR_DO", actions);
    environment.Set("QVR_SNAPSHOT", (root.Path() / "snapshot.txt").string());
    e2e::ProgramRun run = PlugIn(args);
    snapshot = e2e::ReadFile(root.Path() / "snapshot.txt");
    return run;
  }
  e2e::ProgramRun Lns(const std::vector<std::string>& args) { return e2e::Run("lns", args, root.Path()); }
  // The value as `lns reg get` prints it, without its line end; nothing when it is missing.
  std::optional<std::string> Get(const std::string& key, const std::string& value = "") {
    const e2e::ProgramRun run = Lns({"reg", "get", "HKLM", key, value});
    EXPECT_EQ(run.code, 0) << run.err;
    if (run.out.empty()) return std::nullopt;
    return run.out.substr(0, run.out.size() - 1);
  }
  // The COM class is registered by a second instance that nobody waits for: give it a moment.
  bool ClassRegistered(bool expected) {
    for (int attempt = 0; attempt < 200; ++attempt) {
      if (Get(kServerKey).has_value() == expected && Get(kProgIdKey).has_value() == expected) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
  }
  bool SnapshotHas(const std::string& line) const { return snapshot.find(line) != std::string::npos; }

  Environment environment;
  testsupport::TempMachineRoot root;
  std::string snapshot;
};

TEST_F(PlugInProgramTest, RegisterFromTheCommandLineThenDeregisterOnTheMachine) {
  e2e::ProgramRun run = Scripted({"  /REGPLUGIN", "/English  "});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "") << "command-line registration shows nothing";
  EXPECT_EQ(Get(kPlugInKey), "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
  EXPECT_EQ(Get(kPlugInKey, "Language"), "english");
  EXPECT_EQ(Get(kPlugInKey, "Version"), "1.5");
  EXPECT_EQ(Get(kPlugInKey, "Prelaunch"), "-1");
  ASSERT_TRUE(ClassRegistered(true));
  EXPECT_EQ(Get(kServerKey), std::string(QVR_BIN_DIR) + "/" + kProgram + " -Embedding");
  EXPECT_EQ(Get(kProgIdKey), "{1156D7E7-9556-489E-A294-95BE5232046E}");

  run = Scripted({"/deregplugin", "/deregmode:-1"}, "ok");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(
      SnapshotHas("box text=\"Plug-in Calyxtern_qvr_lon_PlugIn deregistered\" "
                  "title=\"Calyxtern_qvr_lon_PlugIn\" style=64 answer=ok\n"))
      << snapshot;
  EXPECT_EQ(Get(kPlugInKey), std::nullopt);
  EXPECT_TRUE(ClassRegistered(false));

  // Nothing left to deregister: the box says so, and the run did not do what it was asked.
  run = Scripted({"/deregplugin", "/deregmode:-1"}, "ok");
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(SnapshotHas("does not exisit in the Windows registery")) << snapshot;
}

TEST_F(PlugInProgramTest, ANewerVersionIsLeftAsItIsAndCountsAsDone) {
  ASSERT_EQ(Lns({"reg", "set", "HKLM", kPlugInKey, "", "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI"}).code, 0);
  ASSERT_EQ(Lns({"reg", "set", "HKLM", kPlugInKey, "Version", "1.6"}).code, 0);
  const e2e::ProgramRun run = Scripted({"/regplugin", "/german"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Get(kPlugInKey, "Version"), "1.6");
  EXPECT_EQ(Get(kPlugInKey, "Language"), std::nullopt);
  EXPECT_EQ(Get(kServerKey), std::nullopt) << "the newer version's class is not taken over";
}

TEST_F(PlugInProgramTest, RegserverAndUnregserverWriteAndRemoveTheClassKeys) {
  e2e::ProgramRun run = PlugIn({"/regserver"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Get(kServerKey), std::string(QVR_BIN_DIR) + "/" + kProgram + " -Embedding");
  EXPECT_EQ(Get(kPlugInKey), std::nullopt) << "the plug-in key is the plug-in registration's business";

  run = PlugIn({"/unregserver"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Get(kServerKey), std::nullopt);
  EXPECT_EQ(Get(kProgIdKey), std::nullopt);
}

TEST_F(PlugInProgramTest, TheDemoMachineIsRegisteredByTheProgramAndDeregisteredThroughItsNetworks) {
  ASSERT_EQ(Lns({"init", "--demo"}).code, 0);
  EXPECT_EQ(Get(kPlugInKey, "Language"), "english");
  EXPECT_EQ(Get(kPlugInKey, "Name"), kProgram);
  ASSERT_TRUE(ClassRegistered(true));

  const e2e::ProgramRun run = Scripted({"/deregplugin", "/deregmode:0"}, "ok");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(SnapshotHas("box text=\"Plug-in Calyxtern_qvr_lon_PlugIn deregistered\"")) << snapshot;
  EXPECT_EQ(Get(kPlugInKey), std::nullopt);
  EXPECT_TRUE(ClassRegistered(false));
}

// A network whose database cannot be opened keeps the plug-in's commands: the last box names it instead of
// reporting success, and the run fails; the plug-in is still removed from the machine.
TEST_F(PlugInProgramTest, ADeregistrationNamesTheNetworksItCouldNotOpen) {
  ASSERT_EQ(Lns({"init", "--demo"}).code, 0);
  for (const char* network : {"Broken", "Closed"})
    ASSERT_EQ(Lns({"network", "create", network, "--devices", "1"}).code, 0);
  for (const char* network : {"Broken", "Closed"}) {
    const std::filesystem::path database = root.Path() / "LonWorks" / "Databases" / network;
    std::filesystem::rename(database, database.string() + ".away");
  }

  const e2e::ProgramRun run = Scripted({"/deregplugin", "/deregmode:0"}, "ok");
  EXPECT_EQ(run.code, 1) << run.err;
  EXPECT_TRUE(
      SnapshotHas("box text=\"Plug-in Calyxtern_qvr_lon_PlugIn was removed from this machine, but its "
                  "commands are left in these networks, which could not be opened: Broken, Closed\" "
                  "title=\"Calyxtern_qvr_lon_PlugIn\" style=48 answer=ok\n"))
      << snapshot;
  EXPECT_FALSE(SnapshotHas("deregistered")) << snapshot;
  EXPECT_EQ(Get(kPlugInKey), std::nullopt);
}

// An Object Server whose store cannot be read reaches no network: the box tells so, and the run fails.
TEST_F(PlugInProgramTest, ADeregistrationTellsThatTheObjectServerCouldNotBeOpened) {
  ASSERT_EQ(Lns({"init", "--demo"}).code, 0);
  const std::filesystem::path store = root.Path() / "LonWorks" / "ObjectServer" / "ObjectServer.sqlite";
  ASSERT_TRUE(std::filesystem::exists(store));
  for (const char* suffix : {"-wal", "-shm"}) std::filesystem::remove(store.string() + suffix);
  std::ofstream(store, std::ios::trunc) << "not a database, and long enough to be read as one at all";

  const e2e::ProgramRun run = Scripted({"/deregplugin", "/deregmode:0"}, "ok");
  EXPECT_EQ(run.code, 1) << run.err;
  EXPECT_TRUE(
      SnapshotHas("box text=\"Plug-in Calyxtern_qvr_lon_PlugIn was removed from this machine, but its "
                  "commands may be left in the networks, since the Object Server could not be opened: "))
      << snapshot;
  EXPECT_FALSE(SnapshotHas("deregistered")) << snapshot;
  EXPECT_EQ(Get(kPlugInKey), std::nullopt);
}

TEST_F(PlugInProgramTest, TheDialogIsScriptedOnTheHeadlessBackEnd) {
  // Nobody acts: the dialog is left as it was shown, and nothing is registered.
  e2e::ProgramRun run = Scripted({"/regplugin", "/french"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(
      SnapshotHas("form fRegisterPlugIn loaded=1 visible=1 modal=0 caption=\"Calyxtern_qvr_lon_PlugIn\""))
      << snapshot;
  EXPECT_TRUE(
      SnapshotHas("Language ComboBox in=Frame1 tab=- text=\"Deutsch\" list=[\"Deutsch\",\"English\"]"))
      << snapshot;
  EXPECT_EQ(Get(kPlugInKey), std::nullopt);

  // Register in the language shown, German; the success box is answered.
  run = Scripted({}, "OK", "click bRegister");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Get(kPlugInKey, "Language"), "german");
  EXPECT_TRUE(SnapshotHas("form fRegisterPlugIn loaded=0\n")) << snapshot;
  EXPECT_TRUE(SnapshotHas("box text=\"Plug-in wurde registriert als Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI\""))
      << snapshot;
  EXPECT_TRUE(ClassRegistered(true)) << "the class is registered by the dialog's own start";

  // A box that the script does not answer ends the run with its text; so does an action nobody could do.
  run = Scripted({}, "", "click bRegister");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("Calyxtern_qvr_lon_PlugIn: Die neuere Version des Plug-in wurde registriert als"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(SnapshotHas("answer=-\n")) << snapshot;
  run = Scripted({}, "", "click bRegister\nclick bExit");
  EXPECT_EQ(run.code, 1);
  run = Scripted({}, "", "click bNowhere");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("cannot click bNowhere: fRegisterPlugIn has no control bNowhere"), std::string::npos)
      << run.err;
  run = Scripted({}, "maybe");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("QVR_ANSWERS"), std::string::npos) << run.err;
}

TEST_F(PlugInProgramTest, ARegistrationThatCannotBeWrittenFailsWithAReason) {
  std::filesystem::permissions(root.Path() / "registry.sqlite", std::filesystem::perms::owner_read);
  const e2e::ProgramRun run = Scripted({"/regplugin", "/english"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("\"/regplugin /english\" did not complete on the machine root"), std::string::npos)
      << run.err;
}

TEST_F(PlugInProgramTest, WithoutADisplayTheCommandLineRunsOffscreenButTheDialogIsNotOffered) {
  if (!QVR_LNS_WITH_QT) GTEST_SKIP() << "offscreen windows need a program built with Qt";
  e2e::ProgramRun run = PlugIn({"/regplugin", "/english"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Get(kPlugInKey, "Language"), "english");
  run = PlugIn({"/deregplugin", "/deregmode:-1"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.err.find("Calyxtern_qvr_lon_PlugIn: Plug-in Calyxtern_qvr_lon_PlugIn deregistered\n"),
            std::string::npos)
      << run.err;

  run = PlugIn({});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("the registration dialog needs a display"), std::string::npos) << run.err;

  // No bus runs on this machine root for the server to serve on.
  run = PlugIn({"-Embedding"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find(QVR_LNS_WITH_QT ? "cannot reach the bus" : "serves no plug-in objects"),
            std::string::npos)
      << run.err;
  run = PlugIn({"/regplugin", "-Embedding"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(Get(kPlugInKey), std::nullopt) << "started by COM, no registration command runs";
}

// A machine root whose path holds a line break could not open a device: the files of its LonWorks folder
// name folders one to a line. Both programs refuse it at their start with one line saying so, and make
// nothing.
TEST(UnusableRoot, APathWithALineBreakIsRefusedAtTheStart) {
  testsupport::TempMachineRoot parent;
  const std::filesystem::path root = parent.Path() / "two\nlines";
  for (const auto& [program, args] :
       {std::pair{std::string("lns"), std::vector<std::string>{"init", "--demo"}},
        std::pair{kProgram, std::vector<std::string>{"/regplugin", "/english"}}}) {
    const e2e::ProgramRun run = e2e::Run(program, args, root, std::chrono::seconds(60), parent.Path());
    EXPECT_EQ(run.code, 1) << program;
    EXPECT_NE(run.err.find("path holds a line break"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(root)) << program;
  }
}

// Roots that could be made but whose bus could never start are refused as well, with one line and
// nothing made: a control character or bytes that are not UTF-8 (the bus's configuration cannot name
// the root), and a path with no room for the bus's socket below it. One byte shorter, the bus starts.
TEST(UnusableRoot, RootsThatTheBusCannotServeAreRefusedAtTheStart) {
  testsupport::TempMachineRoot parent;
  const std::size_t base = parent.Path().string().size() + 1;
  ASSERT_LT(base, 80u);
  const std::filesystem::path longest = parent.Path() / std::string(88 - base, 'x');
  for (const auto& [root, told] : std::vector<std::pair<std::filesystem::path, std::string>>{
           {parent.Path() / "bell\a", "control character"},
           {parent.Path() / "escape\x1b[2J", "control character"},
           {parent.Path() / "one\x01", "control character"},
           {parent.Path() / "latin1-\xfc", "not UTF-8"},
           {longest.string() + "y", "89 bytes long, more than the 88"}}) {
    for (const std::string& program : {std::string("lns"), kProgram}) {
      const e2e::ProgramRun run =
          e2e::Run(program,
                   program == "lns" ? std::vector<std::string>{"init", "--demo"}
                                    : std::vector<std::string>{"/regplugin", "/english"},
                   root, std::chrono::seconds(60), parent.Path());
      EXPECT_EQ(run.code, 1) << program << " " << root;
      EXPECT_NE(run.err.find(told), std::string::npos) << run.err;
      EXPECT_EQ(run.err.find("\x1b["), std::string::npos) << "the escape reached the terminal";
      EXPECT_FALSE(std::filesystem::exists(root)) << program << " " << root;
    }
  }
  ASSERT_EQ(e2e::Run("lns", {"init"}, longest, std::chrono::seconds(60), parent.Path()).code, 0);
  const e2e::ProgramRun bus =
      e2e::Run("lns", {"bus", "start"}, longest, std::chrono::seconds(60), parent.Path());
  EXPECT_EQ(bus.code, 0) << bus.err;
  EXPECT_EQ(e2e::Run("lns", {"bus", "stop"}, longest, std::chrono::seconds(60), parent.Path()).code, 0);
}

// A short root that is a link to a long folder is measured by the folder, which the programs use: both
// refuse it with one line and make nothing there. The link passed, and SQLite failed on the folder's path
// after the root was half made.
TEST(UnusableRoot, AShortLinkToALongFolderIsMeasuredByTheFolder) {
  testsupport::TempMachineRoot parent;
  std::filesystem::path folder = parent.Path();
  while (folder.string().size() < 470) folder /= std::string(60, 'x');
  std::filesystem::create_directories(folder);
  const std::filesystem::path link = parent.Path() / "root";
  std::filesystem::create_directory_symlink(folder, link);
  for (const auto& [program, args] :
       {std::pair{std::string("lns"), std::vector<std::string>{"init", "--demo"}},
        std::pair{kProgram, std::vector<std::string>{"/regplugin", "/english"}}}) {
    const e2e::ProgramRun run = e2e::Run(program, args, link, std::chrono::seconds(60), parent.Path());
    EXPECT_EQ(run.code, 1) << program;
    EXPECT_NE(run.err.find(std::to_string(folder.string().size()) + " bytes long, more than the 88"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << program;
  }
}

}  // namespace
