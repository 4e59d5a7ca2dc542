#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "TestFileBytes.h"
#include "content/CheckCode.h"
#include "content/LoadTest.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

using fixture::block;
using fixture::bytes;
using fixture::lines;

const PictureProbe kNoPictures = [](const std::string&) { return false; };

struct Loaded {
  ispyt::Test test;
  LoadResult result;
};

Loaded load(const std::string& file, std::uint64_t seed = 1, PictureProbe probe = kNoPictures) {
  Loaded l;
  Random random(seed);
  l.result = readTest(file, l.test, random, probe);
  return l;
}

// The display position of the item with this letter.
int positionOf(const Task& t, char letter) {
  for (int j = 1; j <= t.itemCount; ++j)
    if (t.itemLetters[j] == letter) return j;
  return 0;
}

TEST(CheckCode, DigitsBecomeBytesAndEightBecomesOne) {
  EXPECT_EQ(checkCode(77), bytes({1, 7, 1}));   // 178 -> 171
  EXPECT_EQ(checkCode(0), bytes({1, 0, 1}));    // 101
  EXPECT_EQ(checkCode(887), bytes({9, 1, 1}));  // 988 -> 911
  EXPECT_EQ(checkCode(1899), bytes({2, 0, 0, 0}));
  EXPECT_EQ(taskHeader(5, 77), bytes({5, 1, 7, 1}));
}

TEST(LoadTest, TitleAloneGivesOne) {
  for (std::string file : {std::string("Title\r\n"), std::string("Title"), std::string()}) {
    Loaded l = load(file);
    EXPECT_TRUE(l.result.loaded());
    EXPECT_EQ(l.result.value, 1);
    EXPECT_EQ(l.test.taskCount, 0);
  }
  EXPECT_EQ(load("My title\r\n").test.title, "My title");
}

// Turned into LF, a test's raw bytes and its line ends look alike: the
// file is refused, as the program and every command refuse it.
TEST(LoadTest, AFileWhoseLinesEndInLFAloneIsIncompatible) {
  Loaded l = load("Title\n\x05\x01\x07\x01\n2\nQuestion\n");
  EXPECT_EQ(l.result.status, LoadStatus::Incompatible);
  EXPECT_EQ(l.result.line, 1);
  EXPECT_NE(l.result.reason.find("LF"), std::string::npos);
  EXPECT_EQ(l.test.taskCount, 0);
}

TEST(LoadTest, SingleChoiceSwapsTheCorrectOptionToTheFront) {
  // A literal file: option 2 of 3 is correct; the header is 0, then 103.
  std::string file = "T\r\n" + bytes({0, 1, 0, 3}) + "\r\n3\r\nQ?\r\n" + bytes({2}) +
                     "\r\nred\r\ngreen\r\nblue\r\n";
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    Loaded l = load(file, seed);
    ASSERT_EQ(l.result.value, 2) << l.result.reason;
    const Task& t = l.test.task(1);
    EXPECT_EQ(t.type, TaskType::SingleChoice);
    EXPECT_EQ(t.question, "Q?");
    EXPECT_EQ(t.itemCount, 3);
    EXPECT_EQ(t.elementCount, 1);
    EXPECT_EQ(t.correctCount, 1);
    // After the swap: A green, B red, C blue; then shuffled as a whole.
    EXPECT_EQ(t.items[positionOf(t, 'A')], "green");
    EXPECT_EQ(t.items[positionOf(t, 'B')], "red");
    EXPECT_EQ(t.items[positionOf(t, 'C')], "blue");
    for (int j = 1; j <= 3; ++j)
      EXPECT_EQ(t.correctTexts[j], t.itemLetters[j] == 'A' ? "green" : "") << j;
  }
}

TEST(LoadTest, ShuffleVisitsEveryPosition) {
  std::string file = "T\r\n" + block(0, {"3"}, "Q", {bytes({1}), "a", "b", "c"});
  std::set<int> places;
  for (std::uint64_t seed = 1; seed <= 50; ++seed)
    places.insert(positionOf(load(file, seed).test.task(1), 'A'));
  EXPECT_EQ(places, (std::set<int>{1, 2, 3}));
}

