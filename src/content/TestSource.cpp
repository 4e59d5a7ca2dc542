#include "content/TestSource.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

struct Bad {
  int line;
  std::string message;
};

struct Kind {
  const char* english;
  const char* ukrainian;
  TaskType type;
};

constexpr std::array<Kind, 8> kKinds = {{
    {"single", "одиничний", TaskType::SingleChoice},
    {"multiple", "множинний", TaskType::MultipleChoice},
    {"input", "введення", TaskType::DirectInput},
    {"sequence", "послідовність", TaskType::Sequence},
    {"matching", "відповідність", TaskType::Matching},
    {"restoration", "відновлення", TaskType::Restoration},
    {"counted", "кількісний", TaskType::CountedChoice},
    {"completion", "доповнення", TaskType::Completion},
}};

constexpr char kGapMark = '\x8b';  // '‹', the renderer's input gap

std::string_view trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::string restorationFault(SourceTask& t) {
  if (t.gaps.empty()) return "a restoration task takes at least one gap '[c]' in its rows";
  if (t.palette.empty()) {
    std::set<unsigned char> chars;
    for (const SourceGap& g : t.gaps)
      if (g.missing != ' ' && g.missing != '\xbb')
        chars.insert(static_cast<unsigned char>(g.missing));
    for (unsigned char c : chars) t.palette += static_cast<char>(c);
    if (t.palette.size() > kPaletteSlots) return "the gaps need more than 18 palette characters";
  }
  for (const SourceGap& g : t.gaps)
    if (g.missing != ' ' && g.missing != '\xbb' && t.palette.find(g.missing) == std::string::npos)
      return "a gap's character is not in the palette";
  t.palette.resize(kPaletteSlots, '_');
  return {};
}

class Parser {
 public:
  explicit Parser(std::string_view utf8) : rest_(utf8) {
    if (rest_.substr(0, 3) == "\xEF\xBB\xBF") rest_.remove_prefix(3);  // a byte-order mark
  }

  TestSource run() {
    for (std::string_view raw; next(raw);) {
      std::string_view l = trim(raw);
      if (l.empty() || l[0] == '#') continue;
      line(l);
    }
    finishTask();
    if (!sawTitle_) throw Bad{1, "the source has no 'title:' line"};
    if (out_.tasks.empty()) throw Bad{line_, "the source has no task ('== single' and so on)"};
    if (out_.tasks.size() > kMaxTasks) throw Bad{out_.tasks[kMaxTasks].line, "more than 60 tasks"};
    return std::move(out_);
  }

 private:
  bool next(std::string_view& l) {
    if (done_) return false;
    std::size_t end = rest_.find('\n');
    l = rest_.substr(0, end);
    if (end == std::string_view::npos)
      done_ = true;
    else
      rest_.remove_prefix(end + 1);
    if (rest_.empty()) done_ = true;  // nothing after the last line end
    ++line_;
    return true;
  }

  [[noreturn]] void fail(std::string message) const { throw Bad{line_, std::move(message)}; }

  // Source text as domain text; refuses what Windows-1251 cannot hold.
  std::string text(std::string_view utf8) const {
    std::string bytes = utf8ToCp1251(utf8);
    if (cp1251ToUtf8(bytes) != utf8) fail("the text holds a character Windows-1251 has not");
    for (unsigned char c : bytes)
      if (c < 0x20) fail("the text holds a control character");
    return bytes;
  }

  // "key: value" with a known key.
  static bool keyed(std::string_view l, std::string_view key, std::string_view& value) {
    if (l.substr(0, key.size()) != key || l.size() <= key.size() || l[key.size()] != ':')
      return l == key;  // "blank" alone is fine
    value = trim(l.substr(key.size() + 1));
    return true;
  }

  SourceTask& task() {
    if (!current_)
      fail("this line belongs inside a task; start one with '== single' or another kind");
    return *current_;
  }

  void expect(TaskType type, const char* what) {
    if (task().type != type)
      fail(std::string("'") + what + "' lines belong to " + kindName(type) + " tasks");
  }

  static std::string kindName(TaskType type) {
    for (const Kind& k : kKinds)
      if (k.type == type) return k.english;
    return "?";
  }

