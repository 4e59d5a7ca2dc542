// GIFT snippets and the tasks they become, and the questions left out with
// their lines.

#include <gtest/gtest.h>

#include <string>

#include "content/GiftImport.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// A task in one line of UTF-8: "kind: question | answers…".
std::string describe(const SourceTask& t) {
  auto u = [](const std::string& s) { return cp1251ToUtf8(s); };
  std::string d;
  switch (t.type) {
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
      d = (t.type == TaskType::SingleChoice ? "single: " : "multiple: ") + u(t.question);
      for (const SourceOption& o : t.options)
        d += std::string(" | ") + (o.correct ? "+" : "-") + u(o.text);
      break;
    case TaskType::DirectInput:
      d = "input: " + u(t.question);
      for (const SourceField& f : t.fields) {
        if (f.label != cp1251(kAnswerLabel)) d += " | field " + u(f.label);
        for (const std::string& a : f.answers) d += " | =" + u(a);
      }
      break;
    case TaskType::Matching:
      d = "matching: " + u(t.question);
      for (std::size_t j = 0; j < t.right.size(); ++j)
        d += " | " + (j < t.options.size() ? u(t.options[j].text) : "") + "->" + u(t.right[j]);
      break;
    case TaskType::Completion:
      d = "completion: " + u(t.question) + " | " + u(t.text);
      for (const auto& blank : t.blanks)
        for (const SourceOption& v : blank)
          d += std::string(" | ") + (v.correct ? "+" : "-") + u(v.text);
      break;
    default:
      d = "other";
  }
  return d;
}

struct Mapped {
  const char* name;
  const char* gift;
  const char* task;
};

void PrintTo(const Mapped& m, std::ostream* os) { *os << m.name; }

class GiftMapping : public ::testing::TestWithParam<Mapped> {};