TEST(LoadTest, MultipleChoiceAppliesTheOrderLine) {
  // Stored lines x, y, z, w go to positions 3, 1, 4, 2; two are correct,
  // so y (position 1) and w (position 2) are the correct options.
  for (std::uint8_t type : {1, 6}) {
    std::string file =
        "T\r\n" + block(type, {"4"}, "Pick", {bytes({2, 3, 1, 4, 2}), "x", "y", "z", "w"});
    Loaded l = load(file);
    ASSERT_TRUE(l.result.loaded()) << l.result.reason;
    const Task& t = l.test.task(1);
    EXPECT_EQ(t.correctCount, 2);
    EXPECT_EQ(t.elementCount, 2);
    EXPECT_EQ(t.items[positionOf(t, 'A')], "y");
    EXPECT_EQ(t.items[positionOf(t, 'B')], "w");
    EXPECT_EQ(t.items[positionOf(t, 'C')], "x");
    EXPECT_EQ(t.items[positionOf(t, 'D')], "z");
    for (int j = 1; j <= 4; ++j) {
      bool correct = t.itemLetters[j] == 'A' || t.itemLetters[j] == 'B';
      EXPECT_EQ(t.correctTexts[j], correct ? t.items[j] : "") << j;
    }
  }
}

TEST(LoadTest, CountedChoiceTitleCarriesItsCount) {
  std::string file = "T\r\n" + block(6, {"3"}, "Q", {bytes({2, 1, 2, 3}), "a", "b", "c"});
  EXPECT_EQ(taskTypeTitle(load(file).test.task(1)), cp1251("Множинний вибір-2"));
}

TEST(LoadTest, DirectInputUnscramblesAnswersUnderTheirKeys) {
  // "a b" is stored as "a_b" + key "\x01\x02\x03\x04": bytes 0x62 0x61 0x65.
  std::string stored = bytes({'a' + 1, '_' + 2, 'b' + 3});
  // A key byte above the answer byte wraps modulo 256.
  std::string wrapKey = bytes({0xF0});
  std::string wrapped = bytes({('7' + 0xF0) & 0xFF});
  std::string file = "T\r\n" + block(2, {"2"}, "Type",
                                     {"Word", "2", bytes({1, 2, 3, 4}), stored, "x", "", "Digit",
                                      "1", wrapKey, wrapped});
  Loaded l = load(file);
  ASSERT_TRUE(l.result.loaded()) << l.result.reason;
  const Task& t = l.test.task(1);
  EXPECT_EQ(t.elementCount, 2);
  EXPECT_EQ(t.items[1], "Word");
  EXPECT_EQ(t.items[2], "Digit");
  EXPECT_EQ(t.acceptedCount[1], 2);
  EXPECT_EQ(t.accepted[1][1], "a b");
  EXPECT_EQ(t.accepted[1][2], "");
  EXPECT_EQ(t.acceptedCount[2], 1);
  EXPECT_EQ(t.accepted[2][1], "7");
}

TEST(LoadTest, SequenceIsNeverShownInItsCorrectOrder) {
  std::string two = "T\r\n" + block(3, {"2"}, "Order", {bytes({2, 2, 1}), "second", "first"});
  std::string five =
      "T\r\n" + block(3, {"5"}, "Order", {bytes({5, 5, 4, 3, 2, 1}), "e", "d", "c", "b", "a"});
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    Loaded k = load(two, seed);
    const Task& t = k.test.task(1);
    EXPECT_EQ(t.correctTexts[1], "first");
    EXPECT_EQ(t.correctTexts[2], "second");
    EXPECT_EQ(t.items[1], "second") << "seed " << seed;  // two items: always reversed
    EXPECT_EQ(t.itemLetters[1], 'B');
    EXPECT_EQ(t.correctCount, 2);
    Loaded l = load(five, seed);
    const Task& u = l.test.task(1);
    EXPECT_EQ(u.elementCount, 5);
    for (int j = 1; j <= 5; ++j) {
      EXPECT_EQ(u.correctTexts[j], std::string(1, 'a' + j - 1));
      EXPECT_NE(u.items[j], u.correctTexts[j]) << "seed " << seed << " position " << j;
      EXPECT_EQ(u.items[j], std::string(1, 'a' + u.itemLetters[j] - 'A'));
    }
  }
}

