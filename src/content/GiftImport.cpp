#include "content/GiftImport.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "content/GiftText.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

constexpr std::size_t npos = std::string::npos;
constexpr char kGapMark = '\x8B';          // ‹
constexpr char kLineBreak = '\xB6';        // ¶
constexpr const char* kEllipsis = "\x85";  // … where a block stood in the text
constexpr std::size_t kMaxTypedAnswer = kMaxTypedLength + 1;

struct Refused {
  int line;
  std::string message;
};

std::string trimmed(std::string_view s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == npos) return {};
  return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

std::string quoted(const std::string& cp1251) { return "'" + cp1251ToUtf8(cp1251) + "'"; }

std::string percent(double w) {
  std::string s = std::to_string(w);
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s + "%";
}

bool near(double a, double b, double by) { return std::fabs(a - b) <= by; }

// The texts a pupil may type for a number: as written (first, since the
// first accepted answer is the one shown as right), without needless
// zeros, each with a decimal point and with a decimal comma.
std::vector<std::string> numberForms(std::string value) {
  if (!value.empty() && value[0] == '+') value.erase(0, 1);
  std::vector<std::string> forms{value};
  bool plain = value.find_first_of("eE") == npos;
  if (plain) {
    std::string s = value;
    std::replace(s.begin(), s.end(), ',', '.');
    bool negative = !s.empty() && s[0] == '-';
    if (negative) s.erase(0, 1);
    std::size_t point = s.find('.');
    std::string whole = s.substr(0, point), part = point == npos ? "" : s.substr(point + 1);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) whole = "0";
    part.erase(part.find_last_not_of('0') + 1);
    std::string canonical = whole + (part.empty() ? "" : "." + part);
    if (negative && canonical != "0") canonical = "-" + canonical;
    forms.push_back(canonical);
  }
  std::vector<std::string> out{value};
  for (const std::string& f : forms)
    for (char point : {'.', ','}) {
      std::string g = f;
      std::replace_if(
          g.begin(), g.end(), [](char c) { return c == '.' || c == ','; }, point);
      if (std::find(out.begin(), out.end(), g) == out.end()) out.push_back(g);
    }
  return out;
}

class Mapper {
 public:
  explicit Mapper(const GiftQuestion& q) : q_(q) {}

  SourceTask run() {
    if (!q_.error.empty()) throw Refused{q_.errorLine, q_.error};
    switch (q_.block) {
      case GiftBlock::None:
        throw Refused{q_.line, "a description (a text without an answer block) asks nothing"};
      case GiftBlock::Empty:
        throw Refused{q_.blockLine, "an essay ('{}') needs a teacher to mark it"};
      case GiftBlock::TrueFalse:
        return trueFalse();
      case GiftBlock::Numeric:
        return typed(numbers());
      case GiftBlock::Answers:
        break;
    }
    for (const GiftAnswer& a : q_.answers)
      if (a.text.raw.find("->") != npos) return matching();
    bool anyWrong = std::any_of(q_.answers.begin(), q_.answers.end(),
                                [](const GiftAnswer& a) { return !a.right; });
    return anyWrong ? choice() : typed(shortAnswers());
  }

 private:
  [[noreturn]] static void refuse(int line, std::string message) {
    throw Refused{line, std::move(message)};
  }

  // A text of the question as markup; a fault is reported on the line of
  // the character at fault when it can be found.
  std::string markup(const GiftText& t) const {
    GiftTextResult r = giftToMarkup(t.raw, q_.format);
    if (r.fault.empty()) return r.text;
    int line = t.line;
    if (std::size_t at = r.culprit.empty() ? npos : t.raw.find(r.culprit); at != npos)
      line += static_cast<int>(std::count(t.raw.begin(), t.raw.begin() + at, '\n'));
    refuse(line, r.fault);
  }

  static void limit(const std::string& text, std::size_t most, const char* what, int line) {
    if (text.size() > most)
      refuse(line, std::string(what) + " is " + std::to_string(text.size()) +
                       " characters long; the task screen shows at most " + std::to_string(most) +
                       " legibly");
  }

  std::string item(const GiftText& t, std::size_t most, const char* what) const {
    std::string s = trimmed(markup(t));
    if (s.empty()) refuse(t.line, std::string("an empty ") + what);
    limit(s, most, ("the " + std::string(what) + " " + quoted(s)).c_str(), t.line);
    return s;
  }

  // An answer kept in the file with '_' for its spaces, so it may hold none.
  static void noUnderscore(const std::string& s, const char* what, int line) {
    if (s.find('_') != npos)
      refuse(line, std::string(what) + " " + quoted(s) +
                       " holds '_', which the test file keeps for a space");
  }

  std::string question() const {
    std::string s = markup(q_.before);
    if (q_.inMiddle()) s += kEllipsis + markup(q_.after);
    s = trimmed(s);
    if (s.empty()) refuse(q_.line, "the question has no text");
    limit(s, kMaxQuestionText, "the question", q_.line);
    return s;
  }