TEST_P(GiftMapping, GivesTheTask) {
  GiftImport g = importGift(GetParam().gift);
  ASSERT_TRUE(g.refusals.empty()) << g.refusals[0].line << ": " << g.refusals[0].message;
  ASSERT_EQ(g.source.tasks.size(), 1u);
  EXPECT_EQ(describe(g.source.tasks[0]), GetParam().task);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, GiftMapping,
    ::testing::Values(
        Mapped{"SingleChoice", "Столиця України? {=Київ ~Львів ~Харків}",
               "single: Столиця України? | +Київ | -Львів | -Харків"},
        Mapped{"SingleChoiceByWeight", "Q {~%100%a ~b ~%-50%c}", "single: Q | +a | -b | -c"},
        Mapped{"MultiLineWithTitleAndFeedback",
               "::Річки::Яка річка\n   найдовша\nв Україні? {\n=Дніпро # так\n~Дністер#ні\n"
               "####загальний відгук\n}",
               "single: Яка річка найдовша в Україні? | +Дніпро | -Дністер"},
        Mapped{"EveryEscape",
               "Обчисліть \\#2x\\# + \\{1\\\\2\\}\\: x]2[\\~[1] \\= ?\\nДругий рядок "
               "{=a\\=b ~c\\~d ~\\{e\\} ~f\\: ~g\\#h\\# #відгук}",
               "single: Обчисліть #2x# + {1\\2}: x]2[~[1] = ?¶Другий рядок | +a=b | -c~d | "
               "-{e} | -f: | -g#h#"},
        Mapped{"UnknownEscapeKeepsItsBackslash", "a\\b {=c ~d}", "single: a\\b | +c | -d"},
        Mapped{"True", "Земля кругла. {T}", "single: Земля кругла. | +Правильно | -Неправильно"},
        Mapped{"FalseLongFormWithFeedback", "Сонце — планета. {FALSE#ні#так}",
               "single: Сонце — планета. | -Правильно | +Неправильно"},
        Mapped{"TrueInLowerCase", "Q {true}", "single: Q | +Правильно | -Неправильно"},
        Mapped{"MultipleChoice", "Прості числа? {~%50%2 ~%50%3 ~%-50%4 ~9}",
               "multiple: Прості числа? | +2 | +3 | -4 | -9"},
        Mapped{"MultipleChoiceInThirds", "Q {~%33.33333%a ~%33.33333%b ~%33.33333%c ~d}",
               "multiple: Q | +a | +b | +c | -d"},
        Mapped{"ShortAnswers", "Найвища гора? {=Говерла =гора   Говерла =%100%Говерла}",
               "input: Найвища гора? | =Говерла | =гора Говерла"},
        Mapped{"ShortAnswerWithANoBreakSpace", "[html]Q {=10&nbsp;км}", "input: Q | =10 км"},
        Mapped{"ExactNumber", "Скільки буде 2+3? {#5}", "input: Скільки буде 2+3? | =5"},
        Mapped{"NumberWithZeroTolerance", "Q {#+2.50:0#відгук}",
               "input: Q | =2.50 | =2,50 | =2.5 | =2,5"},
        Mapped{"RangeOfOneNumber", "Q {#-0,5..-0.5}", "input: Q | =-0,5 | =-0.5"},
        Mapped{"SeveralNumbers", "Q {# =4 =%100%4.0 ~#відгук}", "input: Q | =4 | =4.0 | =4,0"},
        Mapped{"Matching", "Столиці: {=Польща -> Варшава =Чехія -> Прага = -> Відень}",
               "matching: Столиці: | Польща->Варшава | Чехія->Прага | ->Відень"},
        Mapped{"MatchingWithoutExtraItem", "Q {\n=a -> x\n=b->y\n}",
               "matching: Q | a->x | b->y | ->--"},
        Mapped{"MissingWord", "Кит {=є ~не є} ссавцем.",
               "completion: Заповніть пропуск. | Кит ‹ ссавцем. | +є | -не є"},
        Mapped{"MissingWordWithItsQuestion", "Виберіть слово:\\nКит {~не є =є} ссавцем.",
               "completion: Виберіть слово: | Кит ‹ ссавцем. | -не є | +є"},
        Mapped{"MissingWordAtTheStart", "{=Київ ~Львів} — столиця.",
               "completion: Заповніть пропуск. | ‹ — столиця. | +Київ | -Львів"},
        Mapped{"TypedAnswerInTheMiddle", "Столиця України — {=Київ}, а Польщі — Варшава.",
               "input: Столиця України — …, а Польщі — Варшава. | =Київ"},
        Mapped{
            "CommentsAndCategory",
            "// вступ\n$CATEGORY: $course$/Географія\n\n// про річки\nЯка річка\n// між рядками\n"
            "найдовша? {=Дніпро ~Десна}",
            "single: Яка річка найдовша? | +Дніпро | -Десна"},
        Mapped{"OtherFormatNamesArePlain", "[text]x]2[ {=a ~b}", "single: x]2[ | +a | -b"},
        Mapped{"OneCharacterInBracketsIsNoFormat", "[2]H {=a ~b}", "single: [2]H | +a | -b"},
        Mapped{"PlainFormat", "::T::[plain]H[2]O — це {=вода ~сіль} сьогодні",
               "completion: Заповніть пропуск. | H[2]O — це ‹ сьогодні | +вода | -сіль"},
        Mapped{"Html",
               "[html]<p>Формула <b>чистої води</b>: H<sub>2</sub>O &amp; x<sup>2</sup> "
               "[1]</p><p>Друга&nbsp;&laquo;лінія&raquo;<br/>&#1111;</p> {=a ~b}",
               "single: Формула ¤чистої ¤води¤: H[2]O & x]2[ [[1]]¶Друга\u00A0«лінія»¶ї | +a | "
               "-b"},
        Mapped{"HtmlAnswersAndStyleInsideAWord", "[html]Q {=<i>un</i>done ~<u>b</u>}",
               "single: Q | +џunџdone | -ўb"},
        Mapped{"Markdown",
               "[markdown]## **Жирне** слово, *курсив* і [посилання](http://x.ua) "
               "snake_case {=a ~b}",
               "single: ¤Жирне слово, џкурсив і посилання snake_case | +a | -b"},
        Mapped{"CharactersTheRendererDraws", "Число π ≈ 3,14 ≤ 4 − x, α → ∞ {=a ~b}",
               "single: Число `p `й 3,14 <= 4 - x, `a `м `р | +a | -b"}));

