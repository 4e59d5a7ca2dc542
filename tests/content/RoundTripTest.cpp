// Random sources compiled to test files and read back with the loader give
// the tasks their author wrote.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "content/LoadTest.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// What the author meant, in Windows-1251, next to the source text.
struct Expected {
  TaskType type;
  std::string question;
  std::vector<std::string> options;  // choice: all; sequence: in order; matching: left
  std::vector<std::string> correct;  // choice: the correct ones; matching: right column
  std::vector<std::vector<std::string>> answers;  // input: per field
  std::vector<std::string> labels;
  std::vector<std::pair<std::string, std::vector<std::string>>> blanks;  // correct, all
  std::string gapChars;
};

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : random_(seed) {}

  int pick(int lo, int hi) { return lo + random_.random(hi - lo + 1); }

  // A text with Ukrainian letters, markup bytes, digits and inner spaces.
  std::string text(bool answer = false) {
    static const char* const kWords[] = {"Київ",  "їжак", "x[2]", "{1\\2}", "`p", "#3#",
                                         "ґанок", "Є",    "42",   "a^2",    "¶",  "«лапки»",
                                         "—",     "ЯЮЩ",  "%",    "ґ№"};
    std::string s;
    for (int n = pick(1, 4); n > 0; --n) {
      if (!s.empty()) s += ' ';
      s += kWords[random_.random(16)];
    }
    if (answer) s.erase(std::remove(s.begin(), s.end(), '_'), s.end());
    return s + std::to_string(counter_++);  // unique, so positions can be told apart
  }

  void add(std::string& source, Expected& e) {
    static const char* const kKinds[] = {"single",   "multiple",    "input",   "sequence",
                                         "matching", "restoration", "counted", "completion"};
    e.type = static_cast<TaskType>(pick(0, 7));
    source += std::string("== ") + kKinds[static_cast<int>(e.type)] + "\n";
    std::string q = text();
    source += "? " + q + "\n";
    e.question = utf8ToCp1251(q);
    switch (e.type) {
      case TaskType::SingleChoice:
      case TaskType::MultipleChoice:
      case TaskType::CountedChoice: {
        bool single = e.type == TaskType::SingleChoice;
        int n = pick(2, single ? 13 : 7);
        int k = single ? 1 : pick(1, n);
        std::vector<int> right(n, 0);
        for (int i = 0; i < k; ++i) right[i] = 1;
        for (int i = n - 1; i > 0; --i) std::swap(right[i], right[random_.random(i + 1)]);
        for (int i = 0; i < n; ++i) {
          std::string o = text();
          source += (right[i] ? "+ " : "- ") + o + "\n";
          e.options.push_back(utf8ToCp1251(o));
          if (right[i]) e.correct.push_back(utf8ToCp1251(o));
        }
        break;
      }
      case TaskType::Sequence:
        for (int n = pick(2, 7); n > 0; --n) {
          std::string o = text();
          source += "- " + o + "\n";
          e.options.push_back(utf8ToCp1251(o));
        }
        break;
      case TaskType::DirectInput:
        for (int f = pick(1, 3); f > 0; --f) {
          std::string label = text();
          source += "field: " + label + "\n";
          e.labels.push_back(utf8ToCp1251(label));
          e.answers.emplace_back();
          for (int v = pick(1, 13); v > 0; --v) {
            std::string a = text(true);
            source += "= " + a + "\n";
            e.answers.back().push_back(utf8ToCp1251(a));
          }
        }
        break;
      case TaskType::Matching: {
        int n = pick(1, 12);
        for (int j = 0; j < n; ++j) {
          std::string l = text(), r = text();
          source += "< " + l + "\n> " + r + "\n";
          e.options.push_back(utf8ToCp1251(l));
          e.correct.push_back(utf8ToCp1251(r));
        }
        if (pick(0, 1)) {
          std::string extra = text();
          source += "> " + extra + "\n";
          e.correct.push_back(utf8ToCp1251(extra));
        } else {
          e.correct.push_back("--");
        }
        break;
      }
      case TaskType::Restoration:
        for (int r = pick(1, 6); r > 0; --r) {
          source += "row: ";
          for (int c = pick(1, 15); c > 0; --c) {
            const char* level = pick(0, 2) == 0 ? "" : (pick(0, 1) ? "_" : "^");
            char ch = "0123456789+-=()"[random_.random(15)];
            if (pick(0, 2) == 0 || e.gapChars.empty()) {
              source += std::string(level) + "[" + ch + "]";
              e.gapChars += ch;
            } else {
              source += std::string(level) + ch;
            }
          }
          source += "\n";
        }
        break;
      case TaskType::Completion: {
        int blanks = pick(1, 13);
        std::string t;
        for (int b = 0; b < blanks; ++b) t += text() + " <gap> ";
        source += "text: " + t + "\n";
        for (int b = 0; b < blanks; ++b) {
          source += "blank:\n";
          int n = pick(1, 13), c = pick(0, n - 1);
          std::vector<std::string> all;
          std::string right;
          for (int v = 0; v < n; ++v) {
            std::string w = text(true);
            source += (v == c ? "+ " : "- ") + w + "\n";
            all.push_back(utf8ToCp1251(w));
            if (v == c) right = all.back();
          }
          e.blanks.push_back({right, all});
        }
        break;
      }
    }
  }

 private:
  Random random_;
  int counter_ = 0;
};

