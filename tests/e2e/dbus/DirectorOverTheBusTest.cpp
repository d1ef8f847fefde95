#include "BusMachineRoot.h"

namespace {

using DirectorOverTheBus = e2e::BusMachineRootTest;

// `lns send --com` starts the registered plug-in program through the bus and tells what `lns send` tells
// in this process; each director's release ends the program again, its window being hidden.
TEST_F(DirectorOverTheBus, StartsThePlugInProgramAndAnswersAsInProcess) {
  // A director starts the bus as well when it does not run.
  ASSERT_EQ(Lns({"bus", "stop"}).code, 0);
  const std::string device = "Demo/Floor 1/Room 101";
  const std::vector<std::vector<std::string>> commands = {
      {"Demo", "13", "7", device},    {"Demo", "10000", "7", device},
      {"Demo", "51", "7", device},    {"Demo", "14", "7", device},
      {"Demo", "13", "8", device},    {"Demo", "13", "7", "Demo/Floor 1/Nobody"},
      {"Nowhere", "13", "7", device},
  };
  for (const auto& command : commands) {
    std::vector<std::string> args{"send"};
    args.insert(args.end(), command.begin(), command.end());
    const e2e::ProgramRun inProcess = Lns(args);
    args.push_back("--com");
    const e2e::ProgramRun overTheBus = Lns(args);
    const std::string what = command[1] + " " + command[2] + " " + command[3];
    EXPECT_EQ(overTheBus.code, inProcess.code) << what << ": " << overTheBus.err;
    EXPECT_EQ(overTheBus.out, inProcess.out) << what;
    EXPECT_EQ(overTheBus.err, inProcess.err) << what;
    EXPECT_TRUE(ServerEnds()) << what << ": the last release left the program running";
  }
  // The comparison means something: the device opens, and the errors carry number, text and source.
  const e2e::ProgramRun opened = Lns({"send", "Demo", "13", "7", device, "--com"});
  EXPECT_EQ(opened.code, 0);
  EXPECT_EQ(opened.out, "device: Room 101\n");
  const e2e::ProgramRun refused = Lns({"send", "Demo", "13", "8", device, "--com"});
  EXPECT_EQ(refused.err,
            "error 20004: Object type not supported for this command (Calyxtern_qvr_lon_PlugIn)\n");

  // Command 50 asks its user on the way: a program whose windows nobody sees refuses it before anything is
  // registered. It told of success in one box and failed on it.
  const e2e::ProgramRun apps = Lns({"apps", "Demo"});
  const e2e::ProgramRun unseen = Lns({"send", "Demo", "50", "7", device, "--com"});
  EXPECT_EQ(unseen.code, 1);
  EXPECT_EQ(unseen.err,
            "error 20000: the plug-in is not registered in the network: nobody sees this plug-in program's "
            "windows (no display), and the registration asks its user (Calyxtern_qvr_lon_PlugIn)\n");
  EXPECT_EQ(Lns({"apps", "Demo"}).out, apps.out);

  const e2e::ProgramRun scripted = Lns({"send", "Demo", "13", "7", device, "--com", "--snapshot", "x"});
  EXPECT_EQ(scripted.code, 2);
  EXPECT_NE(scripted.err.find("--snapshot works only with the plug-in in this process"), std::string::npos);
}

// The bus of the machine root answers at its socket; a class that is no longer registered is not started,
// and one registered anew is.
TEST_F(DirectorOverTheBus, RefusesAClassThatIsNoLongerRegisteredAndFindsOneRegisteredAgain) {
  const e2e::ProgramRun address = Lns({"bus", "address"});
  EXPECT_EQ(address.out, "unix:path=" + (Root() / "bus" / "socket").string() + "\n");
  EXPECT_EQ(std::filesystem::status(Root() / "bus").permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);

  ASSERT_EQ(PlugIn({"/unregserver"}).code, 0);
  const e2e::ProgramRun run = Lns({"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(
      run.err,
      "lns send: the class Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI is not registered on this machine root "
      "(register it with Calyxtern_qvr_lon_PlugIn /regserver)\n");
  EXPECT_TRUE(Servers().empty());
  // Registered again while the bus runs, the class is found at once.
  ASSERT_EQ(PlugIn({"/regserver"}).code, 0);
  EXPECT_EQ(Lns({"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"}).out, "device: Room 101\n");
  EXPECT_TRUE(ServerEnds());

  ASSERT_EQ(Lns({"bus", "stop"}).code, 0);
  EXPECT_EQ(Lns({"bus", "address"}).code, 1);
}

}  // namespace
