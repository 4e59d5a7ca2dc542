#include "content/GiftExport.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "content/GiftImport.h"
#include "content/GiftReader.h"
#include "content/GiftText.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr char kGapMark = '\x8B';    // ‹
constexpr char kLineBreak = '\xB6';  // ¶

struct Skip {
  std::string why;
};

std::string quoted(const std::string& cp1251) { return "'" + cp1251ToUtf8(cp1251) + "'"; }

std::string weight(double w) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.5f", w);
  std::string s = buf;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return "%" + s + "%";
}

struct Option {
  std::string text;
  bool right;
};

class TaskWriter {
 public:
  TaskWriter(const Task& t, int number, const std::function<bool(const std::string&)>& isFile)
      : t_(t), number_(number), isFile_(isFile) {}

  // The question in GIFT, or Skip.
  std::string run() {
    switch (t_.type) {
      case TaskType::SingleChoice:
        return singleChoice();
      case TaskType::MultipleChoice:
        return multipleChoice();
      case TaskType::DirectInput:
        return typed();
      case TaskType::Matching:
        return matching();
      case TaskType::Completion:
        return completion();
      case TaskType::CountedChoice:
        throw Skip{"a choice that tells how many options are right; GIFT has none"};
      case TaskType::Sequence:
        throw Skip{"a sequence; GIFT has no ordering question"};
      case TaskType::Restoration:
        throw Skip{"a restoration grid; GIFT has none"};
    }
    throw Skip{"a task of an unknown kind"};
  }

  std::vector<std::string> notes;

 private:
  // A text as GIFT; texts naming a picture of the folder are drawn as it.
  std::string text(const std::string& s) const {
    if (isFile_ && !s.empty() && isFile_(s))
      throw Skip{"its text " + quoted(s) + " shows a picture of the test's folder"};
    return markupToGift(s);
  }

  std::string answer(const std::string& s) const {
    if (s.empty()) throw Skip{"an empty option"};
    if (s.find("->") != npos)
      throw Skip{"its answer " + quoted(s) + " holds '->', which GIFT reads as a matching pair"};
    return text(s);
  }

  // An answer after its mark; one starting with '%' gets its weight
  // written, or the '%' would read as the start of one.
  std::string marked(bool right, const std::string& s) const {
    std::string a = answer(s);
    return (right ? "=" : "~") + std::string(a[0] == '%' ? (right ? "%100%" : "%0%") : "") + a;
  }

  // The title and the text before the block (GIFT already).
  std::string head(std::string q) const {
    // A text that starts like a format marker keeps its start.
    if (giftFormatMarker(q)) q = "[plain]" + q;
    return "::Завдання " + std::to_string(number_) + ":: " + q;
  }

