#include <gtest/gtest.h>

#include "../UiTestSupport.h"

#include <fstream>
#include <string>

#include "TempMachineRoot.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/headless/HeadlessServices.h"

namespace ui_test {
namespace {

TEST(ServicesDialogs, CancelRaises32755OnlyWhenCancelErrorIsSet) {
  ui::HeadlessServices services;
  auto& script = services.TestDialogs();
  ui::CommonDialog dialog(services.Dialogs());
  dialog.DialogTitle = "Parameter(nci) speichern";
  dialog.CancelError = true;
  dialog.Filter = "Parameter (*.par)|*.par";
  dialog.InitDir = "/tmp/PlugIns/Calyxtern/qvr_lon";
  dialog.Flags = ui::cdlOFNOverwritePrompt;
  dialog.FileName = "earlier.par";

  script.QueueFileCancel();
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowSave(); }), ui::cdlCancel);
  ASSERT_EQ(script.FileDialogs().size(), 1u);
  const auto& shown = script.FileDialogs()[0];
  EXPECT_EQ(shown.request.kind, ui::FileDialogKind::Save);
  EXPECT_EQ(shown.request.title, "Parameter(nci) speichern");
  EXPECT_EQ(shown.request.filter, "Parameter (*.par)|*.par");
  EXPECT_EQ(shown.request.initDir, "/tmp/PlugIns/Calyxtern/qvr_lon");
  EXPECT_EQ(shown.request.flags, ui::cdlOFNOverwritePrompt);
  EXPECT_EQ(shown.request.fileName, "earlier.par");
  EXPECT_FALSE(shown.chosen.has_value());
  EXPECT_EQ(dialog.FileName, "") << "a cancelled choice must not leave an earlier name to act on";

  script.QueuePrinter(false);
  dialog.DialogTitle = "Print";
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowPrinter(); }), ui::cdlCancel);
  ASSERT_EQ(script.PrinterDialogs().size(), 1u);
  EXPECT_EQ(script.PrinterDialogs()[0].title, "Print");

  dialog.CancelError = false;
  script.QueueFileCancel();
  script.QueuePrinter(false);
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowOpen(); }), 0);
  EXPECT_EQ(dialog.FileName, "");
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowPrinter(); }), 0);

  script.QueuePrinter(true);
  dialog.CancelError = true;
  EXPECT_EQ(ErrorNumberOf([&] { dialog.ShowPrinter(); }), 0);
  EXPECT_TRUE(script.PrinterDialogs().back().confirmed);
}

TEST(ServicesDialogs, ChosenFilesFollowTheScriptAndAnOpenDialogWantsAnExistingFile) {
  testsupport::TempMachineRoot root;
  const std::string existing = (root.Path() / "saved.par").string();
  std::ofstream(existing) << "x";
  const std::string missing = (root.Path() / "missing.par").string();

  ui::HeadlessServices services;
  auto& script = services.TestDialogs();
  ui::CommonDialog dialog(services.Dialogs());
  dialog.CancelError = true;

  script.QueueFile(missing);
  dialog.Flags = ui::cdlOFNOverwritePrompt;
  dialog.ShowSave();
  EXPECT_EQ(dialog.FileName, missing) << "a save dialog may name a new file";

  script.QueueFile(existing);
  dialog.Flags = ui::cdlOFNFileMustExist;
  dialog.ShowOpen();
  EXPECT_EQ(dialog.FileName, existing);
  EXPECT_EQ(script.FileDialogs().back().chosen, existing);

  script.QueueFile(missing);
  EXPECT_THROW(dialog.ShowOpen(), ui::UnscriptedDialog)
      << "the real open dialog cannot return a missing file";

  EXPECT_THROW(dialog.ShowOpen(), ui::UnscriptedDialog) << "nothing queued";
  script.QueuePrinter(true);
  EXPECT_THROW(dialog.ShowOpen(), ui::UnscriptedDialog) << "a printer answer does not answer a file dialog";
}

TEST(ServicesDialogs, FilterTextsSplitIntoDescriptionsAndPatterns) {
  const auto filters = ui::ParseFileFilter("Parameter (*.par)|*.par|Texts|*.txt;*.log||*.x|Dangling");
  ASSERT_EQ(filters.size(), 3u);
  EXPECT_EQ(filters[0].description, "Parameter (*.par)");
  EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.par"}));
  EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.txt", "*.log"}));
  EXPECT_EQ(filters[2].description, "");
  EXPECT_EQ(filters[2].patterns, (std::vector<std::string>{"*.x"}));
  EXPECT_TRUE(ui::ParseFileFilter("").empty());
  EXPECT_TRUE(ui::ParseFileFilter("Nothing|").empty());
}

}  // namespace
}  // namespace ui_test
