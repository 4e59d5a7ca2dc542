// Tests written out as GIFT: the text of each kind, the tasks left out and
// what a written task loses.

#include <gtest/gtest.h>

#include <string>

#include "content/GiftExport.h"
#include "content/LoadTest.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// A make-test source as the program holds it after loading.
ispyt::Test loaded(const char* source) {
  ParsedSource parsed = parseTestSource(source);
  EXPECT_TRUE(parsed.source) << parsed.error.line << ": " << parsed.error.message;
  Random random(7);
  ispyt::Test test;
  LoadResult r = readTest(writeTestFile(*parsed.source, random), test, random,
                          [](const std::string&) { return false; });
  EXPECT_TRUE(r.loaded()) << r.reason;
  return test;
}

std::string notes(const std::vector<GiftTaskNote>& list) {
  std::string s;
  for (const GiftTaskNote& n : list) s += std::to_string(n.task) + ": " + n.message + "\n";
  return s;
}

TEST(GiftExport, WritesEveryKindOneQuestionCarries) {
  ispyt::Test test = loaded(
      "title: Тест¶Другий рядок\n"
      "== single\n? Земля кругла?\n+ Правильно\n- Неправильно\n"
      "== single\n? Скільки буде 1:2 = {1\\2}?\n+ 0,5\n- 2\n"
      "== multiple\n? Прості числа?\n+ 2\n+ 3\n- 4\n"
      "== input\n? Найвища гора?\nfield: Гора:\n= Говерла\n= гора Говерла\n"
      "== matching\n? Столиці\n< Польща\n> Варшава\n< Чехія\n> Прага\n> Відень\n"
      "== matching\n? Пари\n< a\n> b\n"
      "== completion\n? Доповніть речення.\ntext: Кит <gap> ссавцем.\nblank:\n+ є\n- не є\n"
      "== completion\n? Заповніть пропуск.\ntext: <gap> — столиця.\nblank:\n+ Київ\n- Львів\n");
  GiftExport g = exportGift(test, {});
  EXPECT_EQ(g.gift,
            "// Тест Другий рядок\n"
            "\n::Завдання 1:: Земля кругла? {TRUE}\n"
            "\n::Завдання 2:: Скільки буде 1\\:2 \\= \\{1\\\\2\\}? {\n=0,5\n~2\n}\n"
            "\n::Завдання 3:: Прості числа? {\n~%50%2\n~%50%3\n~%-50%4\n}\n"
            "\n::Завдання 4:: Найвища гора? {\n=Говерла\n=гора Говерла\n}\n"
            "\n::Завдання 5:: Столиці {\n=Польща -> Варшава\n=Чехія -> Прага\n= -> Відень\n}\n"
            "\n::Завдання 6:: Пари {\n=a -> b\n}\n"
            "\n::Завдання 7:: Доповніть речення.\\nКит {\n=є\n~не є\n} ссавцем.\n"
            "\n::Завдання 8:: {\n=Київ\n~Львів\n} — столиця.\n");
  EXPECT_EQ(g.written, 8);
  EXPECT_TRUE(g.skipped.empty()) << notes(g.skipped);
  EXPECT_EQ(notes(g.notes),
            "4: the label 'Гора:' of its field is left out: GIFT has no place for it\n");
}

TEST(GiftExport, ListsTheTasksItCannotCarry) {
  ispyt::Test test = loaded(
      "title: T\n"
      "== sequence\n? S\n- a\n- b\n"
      "== counted\n? C\n+ a\n- b\n"
      "== restoration\n? R\nrow: H_[2]O\n"
      "== input\n? Два поля\nfield: x\n= 1\nfield: y\n= 2\n"
      "== completion\n? Q\ntext: <gap> і <gap>\nblank:\n+ a\n- b\nblank:\n+ c\n- d\n"
      "== single\n? p.bmp\n+ a\n- b\n"
      "== single\n? Q\n+ a -> b\n- c\n"
      "== matching\n? Q\n< a\n> b -> c\n"
      "== single\n? Q\n+ a\n- b\n");
  GiftExport g = exportGift(test, [](const std::string& s) { return s == "p.bmp"; });
  EXPECT_EQ(g.written, 1);
  EXPECT_EQ(notes(g.skipped),
            "1: a sequence; GIFT has no ordering question\n"
            "2: a choice that tells how many options are right; GIFT has none\n"
            "3: a restoration grid; GIFT has none\n"
            "4: 2 typed fields; a GIFT question has one answer\n"
            "5: 2 gaps; a GIFT question has one answer block\n"
            "6: its text 'p.bmp' shows a picture of the test's folder\n"
            "7: its answer 'a -> b' holds '->', which GIFT reads as a matching pair\n"
            "8: its answer 'b -> c' holds '->', which GIFT reads as a matching pair\n");
  EXPECT_NE(g.gift.find("::Завдання 9:: Q {\n=a\n~b\n}"), std::string::npos) << g.gift;
}

TEST(GiftExport, KeepsWhatGiftWouldReadOtherwise) {
  ispyt::Test test = loaded(
      "title: T\n"
      "== single\n? [html]b\n+ %5% x\n- b\n"
      "== completion\n? Q¶на два рядки\ntext: Кінець — <gap>\nblank:\n+ a\n- b\n"
      "== completion\n? Заповніть пропуск.\ntext: <gap>\nblank:\n+ c\n- d\n");
  GiftExport g = exportGift(test, {});
  // A text starting like a format, an answer starting like a weight.
  EXPECT_NE(g.gift.find("::Завдання 1:: [plain][html]b {\n=%100%%5% x\n~b\n}"), std::string::npos)
      << g.gift;
  EXPECT_NE(g.gift.find("::Завдання 2:: Q\\nна два рядки\\nКінець — {\n=a\n~b\n}\n"),
            std::string::npos)
      << g.gift;
  EXPECT_EQ(notes(g.notes),
            "2: its gap ends the text, so that GIFT reads it as a single choice\n"
            "2: its question runs over several lines; all but the first come back with the text\n"
            "3: its gap ends the text, so that GIFT reads it as a single choice\n");
  // The gap alone: the question is written, for the single choice it becomes.
  EXPECT_NE(g.gift.find("::Завдання 3:: Заповніть пропуск.\\n{\n=c\n~d\n}\n"), std::string::npos)
      << g.gift;
}

}  // namespace
}  // namespace ispyt
