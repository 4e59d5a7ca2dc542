#include <gtest/gtest.h>

#include "content/TestSource.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

TEST(TestSource, ReadsEveryKindOfLine) {
  ParsedSource p = parseTestSource(
      "\xEF\xBB\xBF# a comment\n"
      "title: Алгебра\r\n"
      "copy: D1.bmp\n"
      "\n"
      "== одиничний\n"
      "? Скільки\n"
      "? буде 2+2?\n"
      "+ 4\n"
      "- 5\n"
      "== restoration\n"
      "? Формула\n"
      "picture: h2o.bmp\n"
      "flag: *\n"
      "row: H_[2]^O\\[ [x]\n"
      "palette: 2x\n");
  ASSERT_TRUE(p.source) << p.error.line << ": " << p.error.message;
  const TestSource& s = *p.source;
  EXPECT_EQ(s.title, cp1251("Алгебра"));
  EXPECT_EQ(s.extraFiles, std::vector<std::string>{"D1.bmp"});
  ASSERT_EQ(s.tasks.size(), 2u);
  EXPECT_EQ(s.tasks[0].question, cp1251("Скільки буде 2+2?"));
  ASSERT_EQ(s.tasks[0].options.size(), 2u);
  EXPECT_TRUE(s.tasks[0].options[0].correct);
  const SourceTask& r = s.tasks[1];
  EXPECT_EQ(r.picture, "h2o.bmp");
  EXPECT_EQ(r.palette, "2x________________");
  // Cells: H, gap 2 lowered, O raised, '[', blank, gap x.
  EXPECT_EQ(r.cells.substr(0, 6), "H O[  ");
  EXPECT_EQ(r.levels.substr(0, 6), "012000");
  ASSERT_EQ(r.gaps.size(), 2u);
  EXPECT_EQ(r.gaps[0].cell, 2);
  EXPECT_EQ(r.gaps[0].missing, '2');
  EXPECT_EQ(r.gaps[0].level, '1');
  EXPECT_EQ(r.gaps[1].cell, 6);
  std::string grid = restorationGrid(r);
  ASSERT_EQ(grid.size(), 181u + 6);
  EXPECT_EQ(grid[180], '*');
  EXPECT_EQ(grid.substr(181), std::string("*2"
                                          "1.x0")
                                  .replace(0, 1, 1, 42));
}

TEST(TestSource, PaletteDefaultsToTheGapCharacters) {
  ParsedSource p = parseTestSource("title: T\n== restoration\n? Q\nrow: [b]a[a] [ ][b]\n");
  ASSERT_TRUE(p.source) << p.error.message;
  EXPECT_EQ(p.source->tasks[0].palette, "ab________________");
}

TEST(TestSource, MatchingWithoutExtraItemEndsWithDashes) {
  ParsedSource p = parseTestSource("title: T\n== matching\n? Q\n< a\n> A\n< b\n> B\n");
  ASSERT_TRUE(p.source) << p.error.message;
  EXPECT_EQ(p.source->tasks[0].right, (std::vector<std::string>{"A", "B", "--"}));
}

TEST(TestSource, CompletionGapsMayBeWrittenAsGapWords) {
  ParsedSource p = parseTestSource(
      "title: T\n== completion\n? Q\ntext: a <gap> b\ntext: ‹ c\nblank:\n+ x\nblank:\n- y\n+ z\n");
  ASSERT_TRUE(p.source) << p.error.message;
  EXPECT_EQ(p.source->tasks[0].text, "a \x8b b \x8b c");
}

struct BadSource {
  const char* name;
  const char* source;
  int line;
  const char* says;
};

void PrintTo(const BadSource& s, std::ostream* os) { *os << s.name; }

class SourceError : public ::testing::TestWithParam<BadSource> {};

