#include "platform/runtime/SplitAt.h"

#include <gtest/gtest.h>

namespace runtime_test {
namespace {

std::pair<std::string, std::string> Split(const std::string& text, const std::string& separator) {
  std::string rest = "unchanged?";
  std::string head = runtime::SplitAt(text, separator, rest);
  return {head, rest};
}

TEST(SplitAt, SplitsAtTheFirstExactSeparatorAndTrimsOnlyTheRest) {
  EXPECT_EQ(Split("12,5 20", " "), std::make_pair(std::string("12,5"), std::string("20")));
  EXPECT_EQ(Split("Floor 1  /  Room 101 ", "/"),
            std::make_pair(std::string("Floor 1  "), std::string("Room 101")));
  EXPECT_EQ(Split("F:3/C:0:155", ":"), std::make_pair(std::string("F"), std::string("3/C:0:155")));
  EXPECT_EQ(Split("aXbxc", "x"), std::make_pair(std::string("aXb"), std::string("c"))) << "case counts";
}

TEST(SplitAt, MissingEmptyAndTrailingSeparators) {
  EXPECT_EQ(Split("no separator", "/"), std::make_pair(std::string("no separator"), std::string()));
  EXPECT_EQ(Split("", "/"), std::make_pair(std::string(), std::string()));
  EXPECT_EQ(Split("abc", ""), std::make_pair(std::string(), std::string("bc")));
  EXPECT_EQ(Split(" x", ""), std::make_pair(std::string(), std::string("x")));
  EXPECT_EQ(Split("tail/", "/"), std::make_pair(std::string("tail"), std::string()));
}

}  // namespace
}  // namespace runtime_test