TEST(LoadTest, SequenceThatCannotLeaveItsPlacesStillLoads) {
  // One item, or a text filling more than half the places: one pass, kept.
  std::string one = "T\r\n" + block(3, {"1"}, "Q", {bytes({1, 1}), "only"});
  std::string same = "T\r\n" + block(3, {"3"}, "Q", {bytes({3, 1, 2, 3}), "x", "x", "y"});
  EXPECT_TRUE(load(one).result.loaded());
  EXPECT_EQ(load(one).test.task(1).items[1], std::string("only"));
  EXPECT_TRUE(load(same).result.loaded());
  // Exactly half is still possible: x and y trade places.
  std::string half = "T\r\n" + block(3, {"4"}, "Q", {bytes({4, 1, 2, 3, 4}), "x", "x", "y", "y"});
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    Loaded l = load(half, seed);
    const Task& t = l.test.task(1);
    EXPECT_EQ(t.items[1] + t.items[2] + t.items[3] + t.items[4], "yyxx");
  }
}

TEST(LoadTest, MatchingStoresRightItemsByTheOrderLine) {
  // Three right lines go to positions 2, 3, 1.
  std::string file =
      "T\r\n" + block(4, {"2"}, "Match", {"left1", "left2", bytes({2, 3, 1}), "r-b", "--", "r-a"});
  Loaded l = load(file);
  ASSERT_TRUE(l.result.loaded()) << l.result.reason;
  const Task& t = l.test.task(1);
  EXPECT_EQ(t.itemCount, 3);
  EXPECT_EQ(t.elementCount, 2);
  EXPECT_EQ(t.items[1], "left1");
  EXPECT_EQ(t.items[2], "left2");
  EXPECT_EQ(t.itemLetters[1], 'a');
  EXPECT_EQ(t.itemLetters[2], 'b');
  EXPECT_EQ(t.rightItems[1], "r-a");
  EXPECT_EQ(t.rightItems[2], "r-b");
  EXPECT_EQ(t.rightItems[3], "--");
  EXPECT_EQ(t.correctTexts[1], "r-a");
  EXPECT_EQ(t.correctTexts[3], "--");
  EXPECT_EQ(std::string(&t.rightLetters[1], 3), "ABC");
  EXPECT_TRUE(t.hasEmptyRightItem);
}

