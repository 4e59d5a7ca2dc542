#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "attempt/AssembleAttempt.h"
#include "attempt/ShuffleInterval.h"

namespace ispyt {
namespace {

// The chains of `links` over tasks first..last: each is the run of tasks
// that starts at a link digit 1 (or a 0) and takes the following tasks with
// digits above 1, as a group holds them.
std::vector<std::vector<int>> chains(const TaskLinks& links, int first, int last) {
  std::vector<std::vector<int>> out;
  for (int t = first; t <= last; ++t) {
    if (out.empty() || links[t] <= 1 || out.back().size() == kMaxLinkedTasks) out.emplace_back();
    out.back().push_back(t);
  }
  return out;
}

int positionOf(const TaskOrder& order, int task) {
  return static_cast<int>(std::find(order.begin() + 1, order.end(), task) - order.begin());
}

// Every task of first..last is there exactly once, nothing outside moved,
// and every chain sits in consecutive positions in its own order.
void expectShuffledWithin(const TaskOrder& order, const TaskLinks& links, int first, int last,
                          std::uint64_t seed) {
  for (int p = 1; p <= kMaxTasks; ++p)
    if (p < first || p > last) {
      ASSERT_EQ(order[p], p) << "seed " << seed;
    }
  std::vector<int> inside(order.begin() + first, order.begin() + last + 1);
  std::sort(inside.begin(), inside.end());
  for (int p = first; p <= last; ++p) ASSERT_EQ(inside[p - first], p) << "seed " << seed;
  for (const std::vector<int>& chain : chains(links, first, last)) {
    int at = positionOf(order, chain.front());
    for (std::size_t i = 1; i < chain.size(); ++i)
      ASSERT_EQ(order[at + static_cast<int>(i)], chain[i]) << "seed " << seed;
  }
}

TaskLinks linksOf(std::map<int, int> digits) {
  TaskLinks links{};
  for (auto [task, digit] : digits) links[task] = digit;
  return links;
}

TEST(ShuffleInterval, LinkedPairInFiveTasksStaysTogetherAndInOrder) {
  TaskLinks links = linksOf({{2, 1}, {3, 2}});
  bool moved = false;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    TaskOrder order = identityOrder();
    Random random(seed);
    ShuffleInterval(order, links, 1, 5, random);
    int at = positionOf(order, 2);
    ASSERT_LE(at, 4);
    EXPECT_EQ(order[at + 1], 3) << "seed " << seed;
    expectShuffledWithin(order, links, 1, 5, seed);
    moved = moved || order != identityOrder();
  }
  EXPECT_TRUE(moved);
}

TEST(ShuffleInterval, ChainOfEightStaysWholeAndInOrder) {
  TaskLinks links{};
  for (int t = 3; t <= 10; ++t) links[t] = t - 2;  // tasks 3..10 carry 1..8
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    TaskOrder order = identityOrder();
    Random random(seed);
    ShuffleInterval(order, links, 1, 12, random);
    int at = positionOf(order, 3);
    for (int i = 0; i < 8; ++i) ASSERT_EQ(order[at + i], 3 + i) << "seed " << seed;
    expectShuffledWithin(order, links, 1, 12, seed);
  }
}

TEST(ShuffleInterval, IntervalOfOnlyOneChainDoesNotMove) {
  TaskLinks links = linksOf({{4, 1}, {5, 2}, {6, 3}});
  TaskOrder order = identityOrder();
  Random random(7);
  ShuffleInterval(order, links, 4, 6, random);
  EXPECT_EQ(order, identityOrder());
}

TEST(ShuffleInterval, IntervalOutsideTheTableChangesNothing) {
  TaskLinks links{};
  Random random(3);
  for (auto [first, last] : {std::pair{0, 5}, {5, 61}, {9, 8}}) {
    TaskOrder order = identityOrder();
    ShuffleInterval(order, links, first, last, random);
    EXPECT_EQ(order, identityOrder()) << first << ".." << last;
  }
}

// Random chains, random intervals, many seeds: every task exactly once,
// every chain adjacent and ordered, nothing leaves its interval.
TEST(ShuffleIntervalProperty, PermutesWithinTheIntervalKeepingChains) {
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    Random draw(seed * 7919);
    const int first = draw.random(30) + 1;
    const int last = std::min(kMaxTasks, first + draw.random(31));
    TaskLinks links{};
    for (int t = first; t <= last;) {
      int length = draw.random(3) == 0 ? draw.random(kMaxLinkedTasks) + 1 : 1;
      length = std::min(length, last - t + 1);
      for (int i = 0; i < length; ++i) links[t + i] = length > 1 ? i + 1 : 0;
      t += length;
    }
    TaskOrder order = identityOrder();
    Random random(seed);
    ShuffleInterval(order, links, first, last, random);
    expectShuffledWithin(order, links, first, last, seed);
  }
}