  SourceTask trueFalse() const {
    SourceTask t;
    t.type = TaskType::SingleChoice;
    t.question = question();
    t.options = {{cp1251(kTrue), q_.truth}, {cp1251(kFalse), !q_.truth}};
    return t;
  }

  SourceTask typed(std::vector<std::string> answers) const {
    if (answers.size() > static_cast<std::size_t>(kComparedAnswers))
      refuse(q_.blockLine, std::to_string(answers.size()) +
                               " accepted answers; a typed answer is compared with the first " +
                               std::to_string(kComparedAnswers) + " only");
    SourceTask t;
    t.type = TaskType::DirectInput;
    t.question = question();
    t.fields = {{cp1251(kAnswerLabel), std::move(answers)}};
    return t;
  }

  static void addTyped(std::vector<std::string>& answers, std::string a, int line) {
    if (a.size() > kMaxTypedAnswer)
      refuse(line, "the answer " + quoted(a) + " is " + std::to_string(a.size()) +
                       " characters long; a typed field takes at most " +
                       std::to_string(kMaxTypedAnswer));
    noUnderscore(a, "the answer", line);
    if (std::find(answers.begin(), answers.end(), a) == answers.end())
      answers.push_back(std::move(a));
  }

  static void wholeWeight(const std::optional<double>& weight, int line) {
    if (weight && !near(*weight, 100, 0.01))
      refuse(line,
             "an answer counting " + percent(*weight) + "; a typed answer here is right or wrong");
  }

  std::vector<std::string> shortAnswers() const {
    std::vector<std::string> answers;
    for (const GiftAnswer& a : q_.answers) {
      wholeWeight(a.weight, a.line);
      // The field tidies what is typed the same way: no blanks at the ends,
      // none doubled; and a no-break space is typed as a space.
      std::string s = item(a.text, kMaxOptionText, "answer"), single;
      std::replace(s.begin(), s.end(), '\xA0', ' ');
      s = trimmed(s);
      for (char c : s)
        if (c != ' ' || single.empty() || single.back() != ' ') single += c;
      addTyped(answers, std::move(single), a.line);
    }
    return answers;
  }

  std::vector<std::string> numbers() const {
    std::vector<std::string> answers;
    for (const GiftNumber& n : q_.numbers) {
      wholeWeight(n.weight, n.line);
      std::string value = n.value;
      if (!n.low.empty()) {
        if (*giftNumber(n.low) != *giftNumber(n.high))
          refuse(n.line, "a range " + n.low + ".." + n.high +
                             ": a typed answer here must match one of its texts");
        value = n.low;
      } else if (!n.tolerance.empty() && *giftNumber(n.tolerance) != 0) {
        refuse(n.line, "a tolerance of " + n.tolerance +
                           ": a typed answer here must match one of its texts");
      }
      for (std::string& form : numberForms(value)) addTyped(answers, std::move(form), n.line);
    }
    return answers;
  }

  static void distinct(const std::vector<std::string>& texts, const char* what, int line) {
    std::set<std::string> seen;
    for (const std::string& s : texts)
      if (!seen.insert(s).second) refuse(line, std::string(what) + " " + quoted(s) + " twice");
  }

  SourceTask choice() const {
    struct Weighed {
      const GiftAnswer* answer;
      double weight;
    };
    std::vector<Weighed> right;
    std::vector<SourceOption> options;
    std::vector<std::string> texts;
    bool gap = q_.inMiddle();
    for (const GiftAnswer& a : q_.answers) {
      double w = a.weight ? *a.weight : a.right ? 100 : 0;
      if (w > 0) right.push_back({&a, w});
      std::string text =
          gap ? item(a.text, kMaxVariantText, "variant") : item(a.text, kMaxOptionText, "option");
      if (gap) noUnderscore(text, "the variant", a.line);
      texts.push_back(text);
      options.push_back({std::move(text), w > 0});
    }
    distinct(texts, "the answers hold", q_.blockLine);
    if (right.empty()) refuse(q_.blockLine, "no answer is right; mark the right one with '='");
    if (right.size() == 1) {
      if (!near(right[0].weight, 100, 0.01))
        refuse(right[0].answer->line, "the only right answer counts " + percent(right[0].weight) +
                                          ", so no answer gives the whole mark");
      if (gap) return completion(std::move(options));
      if (options.size() > static_cast<std::size_t>(kMaxItems))
        refuse(q_.blockLine,
               std::to_string(options.size()) + " answers; a single choice takes at most 13");
      SourceTask t;
      t.type = TaskType::SingleChoice;
      t.question = question();
      t.options = std::move(options);
      return t;
    }
    if (std::all_of(right.begin(), right.end(), [](const Weighed& w) { return !w.answer->weight; }))
      refuse(right[1].answer->line,
             "two answers are right on their own ('='), and a choice here has one right "
             "answer; weights such as '~%50%' make a multiple choice");
    for (const Weighed& w : right)
      if (!near(w.weight, right[0].weight, 0.5))
        refuse(w.answer->line, "the right answers count unequally (" + percent(right[0].weight) +
                                   " and " + percent(w.weight) +
                                   "); in a multiple choice every right option counts the same");
    double sum = 0;
    for (const Weighed& w : right) sum += w.weight;
    if (!near(sum, 100, 1))
      refuse(q_.blockLine, "the right answers give " + percent(sum) + " together, not 100%");
    if (gap)
      refuse(q_.blockLine, "a gap in the text takes one right variant; this block has " +
                               std::to_string(right.size()));
    if (options.size() > static_cast<std::size_t>(kMaxOrderItems))
      refuse(q_.blockLine,
             std::to_string(options.size()) + " answers; a multiple choice takes at most 7");
    SourceTask t;
    t.type = TaskType::MultipleChoice;
    t.question = question();
    t.options = std::move(options);
    return t;
  }

