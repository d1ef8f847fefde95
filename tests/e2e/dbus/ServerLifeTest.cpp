#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>

#include "BusDirectors.h"
#include "BusMachineRoot.h"
#include "ScopedPath.h"
#include "platform/ProcessRuns.h"
#include "platform/Spawn.h"
#ifdef QVR_TESTS_WITH_XCB
#include "VirtualDisplay.h"
#endif

namespace {

using ServerLife = e2e::BusMachineRootTest;
using e2e::BusDirector;

const std::vector<std::string> kOpenRoom = {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"};

// A window drawn offscreen is nobody's to close: the release of the last object ends its program even
// while the window is shown, and the directors after it are served every time.
TEST_F(ServerLife, AnOffscreenProgramEndsAtTheLastReleaseAndLaterDirectorsAreServed) {
  {
    BusDirector director(Address(), QStringLiteral("shows"));
    const QString object = director.Create();
    ASSERT_FALSE(object.isEmpty());
    EXPECT_EQ(director.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(director
                  .Call(object, e2e::kObjectInterface, QStringLiteral("SendCommand"),
                        {13, QVariant::fromValue(short{7}), QStringLiteral("Demo/Floor 1/Room 101")})
                  .type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(director.Set(object, QStringLiteral("Visible"), true).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(ServerEnds()) << "the offscreen program outlived its last object";
  }
  // Back to back, each director may meet the program of the one before while it ends.
  for (int run = 0; run < 40; ++run) {
    const e2e::ProgramRun opened = Lns(kOpenRoom);
    ASSERT_EQ(opened.code, 0) << "director " << run << ": " << opened.err;
    ASSERT_EQ(opened.out, "device: Room 101\n") << "director " << run;
  }
}

// The root's bus starts for a root given by a relative path whose name holds characters that the bus
// address and its configuration must escape, and again after its daemon was killed.
TEST_F(ServerLife, TheBusStartsForAnyRootPathAndAfterItsDaemonWasKilled) {
  const std::string name = "a b'\"?&<\t\xc3\xbc";
  std::filesystem::create_directories(Root() / name);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(Root());
  const auto lns = [&](const std::vector<std::string>& args) { return e2e::Run("lns", args, name); };
  ASSERT_EQ(lns({"init", "--demo"}).code, 0);
  ASSERT_EQ(e2e::Run("Calyxtern_qvr_lon_PlugIn", {"/regplugin", "/english"}, name).code, 0);
  EXPECT_EQ(lns(kOpenRoom).out, "device: Room 101\n");
  const e2e::ProgramRun address = lns({"bus", "address"});
  EXPECT_EQ(address.out, "unix:path=" + Root().string() + "/a%20b%27%22%3f%26%3c%09%c3%bc/bus/socket\n");

  const pid_t daemon = std::stoi(e2e::ReadFile(Root() / name / "bus" / "bus.pid"));
  ASSERT_EQ(kill(daemon, SIGKILL), 0);
  // The signal is delivered when the kernel gets to it: the daemon counts as killed once it has ended.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (platform::ProcessRuns(daemon) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_FALSE(platform::ProcessRuns(daemon));
  EXPECT_EQ(lns({"bus", "address"}).code, 1) << "a killed daemon still counts as running";
  const e2e::ProgramRun again = lns(kOpenRoom);
  EXPECT_EQ(again.out, "device: Room 101\n") << again.err;
  EXPECT_EQ(lns({"bus", "stop"}).code, 0);
  std::filesystem::current_path(before);
}

// The dbus-daemons running this root's bus configuration.
int DaemonsOf(const std::filesystem::path& root) {
  const std::string config = "--config-file=" + (root / "bus" / "bus.conf").string() + '\0';
  int daemons = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") == std::string::npos && platform::ProcessRuns(std::stoi(name)) &&
        e2e::ReadFile(entry.path() / "cmdline").find(config) != std::string::npos)
      ++daemons;
  }
  return daemons;
}

// A pid file naming another live program (left by a daemon that died, its pid reused, or written over):
// start and stop know the root's own daemon by its command line, say what they found, and leave the
// program alone. Stop exited 0 with the bus still running, and start ran a second bus.
TEST_F(ServerLife, StartAndStopKnowTheirDaemonWhateverThePidFileNames) {
  const std::filesystem::path pidFile = Root() / "bus" / "bus.pid";
  const pid_t daemon = std::stoi(e2e::ReadFile(pidFile));
  platform::SpawnRequest sleeper;
  sleeper.argv = {"sleep", "60"};
  const pid_t stranger = platform::Spawn(sleeper);
  const std::string told = "names process " + std::to_string(stranger) + " (sleep), which is not";

  std::ofstream(pidFile) << stranger << '\n';
  const e2e::ProgramRun started = Lns({"bus", "start"});
  EXPECT_EQ(started.out, Address() + "\n");
  EXPECT_NE(started.err.find(told), std::string::npos) << started.err;
  EXPECT_EQ(DaemonsOf(Root()), 1);

  std::ofstream(pidFile) << stranger << '\n';
  const e2e::ProgramRun stopped = Lns({"bus", "stop"});
  EXPECT_EQ(stopped.code, 0);
  EXPECT_NE(stopped.err.find(told), std::string::npos) << stopped.err;
  EXPECT_FALSE(platform::ProcessRuns(daemon));
  EXPECT_TRUE(platform::ProcessRuns(stranger));
  kill(stranger, SIGKILL);
  platform::WaitForChild(stranger);
}

// The root spelled through a symbolic link has the same bus: start answers with the running bus, whose
// socket stays, and stop ends it. Start took the daemon for a stranger, removed its socket and ran a second.
TEST_F(ServerLife, ARootReachedThroughALinkFindsItsRunningBus) {
  const std::filesystem::path link = Root() / "link";
  std::filesystem::create_directory_symlink(Root(), link);
  const pid_t daemon = std::stoi(e2e::ReadFile(Root() / "bus" / "bus.pid"));
  const e2e::ProgramRun started = e2e::Run("lns", {"bus", "start"}, link);
  EXPECT_EQ(started.code, 0) << started.err;
  EXPECT_EQ(started.out, Address() + "\n");
  EXPECT_EQ(started.err, "");
  EXPECT_EQ(DaemonsOf(Root()) + DaemonsOf(link), 1);
  EXPECT_EQ(Lns(kOpenRoom).out, "device: Room 101\n") << "the first spelling lost its bus";
  EXPECT_EQ(e2e::Run("lns", {"bus", "stop"}, link).code, 0);
  EXPECT_FALSE(platform::ProcessRuns(daemon));
}

// A spelling of the root that goes away while its bus runs strands no daemon. Started through a link that is
// then removed, the bus is stopped by the root's own path, and the next start runs one bus; stop took the
// daemon for a stranger, removed its socket and left it running. A root that is renamed: stop cannot tell
// the daemon as the root's, and leaves its socket to it, failing; start runs no second bus beside it.
TEST_F(ServerLife, ASpellingOfTheRootThatIsGoneStrandsNoDaemon) {
  ASSERT_EQ(Lns({"bus", "stop"}).code, 0);
  const std::filesystem::path link = Root().string() + "-link";
  std::filesystem::create_directory_symlink(Root(), link);
  ASSERT_EQ(e2e::Run("lns", {"bus", "start"}, link).code, 0);
  std::filesystem::remove(link);
  const pid_t daemon = std::stoi(e2e::ReadFile(Root() / "bus" / "bus.pid"));
  const e2e::ProgramRun stopped = Lns({"bus", "stop"});
  EXPECT_EQ(stopped.code, 0) << stopped.err;
  EXPECT_FALSE(platform::ProcessRuns(daemon)) << "the daemon runs on, unreachable";
  if (platform::ProcessRuns(daemon)) kill(daemon, SIGTERM);
  ASSERT_EQ(Lns({"bus", "start"}).code, 0);
  EXPECT_EQ(DaemonsOf(Root()), 1);

  const std::filesystem::path named = Root() / "named", renamed = Root() / "renamed";
  std::filesystem::create_directory(named);
  ASSERT_EQ(e2e::Run("lns", {"bus", "start"}, named).code, 0);
  std::filesystem::rename(named, renamed);
  const pid_t moved = std::stoi(e2e::ReadFile(renamed / "bus" / "bus.pid"));
  const e2e::ProgramRun refused = e2e::Run("lns", {"bus", "stop"}, renamed);
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("answers on its socket " + (renamed / "bus" / "socket").string() +
                             "; it is left alone"),
            std::string::npos)
      << refused.err;
  EXPECT_TRUE(std::filesystem::exists(renamed / "bus" / "socket"));
  EXPECT_EQ(e2e::Run("lns", {"bus", "start"}, renamed).code, 1);
  EXPECT_TRUE(platform::ProcessRuns(moved));
  kill(moved, SIGTERM);
}

// A plug-in program that the bus started opens the readme from its Help menu: the document's viewer (a
// stub that records its environment, started by a stub xdg-open) gets none of the bus's variables, and
// `lns bus stop` leaves it running. With DBUS_STARTER_ADDRESS it counted as a program of the bus.
TEST_F(ServerLife, ADocumentViewerOfABusStartedProgramOutlivesTheBus) {
  const std::filesystem::path desktop = Root() / "desktop";
  std::filesystem::create_directory(desktop);
  testsupport::WriteScript(desktop / "xdg-open", "env > \"$0.env\"; sleep 60 & echo $! > \"$0.pid\"");
  const testsupport::ScopedPath path(testsupport::ScopedPath::WithFirst(desktop));
  // The variables the bus hands a program it starts (lns send plays the plug-in program here).
  setenv("DBUS_STARTER_ADDRESS", (Address() + ",guid=0123456789abcdef0123456789abcdef").c_str(), 1);
  setenv("DBUS_STARTER_BUS_TYPE", "session", 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", Address().c_str(), 1);
  const e2e::ProgramRun help =
      Lns({"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do", "click mnuReadme"});
  for (const char* name : {"DBUS_STARTER_ADDRESS", "DBUS_STARTER_BUS_TYPE", "DBUS_SESSION_BUS_ADDRESS"})
    unsetenv(name);
  ASSERT_EQ(help.code, 0) << help.err;
  const pid_t viewer = std::stoi(e2e::ReadFile(desktop / "xdg-open.pid"));

  EXPECT_EQ(e2e::ReadFile(desktop / "xdg-open.env").find("DBUS_"), std::string::npos);
  EXPECT_EQ(Lns({"bus", "stop"}).code, 0);
  EXPECT_TRUE(platform::ProcessRuns(viewer));
  kill(viewer, SIGKILL);
}

#ifdef QVR_TESTS_WITH_XCB
// The plug-in program on a display that a person sees (a virtual one here).
class ServerOnADisplay : public ServerLife {
 protected:
  void SetUp() override {
    if (display_.Name().empty()) GTEST_SKIP() << "Xvfb cannot start here";
    ServerLife::SetUp();
    setenv("DISPLAY", display_.Name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
  void TearDown() override {
    if (display_.Name().empty()) return;
    ServerLife::TearDown();
    unsetenv("DISPLAY");
  }

  static constexpr const char* kMainWindowTitle = "Calyxtern Orvalis GmbH";
  testsupport::VirtualDisplay display_;
};

// The factory's introspection names the objects that directors hold.
bool HoldsAnObject(const std::string& address) {
  BusDirector observer(address, QStringLiteral("observer"));
  const QDBusMessage reply = observer.Call(
      e2e::kFactory, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
  return reply.arguments().value(0).toString().contains(QStringLiteral("<node name="));
}

// As scripts/demo.sh shows the window: its director holds the object while the window shows, as a director
// holds the plug-in while the user works in it (so the window keeps its monitoring); later directors are
// served by the same program meanwhile, and the person's close box ends the director and the program.
TEST_F(ServerOnADisplay, ClosingTheWindowOpenedOverTheBusEndsItsDirectorAndProgram) {
  std::vector<std::string> show = kOpenRoom;
  show.push_back("--show");
  auto shown = std::async(std::launch::async, [&] { return Lns(show); });
  ASSERT_TRUE(display_.Shows(kMainWindowTitle));
  const std::vector<pid_t> servers = Servers();
  ASSERT_EQ(servers.size(), 1u) << "the shown window did not keep its program";
  ASSERT_EQ(shown.wait_for(std::chrono::seconds(1)), std::future_status::timeout)
      << "the director left while its window shows";
  EXPECT_TRUE(HoldsAnObject(Address())) << "the window shows without its director";
  for (int run = 0; run < 3; ++run) {
    const e2e::ProgramRun opened = Lns(kOpenRoom, std::chrono::seconds(30));
    EXPECT_EQ(opened.out, "device: Room 101\n") << "director " << run << ": " << opened.err;
  }
  EXPECT_EQ(Servers(), servers);
  // A window busy with another director's release ignores the close box, as a person's click would be;
  // the person clicks again.
  bool ended = false;
  for (int click = 0; click < 5 && !ended && display_.Close(kMainWindowTitle); ++click)
    ended = ServerEnds(std::chrono::seconds(2));
  EXPECT_TRUE(ended) << "the closed window left its program running";
  const e2e::ProgramRun director = shown.get();
  EXPECT_EQ(director.code, 0) << director.err;
  EXPECT_EQ(director.out, "device: Room 101\n");
}

// `lns bus stop` ends a program that keeps a window a person sees, the bus with it, and the director that
// waits for the window.
TEST_F(ServerOnADisplay, StoppingTheBusEndsTheProgramsItStarted) {
  std::vector<std::string> show = kOpenRoom;
  show.push_back("--show");
  auto shown = std::async(std::launch::async, [&] { return Lns(show, std::chrono::seconds(30)); });
  ASSERT_TRUE(display_.Shows(kMainWindowTitle));
  ASSERT_EQ(Servers().size(), 1u);
  EXPECT_EQ(Lns({"bus", "stop"}).code, 0);
  EXPECT_TRUE(Servers().empty());
  EXPECT_EQ(Lns({"bus", "address"}).code, 1);
  EXPECT_EQ(shown.get().code, 0);
}
#endif

}  // namespace
