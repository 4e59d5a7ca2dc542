#include <gtest/gtest.h>

#include <string>

#include "attempt/HintBlink.h"

namespace ispyt {
namespace {

// Step by step what the gap shows: '#' the expected character, '.' nothing.
std::string frames(HintBlink& blink) {
  std::string s;
  for (int guard = 0; blink.blinking() && guard < 100; ++guard) {
    s += blink.shown() ? '#' : '.';
    blink.tick();
  }
  return s;
}

TEST(HintBlink, ShowsTheExpectedCharacterOnEverySecondOfItsSteps) {
  HintBlink blink;
  EXPECT_FALSE(blink.tick());
  blink.start(3);
  EXPECT_EQ(blink.gap(), 3);
  EXPECT_EQ(frames(blink), ".#.#.#.#.#.#.#.#.#.#.");
  EXPECT_EQ(blink.gap(), 0);
  EXPECT_FALSE(blink.shown());
}

TEST(HintBlink, AnotherWrongCharacterStartsItAgain) {
  HintBlink blink;
  blink.start(1);
  for (int i = 0; i < 15; ++i) blink.tick();
  blink.start(1);
  EXPECT_EQ(frames(blink).size(), std::size_t(HintBlink::kSteps));
  blink.start(2);
  blink.stop();
  EXPECT_FALSE(blink.blinking());
}

}  // namespace
}  // namespace ispyt
