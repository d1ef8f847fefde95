// Programs killed (SIGKILL) in the middle of their work: a transfer to several devices, a parameter-file
// save over an earlier file, a registration and a network creation. Afterwards every database opens, holds
// what was committed before, and the earlier parameter file is unchanged.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "LnsSendFixture.h"
#include "identity/PlugInIdentity.h"
#include "platform/Spawn.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string kHoldTime = "F:3/C:0:91";  // SCPTholdTime, row 2 of the form
const std::string kCommittedKey = "SOFTWARE\\Committed";
const std::string kPlugInKey = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";

// Starts the built program `name` with `args` on the machine root `root`, its output discarded, and kills it
// after `delay`. True when the kill ended it, false when it had ended by itself before.
bool KilledAfter(const std::filesystem::path& root, const std::string& name,
                 const std::vector<std::string>& args, milliseconds delay) {
  const std::string program = std::string(QVR_BIN_DIR) + "/" + name;
  platform::SpawnRequest request;
  request.argv = {program};
  request.argv.insert(request.argv.end(), args.begin(), args.end());
  request.out = request.err = platform::StreamTarget::DevNull();
  pid_t pid = 0;
  request.environment = e2e::RootEnvironment(root);
  try {
    pid = platform::Spawn(request);
  } catch (const std::system_error&) {
    return false;
  }
  std::this_thread::sleep_for(delay);
  kill(pid, SIGKILL);
  const int status = platform::WaitForChild(pid);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
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

  // How long an uninterrupted run of `name args` takes; it must succeed.
  milliseconds Timed(const std::string& name, const std::vector<std::string>& args) {
    const auto start = Clock::now();
    const e2e::ProgramRun run = e2e::Run(name, args, root.Path());
    EXPECT_EQ(run.code, 0) << run.err;
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
  }

  // Kills the run `name argsOf(at)` at moments `at` = 1..`kills` spread over `duration`, calling `check(at)`
  // after each kill that landed (`before` runs before each start); at least one must land.
  using Arguments = std::function<std::vector<std::string>(int at)>;
  void KillAcross(
      const std::string& name, const Arguments& argsOf, milliseconds duration, int kills,
      const std::function<void(int at)>& check, const std::function<void()>& before = [] {}) {
    int landed = 0;
    for (int at = 1; at <= kills; ++at) {
      before();
      const milliseconds delay = duration * at / (kills + 1);
      if (!KilledAfter(root.Path(), name, argsOf(at), delay)) continue;
      ++landed;
      SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " ms");
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
  const milliseconds duration = Timed("lns", transfer(500));
  ASSERT_EQ(holdTimes(), std::vector<std::string>(3, "500.0\n"));

  // Each run writes a value of its own: a device holds what it held before the run or the run's value.
  std::vector<std::string> before;
  KillAcross(
      "lns", [&](int at) { return transfer(500 - 20 * at); }, duration, 6,
      [&](int at) {
        ExpectCommittedKept();
        EXPECT_EQ(Lns({"devices", "Wide"}).out, wideDevices);
        const std::string killed = std::to_string(500 - 20 * at) + ".0\n";
        const std::vector<std::string> after = holdTimes();
        for (std::size_t i = 0; i < after.size(); ++i)
          EXPECT_TRUE(after[i] == before[i] || after[i] == killed) << before[i] << " became " << after[i];
      },
      [&] { before = holdTimes(); });
  EXPECT_GT(Timed("lns", transfer(300)).count(), 0);
  EXPECT_EQ(holdTimes(), std::vector<std::string>(3, "300.0\n"));
}

// Saving the same device's values again over its file, killed at any moment, leaves the file as it was.
TEST_F(Interruption, AParameterFileSaveOverAnEarlierFile) {
  const std::filesystem::path file = root.Path() / "files" / "room101.par";
  std::filesystem::create_directories(file.parent_path());
  const std::vector<std::string> save = {
      "send", "Demo", "13", "7", device, "--do", "click mnuParameter_speichern", "--file", file.string()};
  const milliseconds duration = Timed("lns", save);
  const std::string earlier = e2e::ReadFile(file);
  ASSERT_FALSE(earlier.empty());

  KillAcross("lns", Always(save), duration, 12, [&](int) {
    ExpectCommittedKept();
    EXPECT_EQ(e2e::ReadFile(file), earlier);
  });
}

// The plug-in's registration on the machine and in the networks, killed half-way, then run again.
TEST_F(Interruption, ARegistration) {
  const HeadlessUi headless;
  const std::vector<std::string> registration = {"/regplugin", "/english"};
  const std::string program = "Calyxtern_qvr_lon_PlugIn";
  const milliseconds duration = Timed(program, registration);
  ASSERT_EQ(Lns({"reg", "get", "HKLM", kPlugInKey, "Language"}).out, "english\n");
  ASSERT_EQ(e2e::Run(program, {"/deregplugin", "/deregmode:-1"}, root.Path()).code, 0);

  KillAcross(program, Always(registration), duration, 6, [&](int) {
    ExpectCommittedKept();
    const e2e::ProgramRun language = Lns({"reg", "get", "HKLM", kPlugInKey, "Language"});
    EXPECT_EQ(language.code, 0) << language.err;
    EXPECT_TRUE(language.out.empty() || language.out == "english\n") << language.out;
    const e2e::ProgramRun apps = Lns({"apps", "Demo"});
    EXPECT_EQ(apps.code, 0) << apps.err;
  });
  EXPECT_GT(Timed(program, registration).count(), 0);
  EXPECT_EQ(Lns({"reg", "get", "HKLM", kPlugInKey, "Language"}).out, "english\n");
}

// A large network's creation killed half-way: it is listed whole or not at all, the other network is as it
// was, and the network can be made afterwards; the folders the kills left are gone then.
TEST_F(Interruption, ANetworkCreation) {
  const std::vector<std::string> create = {"network", "create", "Big", "--devices", "50000"};
  const milliseconds duration = Timed("lns", create);
  ASSERT_EQ(Lns({"networks"}).out, "Demo\nBig\n");
  ASSERT_EQ(Lns({"network", "delete", "Big"}).code, 0);

  const auto bigDevices = [&] {
    const std::string devices = Lns({"devices", "Big"}).out;
    return std::count(devices.begin(), devices.end(), '\n');
  };
  KillAcross(
      "lns", Always(create), duration, 3,
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
