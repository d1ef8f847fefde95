// Apply's failure handling on an online device: five automatic retries, each logged with
// "  repeating...", then the Abort/Retry/Ignore box; a value the device did not take stays in its box,
// marked, is not logged as written and is not stored.

#include <algorithm>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kQuestion = "Transmit parameters to the current Device ?";
constexpr const char* kRepeating = "  repeating...";

class ApplyRetryTest : public ApplyTest {
 protected:
  void SetUp() override {
    ApplyTest::SetUp();
    Open("Floor 1", "Room 101");
  }

  void RefuseWrites(long count) { device().PutFault(lns::DeviceFault{.refuseWrites = count}); }

  // The description of the error that refused the writes, as the first error line gives it.
  std::string Refusal() {
    const Lines errors = ErrorLines();
    if (errors.empty()) return "(no error line)";
    const std::string& first = errors.front();
    return first.ends_with(kRepeating) ? first.substr(0, first.size() - std::string(kRepeating).size())
                                       : first;
  }

  // n error lines of `description` followed by "  repeating...".
  static Lines Repeats(const std::string& description, int n) {
    return Lines(static_cast<std::size_t>(n), description + kRepeating);
  }

  // The Abort/Retry/Ignore box shown last.
  const ui::MessageBoxRequest& LastBox() { return boxes().Shown().back().request; }
};

TEST_F(ApplyRetryTest, ARefusedPropertyIsRetriedFiveTimesThenRetryOnTheBoxWritesIt) {
  Edit(Nci(3), "90");
  RefuseWrites(6);
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  boxes().QueueAnswer(ui::vbRetry, "Error updating");

  ClickApply();

  const std::string refusal = Refusal();
  EXPECT_NE(refusal.find("refused"), std::string::npos) << refusal;
  Lines expectedErrors = Repeats(refusal, 5);
  expectedErrors.push_back(refusal);
  EXPECT_EQ(ErrorLines(), expectedErrors);
  ASSERT_EQ(boxes().Shown().size(), 2u);
  EXPECT_EQ(LastBox().prompt, "Error updating \r\n" + refusal + " in cmdApply(fMain)");
  EXPECT_EQ(LastBox().title, "fMain cmdApply_Click");
  EXPECT_EQ(LastBox().style, 66);
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_EQ(LogTexts().back(), "Floor 1 : Room 101: SCPTmaxSendTime = 90.0");
  EXPECT_FALSE(Red(Nci(3)));
  EXPECT_TRUE(Monitored(14));
}

TEST_F(ApplyRetryTest, AbortEndsTheRunWithTheRestRedAndMonitoringOff) {
  Edit(Nci(3), "90");
  Edit(Nci(5), "80");
  RefuseWrites(6);
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  boxes().QueueAnswer(ui::vbAbort, "Error updating");
  const std::size_t logBefore = LogSize();

  ClickApply();

  EXPECT_EQ(Property(3).GetValue(), "120.0");
  EXPECT_EQ(Property(5).GetValue(), "120.0");
  EXPECT_TRUE(Red(Nci(3)));
  EXPECT_TRUE(Red(Nci(5)));
  EXPECT_EQ(NciRow(3).NciValue, "120.0");
  EXPECT_FALSE(Monitored(14));
  EXPECT_TRUE(window().cmdApply.Enabled());
  EXPECT_TRUE(window().cmdCancel.Enabled());
  EXPECT_FALSE(program().mainwindow.SyncRunning);
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);
  // Nothing after the header but the failures.
  const Lines log = LogTexts(logBefore);
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(log[1], "writing Parameters...");

  // The next click is a new run with a new count of five.
  RefuseWrites(5);
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  ClickApply();
  EXPECT_EQ(boxes().Shown().size(), 3u);
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_EQ(Property(5).GetValue(), "80.0");
}

TEST_F(ApplyRetryTest, IgnoreGoesOnWithTheRowAndANewCountOfFive) {
  Edit(Nci(3), "90");
  Edit(Nci(5), "80");
  RefuseWrites(6 + 5);  // row 3 to the box; after Ignore, row 5 five more times without one
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  boxes().QueueAnswer(ui::vbIgnore, "Error updating");
  const std::size_t logBefore = LogSize();

  ClickApply();

  ASSERT_EQ(boxes().Shown().size(), 2u);
  const std::string refusal = Refusal();
  Lines expectedErrors = Repeats(refusal, 5);
  expectedErrors.push_back(refusal);
  const Lines secondRow = Repeats(refusal, 5);
  expectedErrors.insert(expectedErrors.end(), secondRow.begin(), secondRow.end());
  EXPECT_EQ(ErrorLines(), expectedErrors);
  // The ignored write: the device keeps its value, the box the user's, marked, and nothing is logged as
  // written for it.
  EXPECT_EQ(Property(3).GetValue(), "120.0");
  EXPECT_EQ(NciRow(3).NciValue, "120.0");
  EXPECT_EQ(Nci(3).Text(), "90");
  EXPECT_TRUE(Red(Nci(3)));
  EXPECT_EQ(Property(5).GetValue(), "80.0");
  const Lines log = LogTexts(logBefore);
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) {
                            return line.starts_with("Floor 1 : Room 101: SCPTmaxSendTime");
                          }),
            1);
  EXPECT_EQ(log.back(), "Floor 1 : Room 101: SCPTmaxSendTime = 80.0");
  EXPECT_TRUE(window().cmdApply.Enabled());
  EXPECT_TRUE(window().cmdCancel.Enabled());

  // A later Apply writes the value left marked.
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  ClickApply();
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_FALSE(Red(Nci(3)));
}