  // Choice options in letter order: the first `right` letters are right.
  std::vector<Option> options(int right) const {
    std::vector<int> order(std::clamp(t_.itemCount, 0, kMaxItems));
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return t_.itemLetters[a] < t_.itemLetters[b]; });
    std::vector<Option> out;
    for (int j : order) out.push_back({t_.items[j], t_.itemLetters[j] < 'A' + right});
    return out;
  }

  static std::string block(const std::vector<std::string>& lines) {
    std::string b = "{\n";
    for (const std::string& l : lines) b += l + "\n";
    return b + "}";
  }

  std::string singleChoice() const {
    std::vector<Option> o = options(1);
    std::string yes = cp1251(kTrue), no = cp1251(kFalse);
    if (o.size() == 2 &&
        ((o[0].text == yes && o[1].text == no) || (o[0].text == no && o[1].text == yes)))
      return head(text(t_.question)) + (o[0].text == yes ? " {TRUE}" : " {FALSE}");
    std::vector<std::string> lines;
    for (const Option& x : o) lines.push_back(marked(x.right, x.text));
    return head(text(t_.question)) + " " + block(lines);
  }

  std::string multipleChoice() const {
    int k = std::clamp(t_.correctCount, 1, kMaxOrderItems);
    std::vector<std::string> lines;
    for (const Option& x : options(k))
      lines.push_back("~" + weight(x.right ? 100.0 / k : -100.0 / k) + answer(x.text));
    return head(text(t_.question)) + " " + block(lines);
  }

  std::string typed() {
    if (t_.elementCount != 1)
      throw Skip{std::to_string(t_.elementCount) + " typed fields; a GIFT question has one answer"};
    if (!t_.items[1].empty() && t_.items[1] != cp1251(kAnswerLabel))
      notes.push_back("the label " + quoted(t_.items[1]) +
                      " of its field is left out: GIFT has no place for it");
    std::vector<std::string> lines;
    for (int a = 1; a <= std::clamp(t_.acceptedCount[1], 0, kMaxItems); ++a)
      lines.push_back(marked(true, t_.accepted[1][a]));
    return head(text(t_.question)) + " " + block(lines);
  }

  std::string matching() const {
    int n = std::clamp(t_.itemCount - 1, 0, kMaxMatchingLeft);
    std::vector<std::string> lines;
    for (int j = 1; j <= n; ++j) {
      if (t_.items[j].empty()) throw Skip{"an empty left item would read as the unmatched one"};
      lines.push_back(marked(true, t_.items[j]) + " -> " + answer(t_.rightItems[j]));
    }
    if (t_.rightItems[n + 1] != "--") lines.push_back("= -> " + answer(t_.rightItems[n + 1]));
    return head(text(t_.question)) + " " + block(lines);
  }

  std::string completion() {
    const std::string& all = t_.items[1];
    std::size_t gap = all.find(kGapMark);
    if (t_.blankCount != 1 || gap == npos || all.find(kGapMark, gap + 1) != npos)
      throw Skip{std::to_string(std::max(t_.blankCount, 1)) +
                 " gaps; a GIFT question has one answer block"};
    std::vector<std::string> lines;
    int n = std::clamp(t_.variantCount, 0, kMaxItems);
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return t_.variantLetters[1][a] < t_.variantLetters[1][b]; });
    for (int j : order)
      if (!t_.variants[1][j].empty())  // shorter blanks are padded with empty variants
        lines.push_back(marked(t_.variantLetters[1][j] == 'A', t_.variants[1][j]));
    std::string before = all.substr(0, gap), after = all.substr(gap + 1);
    if (after.find_first_not_of(' ') == npos)
      notes.push_back("its gap ends the text, so that GIFT reads it as a single choice");
    // The question comes back as the text's first line; the one a gap
    // gets without it need not be written.
    std::string lead;
    if (t_.question.find(kLineBreak) != npos)
      notes.push_back(
          "its question runs over several lines; all but the first come back with "
          "the text");
    // A text that is the gap alone leaves the question the only text.
    if (t_.question != cp1251(kGapQuestion) || before.find(kLineBreak) != npos ||
        (before + after).find_first_not_of(' ') == npos)
      lead = text(t_.question) + "\\n";
    return head(lead + text(before)) + block(lines) + text(after);
  }

  const Task& t_;
  int number_;
  const std::function<bool(const std::string&)>& isFile_;
};

}  // namespace

GiftExport exportGift(const Test& test, const std::function<bool(const std::string&)>& isFile) {
  GiftExport out;
  std::string title = test.title;
  std::replace(title.begin(), title.end(), kLineBreak, ' ');
  out.gift = "// " + cp1251ToUtf8(title) + "\n";
  for (int n = 1; n <= std::clamp(test.taskCount, 0, kMaxTasks); ++n) {
    TaskWriter writer(test.task(n), n, isFile);
    try {
      std::string question = writer.run();
      out.gift += "\n" + question + "\n";
      ++out.written;
      for (std::string& note : writer.notes) out.notes.push_back({n, std::move(note)});
    } catch (const Skip& skip) {
      out.skipped.push_back({n, skip.why});
    }
  }
  return out;
}

}  // namespace ispyt