TEST(LoadTest, RawTenAndThirteenAreDataInsideLines) {
  // Matching of 12 left items: positions 13 and 10 inside the order line,
  // but never as the pair 13, 10.
  std::vector<std::string> body;
  std::string order;
  for (int p : {10, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) order += static_cast<char>(p);
  std::string file = "T\r\n" + lines({taskHeader(4, 1), "12", "Q"});
  for (int j = 1; j <= 12; ++j) file += lines({"L" + std::to_string(j)});
  file += lines({order});
  for (int j = 1; j <= 13; ++j) file += lines({"R" + std::to_string(j)});
  // Single choice with option 13 and option 10 correct: byte lines 13, 10.
  for (int c : {13, 10}) {
    file += lines({taskHeader(0, 1), "13", "Q", bytes({c})});
    for (int j = 1; j <= 13; ++j) file += lines({"o" + std::to_string(j)});
  }
  Loaded l = load(file);
  ASSERT_EQ(l.result.value, 4) << l.result.reason << " at line " << l.result.line;
  EXPECT_EQ(l.test.task(1).rightItems[13], "R2");
  EXPECT_EQ(l.test.task(1).rightItems[10], "R1");
  EXPECT_EQ(l.test.task(2).items[positionOf(l.test.task(2), 'A')], "o13");
  EXPECT_EQ(l.test.task(3).items[positionOf(l.test.task(3), 'A')], "o10");
}

std::string grid(std::string gaps, char flag = '+') {
  std::string g(90, ' ');
  g[0] = 'H';
  g[2] = 'O';
  std::string levels(90, '0');
  levels[1] = '1';
  return g + levels + flag + gaps;
}

TEST(LoadTest, RestorationCountsGapsAndProbesForItsPicture) {
  std::string gaps = bytes({42, '2', '1', 41 + 89, 'x', '0'});
  std::string task = block(5, {"3"}, "Restore", {grid(gaps), "12x_______________"});
  std::string file = "T\r\n" + block(0, {"2"}, "Q", {bytes({1}), "a", "b"}) + task;
  std::vector<std::string> probed;
  Loaded l = load(file, 1, [&](const std::string& name) {
    probed.push_back(name);
    return name == "P2-1.bmp";
  });
  ASSERT_TRUE(l.result.loaded()) << l.result.reason;
  const Task& t = l.test.task(2);
  EXPECT_EQ(probed, std::vector<std::string>{"P2-1.bmp"});
  EXPECT_EQ(t.items[1], "P2-1.bmp");
  EXPECT_EQ(t.items[2], grid(gaps));
  EXPECT_EQ(t.rightItems[1], "12x_______________");
  EXPECT_EQ(t.itemCount, 3 + 3);
  EXPECT_EQ(t.elementCount, 2);

  // No picture: items[1] stays empty; one palette key and no base makes 2.
  std::string lone = "T\r\n" + block(5, {"0"}, "R", {grid(gaps), "x_________________"});
  Loaded m = load(lone);
  ASSERT_TRUE(m.result.loaded()) << m.result.reason;
  EXPECT_EQ(m.test.task(1).items[1], "");
  EXPECT_EQ(m.test.task(1).itemCount, 2);
}

TEST(LoadTest, CompletionSubtractsOneFromItsCountsAndShufflesVariants) {
  // Two blanks of three variants (stored as 3 and 4); correct: 2 and 3.
  std::string file = "T\r\n" + block(7, {"1"}, "Fill",
                                     {"Sun \x8b hot, sky \x8b blue.", "3", "4", bytes({2}), "are",
                                      "is", "be", bytes({3}), "was", "", "is_very"});
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    Loaded l = load(file, seed);
    ASSERT_TRUE(l.result.loaded()) << l.result.reason;
    const Task& t = l.test.task(1);
    EXPECT_EQ(t.itemCount, 1);
    EXPECT_EQ(t.items[1], "Sun \x8b hot, sky \x8b blue.");
    EXPECT_EQ(t.blankCount, 2);
    EXPECT_EQ(t.variantCount, 3);
    EXPECT_EQ(t.elementCount, 2);
    EXPECT_EQ(t.correctTexts[1], "is");
    EXPECT_EQ(t.correctTexts[2], "is very");
    for (int r = 1; r <= 2; ++r) {
      std::multiset<std::string> seen;
      for (int j = 1; j <= 3; ++j) {
        seen.insert(t.variants[r][j]);
        if (t.variantLetters[r][j] == 'A') {
          EXPECT_EQ(t.variants[r][j], t.correctTexts[r]);
        }
      }
      std::multiset<std::string> expected = r == 1
                                                ? std::multiset<std::string>{"are", "is", "be"}
                                                : std::multiset<std::string>{"was", "", "is very"};
      EXPECT_EQ(seen, expected);
    }
  }
}

TEST(LoadTest, SixtyTasksAreReadAndTheRestIgnored) {
  std::string file = "T\r\n";
  for (int n = 1; n <= 61; ++n)
    file += block(0, {"2"}, "Q" + std::to_string(n), {bytes({1}), "a", "b"});
  file += "garbage that would not load\r\n";
  Loaded l = load(file);
  EXPECT_EQ(l.result.value, 61);
  EXPECT_EQ(l.test.taskCount, 60);
  EXPECT_EQ(l.test.task(60).question, "Q60");
}

TEST(LoadTest, UnknownKindHasNoBody) {
  std::string file =
      "T\r\n" + lines({bytes({9, 1, 0, 1})}) + block(0, {"2"}, "Q", {bytes({1}), "a", "b"});
  Loaded l = load(file);
  EXPECT_EQ(l.result.value, 3) << l.result.reason;
  EXPECT_EQ(static_cast<int>(l.test.task(1).type), 9);
  EXPECT_EQ(l.test.task(1).elementCount, 0);
}

