// inspect-test: loads a test file with the program's own loader and prints
// what the program holds afterwards, as JSON.

#include <cstdio>
#include <cstring>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "content/LoadTest.h"
#include "platform/Cp1251.h"
#include "platform/Random.h"

namespace ispyt::tool {
namespace {

const char* const kHelp = R"(usage: ispyt-tool inspect-test FILE [--seed N]

Loads FILE (a test.txt) exactly as the program does, with pictures looked up
beside it, and prints the title, the loader's result and every task's fields
as JSON (texts in UTF-8).  --seed N fixes the display shuffle.  A file the
program rejects prints its message ("Нема даних" or "Несумісний тест") and
where the fault lies, and exits with 1; a title without tasks is printed,
and refused so ("Нема даних"), as the program refuses to open it.
)";

// How many slots of each table a task of this kind uses.
struct Used {
  int items = 0, letters = 0, right = 0, correct = 0;
};

Used usedSlots(const Task& t) {
  int n = t.itemCount;
  switch (t.type) {
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
    case TaskType::CountedChoice:
      return {n, n, 0, n};
    case TaskType::Sequence:
      return {n, n, 0, n};
    case TaskType::DirectInput:
      return {n, 0, 0, 0};
    case TaskType::Matching:
      return {n - 1, n - 1, n, n};
    case TaskType::Restoration:
      return {2, 0, 1, 0};
    case TaskType::Completion:
      return {1, 0, 0, t.blankCount};
  }
  return {};
}

void texts(Json& json, const char* name, const Slots<std::string>& slots, int used) {
  json.key(name).beginArray();
  for (int j = 1; j <= used; ++j) json.text(slots[j]);
  json.endArray();
}

void letters(Json& json, const char* name, const Slots<char>& slots, int used) {
  json.key(name).beginArray();
  for (int j = 1; j <= used; ++j) json.text(std::string(1, slots[j]));
  json.endArray();
}

void task(Json& json, const Task& t) {
  Used used = usedSlots(t);
  json.beginObject();
  json.key("type").number(static_cast<std::int64_t>(t.type));
  json.key("typeTitle").text(taskTypeTitle(t));
  json.key("itemCount").number(static_cast<std::int64_t>(t.itemCount));
  json.key("question").text(t.question);
  texts(json, "items", t.items, used.items);
  letters(json, "itemLetters", t.itemLetters, used.letters);
  texts(json, "rightItems", t.rightItems, used.right);
  letters(json, "rightLetters", t.rightLetters, t.type == TaskType::Matching ? used.right : 0);
  texts(json, "correctTexts", t.correctTexts, used.correct);
  json.key("correctCount").number(static_cast<std::int64_t>(t.correctCount));
  json.key("elementCount").number(static_cast<std::int64_t>(t.elementCount));
  json.key("hasEmptyRightItem").boolean(t.hasEmptyRightItem);
  bool input = t.type == TaskType::DirectInput;
  json.key("acceptedCount").beginArray();
  for (int f = 1; input && f <= t.itemCount; ++f)
    json.number(static_cast<std::int64_t>(t.acceptedCount[f]));
  json.endArray();
  json.key("accepted").beginArray();
  for (int f = 1; input && f <= t.itemCount; ++f) {
    json.beginArray();
    for (int v = 1; v <= t.acceptedCount[f]; ++v) json.text(t.accepted[f][v]);
    json.endArray();
  }
  json.endArray();
  json.key("blankCount").number(static_cast<std::int64_t>(t.blankCount));
  json.key("variantCount").number(static_cast<std::int64_t>(t.variantCount));
  bool completion = t.type == TaskType::Completion;
  json.key("variants").beginArray();
  for (int r = 1; completion && r <= t.blankCount; ++r) {
    json.beginArray();
    for (int j = 1; j <= t.variantCount; ++j) json.text(t.variants[r][j]);
    json.endArray();
  }
  json.endArray();
  json.key("variantLetters").beginArray();
  for (int r = 1; completion && r <= t.blankCount; ++r) {
    json.beginArray();
    for (int j = 1; j <= t.variantCount; ++j) json.text(std::string(1, t.variantLetters[r][j]));
    json.endArray();
  }
  json.endArray();
  json.endObject();
}

}  // namespace

int runInspectTest(const Args& args) {
  std::string file;
  std::uint64_t seed = 0;
  bool seeded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (args[i] == "--seed" && i + 1 < args.size()) {
      seed = std::strtoull(args[++i].c_str(), nullptr, 10);
      seeded = true;
    } else if (file.empty() && args[i][0] != '-') {
      file = args[i];
    } else {
      std::fprintf(stderr, "inspect-test: unexpected argument '%s'\n%s", args[i].c_str(), kHelp);
      return 2;
    }
  }
  if (file.empty()) {
    std::fputs(kHelp, stderr);
    return 2;
  }
  Random random = seeded ? Random(seed) : Random::clockSeeded();
  Test test;
  LoadResult result = LoadTest(file, test, random);
  if (!result.loaded()) {
    std::fprintf(stderr, "%s\n", cp1251ToUtf8(loadMessage(result.status)).c_str());
    if (result.line > 0)
      std::fprintf(stderr, "%s:%d: task %d: %s\n", file.c_str(), result.line, result.task,
                   result.reason.c_str());
    return 1;
  }
  Json json;
  json.beginObject();
  json.key("title").text(test.title);
  json.key("result").number(static_cast<std::int64_t>(result.value));
  json.key("tasks").beginArray();
  for (int n = 1; n <= test.taskCount; ++n) task(json, test.task(n));
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  if (test.taskCount == 0) {
    // The program refuses it with this message.
    std::fprintf(stderr, "%s\n%s: the file holds no task\n",
                 cp1251ToUtf8(loadMessage(LoadStatus::NoData)).c_str(), file.c_str());
    return 1;
  }
  return 0;
}

}  // namespace ispyt::tool
