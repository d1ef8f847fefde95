#include "platform/eventloop/HeadlessEventLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(HeadlessEventLoop, TimersFollowTheVirtualClockAndTheirEnabledFlag) {
  platform::HeadlessEventLoop loop;
  std::vector<std::string> fired;
  auto fast = loop.CreateTimer([&] { fired.push_back("fast@" + std::to_string(loop.NowMs())); });
  auto slow = loop.CreateTimer([&] { fired.push_back("slow@" + std::to_string(loop.NowMs())); });
  fast->SetInterval(250);
  slow->SetInterval(500);
  loop.Advance(1000);
  EXPECT_TRUE(fired.empty()) << "a timer that was never enabled must not fire";

  fast->SetEnabled(true);
  slow->SetEnabled(true);
  loop.Advance(500);
  EXPECT_EQ(fired, (std::vector<std::string>{"fast@1250", "fast@1500", "slow@1500"}));

  fired.clear();
  fast->SetEnabled(false);
  loop.Advance(500);
  EXPECT_EQ(fired, (std::vector<std::string>{"slow@2000"}));

  fired.clear();
  slow->SetInterval(0);
  loop.Advance(5000);
  EXPECT_TRUE(fired.empty()) << "interval 0 stops a timer";
}

TEST(HeadlessEventLoop, DoEventsRunsWhatIsPendingOnceAndTimersMayStopThemselves) {
  platform::HeadlessEventLoop loop;
  std::vector<int> order;
  loop.Post([&] {
    order.push_back(1);
    loop.Post([&] { order.push_back(3); });
  });
  loop.Post([&] { order.push_back(2); });
  loop.DoEvents();
  EXPECT_EQ(order, (std::vector<int>{1, 2})) << "callbacks posted while running wait for the next round";
  loop.DoEvents();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));

  int ticks = 0;
  std::unique_ptr<platform::LoopTimer> once;
  once = loop.CreateTimer([&] {
    ++ticks;
    once.reset();
  });
  once->SetInterval(100);
  once->SetEnabled(true);
  loop.Advance(1000);
  EXPECT_EQ(ticks, 1);
}

TEST(HeadlessEventLoop, ATimerDoesNotReenterItsOwnCallback) {
  platform::HeadlessEventLoop loop;
  int depth = 0;
  int maxDepth = 0;
  int ticks = 0;
  auto timer = loop.CreateTimer([&] {
    ++ticks;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    loop.Advance(300);  // a long handler that yields
    --depth;
  });
  timer->SetInterval(100);
  timer->SetEnabled(true);
  loop.Advance(100);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
