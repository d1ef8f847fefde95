#include "devicemodel/SetPointField.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundSetPointField, HundredthsRoundedHalfAwayFromZeroAndNothingForNoNumber) {
  const auto comma = [](const char* text) { return qvr::RoundSetPointField(text, ",").value_or("(none)"); };
  EXPECT_EQ(comma("21"), "21.00");
  EXPECT_EQ(comma(" 21,5 "), "21.50");
  EXPECT_EQ(comma("19,505"), "19.51");
  EXPECT_EQ(comma("19,50499"), "19.50");
  EXPECT_EQ(comma("99,995"), "100.00");
  EXPECT_EQ(comma("-0,125"), "-0.13");
  EXPECT_EQ(comma("-0,001"), "0.00");
  EXPECT_EQ(comma("007,1"), "7.10");
  EXPECT_EQ(comma(",5"), "0.50");
  for (const char* none : {"", " ", "-", ",", "2x", "1,2,3", "21.5", "--1"})
    EXPECT_EQ(comma(none), "(none)") << none;
  EXPECT_EQ(qvr::RoundSetPointField("21.555", ".").value_or("(none)"), "21.56");
}

}  // namespace