TEST_P(SourceError, NamesTheLineAndTheFault) {
  ParsedSource p = parseTestSource(GetParam().source);
  ASSERT_FALSE(p.source);
  EXPECT_EQ(p.error.line, GetParam().line) << p.error.message;
  EXPECT_NE(p.error.message.find(GetParam().says), std::string::npos) << p.error.message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SourceError,
    ::testing::Values(
        BadSource{"NoTitle", "== single\n? Q\n+ a\n- b\n", 1, "no 'title:'"},
        BadSource{"NoTask", "title: T\n", 1, "no task"},
        BadSource{"UnknownKind", "title: T\n== quiz\n", 2, "unknown task kind"},
        BadSource{"LineOutsideTask", "title: T\n? Q\n", 2, "inside a task"},
        BadSource{"UnknownLine", "title: T\n== single\n? Q\nfoo bar\n", 4, "unknown line"},
        BadSource{"NotInCodePage", "title: T\n== single\n? 😀\n", 3, "Windows-1251"},
        BadSource{"TwoCorrect", "title: T\n== single\n? Q\n+ a\n+ b\n", 2, "exactly one"},
        BadSource{"OneOption", "title: T\n== single\n? Q\n+ a\n== single\n", 2, "2 to 13"},
        BadSource{"NoQuestion", "title: T\n== multiple\n+ a\n- b\n", 2, "no question"},
        BadSource{"EightChoices",
                  "title: T\n== multiple\n? Q\n+ 1\n- 2\n- 3\n- 4\n- 5\n- 6\n- 7\n- 8\n", 2,
                  "2 to 7"},
        BadSource{"SequenceTwins", "title: T\n== sequence\n? Q\n- a\n- a\n", 2, "same text"},
        BadSource{"AnswerUnderscore", "title: T\n== input\n? Q\nfield: F\n= a_b\n", 5, "'_'"},
        BadSource{"FieldWithoutAnswer", "title: T\n== input\n? Q\nfield: F\n", 2, "1 to 13"},
        BadSource{"WrongKindLine", "title: T\n== single\n? Q\nfield: F\n", 4, "input tasks"},
        BadSource{"LeftWithoutRight", "title: T\n== matching\n? Q\n< a\n< b\n", 5, "'>'"},
        BadSource{"TwoExtraRight", "title: T\n== matching\n? Q\n< a\n> A\n> B\n> C\n", 7,
                  "second extra"},
        BadSource{"RowTooLong", "title: T\n== restoration\n? Q\nrow: 0123456789abcdef\n", 4,
                  "15 cells"},
        BadSource{"SevenRows",
                  "title: T\n== restoration\n? Q\nrow: a\nrow: a\nrow: a\nrow: a\nrow: a\n"
                  "row: a\nrow: [a]\n",
                  10, "6 rows"},
        BadSource{"UnclosedGap", "title: T\n== restoration\n? Q\nrow: [a\n", 4, "']'"},
        BadSource{"NoGap", "title: T\n== restoration\n? Q\nrow: abc\n", 2, "at least one gap"},
        BadSource{"GapNotInPalette", "title: T\n== restoration\n? Q\nrow: [a]\npalette: b\n", 2,
                  "not in the palette"},
        BadSource{"PaletteTooLong", "title: T\n== restoration\n? Q\npalette: abcdefghijklmnopqrs\n",
                  4, "18"},
        BadSource{"GapMarksMismatch",
                  "title: T\n== completion\n? Q\ntext: a <gap>\nblank:\n+ x\nblank:\n+ y\n", 2,
                  "1 gap marks for 2 blanks"},
        BadSource{"VariantBeforeBlank", "title: T\n== completion\n? Q\ntext: a <gap>\n+ x\n", 5,
                  "before the first 'blank:'"},
        BadSource{"BlankWithoutCorrect", "title: T\n== completion\n? Q\ntext: <gap>\nblank:\n- x\n",
                  2, "exactly one"},
        BadSource{"SecondTitle", "title: T\ntitle: U\n", 2, "second 'title:'"}),
    [](const ::testing::TestParamInfo<BadSource>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ispyt
