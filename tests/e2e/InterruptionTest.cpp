// Programs killed (SIGKILL) in the middle of their work: a transfer to several devices, a parameter-file
// save over an earlier file, a registration and a network creation. Afterwards every database opens, holds
// what was committed before, and the earlier parameter file is unchanged.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "LnsSendFixture.h"
#include "identity/PlugInIdentity.h"
#include "platform/Spawn.h"

namespace {

const std::string kHoldTime = "F:3/C:0:91";  // SCPTholdTime, row 2 of the form
const std::string kCommittedKey = "SOFTWARE\\Committed";
const std::string kPlugInKey = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";

// The bytes that the child `pid` has read and written so far (its progress), as /proc tells them. A program
// started afresh reads and writes about as much for the same work, however fast the machine is.
std::uint64_t BytesMoved(pid_t pid) {
  std::ifstream io("/proc/" + std::to_string(pid) + "/io");
  std::uint64_t moved = 0;
  for (std::string name; io >> name;) {
    std::uint64_t value = 0;
    io >> value;
    if (name == "rchar:" || name == "wchar:") moved += value;
  }
  return moved;
}

// True once the child `pid` has ended; it is left to be waited for, so that its /proc entry stays.
bool Ended(pid_t pid) {
  siginfo_t info{};
  return waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid;
}

// A run of a built program that may be killed half-way.
struct KillableRun {
  int status = -1;          // as waitpid gives it; -1 when the program could not be started
  std::uint64_t moved = 0;  // the bytes it had read and written when it ended
  std::string err;          // what it printed to its error output
  bool Killed() const { return status != -1 && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL; }
};

// Runs the built program `name` with `args` on the machine root `root`, and kills it once it has read and
// written `killAt` bytes (none: it runs to its end, or for two minutes at most).
KillableRun RunKilledAt(const std::filesystem::path& root, const std::string& name,
                        const std::vector<std::string>& args, std::optional<std::uint64_t> killAt) {
  const std::filesystem::path errFile = root / "stderr.txt";
  platform::SpawnRequest request;
  request.argv = {std::string(QVR_BIN_DIR) + "/" + name};
  request.argv.insert(request.argv.end(), args.begin(), args.end());
  request.out = platform::StreamTarget::DevNull();
  request.err = platform::StreamTarget::ToFile(errFile);
  request.environment = e2e::RootEnvironment(root);
  KillableRun run;
  pid_t pid = 0;
  try {
    pid = platform::Spawn(request);
  } catch (const std::system_error&) {
    run.err = "cannot start " + name;
    return run;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
  for (;;) {
    const bool ended = Ended(pid);
    run.moved = BytesMoved(pid);
    if (ended) break;
    if ((killAt && run.moved >= *killAt) || std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // the pace of looking, not a wait for it
  }
  run.status = platform::WaitForChild(pid);
  run.err = e2e::ReadFile(errFile);
  return run;
}

// The plug-in program runs on the headless back end, every message box answered "ok", while this lives.
class HeadlessUi {
 public:
  HeadlessUi() {
    for (const auto& [name, value] : {std::pair{"QVR_UI", "headless"}, std::pair{"QVR_ANSWERS", "ok"}}) {
      const char* old = std::getenv(name);
      previous_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
      setenv(name, value, 1);
    }
  }
  ~HeadlessUi() {
    for (const auto& [name, value] : previous_) {
      if (value) {
        setenv(name, value->c_str(), 1);
      } else {
        unsetenv(name);
      }
    }
  }
  HeadlessUi(const HeadlessUi&) = delete;
  HeadlessUi& operator=(const HeadlessUi&) = delete;

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> previous_;
};

class Interruption : public e2e::LnsSendScript {
 protected:
  Interruption() {
    EXPECT_EQ(Lns({"reg", "set", "HKLM", kCommittedKey, "Kept", "yes"}).code, 0);
    demoDevices_ = Lns({"devices", "Demo"}).out;
    EXPECT_FALSE(demoDevices_.empty());
  }

  // The bytes an uninterrupted run of `name args` reads and writes; it must succeed.
  std::uint64_t Moved(const std::string& name, const std::vector<std::string>& args) {
    const KillableRun run = RunKilledAt(root.Path(), name, args, std::nullopt);
    EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) << run.err;
    return run.moved;
  }

  // Kills the run `name argsOf(at)` at points `at` = 1..`kills` spread over the `moved` bytes that a whole
  // run reads and writes, calling `check(at)` after each kill that landed (`before` runs before each start);
  // at least one must land.
  using Arguments = std::function<std::vector<std::string>(int at)>;
  void KillAcross(
      const std::string& name, const Arguments& argsOf, std::uint64_t moved, int kills,
      const std::function<void(int at)>& check, const std::function<void()>& before = [] {}) {
    int landed = 0;
    for (int at = 1; at <= kills; ++at) {
      before();
      const std::uint64_t killAt =
          moved * static_cast<std::uint64_t>(at) / static_cast<std::uint64_t>(kills + 1);
      const KillableRun run = RunKilledAt(root.Path(), name, argsOf(at), killAt);
      if (!run.Killed()) continue;
      ++landed;
      SCOPED_TRACE("killed after " + std::to_string(run.moved) + " of " + std::to_string(moved) +
                   " bytes moved");
      check(at);
      if (HasFatalFailure()) return;
    }
    EXPECT_GT(landed, 0) << "every run ended before it could be killed";
  }
  // The same run each time.
  static Arguments Always(const std::vector<std::string>& args) {
    return [args](int) { return args; };
  }

  // The machine's databases open and hold what was committed before the kill.
  void ExpectCommittedKept() {
    const e2e::ProgramRun networks = Lns({"networks"});
    EXPECT_EQ(networks.code, 0) << networks.err;
    EXPECT_NE(networks.out.find("Demo\n"), std::string::npos) << networks.out;
    const e2e::ProgramRun devices = Lns({"devices", "Demo"});
    EXPECT_EQ(devices.code, 0) << devices.err;
    EXPECT_EQ(devices.out, demoDevices_);
    const e2e::ProgramRun kept = Lns({"reg", "get", "HKLM", kCommittedKey, "Kept"});
    EXPECT_EQ(kept.code, 0) << kept.err;
    EXPECT_EQ(kept.out, "yes\n");
  }

 private:
  std::string demoDevices_;
};

// On a network of 2,000 devices on an FT-10 channel, nine times (hold time first) go to the 500 devices of
// one model, device after device. Killed half-way, every device holds the values of the run before or of
// the killed one, and a transfer then runs to its end.
TEST_F(Interruption, ATransferToSeveralDevices) {
  ASSERT_EQ(Lns({"network", "create", "Wide", "--devices", "2000", "--channel", "ft10"}).code, 0);
  const std::string wideDevices = Lns({"devices", "Wide"}).out;
  const auto transfer = [&](int seconds) {
    std::vector<std::string> args = {
        "send", "Wide", "13", "7", "Wide/Area 1/Device 2", "--do", "click cmdGerAuswahl"};
    for (int area = 1; area <= 20; ++area)
      args.insert(args.end(), {"--do", "check fGeräteauswahl.TreeView1 Area " + std::to_string(area)});
    args.insert(args.end(), {"--do", "click fGeräteauswahl.cmdFertig"});
    for (const int row : {2, 3, 5, 8, 9, 12, 14, 23, 25})
      args.insert(args.end(), {"--do", "set txtNci(" + std::to_string(row) + ") " + std::to_string(seconds)});
    args.insert(args.end(), {"--do", "click cmdApply", "--answer", "yes"});
    return args;
  };
  // Devices 2, 6, ... share the model; the first, one in the middle and the last of them.
  const auto holdTimes = [&] {
    std::vector<std::string> values;
    for (const char* device : {"Area 1/Device 2", "Area 10/Device 998", "Area 20/Device 1998"})
      values.push_back(Lns({"cp", "get", "Wide", device, kHoldTime}).out);
    return values;
  };
  const std::uint64_t moved = Moved("lns", transfer(500));
  ASSERT_EQ(holdTimes(), std::vector<std::string>(3, "500.0\n"));

  // Each run writes a value of its own: a device holds what it held before the run or the run's value.
  std::vector<std::string> before;
  KillAcross(
      "lns", [&](int at) { return transfer(500 - 20 * at); }, moved, 6,
      [&](int at) {
        ExpectCommittedKept();
        EXPECT_EQ(Lns({"devices", "Wide"}).out, wideDevices);
        const std::string killed = std::to_string(500 - 20 * at) + ".0\n";
        const std::vector<std::string> after = holdTimes();
        for (std::size_t i = 0; i < after.size(); ++i)
          EXPECT_TRUE(after[i] == before[i] || after[i] == killed) << before[i] << " became " << after[i];
      },
      [&] { before = holdTimes(); });
  EXPECT_GT(Moved("lns", transfer(300)), 0u);
  EXPECT_EQ(holdTimes(), std::vector<std::string>(3, "300.0\n"));
}

// Saving the same device's values again over its file, killed at any moment, leaves the file as it was.
TEST_F(Interruption, AParameterFileSaveOverAnEarlierFile) {
  const std::filesystem::path file = root.Path() / "files" / "room101.par";
  std::filesystem::create_directories(file.parent_path());
  const std::vector<std::string> save = {
      "send", "Demo", "13", "7", device, "--do", "click mnuParameter_speichern", "--file", file.string()};
  const std::uint64_t moved = Moved("lns", save);
  const std::string earlier = e2e::ReadFile(file);
  ASSERT_FALSE(earlier.empty());

  KillAcross("lns", Always(save), moved, 12, [&](int) {
    ExpectCommittedKept();
    EXPECT_EQ(e2e::ReadFile(file), earlier);
  });
}

// The plug-in's registration on the machine and in the networks, killed half-way, then run again.
TEST_F(Interruption, ARegistration) {
  const HeadlessUi headless;
  const std::vector<std::string> registration = {"/regplugin", "/english"};
  const std::string program = "Calyxtern_qvr_lon_PlugIn";
  const std::uint64_t moved = Moved(program, registration);
  ASSERT_EQ(Lns({"reg", "get", "HKLM", kPlugInKey, "Language"}).out, "english\n");
  ASSERT_EQ(e2e::Run(program, {"/deregplugin", "/deregmode:-1"}, root.Path()).code, 0);

  KillAcross(program, Always(registration), moved, 6, [&](int) {
    ExpectCommittedKept();
    const e2e::ProgramRun language = Lns({"reg", "get", "HKLM", kPlugInKey, "Language"});
    EXPECT_EQ(language.code, 0) << language.err;
    EXPECT_TRUE(language.out.empty() || language.out == "english\n") << language.out;
    const e2e::ProgramRun apps = Lns({"apps", "Demo"});
    EXPECT_EQ(apps.code, 0) << apps.err;
  });
  EXPECT_GT(Moved(program, registration), 0u);
  EXPECT_EQ(Lns({"reg", "get", "HKLM", kPlugInKey, "Language"}).out, "english\n");
}

// A large network's creation killed half-way: it is listed whole or not at all, the other network is as it
// was, and the network can be made afterwards; the folders the kills left are gone then.
TEST_F(Interruption, ANetworkCreation) {
  const std::vector<std::string> create = {"network", "create", "Big", "--devices", "50000"};
  const std::uint64_t moved = Moved("lns", create);
  ASSERT_EQ(Lns({"networks"}).out, "Demo\nBig\n");
  ASSERT_EQ(Lns({"network", "delete", "Big"}).code, 0);

  const auto bigDevices = [&] {
    const std::string devices = Lns({"devices", "Big"}).out;
    return std::count(devices.begin(), devices.end(), '\n');
  };
  KillAcross(
      "lns", Always(create), moved, 3,
      [&](int) {
        ExpectCommittedKept();
        const std::string networks = Lns({"networks"}).out;
        if (networks != "Demo\n") {
          EXPECT_EQ(networks, "Demo\nBig\n");
          EXPECT_EQ(bigDevices(), 50000) << "a network listed half-made";
        }
      },
      [&] {
        Lns({"network", "delete", "Big"});
      });
  Lns({"network", "delete", "Big"});
  const e2e::ProgramRun created = Lns({"network", "create", "Big", "--devices", "5"});
  EXPECT_EQ(created.code, 0) << created.err;
  EXPECT_EQ(bigDevices(), 5);
  std::vector<std::string> folders;
  for (const auto& entry : std::filesystem::directory_iterator(root.Path() / "LonWorks" / "Databases"))
    folders.push_back(entry.path().filename().string());
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::string>{"Big", "Demo"}));
}

}  // namespace
