// A box, its choices and its setting box read a text as the device reads it: a value the device takes
// stays as typed and its companions show that value; a text that is no value is replaced only by an
// entry's text that the device takes. Typing an entry into a choice's edit field chooses it, and an
// emptied number box takes the next keys in place of its 0.

#include <string>

#include "DemoMachineFixture.h"
#include "program/Program.h"

namespace editors_test {

using namespace testsupport;
namespace {

constexpr const char* kQuestion = "Transmit parameters to the current Device ?";

class DeviceReadingsTest : public EditorTest {
 protected:
  void ApplyAnsweringYes() {
    boxes().QueueAnswer(ui::vbYes, kQuestion);
    window().cmdApply.UserClicks();
  }
  std::string DeviceValue(int row) { return window().GetNciObject(NciRow(row).NciKey)->GetValue(); }
  std::string DeviceInput(int row) {
    return NvValue(*program().framework.CurrentDevice, NviRow(row).NviIndex);
  }
  // Monitoring switched off (the Object Server is opened anew), then the device opened again with numbers in
  // the decimal comma.
  void ReopenWithTheDecimalComma(const std::string& subsystem, const std::string& room) {
    if (window().chkMonitor.Value() != ui::vbUnchecked) window().chkMonitor.UserClicks();
    UseDecimalSeparator(",");
    Open(subsystem, room);
  }
  // The user types `keys` where the caret stands.
  static void Keys(ui::TextBox& box, const std::string& keys) {
    for (char key : keys) box.UserTypes(static_cast<unsigned char>(key));
  }
};

TEST_F(DeviceReadingsTest, ChoicesAndSettingBoxesShowTheValueTheDeviceReads) {
  for (const char* room : {"Room 201", "Room 101"}) {  // both families
    Open(room == std::string("Room 101") ? "Floor 1" : "Floor 2", room);
    for (const char* text : {" 2 1 0 0", "2  1 0 0"}) {
      Enter(Nci(36), text);
      EXPECT_EQ(Nci(36).Text(), text) << room;
      EXPECT_EQ(Combo(37).ListIndex(), 2) << room << " dimming: " << text;
      EXPECT_EQ(Combo(36).ListIndex(), 1) << room << " break contact: " << text;
    }
  }
  Enter(Nvi(3), "SET_ON 1 2 3");
  EXPECT_EQ(Nvi(3).Text(), "SET_ON 0.0 0.00");
  EXPECT_EQ(SettingBox(3).Text(), "0.0") << "the replacement's setting";
  Enter(Nvi(12), "SET_DOWN  25.0 0.00");
  EXPECT_EQ(NviCombo(12).ListIndex(), 3);
  EXPECT_EQ(SettingBox(12).Text(), "25.0");
  // A later edit of the setting keeps the function the choice shows.
  Enter(Nvi(8), " SET_ON 25.0 0.00");
  EXPECT_EQ(NviCombo(8).ListIndex(), 0);
  EXPECT_EQ(SettingBox(8).Text(), "25.0");
  Edit(SettingBox(8), "30");
  window().UserMovesFocus(Nvi(9));
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 30.0 0.00");
  ApplyAnsweringYes();
  EXPECT_EQ(DeviceInput(8), "SET_ON 30.0 0.00");
  EXPECT_EQ(DeviceInput(12), "SET_DOWN 25.0 0.00");
  EXPECT_EQ(DeviceValue(36), "2 1 0 0");

  ReopenWithTheDecimalComma("Floor 1", "Room 101");
  Enter(Nvi(3), "SET_OFF 50.0 0.00");
  EXPECT_EQ(Nvi(3).Text(), "SET_OFF 0,0 0,00");
  EXPECT_EQ(SettingBox(3).Text(), "0,0");
}

TEST_F(DeviceReadingsTest, ATextIsReplacedOnlyByAValue) {
  Open("Floor 1", "Room 101");
  const struct {
    ui::TextBox& box;
    ui::ComboBox& combo;
    const char* text;
  } kept[] = {
      {Nci(6), Combo(6), "1 0 0"}, {Nci(36), Combo(36), "3 1 0"}, {Nvi(8), NviCombo(8), "SET_UP 25,0 0,00"}};
  for (const auto& edit : kept) {
    Enter(edit.box, edit.text);
    EXPECT_EQ(edit.box.Text(), edit.text);
    EXPECT_EQ(edit.combo.ListIndex(), -1) << edit.text;
    EXPECT_TRUE(Red(edit.box)) << edit.text;
  }
  ReopenWithTheDecimalComma("Floor 2", "Room 201");
  Enter(Nvi(12), "SET_UP 25.0 0.00");
  EXPECT_EQ(Nvi(12).Text(), "SET_UP 25.0 0.00");
  EXPECT_EQ(NviCombo(12).ListIndex(), -1);
  // A text that stands for an entry whose own text is a value still gets that text.
  Enter(Nvi(12), "SET_UP 25,0 0.00");
  EXPECT_EQ(Nvi(12).Text(), "SET_UP 25,0 0,00");
  EXPECT_EQ(NviCombo(12).ListIndex(), 2);
}

TEST_F(DeviceReadingsTest, AnEntryTypedIntoAnEditFieldIsChosen) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(Nvi(20).Text(), "HVAC_AUTO");
  NviCombo(20).UserEditsText("HVAC_CO");
  EXPECT_EQ(Nvi(20).Text(), "HVAC_AUTO") << "no entry: nothing changes";
  EXPECT_FALSE(ApplyAndCancelEnabled());
  NviCombo(20).UserEditsText("HVAC_COOL");
  EXPECT_EQ(Nvi(20).Text(), "HVAC_COOL");
  EXPECT_TRUE(Red(Nvi(20)) && Red(NviCombo(20)));
  NviCombo(1).UserEditsText("OC_UNOCCUPIED");
  EXPECT_EQ(Nvi(1).Text(), "OC_UNOCCUPIED");
  ApplyAnsweringYes();
  EXPECT_EQ(DeviceInput(20), "HVAC_COOL");
  EXPECT_EQ(DeviceInput(1), "OC_UNOCCUPIED");
}

TEST_F(DeviceReadingsTest, ABitFieldTheDeviceTakesStaysAndItsChoicesFollowItsBits) {
  Open("Floor 1", "Room 101");
  // A text that is no value and has no override bit gets the device's value back.
  Enter(Nci(30), " 1 x");
  EXPECT_EQ(Nci(30).Text(), NciRow(30).NciValue);
  const std::string pasted = " " + Bits({0, 1, 14});
  for (const auto& [row, overrideCombo] : {std::pair{19, 0}, std::pair{30, 1}}) {
    Enter(Nci(row), pasted);
    EXPECT_EQ(Nci(row).Text(), pasted) << row;
    EXPECT_EQ(Combo(row).ListIndex(), 3) << row << ": bit 14";
    EXPECT_EQ(Combo(overrideCombo).ListIndex(), 1) << row << ": bit 1";
    EXPECT_TRUE(Red(Nci(row))) << row;
  }
  ApplyAnsweringYes();
  EXPECT_EQ(DeviceValue(19), Bits({0, 1, 14}));
  EXPECT_EQ(DeviceValue(30), Bits({0, 1, 14}));
}

TEST_F(DeviceReadingsTest, KeysTypedIntoAnEmptiedNumberBoxReplaceItsZero) {
  Open("Floor 1", "Room 101");
  Erase(Nci(3));
  EXPECT_EQ(Nci(3).Text(), "0");
  Keys(Nci(3), "130");
  EXPECT_EQ(Nci(3).Text(), "130");

  ReopenWithTheDecimalComma("Floor 1", "Room 101");
  Enter(Nci(10), "2,5");
  Erase(Nci(10));
  Keys(Nci(10), "17,5");
  EXPECT_EQ(Nci(10).Text(), "17,5");
  ApplyAnsweringYes();
  EXPECT_EQ(DeviceValue(10), "17,5");
}

}  // namespace
}  // namespace editors_test
