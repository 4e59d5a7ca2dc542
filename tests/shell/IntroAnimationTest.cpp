#include "shell/IntroAnimation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ManualScheduler.h"

namespace ispyt {
namespace {

// Records what the intro draws, with the virtual time of each step.
class RecordingStage : public IntroStage {
 public:
  explicit RecordingStage(ManualScheduler& s) : s_(s) {}
  std::vector<std::string> log;
  void loadClassLists() override { add("classes"); }
  void drawTitle(int v) override { add("title" + std::to_string(v)); }
  void drawSidePictureAndLogoStage() override {
    add("side");
    timerRunningDuringReveal = intro->running();
  }
  void keepSecondLogoStage() override { add("stage2"); }
  void showPublisherLine() override { add("publisher"); }
  void drawLogoFrame(int f) override { add("frame" + std::to_string(f)); }
  void releaseLogoFrames() override { add("release-frames"); }
  void drawCaptionReveal(int n) override { add("caption" + std::to_string(n)); }
  void drawFinishedTitle() override { add("finished"); }
  void releaseTitlePictures() override { add("release-titles"); }
  void makeMenuAvailable() override {
    add("menu");
    menuAt = s_.nowMs();
  }
  void drawIdle(int copy, int frame) override {
    add("idle" + std::to_string(copy) + "/" + std::to_string(frame));
  }
  void releaseIdleCopies() override { add("release-idle"); }

  IntroAnimation* intro = nullptr;
  bool timerRunningDuringReveal = true;
  long long menuAt = -1;

 private:
  void add(std::string s) { log.push_back(std::move(s)); }
  ManualScheduler& s_;
};

class IntroTest : public ::testing::Test {
 protected:
  IntroTest() : stage(scheduler), intro(scheduler, stage) {
    stage.intro = &intro;
    intro.reset();
    intro.startIfAtFirstStep();
  }
  ManualScheduler scheduler;
  RecordingStage stage;
  IntroAnimation intro;
};

TEST_F(IntroTest, RunsTheStepsInOrderAtATenthOfASecond) {
  scheduler.advance(100 * 16);
  std::vector<std::string> expected{"classes", "title1", "side", "stage2", "publisher"};
  for (int f = 0; f < 9; ++f) expected.push_back("frame" + std::to_string(f));
  expected.insert(expected.end(), {"release-frames", "title4", "title5"});
  EXPECT_EQ(stage.log, expected);
  EXPECT_FALSE(stage.timerRunningDuringReveal);
}

TEST_F(IntroTest, TheMenuBecomesAvailableAtStep47) {
  scheduler.advance(100 * 46);
  EXPECT_EQ(stage.menuAt, -1);
  scheduler.advance(100);
  EXPECT_EQ(stage.menuAt, 4700);
  EXPECT_EQ(intro.step(), 48);
  EXPECT_EQ(std::count(stage.log.begin(), stage.log.end(), "caption21"), 1);
  EXPECT_EQ(stage.log[stage.log.size() - 1], "menu");
}

TEST_F(IntroTest, SlowsTo300MsAtStep49AndLoopsOverTheIdleSteps) {
  scheduler.advance(100 * 49);
  EXPECT_EQ(intro.step(), 50);
  EXPECT_EQ(intro.interval(), 300);
  stage.log.clear();
  scheduler.advance(299);
  EXPECT_TRUE(stage.log.empty());
  scheduler.advance(1 + 300 * 9);
  EXPECT_EQ(stage.log, (std::vector<std::string>{"idle1/2", "idle2/3", "idle1/2", "idle2/3",
                                                 "idle1/2", "idle2/3", "idle1/2", "idle2/3",
                                                 "idle1/2", "idle2/3"}));
  EXPECT_EQ(intro.step(), 52);  // 50..57, then 50, 51
}

TEST_F(IntroTest, StoppingEndsItForGoodAtStep10) {
  scheduler.advance(100 * 60);
  intro.stopForGood();
  EXPECT_EQ(intro.step(), 10);
  EXPECT_FALSE(intro.running());
  EXPECT_EQ(stage.log.back(), "release-idle");
  auto size = stage.log.size();
  scheduler.advance(10000);
  EXPECT_EQ(stage.log.size(), size);
  intro.startIfAtFirstStep();  // a later transition does not restart it
  EXPECT_FALSE(intro.running());
}

}  // namespace
}  // namespace ispyt
