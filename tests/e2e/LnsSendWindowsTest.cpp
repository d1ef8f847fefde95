// `lns send --screenshot` and `--show` from a shell that has no display.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <string>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace {

constexpr bool kLnsHasQt = QVR_LNS_WITH_QT;

// Unsets the variables that name a display or a desktop session for the programs started meanwhile, and
// sets them back after.
class NoDisplay {
 public:
  NoDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
      const char* value = std::getenv(name);
      saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
      unsetenv(name);
    }
  }
  ~NoDisplay() {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
    }
  }
  NoDisplay(const NoDisplay&) = delete;
  NoDisplay& operator=(const NoDisplay&) = delete;

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// A big-endian 32-bit number of a file's bytes.
std::uint32_t BigEndianAt(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

TEST(LnsSendWindowsFromAShell, ScreenshotDrawsOffscreenWithoutADisplayAndShowIsRefused) {
  testsupport::TempMachineRoot root;
  NoDisplay noDisplay;
  const auto lns = [&](std::vector<std::string> args) { return e2e::Run("lns", args, root.Path()); };
  auto run = lns({"init", "--demo"});
  ASSERT_EQ(run.code, 0) << run.err;

  const std::string device = "Demo/Floor 1/Room 101";
  const std::string picture = (root.Path() / "fMain.png").string();
  const std::string snapshot = (root.Path() / "fMain.txt").string();
  run = lns({"send", "Demo", "13", "7", device, "--screenshot", picture, "--snapshot", snapshot});
  auto show = lns({"send", "Demo", "13", "7", device, "--show"});
  if (!kLnsHasQt) {
    for (const e2e::ProgramRun& refused : {run, show}) {
      EXPECT_EQ(refused.code, 1);
      EXPECT_EQ(refused.err,
                "lns send: --show and --screenshot need windows, and this lns was built without Qt\n");
    }
    return;
  }
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");
  EXPECT_EQ(run.err, "") << "nothing of the window system's that a user could act on";
  const std::string png = e2e::ReadFile(picture);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  // The offscreen screen has 96 dots per inch: 15 twips per pixel.
  std::smatch size;
  const std::string form = e2e::ReadFile(snapshot);
  ASSERT_TRUE(std::regex_search(form, size, std::regex("^form fMain .* width=([0-9]+) height=([0-9]+) ")));
  EXPECT_EQ(size[1], "15000") << "the main window's whole design, on a screen of a desktop's size";
  EXPECT_EQ(BigEndianAt(png, 16), std::stoul(size[1]) / 15);
  EXPECT_EQ(BigEndianAt(png, 20), std::stoul(size[2]) / 15);

  // Nobody could see the window, nor close it.
  EXPECT_EQ(show.code, 1);
  EXPECT_NE(show.err.find("lns send: --show needs a display"), std::string::npos) << show.err;
  EXPECT_EQ(show.out, "") << "the command was not sent";

  // Nobody could answer a message box either: without the maker's type files in the resource catalogue,
  // opening the device asks, and the question ends the command instead of waiting for ever.
  std::ofstream(root.Path() / "LonWorks" / "Types" / "resource-catalog.txt", std::ios::trunc);
  run = lns({"send", "Demo", "13", "7", device, "--screenshot", picture});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(
      run.err.find("lns send: the plug-in showed a message box, and without a display nobody can answer it: "
                   "The device resource files required for this device are not present in this "
                   "enviroment. Browsing and data formating capabilities might be restricted to standard "
                   "types and standard functional profile templates therefore. Do you wish to continue?\n"),
      std::string::npos)
      << "the first box ends the command: " << run.err;

  // Qt's offscreen platform chosen by hand is no display either: the box and --show end the same way.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const auto limit = std::chrono::seconds(20);
  const e2e::ProgramRun chosen =
      e2e::Run("lns", {"send", "Demo", "13", "7", device, "--screenshot", picture}, root.Path(), limit);
  show = e2e::Run("lns", {"send", "Demo", "13", "7", device, "--show"}, root.Path(), limit);
  unsetenv("QT_QPA_PLATFORM");
  EXPECT_EQ(chosen.code, 1);
  EXPECT_NE(chosen.err.find("nobody can answer it: The device resource files required"), std::string::npos)
      << chosen.err;
  EXPECT_EQ(show.code, 1);
  EXPECT_NE(show.err.find("lns send: --show needs a display"), std::string::npos) << show.err;
}

// The user's actions run on the real windows too, before the window is shown as they left it.
TEST(LnsSendWindowsFromAShell, ActionsRunBeforeTheWindowIsShown) {
  if (!kLnsHasQt) GTEST_SKIP() << "lns was built without Qt";
  testsupport::TempMachineRoot root;
  NoDisplay noDisplay;
  const auto lns = [&](std::vector<std::string> args) { return e2e::Run("lns", args, root.Path()); };
  ASSERT_EQ(lns({"init", "--demo"}).code, 0);
  const std::string device = "Demo/Floor 1/Room 101";
  const std::string picture = (root.Path() / "fMain.png").string();
  const std::string snapshot = (root.Path() / "fMain.txt").string();
  auto run = lns({"send", "Demo", "13", "7", device, "--do", "type txtNci(4) 5", "--do", "wait 20",
                  "--screenshot", picture, "--snapshot", snapshot});
  ASSERT_EQ(run.code, 0) << run.err;
  std::smatch typed;
  const std::string form = e2e::ReadFile(snapshot);
  EXPECT_TRUE(
      std::regex_search(form, typed, std::regex("\ntxtNci\\(4\\) TextBox .* text=\"0.05\" .* fore=255 ")))
      << form;

  run = lns({"send", "Demo", "13", "7", device, "--answer", "yes", "--screenshot", picture});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("they do not go with --show or --screenshot"), std::string::npos) << run.err;
}