TEST_F(ApplyRetryTest, TheCountOfFiveIsSharedByTheWholeRun) {
  Edit(Nci(3), "90");
  Edit(Nci(5), "80");
  RefuseWrites(3);
  // When row 3 is through, row 5 meets three refusals as well: two automatic retries are left.
  Nci(3).OnChange = [this, change = Nci(3).OnChange] {
    RefuseWrites(3);
    if (change) change();
  };
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  boxes().QueueAnswer(ui::vbRetry, "Error updating");

  ClickApply();

  const std::string refusal = Refusal();
  Lines expectedErrors = Repeats(refusal, 5);
  expectedErrors.push_back(refusal);
  EXPECT_EQ(ErrorLines(), expectedErrors);
  EXPECT_EQ(boxes().Shown().size(), 2u);
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_EQ(Property(5).GetValue(), "80.0");
}

TEST_F(ApplyRetryTest, ARefusedInputKeepsTheUsersValueWhichTheRetriesWrite) {
  const std::size_t logBefore = LogSize();
  Edit(Nvi(6), "750");
  ASSERT_EQ(NviRow(6).NviValue, "0");
  RefuseWrites(1);

  ClickApply();

  const std::string refusal = Refusal();
  EXPECT_EQ(ErrorLines(), Repeats(refusal, 1));
  EXPECT_EQ(NvValue(device(), 14), "750");
  EXPECT_EQ(Nvi(6).Text(), "750");
  EXPECT_EQ(NviRow(6).NviValue, "750");
  EXPECT_FALSE(Red(Nvi(6)));
  EXPECT_EQ(LogTexts(logBefore).back(), "Floor 1 : Room 101:  nviLcLuxLevel_1 = 750");
  EXPECT_TRUE(boxes().Shown().empty());

  // Ignored, the refused input stays in its box, marked and not stored, and is not logged as written;
  // the next input is written all the same, and monitoring comes back on.
  Edit(Nvi(6), "600");
  Edit(Nvi(9), "400");
  RefuseWrites(6);
  boxes().QueueAnswer(ui::vbIgnore, "Error updating");
  const std::size_t ignoredFrom = LogSize();

  ClickApply();

  EXPECT_EQ(NvValue(device(), 14), "750");
  EXPECT_EQ(Nvi(6).Text(), "600");
  EXPECT_TRUE(Red(Nvi(6)));
  EXPECT_EQ(NviRow(6).NviValue, "750");
  EXPECT_EQ(NvValue(device(), 20), "400");
  EXPECT_FALSE(Red(Nvi(9)));
  for (const std::string& line : LogTexts(ignoredFrom))
    EXPECT_EQ(line.find("nviLcLuxLevel_1 ="), std::string::npos) << line;
  EXPECT_TRUE(Monitored(14));
  EXPECT_TRUE(window().cmdApply.Enabled());
  EXPECT_TRUE(window().cmdCancel.Enabled());

  // Aborted, the run ends before the next input, with the user's values in their boxes and monitoring off.
  Edit(Nvi(9), "300");
  RefuseWrites(6);
  boxes().QueueAnswer(ui::vbAbort, "Error updating");

  ClickApply();

  EXPECT_EQ(Nvi(6).Text(), "600");
  EXPECT_TRUE(Red(Nvi(6)));
  EXPECT_EQ(NvValue(device(), 14), "750");
  EXPECT_FALSE(Monitored(14));
  EXPECT_EQ(NvValue(device(), 20), "400");
  EXPECT_TRUE(Red(Nvi(9)));
  EXPECT_EQ(NviRow(9).NviValue, "400");
}

TEST_F(ApplyRetryTest, AFailingPropertyAfterTheInputsLeavesTheInputsAndMonitoringAlone) {
  Edit(Nvi(6), "750");
  Edit(Nci(3), "90");
  // The property is no longer found at its address: every attempt to write it fails.
  NciRow(3).NciKey = "F:3/C:0:250";
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  boxes().QueueAnswer(ui::vbAbort, "Error updating");

  ClickApply();

  EXPECT_EQ(ErrorLines().size(), 6u);
  // The input was written; its box keeps that value, and the failure does not switch monitoring on.
  EXPECT_EQ(NvValue(device(), 14), "750");
  EXPECT_EQ(Nvi(6).Text(), "750");
  EXPECT_FALSE(Red(Nvi(6)));
  EXPECT_FALSE(Monitored(14));
  EXPECT_TRUE(Red(Nci(3)));
}

TEST_F(ApplyRetryTest, ClosingTheTransferStatusEndsTheRunAtTheNextRow) {
  Edit(Nci(3), "90");
  Edit(Nci(5), "80");
  Nci(3).OnChange = [this, change = Nci(3).OnChange] {
    program().mainwindow.TransferCancelled = true;
    if (change) change();
  };
  boxes().QueueAnswer(ui::vbYes, kQuestion);

  ClickApply();

  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_EQ(Property(5).GetValue(), "120.0");
  EXPECT_TRUE(Red(Nci(5)));
  EXPECT_TRUE(Monitored(14)) << "the ticked box's monitoring runs again after a cancel";
  EXPECT_TRUE(window().cmdApply.Enabled());
  EXPECT_TRUE(window().cmdCancel.Enabled());
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);

  // The cancel ended that run only: the next one writes the row left red.
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  ClickApply();
  EXPECT_EQ(Property(5).GetValue(), "80.0");
  EXPECT_FALSE(Red(Nci(5)));
}

}  // namespace
}  // namespace mainwindow_test