TEST(ShuffleIntervalProperty, DigitsThatFormNoProperChainStillLoseNothing) {
  for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
    Random draw(seed);
    TaskLinks links{};
    for (int t = 1; t <= kMaxTasks; ++t) links[t] = draw.random(10);  // anything 0..9
    TaskOrder order = identityOrder();
    Random random(seed);
    ShuffleInterval(order, links, 1, kMaxTasks, random);
    std::vector<int> all(order.begin() + 1, order.end());
    std::sort(all.begin(), all.end());
    for (int p = 1; p <= kMaxTasks; ++p) ASSERT_EQ(all[p - 1], p) << "seed " << seed;
  }
}

// A test whose per-task tables tell their task apart.
struct Fixture {
  Test test;
  Settings settings;
  AttemptState state;

  explicit Fixture(int n) {
    test.taskCount = n;
    settings = defaultSettings(n, 1);
    state.taskCount = n;
    state.resetTaskTables();
    for (int k = 1; k <= n; ++k) {
      test.task(k).question = "q" + std::to_string(k);
      test.task(k).elementCount = k;
      settings.taskWeights[k] = 10 + k;
      state.task(k).answerText = "a" + std::to_string(k);
    }
  }
};

TEST(AssembleAttempt, EveryPerTaskTableFollowsTheDisplayOrder) {
  Fixture f(12);
  f.settings.shuffle = true;
  f.settings.intervalCount = 2;
  f.settings.intervals[1] = {1, 6};
  f.settings.intervals[2] = {7, 12};
  f.settings.taskLinks[8] = 1;
  f.settings.taskLinks[9] = 2;
  Random random(11);
  AssembleAttempt(f.test, f.state, f.settings, random);
  EXPECT_NE(f.state.displayOrder, identityOrder());
  for (int k = 1; k <= 12; ++k) {
    const int file = f.state.displayOrder[k];
    EXPECT_EQ(k <= 6, file <= 6) << k;  // stays in its interval
    EXPECT_EQ(f.test.task(k).question, "q" + std::to_string(file));
    EXPECT_EQ(f.test.task(k).elementCount, file);
    EXPECT_EQ(f.settings.taskWeights[k], 10 + file);
    EXPECT_EQ(f.state.task(k).answerText, "a" + std::to_string(file));
  }
  EXPECT_EQ(f.state.displayOrder[positionOf(f.state.displayOrder, 8) + 1], 9);
  for (int k = 13; k <= kMaxTasks; ++k) EXPECT_EQ(f.state.displayOrder[k], k);
}

TEST(AssembleAttempt, WithoutSortingTheOrderStays) {
  Fixture f(5);
  Random random(2);
  AssembleAttempt(f.test, f.state, f.settings, random);
  EXPECT_EQ(f.state.displayOrder, identityOrder());
  EXPECT_EQ(f.test.task(3).question, "q3");
}

TEST(AssembleAttempt, IntervalReachingPastTheTestKeepsToItsTasks) {
  Fixture f(4);
  f.settings.shuffle = true;
  f.settings.intervals[1] = {1, 20};  // a damaged settings file
  for (std::uint64_t seed = 1; seed <= 50; ++seed) {
    Fixture g = f;
    Random random(seed);
    AssembleAttempt(g.test, g.state, g.settings, random);
    for (int k = 1; k <= 4; ++k) ASSERT_LE(g.state.displayOrder[k], 4) << seed;
    for (int k = 5; k <= kMaxTasks; ++k) ASSERT_EQ(g.state.displayOrder[k], k) << seed;
  }
}

TEST(AssembleAttempt, MatchingRightItemsMoveWithTheirLettersAndTheEmptyOneStaysLast) {
  Task task;
  task.type = TaskType::Matching;
  task.itemCount = 5;
  task.hasEmptyRightItem = true;
  for (int j = 1; j <= 5; ++j) {
    task.rightItems[j] = j == 5 ? "--" : "r" + std::to_string(j);
    task.rightLetters[j] = static_cast<char>('A' + j - 1);
    task.correctTexts[j] = task.rightItems[j];
  }
  bool moved = false;
  for (std::uint64_t seed = 1; seed <= 100; ++seed) {
    Task t = task;
    Random random(seed);
    shuffleRightItems(t, random);
    EXPECT_EQ(t.rightItems[5], "--");
    EXPECT_EQ(t.correctTexts, task.correctTexts);  // the answer key stays
    std::vector<std::string> items;
    for (int j = 1; j <= 4; ++j) {
      items.push_back(t.rightItems[j]);
      EXPECT_EQ(t.rightItems[j], "r" + std::to_string(t.rightLetters[j] - 'A' + 1));
    }
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::string>{"r1", "r2", "r3", "r4"}));
    moved = moved || t.rightItems != task.rightItems;
  }
  EXPECT_TRUE(moved);
}

TEST(AssembleAttempt, RearrangeRefusesAnOrderThatIsNoPermutation) {
  Fixture f(3);
  TaskOrder order = identityOrder();
  order[2] = 1;
  EXPECT_FALSE(rearrangeTasks(order, f.test, f.state, f.settings));
  EXPECT_EQ(f.test.task(2).question, "q2");
}

}  // namespace
}  // namespace ispyt
