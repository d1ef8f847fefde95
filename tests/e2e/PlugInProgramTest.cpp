// The plug-in program started by a user or an installer on a machine without a display: the command
// line registers and deregisters, a second instance registers the COM class, and the messages go to the
// error output.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace {

const std::string kProgram = "Calyxtern_qvr_lon_PlugIn";
const std::string kPlugInKey = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";
const std::string kProgIdKey = "SOFTWARE\\Classes\\Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI\\CLSID";
const std::string kServerKey =
    "SOFTWARE\\Classes\\CLSID\\{1156D7E7-9556-489E-A294-95BE5232046E}\\LocalServer32";

// Takes the display away from the programs this test starts, and gives it back afterwards.
class NoDisplay {
 public:
  NoDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      if (const char* value = std::getenv(name)) saved_[name] = value;
      unsetenv(name);
    }
  }
  ~NoDisplay() {
    for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
  }

 private:
  std::map<std::string, std::string> saved_;
};

class PlugInProgramTest : public ::testing::Test {
 protected:
  PlugInProgramTest() { EXPECT_EQ(Lns({"init"}).code, 0); }

  e2e::ProgramRun PlugIn(const std::vector<std::string>& args) {
    return e2e::Run(kProgram, args, root.Path());
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

  NoDisplay noDisplay;
  testsupport::TempMachineRoot root;
};

TEST_F(PlugInProgramTest, RegisterFromTheCommandLineThenDeregisterOnTheMachine) {
  e2e::ProgramRun run = PlugIn({"/regplugin", "/english"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "") << "command-line registration shows nothing";
  EXPECT_EQ(Get(kPlugInKey), "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
  EXPECT_EQ(Get(kPlugInKey, "Language"), "english");
  EXPECT_EQ(Get(kPlugInKey, "Version"), "1.5");
  EXPECT_EQ(Get(kPlugInKey, "Prelaunch"), "-1");
  ASSERT_TRUE(ClassRegistered(true));
  EXPECT_EQ(Get(kServerKey), std::string(QVR_BIN_DIR) + "/" + kProgram + " -Embedding");
  EXPECT_EQ(Get(kProgIdKey), "{1156D7E7-9556-489E-A294-95BE5232046E}");

  run = PlugIn({"/DEREGPLUGIN", "/deregmode:-1"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "Calyxtern_qvr_lon_PlugIn: Plug-in Calyxtern_qvr_lon_PlugIn deregistered\n");
  EXPECT_EQ(Get(kPlugInKey, "Language"), std::nullopt);
  EXPECT_TRUE(ClassRegistered(false));

  run = PlugIn({"/deregplugin", "/deregmode:-1"});
  EXPECT_EQ(run.err,
            "Calyxtern_qvr_lon_PlugIn: Plug-in Calyxtern_qvr_lon_PlugIn does not exisit in the Windows "
            "registery\n");
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

TEST_F(PlugInProgramTest, DeregisteringThroughTheNetworksOfADemoMachine) {
  ASSERT_EQ(Lns({"init", "--demo"}).code, 0);
  ASSERT_EQ(PlugIn({"/regplugin", "/german"}).code, 0);
  ASSERT_TRUE(ClassRegistered(true));

  const e2e::ProgramRun run = PlugIn({"/deregplugin"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.err.find("Calyxtern_qvr_lon_PlugIn: Plug-in Calyxtern_qvr_lon_PlugIn deregistriert\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(Get(kPlugInKey), std::nullopt);
  EXPECT_TRUE(ClassRegistered(false));
}

TEST_F(PlugInProgramTest, ARegistrationThatCannotBeWrittenFailsWithAReason) {
  std::filesystem::permissions(root.Path() / "registry.sqlite", std::filesystem::perms::owner_read);
  const e2e::ProgramRun run = PlugIn({"/regplugin", "/english"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("the plug-in could not be registered on the machine root"), std::string::npos)
      << run.err;
}

TEST_F(PlugInProgramTest, WithoutACommandOrADisplayOrAsComServerItSaysWhyAndFails) {
  e2e::ProgramRun run = PlugIn({});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("the registration dialog needs a display"), std::string::npos) << run.err;
  run = PlugIn({"/regplugin", "/french"});
  EXPECT_EQ(run.code, 2);

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

}  // namespace
