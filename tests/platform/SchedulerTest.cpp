#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ManualScheduler.h"
#include "platform/Random.h"

namespace ispyt {
namespace {

TEST(ManualScheduler, FiresTimersInTimeOrder) {
  ManualScheduler s;
  std::vector<std::string> log;
  auto a = s.createTimer([&] { log.push_back("a@" + std::to_string(s.nowMs())); });
  auto b = s.createTimer([&] { log.push_back("b@" + std::to_string(s.nowMs())); });
  a->start(100);
  b->setSingleShot(true);
  b->start(150);
  s.advance(350);
  EXPECT_EQ(log, (std::vector<std::string>{"a@100", "b@150", "a@200", "a@300"}));
  EXPECT_FALSE(b->isActive());
  EXPECT_EQ(s.nowMs(), 350);
}

TEST(ManualScheduler, ChangingTheIntervalRestartsFromNow) {
  ManualScheduler s;
  std::vector<long long> at;
  std::unique_ptr<Timer> t;
  t = s.createTimer([&] {
    at.push_back(s.nowMs());
    if (at.size() == 2) t->setInterval(300);
  });
  t->start(100);
  s.advance(1000);
  EXPECT_EQ(at, (std::vector<long long>{100, 200, 500, 800}));
}

TEST(ManualScheduler, AHandlerCanStopItselfAndOthers) {
  ManualScheduler s;
  int ticks = 0;
  std::unique_ptr<Timer> t;
  t = s.createTimer([&] {
    if (++ticks == 3) t->stop();
  });
  t->start(10);
  s.runUntilIdle();
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(s.activeTimers(), 0);
}

TEST(ManualScheduler, ZeroIntervalDoesNotStallTime) {
  ManualScheduler s;
  int ticks = 0;
  auto t = s.createTimer([&] { ++ticks; });
  t->start(0);
  s.advance(5);
  EXPECT_EQ(ticks, 5);
}

TEST(Random, StaysInRangeAndRepeatsForASeed) {
  Random a(42), b(42);
  for (int i = 0; i < 1000; ++i) {
    int v = a.random(22);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 22);
    ASSERT_EQ(v, b.random(22));
  }
  EXPECT_EQ(a.random(0), 0);
  EXPECT_EQ(a.random(1), 0);
}

}  // namespace
}  // namespace ispyt
