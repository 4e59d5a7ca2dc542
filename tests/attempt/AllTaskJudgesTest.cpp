#include <gtest/gtest.h>

#include "attempt/AllTaskJudges.h"

namespace ispyt {
namespace {

TEST(AllTaskJudges, EveryTypeIsAnswerable) {
  AllTaskJudges judges;
  for (int t = 0; t < 8; ++t) EXPECT_TRUE(judges.handles(static_cast<TaskType>(t))) << t;
  EXPECT_FALSE(judges.handles(static_cast<TaskType>(8)));
}

}  // namespace
}  // namespace ispyt