std::multiset<std::string> slots(const Slots<std::string>& s, int n) {
  return {s.begin() + 1, s.begin() + 1 + n};
}

void check(const Task& t, const Expected& e, const std::string& where) {
  SCOPED_TRACE(where);
  ASSERT_EQ(t.type, e.type);
  EXPECT_EQ(t.question, e.question);
  int n = static_cast<int>(e.options.size());
  switch (e.type) {
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
    case TaskType::CountedChoice: {
      ASSERT_EQ(t.itemCount, n);
      EXPECT_EQ(slots(t.items, n), std::multiset<std::string>(e.options.begin(), e.options.end()));
      int k = static_cast<int>(e.correct.size());
      EXPECT_EQ(t.elementCount, k);
      std::multiset<std::string> shownCorrect;
      for (int j = 1; j <= n; ++j)
        if (t.itemLetters[j] < 'A' + k) shownCorrect.insert(t.items[j]);
      EXPECT_EQ(shownCorrect, std::multiset<std::string>(e.correct.begin(), e.correct.end()));
      break;
    }
    case TaskType::Sequence:
      ASSERT_EQ(t.itemCount, n);
      for (int j = 1; j <= n; ++j) {
        EXPECT_EQ(t.correctTexts[j], e.options[j - 1]);
        EXPECT_NE(t.items[j], t.correctTexts[j]);
        EXPECT_EQ(t.items[j], e.options[t.itemLetters[j] - 'A']);
      }
      break;
    case TaskType::DirectInput:
      ASSERT_EQ(t.elementCount, static_cast<int>(e.labels.size()));
      for (int f = 1; f <= t.elementCount; ++f) {
        EXPECT_EQ(t.items[f], e.labels[f - 1]);
        ASSERT_EQ(t.acceptedCount[f], static_cast<int>(e.answers[f - 1].size()));
        for (int v = 1; v <= t.acceptedCount[f]; ++v)
          EXPECT_EQ(t.accepted[f][v], e.answers[f - 1][v - 1]);
      }
      break;
    case TaskType::Matching:
      ASSERT_EQ(t.itemCount, n + 1);
      for (int j = 1; j <= n; ++j) EXPECT_EQ(t.items[j], e.options[j - 1]);
      for (int j = 1; j <= n + 1; ++j) {
        EXPECT_EQ(t.correctTexts[j], e.correct[j - 1]);
        EXPECT_EQ(t.rightItems[j], e.correct[j - 1]);
      }
      EXPECT_EQ(t.hasEmptyRightItem, e.correct.back() == "--");
      break;
    case TaskType::Restoration: {
      ASSERT_EQ(t.elementCount, static_cast<int>(e.gapChars.size()));
      std::string gaps;
      for (std::size_t g = 182; g <= t.items[2].size(); g += 3) gaps += t.items[2][g];
      EXPECT_EQ(gaps, e.gapChars);
      for (char c : e.gapChars) EXPECT_NE(t.rightItems[1].find(c), std::string::npos);
      break;
    }
    case TaskType::Completion:
      ASSERT_EQ(t.blankCount, static_cast<int>(e.blanks.size()));
      for (int r = 1; r <= t.blankCount; ++r) {
        const auto& [right, all] = e.blanks[r - 1];
        EXPECT_EQ(t.correctTexts[r], right);
        std::multiset<std::string> expected(all.begin(), all.end());
        while (static_cast<int>(expected.size()) < t.variantCount) expected.insert("");
        EXPECT_EQ(slots(t.variants[r], t.variantCount), expected);
      }
      break;
  }
}

TEST(RoundTrip, RandomSourcesLoadBackAsWritten) {
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    Generator gen(seed);
    std::string source = "# generated\ntitle: Тест " + std::to_string(seed) + "\n";
    std::vector<Expected> expected;
    for (int n = gen.pick(1, 60); n > 0; --n) {
      expected.emplace_back();
      gen.add(source, expected.back());
    }
    ParsedSource parsed = parseTestSource(source);
    ASSERT_TRUE(parsed.source) << "seed " << seed << " line " << parsed.error.line << ": "
                               << parsed.error.message;
    Random random(seed * 7);
    std::string file = writeTestFile(*parsed.source, random);
    EXPECT_EQ(file.find('\x1a'), std::string::npos) << "seed " << seed;

    ispyt::Test test;
    LoadResult r = readTest(file, test, random, [](const std::string&) { return false; });
    ASSERT_TRUE(r.loaded()) << "seed " << seed << " line " << r.line << ": " << r.reason;
    ASSERT_EQ(test.taskCount, static_cast<int>(expected.size()));
    EXPECT_EQ(test.title, cp1251("Тест ") + std::to_string(seed));
    for (int n = 1; n <= test.taskCount; ++n)
      check(test.task(n), expected[n - 1],
            "seed " + std::to_string(seed) + " task " + std::to_string(n));
  }
}

}  // namespace
}  // namespace ispyt
