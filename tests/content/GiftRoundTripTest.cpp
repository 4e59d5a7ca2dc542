// The demo's tests written out as GIFT and imported again give back every
// task GIFT carries whole: the same kind, texts and key.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "content/GiftExport.h"
#include "content/GiftImport.h"
#include "content/LoadTest.h"
#include "content/SettingsSource.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

const fs::path kDemoSet = fs::path(ISPYT_FIXTURES).parent_path().parent_path() / "demo" / "tests" /
                          fs::u8path("Шкільні тести");

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

ispyt::Test load(const TestSource& source, std::uint64_t seed) {
  Random random(seed);
  ispyt::Test test;
  LoadResult r = readTest(writeTestFile(source, random), test, random,
                          [](const std::string&) { return false; });
  EXPECT_TRUE(r.loaded()) << r.reason;
  return test;
}

// A task's kind, texts and key, in an order the display shuffle and the
// stored order do not touch.  A typed field's label is left aside: GIFT
// has no place for it (the export says so).
std::string key(const Task& t) {
  std::string d = std::to_string(static_cast<int>(t.type)) + "\n" + t.question + "\n";
  std::vector<std::string> parts;
  switch (t.type) {
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
      for (int j = 1; j <= t.itemCount; ++j)
        parts.push_back((t.itemLetters[j] < 'A' + t.correctCount ? "+" : "-") + t.items[j]);
      std::sort(parts.begin(), parts.end());
      break;
    case TaskType::DirectInput:
      for (int f = 1; f <= t.elementCount; ++f)
        for (int a = 1; a <= t.acceptedCount[f]; ++a) parts.push_back(t.accepted[f][a]);
      break;
    case TaskType::Matching:
      for (int j = 1; j <= t.itemCount; ++j) parts.push_back(t.items[j] + "->" + t.rightItems[j]);
      break;
    case TaskType::Completion:
      parts.push_back(t.items[1]);
      for (int r = 1; r <= t.blankCount; ++r) {
        std::vector<std::string> v;
        for (int j = 1; j <= t.variantCount; ++j)
          if (!t.variants[r][j].empty())
            v.push_back((t.variantLetters[r][j] == 'A' ? "+" : "-") + t.variants[r][j]);
        std::sort(v.begin(), v.end());
        parts.insert(parts.end(), v.begin(), v.end());
      }
      break;
    default:
      break;
  }
  for (const std::string& p : parts) d += p + "\n";
  return cp1251ToUtf8(d);
}

bool carried(const Task& t) {
  switch (t.type) {
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
    case TaskType::Matching:
      return true;
    case TaskType::DirectInput:
      return t.elementCount == 1;
    case TaskType::Completion:
      return t.blankCount == 1;
    default:
      return false;
  }
}

// Export, import, load again: the carried tasks in order, as they were.
void roundTrip(const ispyt::Test& original, const std::string& name) {
  GiftExport out = exportGift(original, {});
  GiftImport in = importGift(out.gift);
  for (const GiftRefusal& r : in.refusals)
    ADD_FAILURE() << name << ":" << r.line << ": " << r.message;
  in.source.title = original.title;
  ispyt::Test again = load(in.source, 3);

  std::vector<std::string> expected, skipped;
  for (int n = 1; n <= original.taskCount; ++n)
    (carried(original.task(n)) ? expected : skipped).push_back(key(original.task(n)));
  ASSERT_EQ(out.written, static_cast<int>(expected.size())) << name << "\n" << out.gift;
  EXPECT_EQ(out.skipped.size(), skipped.size()) << name;
  ASSERT_EQ(again.taskCount, out.written) << name;
  for (int n = 1; n <= again.taskCount; ++n)
    EXPECT_EQ(key(again.task(n)), expected[n - 1]) << name << ", task " << n << "\n" << out.gift;
  // A field label is the one thing GIFT leaves out, and the export says so.
  for (const GiftTaskNote& note : out.notes)
    EXPECT_NE(note.message.find("label"), std::string::npos) << name << ": " << note.message;
}

TEST(GiftRoundTrip, DemoSourcesComeBackAsTheyWere) {
  int sources = 0;
  for (const auto& entry : fs::directory_iterator(kDemoSet)) {
    if (entry.path().extension() != ".txt") continue;
    ++sources;
    std::string text = readFile(entry.path());
    takeSettingsLines(text);
    ParsedSource parsed = parseTestSource(text);
    ASSERT_TRUE(parsed.source) << entry.path() << ":" << parsed.error.line << ": "
                               << parsed.error.message;
    for (std::uint64_t seed : {1, 2})
      roundTrip(load(*parsed.source, seed), entry.path().filename());
  }
  EXPECT_GE(sources, 3);
}

TEST(GiftRoundTrip, TheDemoBankImportsWholeAndComesBack) {
  std::vector<fs::path> banks;
  for (const auto& entry : fs::directory_iterator(kDemoSet))
    if (entry.path().extension() == ".gift") banks.push_back(entry.path());
  ASSERT_FALSE(banks.empty());
  for (const fs::path& bank : banks) {
    GiftImport in = importGift(readFile(bank));
    for (const GiftRefusal& r : in.refusals)
      ADD_FAILURE() << bank << ":" << r.line << ": " << r.message;
    ASSERT_GE(in.source.tasks.size(), 12u);
    std::set<TaskType> kinds;
    for (const SourceTask& t : in.source.tasks) kinds.insert(t.type);
    EXPECT_EQ(kinds, (std::set<TaskType>{TaskType::SingleChoice, TaskType::MultipleChoice,
                                         TaskType::DirectInput, TaskType::Matching,
                                         TaskType::Completion}));
    in.source.title = "T";
    ispyt::Test test = load(in.source, 5);
    GiftExport out = exportGift(test, {});
    EXPECT_TRUE(out.skipped.empty() && out.notes.empty()) << bank;
    roundTrip(test, bank.filename());
  }
}

}  // namespace
}  // namespace ispyt