struct Refused {
  const char* name;
  const char* gift;
  int line;
  const char* says;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << r.name; }

class GiftRefusals : public ::testing::TestWithParam<Refused> {};

TEST_P(GiftRefusals, LeaveTheQuestionOutWithItsLine) {
  // A sound question before the one at fault: its task stays, and the
  // fault's line counts from the top of the file.
  GiftImport g = importGift(std::string("Q {=a ~b}\n\n") + GetParam().gift);
  EXPECT_EQ(g.questions, 2);
  ASSERT_EQ(g.source.tasks.size(), 1u);
  ASSERT_EQ(g.refusals.size(), 1u);
  EXPECT_EQ(g.refusals[0].line, GetParam().line);
  EXPECT_NE(g.refusals[0].message.find(GetParam().says), std::string::npos)
      << g.refusals[0].message;
}

const std::string kLongQuestion(1001, 'x');
const std::string kLongAnswer = "Q {=" + std::string(27, 'x') + "}";
const std::string kFourteen = "Q {=1 ~2 ~3 ~4 ~5 ~6 ~7 ~8 ~9 ~10 ~11 ~12 ~13 ~14}";
const std::string kEleven = "Q {=1 =2 =3 =4 =5 =6 =7 =8 =9 =10 =11}";
const std::string kLong = kLongQuestion + " {=a ~b}";

INSTANTIATE_TEST_SUITE_P(
    Questions, GiftRefusals,
    ::testing::Values(
        Refused{"Essay", "Опишіть літо.\n{}", 4, "an essay"},
        Refused{"Description", "Далі йдуть питання про річки.", 3, "a description"},
        Refused{"Tolerance", "Q\n{#3.14:0.01}", 4, "a tolerance of 0.01"},
        Refused{"Range", "Q {#1..5}", 3, "a range 1..5"},
        Refused{"PartlyRightOption", "Q {\n=a\n~%50%b\n}", 5, "count unequally (100% and 50%)"},
        Refused{"TwoRightOnTheirOwn", "Q {=a =b ~c}", 3, "two answers are right on their own"},
        Refused{"WeightsShortOfAWhole", "Q {~%40%a ~%40%b ~c}", 3, "give 80% together"},
        Refused{"OnlyRightAnswerPartial", "Q {~%50%a ~b}", 3, "counts 50%"},
        Refused{"NoRightAnswer", "Q {~a ~b}", 3, "no answer is right"},
        Refused{"PartialShortAnswer", "Q {=a\n=%50%b}", 4, "an answer counting 50%"},
        Refused{"QuestionTooLong", kLong.c_str(), 3, "the question is 1001 characters long"},
        Refused{"TypedAnswerTooLong", kLongAnswer.c_str(), 3, "at most 26"},
        Refused{"ElevenTypedAnswers", kEleven.c_str(), 3, "first 10 only"},
        Refused{"FourteenOptions", kFourteen.c_str(), 3, "a single choice takes at most 13"},
        Refused{"EightForMultiple", "Q {~%50%1 ~%50%2 ~3 ~4 ~5 ~6 ~7 ~8}", 3, "at most 7"},
        Refused{"OutsideWindows1251", "Позначте\nгалочкою ✓ {=a ~b}", 4, "(U+2713)"},
        Refused{"NotUtf8", "Q \xFF {=a ~b}", 3, "not UTF-8"},
        Refused{"UnderscoreInAnswer", "Q {=a_b}", 3, "holds '_'"},
        Refused{"UnderscoreInVariant", "Кит {=є ~не_є} ссавцем", 3, "holds '_'"},
        Refused{"TwoRightVariantsAtAGap", "Кит {~%50%a ~%50%b ~c} ссавець", 3,
                "a gap in the text takes one right variant"},
        Refused{"GapMarkInTheText", "Кит ‹ {=a ~b} ссавець", 3, "the mark of a gap"},
        Refused{"WrongAnswerInMatching", "Q {=a -> b\n~c}", 4, "only '=left -> right' pairs"},
        Refused{"TwoUnmatchedItems", "Q {=a -> b = -> c = -> d}", 3, "a second unmatched"},
        Refused{"SharedRightItem", "Q {=a -> x =b -> x}", 3, "'x' twice"},
        Refused{"SameOptionTwice", "Q {=a ~b ~b}", 3, "'b' twice"},
        Refused{"EmptyOption", "Q {=a ~}", 3, "an empty option"},
        Refused{"UnclosedBlock", "Q\n{=a\n~b", 4, "not closed"},
        Refused{"SecondBlock", "Q {=a ~b} і\n{=c ~d}", 4, "a second answer block"},
        Refused{"BraceWithoutBlock", "Q } {=a ~b}", 3, "a '}' without its '{'"},
        Refused{"BraceInsideBlock", "Q {=a {b}", 3, "a '{' inside the answer block"},
        Refused{"BadWeight", "Q {~%abc%a ~b}", 3, "'%abc%' is not a number"},
        Refused{"UnclosedTitle", "::Заголовок Q {=a ~b}", 3, "the title opened with '::'"},
        Refused{"BlockStartsWithText", "Q {a ~b}", 3, "an answer starts with '='"},
        Refused{"NotANumber", "Q {#п'ять}", 3, "is not a number"},
        Refused{"UnpairedRootMark", "Мова C\\# {=a ~b}", 3, "an unpaired '#'"},
        Refused{"HtmlPicture", "[html]<p>Що це?</p>\n<img src=\"x.png\"> {=a ~b}", 4,
                "a picture (<img>)"},
        Refused{"HtmlMarkCharacter", "[html]Мова C\\# {=a ~b}", 3, "cannot stand in an HTML"},
        Refused{"MarkdownPicture", "[markdown]![схема](a.png) {=a ~b}", 3, "a picture"}));

