#include "framework/DisplayNames.h"

#include <gtest/gtest.h>

namespace framework_test {
namespace {

TEST(DisplayNames, ObjectClassesWithTheCustomFormForGapsAndOutsiders) {
  EXPECT_EQ(qvr::ObjectClassName(0), "Object Server");
  EXPECT_EQ(qvr::ObjectClassName(7), "Application Device");
  EXPECT_EQ(qvr::ObjectClassName(48), "Detail Info");
  EXPECT_EQ(qvr::ObjectClassName(50), "Extension");
  EXPECT_EQ(qvr::ObjectClassName(52), "Recovery Status");
  EXPECT_EQ(qvr::ObjectClassName(49), "Custom ID =  49");
  EXPECT_EQ(qvr::ObjectClassName(53), "Custom ID =  53");
  EXPECT_EQ(qvr::ObjectClassName(-1), "Custom ID = -1");
}

TEST(DisplayNames, CommandsWithTheCustomFormForUnknownNumbers) {
  EXPECT_EQ(qvr::CommandName(13), "Configure");
  EXPECT_EQ(qvr::CommandName(70), "Security Level");
  EXPECT_EQ(qvr::CommandName(10000), "Custom command 10000");
  EXPECT_EQ(qvr::CommandName(0), "Custom command 0");
  EXPECT_EQ(qvr::CommandName(24), "Custom command 24");
  EXPECT_EQ(qvr::CommandName(-5), "Custom command -5");
}

}  // namespace
}  // namespace framework_test
