// Apply of the network-variable inputs: monitoring switched off around the writing, each red input written
// and logged with the value read back, every input's stored value taken from its box.

#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

using Lines = std::vector<std::string>;

TEST_F(ApplyTest, NothingRedWritesAndAsksNothingAndEndsWithTheButtonsDisabled) {
  Open("Floor 1", "Room 101");
  // The device-selection window may offer Apply with nothing red.
  window().cmdApply.SetEnabled(true);
  window().cmdCancel.SetEnabled(true);
  const std::size_t logBefore = LogSize();
  window().chkMonitor.SetValue(ui::vbChecked);

  ClickApply();

  EXPECT_EQ(LogSize(), logBefore);
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_FALSE(window().cmdApply.Enabled());
  EXPECT_FALSE(window().cmdCancel.Enabled());
  EXPECT_TRUE(Monitored(9));
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);
}

TEST_F(ApplyTest, RedInputsAreWrittenAndLoggedUnderOneHeaderAndEveryInputStoresItsBox) {
  Open("Floor 1", "Room 101");
  ASSERT_TRUE(Monitored(14));
  Edit(Nvi(6), "750");               // nviLcLuxLevel_1, NV 14
  Edit(Nvi(8), "SET_ON 50.0 0.00");  // nviLcSetting_1, NV 16, with its combo and setting box
  window().cmb_nvi[8].SetForeColor(ui::vbRed);
  window().txtnviset[8].SetForeColor(ui::vbRed);
  // A box whose text differs without a mark is not written, but its text is stored all the same.
  Nvi(9).SetText("321");
  const std::size_t logBefore = LogSize();

  ClickApply();

  EXPECT_EQ(NvValue(device(), 14), "750");
  EXPECT_EQ(NvValue(device(), 16), "SET_ON 50.0 0.00");
  EXPECT_EQ(NvValue(device(), 20), "500");
  EXPECT_EQ(LogTexts(logBefore),
            (Lines{"", "writing Networkvariables..", "", "Floor 1 : Room 101:  nviLcLuxLevel_1 = 750",
                   "Floor 1 : Room 101:  nviLcSetting_1 = SET_ON 50.0 0.00"}));
  EXPECT_FALSE(Red(Nvi(6)));
  EXPECT_FALSE(Red(Nvi(8)));
  EXPECT_FALSE(Red(window().cmb_nvi[8]));
  EXPECT_FALSE(Red(window().txtnviset[8]));
  EXPECT_EQ(NviRow(6).NviValue, "750");
  EXPECT_EQ(NviRow(9).NviValue, "321");
  EXPECT_EQ(NviRow(0).NviValue, "0.0 -1");
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_FALSE(window().cmdApply.Enabled());
  EXPECT_FALSE(window().cmdCancel.Enabled());
  EXPECT_TRUE(Monitored(14));
  EXPECT_TRUE(Monitored(20));
}

}  // namespace
}  // namespace mainwindow_test
