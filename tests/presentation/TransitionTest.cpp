#include <gtest/gtest.h>

#include <set>

#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "presentation/CardFrame.h"
#include "presentation/Transition.h"

namespace ispyt {
namespace {

constexpr Pixel kOld = 0xFF000000u;
constexpr Pixel kContent = 0xFFC86432u;  // (200, 100, 50)
constexpr Pixel kBackdrop = 0xFF20A020u;
constexpr Pixel kFrame = 0xFF606060u;

// The card area as a picture; what the steps copied piece by piece is
// marked, so that a test can tell whether the pieces cover the card.
struct PictureScreen : CardScreen {
  explicit PictureScreen(Size size) : card(size, kOld), pieces(size, 0) {}
  Picture current() const override { return card; }
  void show(const Picture& picture, Rect part, Point at) override {
    card.copy(picture, part, at);
    ++shows;
    if (part == picture.rect() && at == Point{}) {
      ++wholeShows;
      return;
    }
    pieces.fill({at.x, at.y, part.width, part.height}, 1);
  }
  void repaint() override { ++repaints; }
  bool piecesCover() const {
    for (int y = 0; y < pieces.height(); ++y)
      for (int x = 0; x < pieces.width(); ++x)
        if (!pieces.at(x, y)) return false;
    return true;
  }

  Picture card;
  Picture pieces;
  int shows = 0, wholeShows = 0, repaints = 0;
};

struct Effects {
  explicit Effects(Effect effect, Size card = {400, 318}, double sx = 1, double sy = 1)
      : screen(card), transition(scheduler, screen, random) {
    transition.setLook({effect, sx, sy, kFrame, true}, [card] { return Picture(card, kBackdrop); });
  }
  void start() {
    transition.start(Picture(screen.card.size(), kContent), [this] {
      ++followUps;
      followUpTick = transition.ticks();
    });
  }
  // Ticks until the running flag clears.
  int ticksToDone() {
    int n = 0;
    while (transition.running() && n < 10000) {
      scheduler.advance(1);
      ++n;
    }
    return n;
  }