  void line(std::string_view l) {
    std::string_view v;
    if (l.substr(0, 2) == "==") return startTask(trim(l.substr(2)));
    if (keyed(l, "title", v)) {
      if (sawTitle_) fail("a second 'title:' line");
      if (current_) fail("'title:' belongs before the first task");
      sawTitle_ = true;
      out_.title = text(v);
      return;
    }
    if (keyed(l, "copy", v)) {
      if (v.empty()) fail("'copy:' names no file");
      out_.extraFiles.push_back(std::string(v));
      return;
    }
    char sign = l[0];
    std::string_view after = trim(l.substr(1));
    if (sign == '?') {
      SourceTask& t = task();
      if (!t.question.empty()) t.question += ' ';
      t.question += text(after);
      return;
    }
    if (sign == '+' || sign == '-') return option(sign == '+', text(after));
    if (sign == '=') return answer(after);
    if (sign == '<' && (l.size() == 1 || l[1] == ' ')) return matchingLeft(text(after));
    if (sign == '>' && (l.size() == 1 || l[1] == ' ')) return matchingRight(text(after));
    if (keyed(l, "field", v)) {
      expect(TaskType::DirectInput, "field:");
      task().fields.push_back({text(v), {}});
      return;
    }
    if (keyed(l, "row", v)) return row(l.substr(l.find(':') + 1));
    if (keyed(l, "palette", v)) {
      expect(TaskType::Restoration, "palette:");
      task().palette = text(v);
      if (task().palette.find(' ') != std::string::npos) fail("write an empty palette slot as '_'");
      if (task().palette.size() > kPaletteSlots) fail("the palette holds more than 18 characters");
      return;
    }
    if (keyed(l, "picture", v)) {
      expect(TaskType::Restoration, "picture:");
      task().picture = std::string(v);
      return;
    }
    if (keyed(l, "appendix", v)) {
      SourceTask& t = task();
      if (!t.appendix.empty()) fail("a second 'appendix:' line");
      if (appendixExtension(v).empty()) fail("an appendix is a .bmp, .txt or .rtf file");
      t.appendix = std::string(v);
      return;
    }
    if (keyed(l, "flag", v)) {
      expect(TaskType::Restoration, "flag:");
      if (v.size() != 1) fail("'flag:' takes one character");
      task().flag = v[0];
      return;
    }
    if (keyed(l, "text", v)) {
      expect(TaskType::Completion, "text:");
      std::string t = text(v);
      for (std::size_t p; (p = t.find("<gap>")) != std::string::npos;) t.replace(p, 5, 1, kGapMark);
      if (!task().text.empty()) task().text += ' ';
      task().text += t;
      return;
    }
    if (keyed(l, "blank", v)) {
      expect(TaskType::Completion, "blank:");
      if (!v.empty()) fail("'blank:' stands alone; its variants follow as '+' and '-' lines");
      task().blanks.emplace_back();
      return;
    }
    fail("unknown line; see 'ispyt-tool make-test --help' for the format");
  }

  void startTask(std::string_view kind) {
    finishTask();
    std::string lower = utf8ToCp1251(kind);
    for (char& c : lower) c = cp1251Lower(c);
    for (const Kind& k : kKinds)
      if (lower == k.english || lower == utf8ToCp1251(k.ukrainian)) {
        out_.tasks.push_back({});
        current_ = &out_.tasks.back();
        current_->type = k.type;
        current_->line = line_;
        return;
      }
    fail("unknown task kind '" + std::string(kind) +
         "'; one of single, multiple, counted, input, sequence, matching, restoration, completion");
  }

  void option(bool correct, std::string t) {
    SourceTask& task = this->task();
    switch (task.type) {
      case TaskType::SingleChoice:
      case TaskType::MultipleChoice:
      case TaskType::CountedChoice:
      case TaskType::Sequence:
        task.options.push_back({std::move(t), correct});
        return;
      case TaskType::Completion:
        if (task.blanks.empty()) fail("a variant before the first 'blank:' line");
        if (t.find('_') != std::string::npos)
          fail("'_' cannot stand in a variant (it reads as a space)");
        task.blanks.back().push_back({std::move(t), correct});
        return;
      default:
        fail("'+' and '-' lines belong to choice, sequence and completion tasks");
    }
  }

  void answer(std::string_view utf8) {
    expect(TaskType::DirectInput, "=");
    std::string a = text(utf8);
    if (a.empty()) fail("an empty accepted answer");
    if (a.find('_') != std::string::npos)
      fail("'_' cannot stand in an answer (it reads as a space)");
    if (task().fields.empty()) task().fields.push_back({});
    task().fields.back().answers.push_back(std::move(a));
  }

  void matchingLeft(std::string t) {
    expect(TaskType::Matching, "<");
    if (task().right.size() != task().options.size())
      fail("a left item before the previous one's '>' line");
    task().options.push_back({std::move(t), false});
  }

  void matchingRight(std::string t) {
    expect(TaskType::Matching, ">");
    SourceTask& task = this->task();
    if (task.right.size() > task.options.size()) fail("a second extra right item");
    task.right.push_back(std::move(t));
  }

