#include "shell/MainMenu.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Cp1251.h"
#include "shell/Dispatcher.h"
#include "shell/HotKeys.h"
#include "shell/PasswordEntry.h"

namespace ispyt {
namespace {

using C = MenuCaption;
constexpr auto N = CaptionColour::Navy;
constexpr auto B = CaptionColour::Blue;
constexpr auto G = CaptionColour::Grey;

// A menu with a test open: "Оформлення" grey, everything else navy.
MainMenu testOpenMenu() {
  MainMenu m;
  for (C c : {C::Test, C::Settings, C::Results}) m.setColour(c, N);
  return m;
}

std::string colours(const MainMenu& m) {
  std::string s;
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    CaptionColour c = m.colour(static_cast<C>(i));
    s += c == N ? 'n' : c == B ? 'b' : 'g';
  }
  return s;
}

TEST(MainMenu, HoverRules) {
  struct Case {
    const char* name;
    C hovered;
    bool attemptRunning;
    const char* before;  // Test Settings Results Appearance Exit Help
    const char* after;
  } cases[] = {
      {"a navy caption turns blue", C::Test, false, "nnngnn", "bnngnn"},
      {"the previous blue turns navy", C::Results, false, "bnngnn", "nnbgnn"},
      {"a grey caption stays grey", C::Appearance, false, "bnngnn", "nnngnn"},
      {"test sections ignored during an attempt", C::Settings, true, "bnngnn", "bnngnn"},
      {"exit reacts during an attempt", C::Exit, true, "bnngnn", "nnngbn"},
      {"help is always blue when hovered", C::Help, false, "nbngnn", "nnngnb"},
      {"exit and help reset to navy", C::Test, false, "nnngbb", "bnngnn"},
      {"exit and help reset even from grey", C::Appearance, false, "gggggg", "ggggnn"},
  };
  for (const auto& c : cases) {
    MainMenu m;
    for (int i = 0; i < kMenuCaptionCount; ++i) {
      char k = c.before[i];
      m.setColour(static_cast<C>(i), k == 'n' ? N : k == 'b' ? B : G);
    }
    m.hover(c.hovered, c.attemptRunning);
    EXPECT_EQ(colours(m), c.after) << c.name;
  }
}

TEST(MainMenu, StartsWithOnlyExitAndHelpAvailable) {
  MainMenu m;
  EXPECT_EQ(colours(m), "ggggnn");
  EXPECT_FALSE(m.clickable(C::Exit));
  m.hover(C::Exit, false);
  EXPECT_TRUE(m.clickable(C::Exit));
}

TEST(PasswordEntry, AcceptsOnTheLastDigitAndClearsOnAnythingElse) {
  PasswordEntry e;
  using K = PasswordEntry::Key;
  EXPECT_FALSE(e.type(K::Character, '1', 123));
  EXPECT_FALSE(e.type(K::Character, '2', 123));
  EXPECT_EQ(e.shown(), "==");
  EXPECT_TRUE(e.type(K::Character, '3', 123));

  e.clear();
  for (char c : std::string("12345")) e.type(K::Character, c, 999);
  EXPECT_EQ(e.digits(), "12345");
  e.type(K::Character, '6', 999);  // a sixth digit clears
  EXPECT_EQ(e.digits(), "");

  e.type(K::Character, '4', 999);
  e.type(K::Character, 'a', 999);  // a letter clears
  EXPECT_EQ(e.digits(), "");
  e.type(K::Character, '4', 999);
  e.type(K::Navigation, 0, 999);  // swallowed
  EXPECT_EQ(e.digits(), "4");
  e.type(K::Backspace, 0, 999);  // clears everything
  EXPECT_EQ(e.digits(), "");
  EXPECT_FALSE(e.type(K::Backspace, 0, 0));  // empty is no number, not 0
  EXPECT_TRUE(e.type(K::Character, '0', 0));
}

TEST(Dispatcher, ActsOnTheHighlightedSection) {
  MainMenu tests = testOpenMenu();
  tests.hover(C::Test, false);
  MainMenu results = testOpenMenu();
  results.hover(C::Results, false);
  MainMenu appearance;
  appearance.setColour(C::Appearance, N);
  appearance.hover(C::Appearance, false);
  const DispatchContext open{.testOpen = true};
  const DispatchContext guarded{.passwordSet = true, .testOpen = true};

  struct Case {
    const char* name;
    const MainMenu& menu;
    std::string item;
    DispatchContext context;
    DispatchAction action;
    bool setsSelection;
    std::string selection;
  } cases[] = {
      {"appearance first", appearance, "x", open, DispatchAction::ApplyAppearance, false, ""},
      {"help", tests, cp1251("Довідка"), open, DispatchAction::Help, false, ""},
      {"about", tests, cp1251("Про програму"), open, DispatchAction::About, false, ""},
      {"a test", tests, cp1251("Алгебра"), open, DispatchAction::OpenTest, false, ""},
      {"a test while busy", tests, "t", {.transitionRunning = true}, DispatchAction::Nothing,
       false, ""},
      {"clean, no password", results, cp1251("Очистка "), open, DispatchAction::CleanResults,
       false, ""},
      {"clean, password", results, cp1251("Очистка "), guarded, DispatchAction::PromptPassword,
       true, ""},
      {"monitoring, no password", results, cp1251("Моніторинг"), open,
       DispatchAction::MonitorAllResults, false, ""},
      {"monitoring, password", results, cp1251("Моніторинг"), guarded,
       DispatchAction::PromptPassword, true, "-"},
      {"a result", results, "A123", guarded, DispatchAction::ShowResult, true, "A123"},
      {"nothing highlighted", testOpenMenu(), "A123", open, DispatchAction::Nothing, false, ""},
  };
  for (const auto& c : cases) {
    Dispatch d = dispatch(c.menu, c.item, c.context);
    EXPECT_EQ(d.action, c.action) << c.name;
    EXPECT_EQ(d.setsSelectedResult, c.setsSelection) << c.name;
    if (c.setsSelection) {
      EXPECT_EQ(d.selectedResult, c.selection) << c.name;
    }
  }
}

TEST(HotKeys, ActOnlyInTheirStates) {
  const HotKeyContext idle{};
  const HotKeyContext attempt{.attemptRunning = true, .testOpen = true, .currentTaskExists = true};
  const HotKeyContext result{.resultSelected = true, .mode = 2, .passwordSet = true,
                             .shortNameKnown = true, .sendingEnabled = true};
  HotKeyContext unlocked = result;
  unlocked.resultsUnlocked = true;
  HotKeyContext exam = result;
  exam.mode = 3;
  HotKeyContext transition = result;
  transition.transitionRunning = true;

  struct Case {
    const char* name;
    HotKey key;
    HotKeyContext context;
    HotKeyAction action;
  } cases[] = {
      {"alt+f4 idle", HotKey::AltF4, idle, HotKeyAction::Swallow},
      {"alt+f4 attempt", HotKey::AltF4, attempt, HotKeyAction::Swallow},
      {"insert asks for the password", HotKey::Insert, result, HotKeyAction::PasswordPrompt},
      {"insert unlocked", HotKey::Insert, unlocked, HotKeyAction::ResultChart},
      {"insert in mode 3", HotKey::Insert, exam, HotKeyAction::None},
      {"insert without a result", HotKey::Insert, idle, HotKeyAction::None},
      {"end sends", HotKey::End, result, HotKeyAction::SendResult},
      {"end during a transition", HotKey::End, transition, HotKeyAction::None},
      {"f1 idle", HotKey::F1, idle, HotKeyAction::Help},
      {"f1 attempt", HotKey::F1, attempt, HotKeyAction::None},
      {"f2 attempt", HotKey::F2, attempt, HotKeyAction::About},
      {"left attempt", HotKey::Left, attempt, HotKeyAction::SlowerPointer},
      {"right idle", HotKey::Right, idle, HotKeyAction::None},
      {"f3 attempt", HotKey::F3, attempt, HotKeyAction::ClockColour},
      {"f4 attempt", HotKey::F4, attempt, HotKeyAction::DiagramColour},
      {"f7 attempt", HotKey::F7, attempt, HotKeyAction::PresentationKey},
      {"f7 idle", HotKey::F7, idle, HotKeyAction::None},
  };
  for (const auto& c : cases) EXPECT_EQ(decideHotKey(c.key, c.context).action, c.action) << c.name;
  EXPECT_TRUE(decideHotKey(HotKey::F2, idle).redrawPictureFirst);
  EXPECT_FALSE(decideHotKey(HotKey::F2, attempt).redrawPictureFirst);
}

}  // namespace
}  // namespace ispyt
