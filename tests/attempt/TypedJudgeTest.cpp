#include <gtest/gtest.h>

#include "JudgeMarks.h"
#include "attempt/TypedJudge.h"
#include "attempt/TypedText.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

TEST(TypedEqual, LookAlikeLettersOfTheSameLength) {
  const std::string cyr = cp1251("Тхір");  // Cyrillic Т, х, і, р
  EXPECT_TRUE(TypedEqual("Txip", cyr));
  EXPECT_TRUE(TypedEqual(cyr, "Txip"));
  EXPECT_TRUE(TypedEqual(cp1251("АВСЕНІКМОРТХ"), "ABCEHIKMOPTX"));
  EXPECT_TRUE(TypedEqual(cp1251("асеіоркух"), "aceiopkyx"));
  // Only the listed pairs: Latin t and Cyrillic т are no pair.
  EXPECT_FALSE(TypedEqual("txip", cyr));
  // A different length is judged by plain equality only.
  EXPECT_FALSE(TypedEqual("Txipp", cyr));
  EXPECT_FALSE(TypedEqual("Txi", cyr));
  EXPECT_TRUE(TypedEqual("", ""));
  EXPECT_FALSE(TypedEqual("Tx", "Ty"));
}

TEST(NormaliseTyped, SpacesPastedIn) {
  const std::pair<const char*, const char*> cases[] = {
      {"a   b", "a  b"},  // three spaces keep two
      {"a  b", "a b"},    {" a ", "a"}, {"  a", "a"}, {"a  ", "a "},
      {"a    b", "a  b"}, {" ", ""},    {"", ""},     {"a b", "a b"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(NormaliseTyped(in), out) << '"' << in << '"';
}

TEST(TypedKeys, SpacesAndLength) {
  EXPECT_FALSE(acceptsTypedSpace(""));
  EXPECT_FALSE(acceptsTypedSpace("a "));
  EXPECT_TRUE(acceptsTypedSpace("a b"));
  EXPECT_TRUE(acceptsTypedSpace("a.b"));
  EXPECT_FALSE(acceptsTypedSpace("a. b"));
  EXPECT_FALSE(acceptsTypedSpace("a..b"));
  const std::string full(kMaxTypedLength, 'x'), over(kMaxTypedLength + 1, 'x');
  EXPECT_TRUE(acceptsTypedKey(full, 'y', false));
  EXPECT_FALSE(acceptsTypedKey(over, 'y', false));
  EXPECT_TRUE(acceptsTypedKey(over, '\0', true));
  EXPECT_FALSE(acceptsTypedKey("", ' ', false));
}

// Field 1 accepts the Cyrillic "Тх" or "так"; field 2 accepts "кіт".
Task directInput() {
  Task t;
  t.type = TaskType::DirectInput;
  t.itemCount = t.elementCount = 2;
  t.acceptedCount = {0, 2, 1, 0};
  t.accepted[1][1] = cp1251("Тх");
  t.accepted[1][2] = cp1251("так");
  t.accepted[2][1] = cp1251("кіт");
  return t;
}

struct TypedCase {
  const char* name;
  int mode;
  const char* field1;  // UTF-8
  const char* field2;
  int wrong;
  const char* answerText;  // UTF-8
  bool pause;
  const char* marks;
};

class TypedJudging : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedJudging, CountsRecordsAndMarks) {
  const TypedCase& c = GetParam();
  const Task task = directInput();
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  TypedJudge judge;
  EXPECT_TRUE(judge.laidOut(task, record));
  EXPECT_TRUE(judge.fieldChanged(task, record, 1, cp1251(c.field1)));
  EXPECT_TRUE(judge.fieldChanged(task, record, 2, cp1251(c.field2)));
  const Judgement result = judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, 0);
  EXPECT_EQ(cp1251ToUtf8(record.answerText), c.answerText);
  EXPECT_EQ(record.optionMarks, std::string(kMaxItems, '0'));
  EXPECT_EQ(state.feedbackPause, c.pause);
  EXPECT_EQ(marksOf(result, 2), c.marks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedJudging,
    ::testing::Values(
        TypedCase{"BothRight", 1, "так", "кіт", 0, "так|кіт", false, "RR"},
        TypedCase{"LatinLookAlikes", 1, "Tx", "кіт", 0, "Tx|кіт", false, "RR"},
        TypedCase{"LongerIsPlainEquality", 1, "Txx", "кіт", 1, "Txx|кіт", false, "WR"},
        TypedCase{"EmptyFieldIsUnderscore", 3, "так", "", 1, "так|_", false, "RW"},
        TypedCase{"SpacesOnlyIsEmpty", 1, "   ", "кіт", 1, "_|кіт", false, "WR"},
        TypedCase{"PastedSpacesTidied", 1, " так ", "кіт", 0, "так|кіт", false, "RR"},
        TypedCase{"BothEmpty", 1, "", "", 2, "_|_", false, "WW"},
        TypedCase{"WrongHintShowsAnswer", 0, "ні", "кіт", 1, "ні|кіт", true, "SR"},
        TypedCase{"TestPaperShowsNothing", 2, "ні", "кіт", 1, "ні|кіт", false, ".."},
        TypedCase{"MonitoringShowsNothing", 4, "так", "кіт", 0, "так|кіт", false, ".."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedJudge, OnlyTheFirstTenAcceptedAnswersCount) {
  Task task = directInput();
  task.elementCount = 1;
  task.acceptedCount[1] = 11;
  for (int a = 1; a <= 11; ++a) task.accepted[1][a] = "w" + std::to_string(a);
  TypedJudge judge;
  AttemptState state;
  state.mode = 1;
  TaskRecord tenth, eleventh;
  judge.fieldChanged(task, tenth, 1, "w10");
  judge.fieldChanged(task, eleventh, 1, "w11");
  judge.judge(task, tenth, state);
  EXPECT_EQ(state.wrongElements, 0);
  judge.judge(task, eleventh, state);
  EXPECT_EQ(state.wrongElements, 1);
}

TEST(TypedJudge, GivingUpDoesNotAffectIt) {
  TypedJudge judge;
  AttemptState state;
  TaskRecord record;
  EXPECT_EQ(judge.giveUp(directInput(), record, state), GiveUpOutcome::NotAffected);
  EXPECT_EQ(state.elementsJudged, 0);
}

}  // namespace
}  // namespace ispyt