  // One grid row: a character per cell; _c lowered, ^c raised, [c] a gap
  // the pupil fills with c, \c the character c itself.
  void row(std::string_view utf8) {
    expect(TaskType::Restoration, "row:");
    SourceTask& task = this->task();
    if (rows_ == kGridRows) fail("more than 6 rows");
    if (!utf8.empty() && utf8[0] == ' ') utf8.remove_prefix(1);
    while (!utf8.empty() && (utf8.back() == '\r' || utf8.back() == ' ')) utf8.remove_suffix(1);
    std::string r = text(utf8);
    int column = 0;
    for (std::size_t i = 0; i < r.size(); ++column) {
      if (column == kGridColumns) fail("a row holds more than 15 cells");
      int cell = rows_ * kGridColumns + column + 1;
      char level = '0';
      if (r[i] == '_' || r[i] == '^') level = r[i++] == '_' ? '1' : '2';
      if (i >= r.size()) fail("the row ends after a level mark");
      bool gap = r[i] == '[';
      if (gap) ++i;
      if (i < r.size() && r[i] == '\\') ++i;
      if (i >= r.size()) fail("the row ends inside a cell");
      char c = r[i++];
      if (gap && c == '_') fail("'_' cannot be a gap's character (it marks an empty palette slot)");
      if (gap) {
        if (i >= r.size() || r[i] != ']') fail("a gap '[' without its ']'");
        ++i;
        task.gaps.push_back({cell, c, level});
      } else {
        task.cells[cell - 1] = c;
      }
      task.levels[cell - 1] = level;
    }
    ++rows_;
  }

  void finishTask() {
    rows_ = 0;
    if (!current_) return;
    std::string fault = finishSourceTask(*current_);
    // A task's faults are reported at its start.
    if (!fault.empty()) throw Bad{current_->line, std::move(fault)};
    current_ = nullptr;
  }

  std::string_view rest_;
  bool done_ = false;
  int line_ = 0;
  int rows_ = 0;
  bool sawTitle_ = false;
  TestSource out_;
  SourceTask* current_ = nullptr;
};

}  // namespace

std::string appendixExtension(std::string_view file) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string extension(file.substr(dot));
  for (char& c : extension) c = cp1251Lower(c);
  return extension == ".bmp" || extension == ".txt" || extension == ".rtf" ? extension : "";
}

std::string finishSourceTask(SourceTask& t) {
  int n = static_cast<int>(t.options.size());
  int correct = static_cast<int>(std::count_if(t.options.begin(), t.options.end(),
                                               [](const SourceOption& o) { return o.correct; }));
  if (t.question.empty()) return "the task has no question ('?' line)";
  switch (t.type) {
    case TaskType::SingleChoice:
      if (n < 2 || n > kMaxItems) return "a single-choice task takes 2 to 13 options";
      if (correct != 1) return "a single-choice task takes exactly one '+' option";
      break;
    case TaskType::MultipleChoice:
    case TaskType::CountedChoice:
      if (n < 2 || n > kMaxOrderItems) return "a multiple-choice task takes 2 to 7 options";
      if (correct < 1) return "a multiple-choice task takes at least one '+' option";
      break;
    case TaskType::Sequence: {
      if (n < 2 || n > kMaxOrderItems) return "a sequence takes 2 to 7 items";
      std::set<std::string> texts;
      for (const SourceOption& o : t.options)
        if (!texts.insert(o.text).second) return "two items of the sequence have the same text";
      break;
    }
    case TaskType::DirectInput:
      if (t.fields.empty() || t.fields.size() > kMaxFields)
        return "an input task takes 1 to 3 fields";
      for (const SourceField& f : t.fields)
        if (f.answers.empty() || f.answers.size() > kMaxItems)
          return "every field takes 1 to 13 accepted answers ('=' lines)";
      break;
    case TaskType::Matching:
      if (n < 1 || n > kMaxMatchingLeft) return "a matching task takes 1 to 12 pairs";
      if (t.right.size() < t.options.size()) return "the last left item has no '>' line";
      if (t.right.size() > t.options.size() + 1) return "a second extra right item";
      if (t.right.size() == t.options.size()) t.right.push_back("--");
      break;
    case TaskType::Restoration:
      return restorationFault(t);
    case TaskType::Completion: {
      int marks = static_cast<int>(std::count(t.text.begin(), t.text.end(), kGapMark));
      if (t.blanks.empty() || t.blanks.size() > kMaxItems)
        return "a completion task takes 1 to 13 blanks";
      if (marks != static_cast<int>(t.blanks.size()))
        return "the text has " + std::to_string(marks) + " gap marks for " +
               std::to_string(t.blanks.size()) + " blanks";
      for (const auto& b : t.blanks) {
        if (b.size() > kMaxItems) return "a blank takes at most 13 variants";
        if (std::count_if(b.begin(), b.end(), [](const SourceOption& o) { return o.correct; }) != 1)
          return "every blank takes exactly one '+' variant";
      }
      break;
    }
  }
  return {};
}

ParsedSource parseTestSource(std::string_view utf8) {
  try {
    return {Parser(utf8).run(), {}};
  } catch (const Bad& bad) {
    return {std::nullopt, {bad.line, bad.message}};
  }
}

std::string restorationGrid(const SourceTask& task) {
  std::string grid = task.cells + task.levels + task.flag;
  for (const SourceGap& g : task.gaps) {
    grid += static_cast<char>(g.cell + 40);
    grid += g.missing;
    grid += g.level;
  }
  return grid;
}

}  // namespace ispyt
