// Cancel: the stored values come back into the boxes, the composite parts into their sub-field boxes, the
// marks go, nothing is written; a failure discards the device selection as well.

#include <initializer_list>
#include <string>

#include "DemoMachineFixture.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "platform/lns/LnsObjectModel.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

class CancelTest : public ApplyTest {
 protected:
  void SetUp() override {
    ApplyTest::SetUp();
    Open("Floor 1", "Room 101");
  }

  lns::LnsNetworkVariable Nv(int nvIndex) {
    return device().GetInterface().GetNetworkVariables().ItemByIndex(nvIndex);
  }
};

TEST_F(CancelTest, RedBoxesShowTheirStoredValuesAgainUnmarkedAndNothingIsWritten) {
  Edit(Nvi(8), "SET_ON 50.0 0.00");
  window().cmb_nvi[8].SetForeColor(ui::vbRed);
  window().txtnviset[8].SetForeColor(ui::vbRed);
  // Editing the input suspended its monitoring.
  Nv(16).PutMonitorSuspended(true);
  Edit(Nci(3), "90");
  Edit(Nci(36), "0 1 0 0");
  window().cmb_nci[37].SetForeColor(ui::vbRed);
  // An input box that is not red is not touched, even when its text differs.
  Nvi(9).SetText("321");
  // A property box is rewritten whether red or not.
  Nci(4).SetText("7.0");
  const std::size_t logBefore = LogSize();

  ClickCancel();

  EXPECT_EQ(Nvi(8).Text(), "SET_NUL 0.0 0.00");
  EXPECT_FALSE(Nv(16).GetMonitorSuspended());
  EXPECT_EQ(Nvi(9).Text(), "321");
  EXPECT_EQ(Nci(3).Text(), "120.0");
  EXPECT_EQ(Nci(36).Text(), "0 0 0 0");
  EXPECT_EQ(Nci(4).Text(), "0.0");
  for (const ui::Control* control : std::initializer_list<const ui::Control*>{
           &Nvi(8), &window().cmb_nvi[8], &window().txtnviset[8], &Nci(3), &Nci(36), &window().cmb_nci[37]}) {
    EXPECT_FALSE(Red(*control)) << control->DisplayName();
  }
  EXPECT_EQ(NvValue(device(), 16), "SET_NUL 0.0 0.00");
  EXPECT_EQ(Property(3).GetValue(), "120.0");
  EXPECT_EQ(LogSize(), logBefore);
  EXPECT_FALSE(window().cmdApply.Enabled());
  EXPECT_FALSE(window().cmdCancel.Enabled());
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(CancelTest, APropertyThatCouldNotBeReadGetsItsEmptyTextBack) {
  // As after a failed read when the device was opened: no stored value.
  NciRow(4).NciValue.clear();
  NciRow(49).NciValue.clear();
  Edit(Nci(4), "7.0");
  Edit(Nci(3), "90");

  ClickCancel();

  EXPECT_EQ(Nci(4).Text(), "");
  EXPECT_FALSE(Red(Nci(4)));
  EXPECT_EQ(Nci(49).Text(), "");
  EXPECT_EQ(Nci(71).Text(), "25.00");
  EXPECT_EQ(Nci(3).Text(), "120.0");
  EXPECT_FALSE(Red(Nci(3)));
  EXPECT_FALSE(window().cmdApply.Enabled());
}

TEST_F(CancelTest, SubFieldBoxesGetTheDevicesPartsBack) {
  Edit(Nci(71), "26");
  Edit(Nci(49), "23.00,26.00,28.00,21.00,19.00,16.00");
  Edit(Nci(80), "50.0");
  Edit(Nci(0), "50.0 1");
  Edit(Nci(90), "10");
  Edit(Nci(21), "1000/10");
  Edit(Nci(93), "2000");
  Edit(Nci(32), "2000/100");

  ClickCancel();

  EXPECT_EQ(Nci(71).Text(), "25.00");
  EXPECT_EQ(Nci(49).Text(), "23.00,25.00,28.00,21.00,19.00,16.00");
  EXPECT_EQ(Nci(80).Text(), "100.0");
  EXPECT_EQ(Nci(0).Text(), "100.0 1");
  EXPECT_EQ(Nci(90).Text(), "100");
  EXPECT_EQ(Nci(91).Text(), "1000");
  EXPECT_EQ(Nci(21).Text(), "1000/100");
  EXPECT_EQ(Nci(93).Text(), "1000");
  EXPECT_EQ(Nci(32).Text(), "1000/100");
  for (int box : {0, 21, 32, 49, 70, 71, 72, 73, 74, 75, 80, 81, 82, 83, 90, 91, 92, 93}) {
    EXPECT_FALSE(Red(Nci(box))) << box;
  }
}

TEST_F(CancelTest, AfterApplyTheWrittenPartsAreWhatComesBack) {
  Edit(Nci(91), "800");
  Edit(Nci(21), "800/100");
  boxes().QueueAnswer(ui::vbYes, "Transmit parameters");
  ClickApply();
  Edit(Nci(91), "900");
  Edit(Nci(21), "900/100");

  ClickCancel();

  EXPECT_EQ(Nci(91).Text(), "800");
  EXPECT_EQ(Nci(21).Text(), "800/100");
  EXPECT_FALSE(Red(Nci(21)));
}

TEST_F(CancelTest, TheDeviceSelectionStaysUnlessTheRestoreFails) {
  program().mainwindow.SelectedCount = 2;
  Edit(Nci(3), "90");
  ClickCancel();
  EXPECT_EQ(program().mainwindow.SelectedCount, 2);

  // The device's variables are out of reach: restoring a red input fails.
  program().Windows().Get<qvr::fGeraeteauswahl>(program());
  Edit(Nvi(9), "400");
  Edit(Nci(3), "90");
  window().NvCollection.reset();
  boxes().QueueAnswer(ui::vbOK, "Error: cmdCancel(fMain)");

  ClickCancel();

  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.prompt, "Error: cmdCancel(fMain)");
  EXPECT_EQ(boxes().Shown()[0].request.style, ui::vbOKOnly);
  EXPECT_EQ(program().mainwindow.SelectedCount, 0);
  EXPECT_FALSE(program().Windows().Find<qvr::fGeraeteauswahl>()->IsLoaded());
  EXPECT_FALSE(window().cmdApply.Enabled());
  EXPECT_FALSE(window().cmdCancel.Enabled());
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);
  // What was not restored keeps its text and its mark.
  EXPECT_EQ(Nvi(9).Text(), "400");
  EXPECT_TRUE(Red(Nvi(9)));
  EXPECT_EQ(Nci(3).Text(), "90");
  EXPECT_TRUE(Red(Nci(3)));
}

}  // namespace
}  // namespace mainwindow_test
