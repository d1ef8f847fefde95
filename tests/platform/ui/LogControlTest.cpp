#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "UiTestSupport.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/LogControl.h"
#include "platform/ui/UiError.h"
#include "platform/ui/headless/HeadlessServices.h"

namespace ui_test {
namespace {

class LogForm : public RecordingForm {
 public:
  LogForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fLog", events) {}
  ui::LogControl EchLog{*this, "EchLog"};
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST(LogControl, KeepsErrorLinesApartAndSavesThroughTheSaveDialog) {
  testsupport::TempMachineRoot root;
  ui::HeadlessServices services;
  ui::HeadlessFormBackend backend;
  ui::Application app(services.Loop(), backend, &services);
  std::vector<std::string> events;
  LogForm form(app, events);
  form.Load();
  ui::LogControl& log = form.EchLog;

  log.LogLine("");
  log.LogLine("SCPTmaxSendTime 60,0 -> 60,0");
  log.ErrorLine("SCPTfieldCalib not possible to synchronize !");
  EXPECT_EQ(log.ErrorLines(), (std::vector<std::string>{"SCPTfieldCalib not possible to synchronize !"}));
  EXPECT_EQ(log.Lines().size(), 3u);

  services.TestDialogs().QueueFileCancel();
  log.SaveLog();
  ASSERT_EQ(services.TestDialogs().FileDialogs().size(), 1u) << "without a log file, saving asks for one";
  const ui::FileDialogRequest& asked = services.TestDialogs().FileDialogs()[0].request;
  EXPECT_EQ(asked.kind, ui::FileDialogKind::Save);
  EXPECT_NE(asked.flags & ui::cdlOFNOverwritePrompt, 0);
  EXPECT_EQ(log.LogFile(), "") << "a cancelled dialog saves nothing";

  const std::filesystem::path file = root.Path() / "plugin.log";
  services.TestDialogs().QueueFile(file.string());
  log.SaveLogAs();
  EXPECT_EQ(ReadFile(file),
            "\nSCPTmaxSendTime 60,0 -> 60,0\nERROR: SCPTfieldCalib not possible to synchronize !\n");
  EXPECT_EQ(log.LogFile(), file.string());

  log.ClearLog();
  log.LogLine("after clearing");
  log.SaveLog();
  EXPECT_EQ(ReadFile(file), "after clearing\n") << "SaveLog writes the chosen file again without asking";
  EXPECT_EQ(services.TestDialogs().FileDialogs().size(), 2u);

  const std::filesystem::path folder = root.Path() / "a-folder";
  std::filesystem::create_directory(folder);
  log.SetLogFile(folder.string());
  EXPECT_EQ(ErrorNumberOf([&] { log.SaveLog(); }), 75);
  EXPECT_TRUE(std::filesystem::is_directory(folder)) << "a failed save destroys nothing";
  EXPECT_FALSE(std::filesystem::exists(root.Path() / "a-folder.tmp")) << "and leaves no temporary file";

  // A file of the user's beside the log is no temporary file of the save; a read-only log is refused.
  std::ofstream(root.Path() / "plugin.log.tmp") << "mine";
  log.SetLogFile(file.string());
  log.SaveLog();
  EXPECT_EQ(ReadFile(root.Path() / "plugin.log.tmp"), "mine");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  log.LogLine("more");
  EXPECT_EQ(ErrorNumberOf([&] { log.SaveLog(); }), 75);
  EXPECT_EQ(ReadFile(file), "after clearing\n");
}

TEST(LogControl, SaveLogAsNeedsTheServices) {
  HeadlessUi ui;
  std::vector<std::string> events;
  LogForm form(ui.app, events);
  form.Load();
  form.EchLog.LogLine("x");
  EXPECT_EQ(ErrorNumberOf([&] { form.EchLog.SaveLogAs(); }), platform::kErrInvalidCall);
}

}  // namespace
}  // namespace ui_test
