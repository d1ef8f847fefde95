#include <gtest/gtest.h>

#include "../UiTestSupport.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ScopedPath.h"
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

// Why nothing opened a document, or nothing when something did.
std::string OpenFailureOf(ui::Shell& shell, const std::string& target) {
  try {
    shell.Open(target, ui::vbNormalFocus);
  } catch (const ui::OpenFailure& failure) {
    return failure.what();
  }
  return {};
}

// xdg-open's answer decides: a document nothing opens raises OpenFailure with its path and the reason; one
// whose program xdg-open runs in its stead is taken as open after a short wait.
TEST(ServicesShell, PosixShellTellsWhyNothingOpenedADocument) {
  testsupport::TempMachineRoot root;
  const std::filesystem::path readme = root.Path() / "readme_eng.txt";
  std::ofstream(readme) << "readme";
  ui::PosixShell shell;

  EXPECT_EQ(OpenFailureOf(shell, (root.Path() / "missing.pdf").string()),
            "Cannot open \"" + (root.Path() / "missing.pdf").string() + "\": the file does not exist.");
  {
    testsupport::ScopedPath noTool(root.Path().string());
    EXPECT_EQ(OpenFailureOf(shell, readme.string()),
              "Cannot open \"" + readme.string() +
                  "\": xdg-open, which opens documents on this desktop, is not installed.");
  }
  testsupport::ScopedPath withStub(testsupport::ScopedPath::WithFirst(root.Path()));
  const std::filesystem::path stub = root.Path() / "xdg-open";
  testsupport::WriteScript(stub, "exit 3");
  EXPECT_EQ(
      OpenFailureOf(shell, "mailto:info@example.org"),
      "Cannot open \"mailto:info@example.org\": no program on this computer opens this kind of document.");

  testsupport::WriteScript(stub, "echo \"$1\" > \"$0.done\"");
  EXPECT_EQ(OpenFailureOf(shell, readme.string()), "");
  std::string handed;
  std::getline(std::ifstream(root.Path() / "xdg-open.done"), handed);
  EXPECT_EQ(handed, readme.string()) << "xdg-open was waited for and got the path as it is";

  testsupport::WriteScript(stub, "exec sleep 5");
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(OpenFailureOf(shell, readme.string()), "");
  EXPECT_LT(std::chrono::steady_clock::now() - before,
            ui::PosixShell::kOpenAnswerWait + std::chrono::seconds(1));
}

}  // namespace
}  // namespace ui_test