// The demo script on a machine without a display: the user's own machine root stays as it was, and the
// windows of Room 101 and of a QVR-L1 device are left as pictures and snapshots.
TEST(DemoScriptFromAShell, KeepsTheUsersRootAndSavesPicturesWithoutADisplay) {
  if (!kLnsHasQt) GTEST_SKIP() << "the demo needs an lns built with Qt";
  testsupport::TempMachineRoot userRoot;
  std::ofstream(userRoot.Path() / "mine.txt") << "the user's";
  NoDisplay noDisplay;
  setenv("QVR_BUILD_DIR", QVR_BUILD_DIR, 1);
  const std::filesystem::path pictures = std::filesystem::path(QVR_BUILD_DIR) / "demo";
  std::filesystem::remove_all(pictures);

  auto run = e2e::RunFile(QVR_SCRIPTS_DIR "/demo-show.sh", {}, userRoot.Path());
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(e2e::ReadFile(userRoot.Path() / "mine.txt"), "the user's");
  // Each line tells a newcomer something: the machine root, the network, where each picture lies.
  const std::filesystem::path demoRoot = std::filesystem::path(QVR_BUILD_DIR) / "demo-machine";
  std::string expected =
      "machine root ready: " + demoRoot.string() +
      "\nnetwork Demo created\nno display: the plug-in's main window is saved as a picture "
      "(PNG) and a snapshot (text) per device\n";
  for (const char* name : {"room-101", "room-201"}) {
    const std::filesystem::path picture = pictures / (std::string(name) + ".png");
    const std::filesystem::path snapshot = pictures / (std::string(name) + ".txt");
    const std::string device = name == std::string("room-101") ? "Floor 1/Room 101" : "Floor 2/Room 201";
    expected += "Demo/" + device + ": picture " + picture.string() + ", snapshot " + snapshot.string() + "\n";
    EXPECT_EQ(e2e::ReadFile(picture).substr(0, 4), "\x89PNG");
    EXPECT_NE(e2e::ReadFile(snapshot).find("form fMain "), std::string::npos) << snapshot;
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_NE(e2e::ReadFile(pictures / "room-201.txt").find("QVR-L1"), std::string::npos);
}

// Only the commands that show windows load the window system: a headless command starts without it.
TEST(LnsSendWindowsFromAShell, AHeadlessCommandLoadsNoQtLibrary) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(e2e::Run("lns", {"init", "--demo"}, root.Path()).code, 0);
  setenv("LD_DEBUG", "libs", 1);
  const e2e::ProgramRun run = e2e::Run("lns", {"nv", "get", "Demo", "Floor 1/Room 101", "20"}, root.Path());
  unsetenv("LD_DEBUG");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.err.find("find library=libc.so"), std::string::npos);  // the loader did report
  EXPECT_EQ(run.err.find("libQt"), std::string::npos);
}

}  // namespace
