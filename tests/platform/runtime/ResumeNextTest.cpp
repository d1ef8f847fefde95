#include "platform/Error.h"
#include "platform/runtime/ResumeNext.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace runtime_test {

TEST(ResumeNext, LeavesTheFailuresNumberSourceAndDescriptionAndNumberFiveWhereItHasNone) {
  runtime::ErrObject err;
  EXPECT_TRUE(runtime::ResumeNext(err, [] {}));
  EXPECT_EQ(err.Number, 0);

  EXPECT_FALSE(runtime::ResumeNext(err, [] { throw platform::RaisedError(429, "Registry", "no key"); }));
  EXPECT_EQ(err.Number, 429);
  EXPECT_EQ(err.Source, "Registry");
  EXPECT_EQ(err.Description, "no key");

  EXPECT_FALSE(runtime::ResumeNext(err, [] { throw std::runtime_error("file is damaged"); }));
  EXPECT_EQ(err.Number, 5) << "a failure without a number must still be seen by callers testing Number";
  EXPECT_EQ(err.Source, "");
  EXPECT_EQ(err.Description, "file is damaged");

  EXPECT_TRUE(runtime::ResumeNext(err, [] {}));
  EXPECT_EQ(err.Number, 5) << "a step that succeeds leaves the pending error";
}

}  // namespace runtime_test
