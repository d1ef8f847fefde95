#include <gtest/gtest.h>

#include <string>

#include "framework/MachineRegistrationValues.h"

namespace framework_test {
namespace {

using qvr::ParseVersion;

TEST(ParseVersion, MinorCountsInHundredthsAndStopsAtABlankOrDot) {
  struct Case {
    std::string text;
    std::int16_t major, minor;
  };
  const Case cases[] = {
      {"1.5", 1, 50},
      {"1.50", 1, 50},
      {"1.05", 1, 5},
      {"1.10", 1, 10},
      {"2", 2, 0},
      {"1.5 beta", 1, 50},
      {"1.5.3", 1, 50},
      {"", 0, 0},
      {"x.y", 0, 0},
      {"2.0", 2, 0},
      {"1.51", 1, 51},
      {" 1 . 6", 1, 60},
      // Only a minor part of one character is read as tenths: "6abc" is 6 hundredths.
      {"1.6abc", 1, 6},
      // Far beyond 16 bits: held at the largest version instead of failing.
      {"99999999999.5", 32767, 50},
  };
  for (const Case& c : cases) {
    const qvr::PlugInVersion version = ParseVersion(c.text);
    EXPECT_EQ(version.major, c.major) << c.text;
    EXPECT_EQ(version.minor, c.minor) << c.text;
  }
}

TEST(ParseVersion, NewerMeansAGreaterMajorOrTheSameMajorWithAGreaterMinor) {
  const qvr::PlugInVersion own = ParseVersion("1.5");
  for (const char* newer : {"1.6", "2.0", "1.51", "2"})
    EXPECT_TRUE(qvr::IsNewerVersion(ParseVersion(newer), own)) << newer;
  for (const char* notNewer : {"1.5", "1.50", "1.10", "1.49", "0.9", "", "-3.7"})
    EXPECT_FALSE(qvr::IsNewerVersion(ParseVersion(notNewer), own)) << notNewer;
}

TEST(InRangeOrOne, KeepsValuesInsideTheBoundsAndTurnsOthersIntoOne) {
  for (std::int16_t inside : {-1, 0, 1}) {
    std::int16_t value = inside;
    EXPECT_EQ(qvr::InRangeOrOne(-1, 1, value), inside);
    EXPECT_EQ(value, inside);
  }
  for (std::int16_t outside : {2, -5}) {
    std::int16_t value = outside;
    EXPECT_EQ(qvr::InRangeOrOne(-1, 1, value), 1);
    EXPECT_EQ(value, 1) << "the value itself is rewritten";
  }
}

}  // namespace
}  // namespace framework_test
