// Sub-field boxes edit one number of a composite property each; every edit rebuilds the row's value text
// and marks the sub-field against the device's value of its part.

#include <string>
#include <utility>
#include <vector>

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
                        {",5", "0.50"},      {"21,5 ", "21.50"}};
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

// The user enters `typed` in part box `box` (or in a row box); row box `row` then reads `rowText`.
struct Part {
  int box;
  std::string typed;
  int row;
  std::string rowText;
};

class CompositeValuesTest : public EditorTest {
 protected:
  void Expect(const std::vector<Part>& parts) {
    for (const Part& part : parts) {
      Enter(Nci(part.box), part.typed);
      EXPECT_EQ(Nci(part.row).Text(), part.rowText) << part.box << " " << part.typed;
    }
  }
};

TEST_F(CompositeValuesTest, SwitchPartsRebuildTheirRowWithTheUsersSeparator) {
  UseDecimalSeparator(",");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(0).NciValue, "100,0 1");
  // The value always shows its decimal; the box keeps what was typed.
  Expect({{80, "100", 0, "100,0 1"}, {80, "100,", 0, "100,0 1"}});
  EXPECT_EQ(Nci(80).Text(), "100,");
  EXPECT_TRUE(Normal(Nci(80)) && Normal(Nci(0)));
  Expect({{80, "99,5", 0, "99,5 1"}, {81, "0", 0, "99,5 0"}, {83, "1", 1, "0,0 1"}, {82, "50", 1, "50,0 1"}});
  EXPECT_TRUE(Red(Nci(80)) && Red(Nci(81)) && Red(Nci(0)) && Red(Nci(1)));
  for (const auto& [box, length] : {std::pair{80, 5}, std::pair{81, 2}, std::pair{82, 5}, std::pair{83, 2}})
    EXPECT_EQ(Nci(box).MaxLength(), length) << box;

  // A row without a blank gets one; what followed nothing stays nothing; blanks around a number are not
  // carried into the value.
  Expect({{0, "100,0", 0, "100,0"},
          {80, "50", 0, "50,0 "},
          {0, "7", 0, "7"},
          {81, "1", 0, "7 1"},
          {80, " 20 ", 0, "20,0 1"}});
}

TEST_F(CompositeValuesTest, LightRatioPartsRebuildTheirRow) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(21).NciValue, "1000/100");
  Expect({{90, "250", 21, "1000/250"},
          {91, "800", 21, "800/250"},
          {93, "500", 32, "500/100"},
          {92, "50", 32, "500/50"}});
  EXPECT_TRUE(Red(Nci(90)) && Red(Nci(91)) && Red(Nci(21)) && Red(Nci(32)));
  for (int box : {90, 91, 92, 93}) EXPECT_EQ(Nci(box).MaxLength(), 5) << box;

  // Back to the device's parts: the first ratio is unchanged again, the second still holds an edit.
  Expect({{91, "1000", 21, "1000/250"}, {90, "100", 21, "1000/100"}});
  EXPECT_TRUE(Normal(Nci(21)) && Normal(Nci(90)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Expect({{93, "1000", 32, "1000/50"}, {92, "100", 32, "1000/100"}});
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // A row typed without "/": the parts are put around one.
  Expect({{21, "900", 21, "900"}, {90, "90", 21, "900/90"}, {21, "900", 21, "900"}, {91, "80", 21, "80/"}});
}

}  // namespace
}  // namespace editors_test
