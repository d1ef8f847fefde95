#include "platform/ui/TimeOfDay.h"

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>

#include "platform/eventloop/HeadlessEventLoop.h"

namespace {

TEST(TimeOfDay, SecondsCountAcrossMidnightsAndMonthEnds) {
  EXPECT_EQ(ui::SecondsBetween({2026, 12, 31, 23, 59, 55}, {2027, 1, 1, 0, 0, 5}), 10);
  EXPECT_EQ(ui::SecondsBetween({2024, 2, 28, 12, 0, 0}, {2024, 3, 1, 12, 0, 0}), 2 * 86400);  // leap day
  EXPECT_EQ(ui::SecondsBetween({2026, 3, 1, 0, 0, 10}, {2026, 2, 28, 23, 59, 50}), -20);
  EXPECT_EQ(ui::AddSeconds({2026, 2, 28, 23, 59, 50}, 15), (ui::LocalDateTime{2026, 3, 1, 0, 0, 5}));
}

TEST(TimeOfDay, TheHeadlessTimeOfDayRunsWithTheLoopsVirtualClockOnly) {
  platform::HeadlessEventLoop loop;
  ui::HeadlessTimeOfDay clock(loop);
  clock.Set({2026, 12, 7, 23, 59, 59});
  EXPECT_EQ(clock.Now(), (ui::LocalDateTime{2026, 12, 7, 23, 59, 59}));
  loop.Advance(999);
  EXPECT_EQ(clock.Now().second, 59);
  // A call that holds the loop's thread moves the time on as well.
  loop.Occupy(1);
  EXPECT_EQ(clock.Now(), (ui::LocalDateTime{2026, 12, 8, 0, 0, 0}));
}

// A run that sets no time of day has the machine's; a program without a toolkit's locale data that runs in
// the plain C locale writes dates and times the ISO way, which no language misreads.
TEST(TimeOfDay, AHeadlessRunStartsAtTheMachinesTimeAndWritesPlainDatesTheIsoWay) {
  platform::HeadlessEventLoop loop;
  const ui::SystemTimeOfDay machine;
  const ui::LocalDateTime before = machine.Now();
  const ui::HeadlessTimeOfDay clock(loop);
  EXPECT_GE(ui::SecondsBetween(before, clock.Now()), 0);
  EXPECT_GE(ui::SecondsBetween(clock.Now(), machine.Now()), 0);
  // The plain locale by each of its names (C.UTF-8 is what a container or a service usually runs in).
  const std::string saved = std::setlocale(LC_TIME, nullptr);
  for (const char* plain : {"C", "POSIX", "C.UTF-8"}) {
    ASSERT_NE(std::setlocale(LC_TIME, plain), nullptr) << plain;
    EXPECT_EQ(clock.DateText({2026, 12, 7, 14, 5, 9}), "2026-12-07") << plain;
    EXPECT_EQ(clock.TimeText({2026, 12, 7, 14, 5, 9}), "14:05:09") << plain;
  }
  std::setlocale(LC_TIME, saved.c_str());
}

TEST(TimeOfDay, WhatFallsDueWhileTheLoopIsOccupiedRunsAtTheNextDoEvents) {
  platform::HeadlessEventLoop loop;
  int fired = 0;
  auto timer = loop.CreateTimer([&] { ++fired; });
  timer->SetInterval(10);
  timer->SetEnabled(true);
  loop.Occupy(25);
  EXPECT_EQ(loop.NowMs(), 25);
  EXPECT_EQ(fired, 0);
  loop.DoEvents();
  EXPECT_EQ(fired, 1);
  loop.Occupy(-5);
  EXPECT_EQ(loop.NowMs(), 25);

  // A timer that holds the thread longer than the time advanced: the clock never runs back.
  std::unique_ptr<platform::LoopTimer> slow;
  slow = loop.CreateTimer([&] {
    slow->SetEnabled(false);
    loop.Occupy(100);
  });
  slow->SetInterval(10);
  slow->SetEnabled(true);
  loop.Advance(20);
  EXPECT_EQ(loop.NowMs(), 135);
}

}  // namespace