TEST(GiftImport, BlankLinesSeparateQuestionsWhateverTheLineEnds) {
  GiftImport g = importGift(
      "\xEF\xBB\xBF// банк\r\nQ1 {=a ~b}\r\n \t \r\nQ2\r\n{T}\r\n\r\n\r\n// кінець\r\nQ3 {#7}");
  EXPECT_TRUE(g.refusals.empty());
  EXPECT_EQ(g.questions, 3);
  ASSERT_EQ(g.source.tasks.size(), 3u);
  EXPECT_EQ(g.source.tasks[0].line, 2);
  EXPECT_EQ(g.source.tasks[1].line, 4);
  EXPECT_EQ(g.source.tasks[2].line, 9);
  EXPECT_EQ(describe(g.source.tasks[1]), "single: Q2 | +Правильно | -Неправильно");
  ASSERT_EQ(g.source.tasks[2].fields.size(), 1u);
  EXPECT_EQ(g.source.tasks[2].fields[0].label, cp1251("Відповідь:"));
}

TEST(GiftImport, TakesSixtyTasksAndLeavesOutTheRest) {
  std::string gift;
  for (int n = 1; n <= 62; ++n) gift += "Q" + std::to_string(n) + " {=a ~b}\n\n";
  GiftImport g = importGift(gift);
  EXPECT_EQ(g.questions, 62);
  ASSERT_EQ(g.source.tasks.size(), 60u);
  ASSERT_EQ(g.refusals.size(), 2u);
  EXPECT_EQ(g.refusals[0].line, 121);
  EXPECT_NE(g.refusals[0].message.find("60 tasks"), std::string::npos);
}

TEST(GiftImport, AnEmptyFileHoldsNoQuestion) {
  for (const char* gift : {"", "\xEF\xBB\xBF", "\n\n// only a comment\n$CATEGORY: x\n"}) {
    GiftImport g = importGift(gift);
    EXPECT_EQ(g.questions, 0) << gift;
    EXPECT_TRUE(g.source.tasks.empty());
  }
}

}  // namespace
}  // namespace ispyt