  ManualScheduler scheduler;
  Random random{5};
  PictureScreen screen;
  Transition transition;
  int followUps = 0;
  int followUpTick = 0;
};

TEST(Transition, AnUnlistedEffectDrawsTheNewPictureFifteenTimes) {
  EXPECT_EQ(effectOf(cp1251("Зірка")), Effect::None);
  EXPECT_EQ(effectOf(cp1251("Нема")), Effect::None);
  EXPECT_EQ(effectOf(cp1251("В`їзд")), Effect::DriveIn);
  Effects run(effectOf(cp1251("Зірка")));
  run.start();
  for (int tick = 1; tick <= 15; ++tick) {
    run.scheduler.advance(1);
    EXPECT_EQ(run.screen.wholeShows, tick);
  }
  EXPECT_FALSE(run.transition.running());
  EXPECT_TRUE(run.transition.active());
  EXPECT_EQ(run.followUps, 0);
  run.scheduler.runUntilIdle();
  EXPECT_EQ(run.screen.wholeShows, 15);
  EXPECT_EQ(run.followUps, 1);
  EXPECT_EQ(run.followUpTick, 16);
  EXPECT_FALSE(run.transition.active());
}

TEST(Transition, DissolveShowsAllCellsAfterTwentyNineTicks) {
  Effects run(Effect::Dissolve);
  run.start();
  const std::vector<Point>& order = run.transition.dissolveOrder();
  std::set<std::pair<int, int>> cells;
  for (Point c : order) cells.insert({c.x, c.y});
  EXPECT_EQ(cells.size(), 630u);
  run.scheduler.advance(28);
  EXPECT_TRUE(run.transition.running());
  EXPECT_FALSE(run.screen.piecesCover());
  run.scheduler.advance(1);
  EXPECT_FALSE(run.transition.running());
  EXPECT_EQ(run.screen.shows - run.screen.wholeShows, 630);
  // The cells are sized from the card, so they cover it whole.
  EXPECT_TRUE(run.screen.piecesCover());
  run.scheduler.runUntilIdle();
  EXPECT_EQ(run.followUpTick, 30);
}

TEST(Transition, BlindsCopyStripsForAFourteenthOfTheWidthInTicks) {
  Effects run(Effect::Blinds);  // 400 wide: 28 ticks of strips
  run.start();
  run.scheduler.advance(28);
  EXPECT_TRUE(run.transition.running());
  EXPECT_EQ(run.screen.shows, 28 * 16);
  EXPECT_TRUE(run.screen.piecesCover());
  run.scheduler.advance(1);
  EXPECT_FALSE(run.transition.running());
  run.scheduler.runUntilIdle();
  EXPECT_EQ(run.followUpTick, 30);
}

TEST(Transition, AppearOpensTheWholeCardInTheTicksOfItsDesignSteps) {
  // 100 units down by 6 take 17 steps; the 18th tick finds it done.
  Effects run(Effect::Appear);
  run.start();
  EXPECT_EQ(run.ticksToDone(), 18);
  EXPECT_TRUE(run.screen.piecesCover());
  Effects wide(Effect::Appear, {960, 572}, 2.4, 1.8);  // 1920x1080: 35 steps by the width
  wide.start();
  EXPECT_EQ(wide.ticksToDone(), 36);
  EXPECT_TRUE(wide.screen.piecesCover());
}

TEST(Transition, EveryEffectEndsWithTheNewPictureWholeAndItsFollowUpOnce) {
  const Effect effects[] = {Effect::None,    Effect::Tear, Effect::Dissolve, Effect::Blinds,
                            Effect::DriveIn, Effect::Fall, Effect::Appear,   Effect::CrossFade};
  for (Size card : {Size{400, 318}, Size{960, 572}, Size{123, 77}}) {
    for (Effect e : effects) {
      Effects run(e, card, card.width / 400.0, card.height / 318.0);
      run.start();
      const Picture composed = run.transition.newPicture();
      run.scheduler.runUntilIdle();
      EXPECT_EQ(run.screen.card, composed) << int(e) << " " << card.width << "x" << card.height;
      // The screen alone keeps it from then on.
      EXPECT_TRUE(run.transition.newPicture().empty()) << int(e);
      EXPECT_EQ(run.followUps, 1) << int(e);
      EXPECT_EQ(run.followUpTick, run.transition.ticks()) << int(e);
    }
  }
}

TEST(Transition, TheMovingEffectsTakeTheirTicks) {
  struct Case {
    Effect effect;
    int ticks;  // until the flag clears, the finishing tick included
  } cases[] = {
      {Effect::Fall, 30},     // y by 10 up to 318 - 30
      {Effect::DriveIn, 38},  // x by 10 up to 400 - 35
      {Effect::Tear, 30},
      {Effect::CrossFade, 100},  // 99 frames, then the new picture
  };
  for (const Case& c : cases) {
    Effects run(c.effect);
    run.start();
    EXPECT_EQ(run.ticksToDone(), c.ticks) << int(c.effect);
  }
}

TEST(Transition, TheNewPictureStandsInItsFrameOnTheBackground) {
  Effects run(Effect::None);
  run.start();
  const Picture& p = run.transition.newPicture();
  EXPECT_EQ(p.at(0, 0), kBackdrop);  // a corner is the background's
  EXPECT_EQ(p.at(3, 3), kBackdrop);
  EXPECT_EQ(p.at(1, 159), kFrame);    // the left edge
  EXPECT_EQ(p.at(200, 1), kFrame);    // the top edge
  EXPECT_EQ(p.at(397, 159), kFrame);  // the right edge: w - 3
  EXPECT_EQ(p.at(398, 159), kBackdrop);
  EXPECT_EQ(p.at(200, 159), kContent);
  Effects plain(Effect::Appear);
  plain.transition.setLook({Effect::Appear, 1, 1, kFrame, false},
                           [] { return Picture({400, 318}, kBackdrop); });
  plain.start();
  EXPECT_EQ(plain.transition.newPicture().at(1, 159), kContent);  // appears with no outline
  EXPECT_EQ(plain.transition.newPicture().at(0, 0), kBackdrop);
}

TEST(Transition, TheBackdropIsMadeOnceWhenFirstNeededFromTheLookSetLast) {
  Effects run(Effect::None);
  int made = 0;
  constexpr Pixel kSecond = 0xFF2040E0u;
  run.transition.setLook({Effect::None, 1, 1, kFrame, true}, [&] {
    ++made;
    return Picture({400, 318}, kBackdrop);
  });
  run.transition.setLook({Effect::None, 1, 1, kFrame, true}, [&] {
    ++made;
    return Picture({400, 318}, kSecond);
  });
  EXPECT_EQ(made, 0);
  run.start();
  run.ticksToDone();
  run.start();
  EXPECT_EQ(made, 1);
  EXPECT_EQ(run.transition.newPicture().at(0, 0), kSecond);  // a corner outside the frame
}

TEST(Transition, CrossFadeBlendsOneFramePerTick) {
  Effects run(Effect::CrossFade);
  run.start();
  run.scheduler.advance(1);
  // (99 * old + 1 * new) / 100, rounded halves to even: 2, 1, 0.5 -> 0.
  EXPECT_EQ(rgbOf(run.screen.card.at(200, 159)), (Rgb{2, 1, 0}));
  run.scheduler.advance(49);
  EXPECT_EQ(rgbOf(run.screen.card.at(200, 159)), (Rgb{100, 50, 25}));
  EXPECT_EQ(run.screen.wholeShows, 50);
}

TEST(Transition, ClosingDuringTheCrossFadeEndsItAtOnce) {
  Effects run(Effect::CrossFade);
  run.start();
  run.scheduler.advance(10);
  run.transition.end();
  EXPECT_FALSE(run.transition.running());
  EXPECT_FALSE(run.transition.active());
  const int shows = run.screen.shows;
  run.scheduler.advance(500);
  EXPECT_EQ(run.screen.shows, shows);
  EXPECT_EQ(run.followUps, 0);
}

TEST(Transition, ANewTransitionReplacesOneUnderWay) {
  Effects run(Effect::Tear);
  int first = 0;
  run.transition.start(Picture({400, 318}, 0xFF0000FFu), [&] { ++first; });
  run.scheduler.advance(5);
  run.start();
  const Picture composed = run.transition.newPicture();
  run.scheduler.runUntilIdle();
  EXPECT_EQ(first, 0);
  EXPECT_EQ(run.followUps, 1);
  EXPECT_EQ(run.screen.card, composed);
  EXPECT_EQ(composed.at(200, 159), kContent);
}

TEST(Transition, TheMovingEffectsCarryTheLastContentAway) {
  Effects run(Effect::Fall);
  run.start();
  run.scheduler.runUntilIdle();
  run.transition.start(Picture({400, 318}, 0xFF0000FFu));
  run.scheduler.advance(3);  // the old card has fallen by 20
  EXPECT_EQ(run.screen.card.at(200, 100), kContent);
  EXPECT_EQ(run.screen.card.at(200, 10), 0xFF0000FFu);  // the new one shows above it
}

TEST(CardFrame, TheTornStyleSquaresTwoCorners) {
  const Picture source({40, 40}, kContent);
  Picture round({40, 40}, kBackdrop), torn({40, 40}, kBackdrop);
  drawFramed(round, source, source.rect(), {0, 0}, {kFrame, true, false});
  drawFramed(torn, source, source.rect(), {0, 0}, {kFrame, true, true});
  EXPECT_EQ(round.at(1, 37), kBackdrop);  // lower left: rounded off
  EXPECT_EQ(torn.at(1, 37), kFrame);      // squared
  EXPECT_EQ(torn.at(2, 36), kContent);
  EXPECT_EQ(round.at(37, 1), kBackdrop);  // upper right
  EXPECT_EQ(torn.at(37, 1), kFrame);
  EXPECT_EQ(torn.at(1, 1), kBackdrop);    // upper left stays round
  EXPECT_EQ(torn.at(37, 37), kBackdrop);  // lower right too
}

}  // namespace
}  // namespace ispyt