TEST(LoadTest, ResetsEveryTaskBeforeReading) {
  ispyt::Test test;
  test.task(5).question = "old";
  test.task(5).itemCount = 4;
  test.task(60).correctCount = 3;
  Random random(1);
  readTest("T\r\n" + block(0, {"2"}, "Q", {bytes({1}), "a", "b"}), test, random, kNoPictures);
  EXPECT_EQ(test.task(5).question, "");
  EXPECT_EQ(test.task(5).itemCount, 0);
  EXPECT_EQ(test.task(60).correctCount, 1);
  EXPECT_EQ(test.task(60).blankCount, 1);
}

struct BadFile {
  const char* name;
  std::string body;  // after the title line
  int line;          // where the fault is reported
};

std::string single(int n, int c) {
  std::string s = lines({taskHeader(0, 1), std::to_string(n), "Q", bytes({c})});
  for (int j = 0; j < n; ++j) s += lines({"o"});
  return s;
}

void PrintTo(const BadFile& file, std::ostream* os) { *os << file.name; }

class Incompatible : public ::testing::TestWithParam<BadFile> {};

TEST_P(Incompatible, IsRejectedWhereTheFaultIs) {
  std::string file = "Title\r\n" + GetParam().body;
  Loaded l = load(file);
  EXPECT_EQ(l.result.status, LoadStatus::Incompatible);
  EXPECT_EQ(l.result.value, 0);
  EXPECT_EQ(l.result.line, GetParam().line) << l.result.reason;
  EXPECT_FALSE(l.result.reason.empty());
  EXPECT_EQ(l.test.taskCount, 0);
  EXPECT_EQ(l.test.title, "");
}

std::string grid181 = std::string(90, 'a') + std::string(90, '0') + "+";

