// Apply of the configuration properties to the current device: the question, each red property written
// and read back into its box and its stored value, monitoring off meanwhile, and what is left red.

#include <initializer_list>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

using Lines = std::vector<std::string>;
using Controls = std::initializer_list<const ui::Control*>;

constexpr const char* kQuestion = "Transmit parameters to the current Device ?";
constexpr const char* kFlagsSet = "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";

TEST_F(ApplyTest, AnswerYesWritesEachRedPropertyAndShowsTheValueReadBack) {
  Open("Floor 1", "Room 101");
  Edit(Nvi(6), "750");
  Edit(Nci(3), "90");  // SCPTmaxSendTime of the occupancy controller: read back as 90.0
  Edit(Nci(6), kFlagsSet);
  window().cmb_nci[6].SetForeColor(ui::vbRed);
  Edit(Nci(36), "0 1 0 0");
  window().cmb_nci[36].SetForeColor(ui::vbRed);
  window().cmb_nci[37].SetForeColor(ui::vbRed);
  // Whether the device's variables are monitored while the read-back reaches box 3.
  std::vector<bool> monitoredMeanwhile;
  Nci(3).OnChange = [this, &monitoredMeanwhile, change = Nci(3).OnChange] {
    monitoredMeanwhile.push_back(Monitored(14));
    if (change) change();
  };
  const std::size_t logBefore = LogSize();
  boxes().QueueAnswer(ui::vbYes, kQuestion);

  ClickApply();

  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.title, " ! No Device selected !");
  EXPECT_EQ(boxes().Shown()[0].request.style, ui::vbYesNo);
  EXPECT_EQ(LogTexts(logBefore),
            (Lines{"", "writing Networkvariables..", "", "Floor 1 : Room 101:  nviLcLuxLevel_1 = 750", "",
                   "writing Parameters...", "", "Floor 1 : Room 101: SCPTmaxSendTime = 90.0",
                   std::string("Floor 1 : Room 101: UCPTgeneralCP1 = ") + kFlagsSet,
                   "Floor 1 : Room 101: UCPTdiConfig = 0 1 0 0"}));
  EXPECT_TRUE(ErrorLines().empty());
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_EQ(Property(6).GetValue(), kFlagsSet);
  EXPECT_EQ(Property(36).GetValue(), "0 1 0 0");
  EXPECT_EQ(NciRow(3).NciValue, "90.0");
  EXPECT_EQ(Nci(3).Text(), "90.0");
  for (const ui::Control* control : Controls{&Nci(3), &Nci(6), &window().cmb_nci[6], &Nci(36),
                                             &window().cmb_nci[36], &window().cmb_nci[37]}) {
    EXPECT_FALSE(Red(*control)) << control->DisplayName();
  }
  EXPECT_EQ(monitoredMeanwhile, std::vector<bool>{false});
  EXPECT_TRUE(Monitored(14));
  EXPECT_FALSE(window().cmdApply.Enabled());
  EXPECT_FALSE(window().cmdCancel.Enabled());
  EXPECT_FALSE(program().mainwindow.SyncRunning);
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);
}

TEST_F(ApplyTest, AnswerNoKeepsThePropertiesRedAndOffersTheDeviceSelection) {
  Open("Floor 1", "Room 101");
  window().Show();
  Edit(Nvi(9), "400");
  Edit(Nci(3), "90");
  const std::size_t logBefore = LogSize();
  boxes().QueueAnswer(ui::vbNo, kQuestion);

  ClickApply();

  // The inputs written before the question stay written.
  EXPECT_EQ(NvValue(device(), 20), "400");
  EXPECT_EQ(LogTexts(logBefore),
            (Lines{"", "writing Networkvariables..", "", "Floor 1 : Room 101:  nviLuxSetpoint_1 = 400"}));
  EXPECT_EQ(Property(3).GetValue(), "120.0");
  EXPECT_EQ(NciRow(3).NciValue, "120.0");
  EXPECT_EQ(Nci(3).Text(), "90");
  EXPECT_TRUE(Red(Nci(3)));
  EXPECT_TRUE(window().cmdApply.Enabled());
  EXPECT_TRUE(window().cmdCancel.Enabled());
  EXPECT_EQ(window().ActiveControl(), &window().cmdGerAuswahl);
  EXPECT_TRUE(Monitored(20));
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);

  // Asked again, Yes writes what stayed red.
  boxes().QueueAnswer(ui::vbYes, kQuestion);
  ClickApply();
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_FALSE(Red(Nci(3)));
}

TEST_F(ApplyTest, ARowNotFoundByAddressIsWrittenToTheNetworkVariableOfItsName) {
  Open("Floor 1", "Room 101");
  // A configuration network variable: found by its name among the device's variables.
  NciRow(10).NciByKey = false;
  NciRow(10).NciName = "nviLuxSetpoint_1";
  Edit(Nci(10), "450");
  boxes().QueueAnswer(ui::vbYes, kQuestion);

  ClickApply();

  EXPECT_EQ(NvValue(device(), 20), "450");
  EXPECT_EQ(LogTexts().back(), "Floor 1 : Room 101: nviLuxSetpoint_1 = 450");
  EXPECT_EQ(NciRow(10).NciValue, "450");
  EXPECT_FALSE(Red(Nci(10)));
  EXPECT_EQ(Property(10).GetValue(), "2.5");
}

TEST_F(ApplyTest, OfflineDeviceLogsEachFailureAndGoesOnWithoutTouchingMonitoring) {
  Open("Floor 1", "Room 103");  // Cnfg Offline: its variables cannot be reached, its properties can
  ASSERT_EQ(Panel(4), "Cnfg Offline");
  ASSERT_FALSE(Monitored(14));
  const std::string stored = NviRow(6).NviValue;
  Edit(Nvi(6), "750");
  Edit(Nci(3), "90");
  const std::size_t logBefore = LogSize();
  boxes().QueueAnswer(ui::vbYes, kQuestion);

  ClickApply();

  ASSERT_EQ(boxes().Shown().size(), 1u);  // the question alone: no Abort/Retry/Ignore box
  const Lines log = LogTexts(logBefore);
  ASSERT_GE(log.size(), 5u);
  // The input's write leaves one error line and the run goes on; nothing is read back from it.
  const Lines errors = ErrorLines();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(
      errors[0],
      "Room 103 is not online (its state is Cnfg Offline): the network variable nviLcLuxLevel_1 cannot be "
      "written");
  EXPECT_EQ(log, (Lines{"", "writing Networkvariables..", "", errors[0], "", "writing Parameters...", "",
                        "Floor 1 : Room 103: SCPTmaxSendTime = 90.0"}));
  // The input the device did not take keeps the user's value, marked and not stored, to be applied later.
  EXPECT_EQ(Nvi(6).Text(), "750");
  EXPECT_TRUE(Red(Nvi(6)));
  EXPECT_EQ(NviRow(6).NviValue, stored);
  EXPECT_EQ(Property(3).GetValue(), "90.0");
  EXPECT_FALSE(Red(Nci(3)));
  EXPECT_FALSE(Monitored(14));
  EXPECT_TRUE(window().cmdApply.Enabled());
  EXPECT_TRUE(window().cmdCancel.Enabled());
}

}  // namespace
}  // namespace mainwindow_test
