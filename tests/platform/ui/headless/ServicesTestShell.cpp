#include <gtest/gtest.h>

#include "../UiTestSupport.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempMachineRoot.h"
#include "platform/ui/headless/HeadlessServices.h"
#include "platform/ui/headless/PosixShell.h"

namespace ui_test {
namespace {

bool AppearsWithin(const std::filesystem::path& path, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (std::filesystem::exists(path)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return std::filesystem::exists(path);
}

// The headless shell records instead of acting; set failing, it raises what a failed start raises.
TEST(ServicesShell, TheHeadlessShellRecordsInsteadOfActing) {
  ui::HeadlessServices services;
  ui::Shell& shell = services.Shell();
  shell.Open("/opt/qvr/Dokumentation/qvrl207.pdf", ui::vbMaximizedFocus);
  shell.StartProgram({"/opt/qvr/Calyxtern_qvr_lon_PlugIn", "/regserver"});
  auto& log = services.TestShell();
  ASSERT_EQ(log.Opened().size(), 1u);
  EXPECT_EQ(log.Opened()[0].target, "/opt/qvr/Dokumentation/qvrl207.pdf");
  EXPECT_EQ(log.Opened()[0].showCommand, ui::vbMaximizedFocus);
  EXPECT_EQ(log.Started(),
            (std::vector<std::vector<std::string>>{{"/opt/qvr/Calyxtern_qvr_lon_PlugIn", "/regserver"}}));

  log.SetFailing(true);
  EXPECT_EQ(ErrorNumberOf([&] { shell.StartProgram({"/opt/qvr/Calyxtern_qvr_lon_PlugIn"}); }), 53);
  EXPECT_EQ(ErrorNumberOf([&] { shell.Open("readme_eng.txt", ui::vbNormalFocus); }), 53);
  EXPECT_EQ(log.Started().size(), 1u) << "a failed start is not recorded as done";
  EXPECT_EQ(ErrorNumberOf([&] { shell.StartProgram({}); }), 5);
}

TEST(ServicesShell, PosixShellStartsProgramsDirectlyWithoutWaiting) {
  testsupport::TempMachineRoot root;
  ui::PosixShell shell;

  // The argument reaches the program as it is: no command interpreter splits it at ";" or expands "$".
  const std::filesystem::path odd = root.Path() / "a;b $HOME";
  shell.StartProgram({"touch", odd.string()});
  EXPECT_TRUE(AppearsWithin(odd, std::chrono::seconds(5)));
  EXPECT_FALSE(std::filesystem::exists(root.Path() / "a"));

  const auto before = std::chrono::steady_clock::now();
  shell.StartProgram({"sleep", "2"});
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1)) << "the start must not wait";

  EXPECT_EQ(ErrorNumberOf([&] { shell.StartProgram({(root.Path() / "no-such-program").string()}); }), 53);
  EXPECT_EQ(ErrorNumberOf([&] { shell.StartProgram({}); }), 5);
}

}  // namespace
}  // namespace ui_test