INSTANTIATE_TEST_SUITE_P(
    OutOfFormat, Incompatible,
    ::testing::Values(
        BadFile{"HeaderDigitOne", lines({"1abc"}), 2}, BadFile{"HeaderDigitEight", lines({"8"}), 2},
        BadFile{"SecondHeaderDigit", single(2, 1) + lines({"5"}), 8},
        BadFile{"WrongCheckCode", lines({bytes({0, 1, 0, 3}), "2", "Q", bytes({1}), "a", "b"}), 2},
        BadFile{"EmptyHeader", lines({""}), 2}, BadFile{"TooManyOptions", single(14, 1), 3},
        BadFile{"NoOptions", single(0, 1), 3},
        BadFile{"CountNotANumber", lines({taskHeader(0, 1), "many", "Q"}), 3},
        BadFile{"CorrectOptionOutOfRange", single(3, 4), 5},
        BadFile{"CorrectOptionZero", single(3, 0), 5},
        BadFile{"Truncated", lines({taskHeader(0, 1), "3", "Q", bytes({1}), "a"}), 7},
        BadFile{"EightOrderItems",
                lines({taskHeader(1, 1), "8", "Q", bytes({1, 1, 2, 3, 4, 5, 6, 7, 8})}), 3},
        BadFile{"OrderLineShort", lines({taskHeader(1, 1), "3", "Q", bytes({1, 1, 2})}), 5},
        BadFile{"OrderPositionOutOfRange",
                lines({taskHeader(1, 1), "3", "Q", bytes({1, 1, 2, 4}), "a", "b", "c"}), 5},
        BadFile{"OrderPositionRepeated",
                lines({taskHeader(3, 1), "3", "Q", bytes({3, 1, 2, 2}), "a", "b", "c"}), 5},
        BadFile{"NoCorrectOption", lines({taskHeader(1, 1), "2", "Q", bytes({0, 1, 2}), "a", "b"}),
                5},
        BadFile{"MoreCorrectThanOptions",
                lines({taskHeader(6, 1), "2", "Q", bytes({3, 1, 2}), "a", "b"}), 5},
        BadFile{"ThirteenLeftItems", lines({taskHeader(4, 1), "13"}), 3},
        BadFile{"MatchingOrderRepeated",
                lines({taskHeader(4, 1), "1", "Q", "l", bytes({1, 1}), "a", "b"}), 6},
        BadFile{"FourFields", lines({taskHeader(2, 1), "4"}), 3},
        BadFile{"FourteenAnswers", lines({taskHeader(2, 1), "1", "Q", "label", "14"}), 6},
        BadFile{"NoAnswers", lines({taskHeader(2, 1), "1", "Q", "label", "0"}), 6},
        BadFile{"KeyShorterThanAnswer",
                lines({taskHeader(2, 1), "1", "Q", "label", "1", "ab", "abc"}), 8},
        BadFile{"PaletteShort", lines({taskHeader(5, 1), "0", "Q", grid181 + "Aa0", "12"}), 6},
        BadFile{"PaletteLong",
                lines({taskHeader(5, 1), "0", "Q", grid181 + "Aa0", std::string(19, '_')}), 6},
        BadFile{"GridShort", lines({taskHeader(5, 1), "0", "Q", std::string(180, '0')}), 5},
        BadFile{"GridNoGap", lines({taskHeader(5, 1), "0", "Q", grid181}), 5},
        BadFile{"GridPartialGap", lines({taskHeader(5, 1), "0", "Q", grid181 + "Aa"}), 5},
        BadFile{"GridMoreGapsThanCells",
                lines({taskHeader(5, 1), "0", "Q",
                       grid181 +
                           [] {
                             std::string gaps;
                             for (int g = 0; g < 91; ++g) gaps += "Aa0";
                             return gaps;
                           }()}),
                5},
        BadFile{"GridGapCellOutOfRange",
                lines({taskHeader(5, 1), "0", "Q", grid181 + bytes({131}) + "a0"}), 5},
        BadFile{"GridBadLevel",
                lines({taskHeader(5, 1), "0", "Q",
                       std::string(90, 'a') + std::string(89, '0') + "7+Aa0"}),
                5},
        BadFile{"ZeroBlanks", lines({taskHeader(7, 1), "1", "Q", "text", "1"}), 6},
        BadFile{"FourteenVariants", lines({taskHeader(7, 1), "1", "Q", "text", "2", "15"}), 7},
        BadFile{"CompletionCorrectOutOfRange",
                lines({taskHeader(7, 1), "1", "Q", "text", "2", "3", bytes({3})}), 8},
        BadFile{"CompletionItemCountZero", lines({taskHeader(7, 1), "0"}), 3}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(LoadTest, FileThatCannotBeOpenedIsNoData) {
  ispyt::Test test;
  test.title = "stale";
  Random random(1);
  int resets = 0;
  std::string shown;
  LoadTestSeams seams{[&] { ++resets; }, [&](const std::string& text) { shown = text; }};
  LoadResult r = LoadTest("/nonexistent/folder/test.txt", test, random, seams);
  EXPECT_EQ(r.status, LoadStatus::NoData);
  EXPECT_EQ(r.value, 0);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(shown, cp1251("Нема даних"));
  EXPECT_EQ(test.title, "");
}

TEST(LoadTest, LoadsFromDiskIgnoringCaseAndShowsIncompatibility) {
  auto dir = std::filesystem::temp_directory_path() / "ispyt-loadtest";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::string task = block(5, {"0"}, "R", {grid(bytes({42, '2', '1'})), "2_________________"});
  std::ofstream(dir / "Test.txt", std::ios::binary) << "T\r\n" << task;
  std::ofstream(dir / "p1-1.BMP", std::ios::binary) << "BM";
  std::ofstream(dir / "bad.txt", std::ios::binary) << "T\r\n1\r\n";
  ispyt::Test test;
  Random random(1);
  std::string shown;
  LoadTestSeams seams{{}, [&](const std::string& text) { shown = text; }};
  LoadResult r = LoadTest(dir / "test.txt", test, random, seams);
  EXPECT_EQ(r.value, 2) << r.reason;
  EXPECT_EQ(test.task(1).items[1], "P1-1.bmp");
  EXPECT_EQ(shown, "");
  r = LoadTest(dir / "bad.txt", test, random, seams);
  EXPECT_EQ(r.status, LoadStatus::Incompatible);
  EXPECT_EQ(shown, cp1251("Несумісний тест"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace ispyt
