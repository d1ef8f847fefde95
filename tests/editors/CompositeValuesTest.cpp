// Sub-field boxes edit one number of a composite property each; every edit rebuilds the row's value text
// and marks the sub-field against the device's value of its part.

#include <string>

#include "DemoMachineFixture.h"

namespace editors_test {

using namespace testsupport;
namespace {

// The set points of the demo devices, with one of them replaced.
std::string SetPointsWith(int replaced, const std::string& field) {
  const char* fields[] = {"23.00", "25.00", "28.00", "21.00", "19.00", "16.00"};
  std::string text;
  for (int at = 0; at < 6; ++at) {
    if (at > 0) text += ",";
    text += at == replaced ? field : fields[at];
  }
  return text;
}

TEST_F(EditorTest, SetPointBoxesRebuildTheSetPointRow) {
  Open("Floor 1", "Room 101");
  Enter(Nci(72), "18.5");
  EXPECT_EQ(Nci(72).Text(), "18.5");
  EXPECT_EQ(Nci(49).Text(), SetPointsWith(2, "18.50"));
  EXPECT_TRUE(Red(Nci(72)));
  EXPECT_TRUE(Red(Nci(49)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  EXPECT_EQ(Nci(72).MaxLength(), 6);

  // Every change rebuilds all six fields from the boxes as they read now.
  Nci(75).SetText("16");
  EXPECT_EQ(Nci(49).Text(), SetPointsWith(2, "18.50"));
  EXPECT_TRUE(Normal(Nci(75)));
  Erase(Nci(71));
  EXPECT_EQ(Nci(71).Text(), "0");
  EXPECT_TRUE(Red(Nci(71)));
  EXPECT_EQ(Nci(49).Text(), "23.00,0.00,18.50,21.00,19.00,16.00");

  Enter(Nci(71), "25");
  Enter(Nci(72), "28");
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  EXPECT_TRUE(Normal(Nci(72)));
  EXPECT_TRUE(Normal(Nci(49)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(EditorTest, SetPointsAreWrittenWithAPointAndTwoDecimals) {
  UseDecimalSeparator(",");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(Nci(73).Text(), "21,00");
  struct Case {
    const char* typed;
    const char* field;
  };
  // The device keeps hundredths: a third decimal is rounded.
  const Case cases[] = {{"21", "21.00"},     {"21,", "21.00"},    {"21,5", "21.50"},   {"21,55", "21.55"},
                        {"21,554", "21.55"}, {"21,555", "21.56"}, {"19,999", "20.00"}, {"99,995", "100.00"},
                        {",5", ".50"},       {"21,5 ", "21.50"}};
  for (const Case& c : cases) {
    Enter(Nci(73), c.typed);
    EXPECT_EQ(Nci(49).Text(), SetPointsWith(3, c.field)) << c.typed;
  }
  Enter(Nci(73), "21");
  EXPECT_TRUE(Normal(Nci(73)));
  EXPECT_TRUE(Normal(Nci(49)));
  Enter(Nci(73), "21,5");
  EXPECT_TRUE(Red(Nci(73)));
}

TEST_F(EditorTest, SwitchPartsRebuildTheirRowWithTheUsersSeparator) {
  UseDecimalSeparator(",");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(0).NciValue, "100,0 1");
  // The value always shows its decimal; the box keeps what was typed.
  Enter(Nci(80), "100");
  EXPECT_EQ(Nci(80).Text(), "100");
  EXPECT_EQ(Nci(0).Text(), "100,0 1");
  EXPECT_TRUE(Normal(Nci(80)));
  EXPECT_TRUE(Normal(Nci(0)));
  Enter(Nci(80), "100,");
  EXPECT_EQ(Nci(0).Text(), "100,0 1");
  Enter(Nci(80), "99,5");
  EXPECT_EQ(Nci(0).Text(), "99,5 1");
  EXPECT_TRUE(Red(Nci(80)));
  EXPECT_TRUE(Red(Nci(0)));
  Enter(Nci(81), "0");
  EXPECT_EQ(Nci(0).Text(), "99,5 0");
  EXPECT_TRUE(Red(Nci(81)));

  // The second switch, from its own boxes.
  Enter(Nci(83), "1");
  Enter(Nci(82), "50");
  EXPECT_EQ(Nci(1).Text(), "50,0 1");
  EXPECT_TRUE(Red(Nci(1)));

  EXPECT_EQ(Nci(80).MaxLength(), 5);
  EXPECT_EQ(Nci(81).MaxLength(), 2);
  EXPECT_EQ(Nci(82).MaxLength(), 5);
  EXPECT_EQ(Nci(83).MaxLength(), 2);

  // A row without a blank gets one; what followed nothing stays nothing.
  Enter(Nci(0), "100,0");
  Enter(Nci(80), "50");
  EXPECT_EQ(Nci(0).Text(), "50,0 ");
  Enter(Nci(0), "7");
  Enter(Nci(81), "1");
  EXPECT_EQ(Nci(0).Text(), "7 1");
  // Blanks around a number are not carried into the value.
  Enter(Nci(80), " 20 ");
  EXPECT_EQ(Nci(0).Text(), "20,0 1");
}

TEST_F(EditorTest, LightRatioPartsRebuildTheirRow) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(21).NciValue, "1000/100");
  Enter(Nci(90), "250");
  EXPECT_EQ(Nci(21).Text(), "1000/250");
  Enter(Nci(91), "800");
  EXPECT_EQ(Nci(21).Text(), "800/250");
  EXPECT_TRUE(Red(Nci(90)));
  EXPECT_TRUE(Red(Nci(91)));
  EXPECT_TRUE(Red(Nci(21)));

  Enter(Nci(93), "500");
  EXPECT_EQ(Nci(32).Text(), "500/100");
  Enter(Nci(92), "50");
  EXPECT_EQ(Nci(32).Text(), "500/50");
  EXPECT_TRUE(Red(Nci(32)));
  for (int box : {90, 91, 92, 93}) EXPECT_EQ(Nci(box).MaxLength(), 5) << box;

  // Back to the device's parts: the first ratio is unchanged again, the second still holds an edit.
  Enter(Nci(91), "1000");
  Enter(Nci(90), "100");
  EXPECT_TRUE(Normal(Nci(21)));
  EXPECT_TRUE(Normal(Nci(90)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Enter(Nci(93), "1000");
  Enter(Nci(92), "100");
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // A row typed without "/": the parts are put around one.
  Enter(Nci(21), "900");
  Enter(Nci(90), "90");
  EXPECT_EQ(Nci(21).Text(), "900/90");
  Enter(Nci(21), "900");
  Enter(Nci(91), "80");
  EXPECT_EQ(Nci(21).Text(), "80/");
}

}  // namespace
}  // namespace editors_test