  // The block's variants at a gap of the text.  A text whose first line
  // ends before the gap gives that line as the question.
  SourceTask completion(std::vector<SourceOption> variants) const {
    if (variants.size() > static_cast<std::size_t>(kMaxItems))
      refuse(q_.blockLine, std::to_string(variants.size()) + " variants; a gap takes at most 13");
    std::string before = markup(q_.before), after = markup(q_.after);
    if (before.find(kGapMark) != npos || after.find(kGapMark) != npos)
      refuse(q_.line, "the text holds '‹', the mark of a gap, besides its answer block");
    SourceTask t;
    t.type = TaskType::Completion;
    if (std::size_t br = before.find(kLineBreak); br != npos) {
      t.question = trimmed(before.substr(0, br));
      before.erase(0, br + 1);
    }
    if (t.question.empty()) t.question = cp1251(kGapQuestion);
    t.text = trimmed(before + kGapMark + after);
    limit(t.question, kMaxQuestionText, "the question", q_.line);
    limit(t.text, kMaxQuestionText, "the text", q_.line);
    t.blanks = {std::move(variants)};
    return t;
  }

  SourceTask matching() const {
    SourceTask t;
    t.type = TaskType::Matching;
    std::vector<std::string> right;
    std::string extra;
    for (const GiftAnswer& a : q_.answers) {
      std::size_t arrow = a.text.raw.find("->");
      if (!a.right || arrow == npos)
        refuse(a.line, "a matching block takes only '=left -> right' pairs");
      GiftText l{a.text.raw.substr(0, arrow), a.text.line};
      GiftText r{a.text.raw.substr(arrow + 2),
                 a.text.line + static_cast<int>(std::count(a.text.raw.begin(),
                                                           a.text.raw.begin() + arrow, '\n'))};
      std::string left = trimmed(markup(l));
      std::string item = this->item(r, kMaxOptionText, "right item");
      if (item == "--") refuse(a.line, "'--' as a right item reads as an empty place");
      if (left.empty()) {
        if (!extra.empty())
          refuse(a.line, "a second unmatched right item ('= -> …'); a matching task takes one");
        extra = std::move(item);
        continue;
      }
      limit(left, kMaxOptionText, ("the left item " + quoted(left)).c_str(), a.line);
      t.options.push_back({std::move(left), false});
      right.push_back(std::move(item));
    }
    if (t.options.empty()) refuse(q_.blockLine, "a matching block without a pair");
    if (t.options.size() > static_cast<std::size_t>(kMaxMatchingLeft))
      refuse(q_.blockLine,
             std::to_string(t.options.size()) + " pairs; a matching task takes at most 12");
    std::vector<std::string> left;
    for (const SourceOption& o : t.options) left.push_back(o.text);
    distinct(left, "the left item", q_.blockLine);
    if (!extra.empty()) right.push_back(extra);
    distinct(right, "each left item needs a right item of its own; this block has", q_.blockLine);
    t.question = question();
    t.right = std::move(right);
    return t;
  }

  const GiftQuestion& q_;
};

}  // namespace

GiftImport importGift(std::string_view utf8) {
  GiftImport out;
  for (const GiftQuestion& q : readGift(utf8)) {
    ++out.questions;
    try {
      SourceTask t = Mapper(q).run();
      t.line = q.line;
      if (std::string fault = finishSourceTask(t); !fault.empty()) throw Refused{q.line, fault};
      if (out.source.tasks.size() == static_cast<std::size_t>(kMaxTasks))
        throw Refused{q.line, "the test is full: it takes 60 tasks"};
      out.source.tasks.push_back(std::move(t));
    } catch (const Refused& r) {
      out.refusals.push_back({r.line, r.message});
    }
  }
  return out;
}

}  // namespace ispyt
