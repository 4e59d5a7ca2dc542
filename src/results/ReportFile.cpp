#include "results/ReportFile.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/LineReader.h"
#include "results/GradingCounts.h"

namespace ispyt {
namespace {

constexpr const char* kLineEnd = "\r\n";

class ReportWriter {
 public:
  void line(std::string_view text) {
    out_ += text;
    out_ += kLineEnd;
  }
  void number(int value) { line(std::to_string(value)); }
  void byte(int value) { line(std::string(1, static_cast<char>(value))); }
  void marks(const std::string& marks, int count) {
    std::string fitted = marks.substr(0, std::max(count, 0));
    fitted.resize(std::max(count, 0), '0');
    line(fitted);
  }
  void texts(const Slots<std::string>& texts, int count) {
    for (int i = 1; i <= count && i <= kMaxItems; ++i) line(texts[i]);
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

void writeBlock(ReportWriter& w, const ReportTask& t) {
  w.number(t.fileNumber);
  w.number(t.type);
  w.line(t.question);
  w.number(t.missCount);
  w.number(t.wrongCount);
  w.line(t.answerText);
  const int n = t.itemCount;
  switch (static_cast<TaskType>(t.type)) {
    case TaskType::SingleChoice:
    case TaskType::CountedChoice:
      w.number(n);
      w.marks(t.marks, n);
      w.texts(t.items, n);
      break;
    case TaskType::MultipleChoice:
      w.number(n);
      w.number(t.judgedElements);
      w.marks(t.marks, n);
      w.texts(t.items, n);
      break;
    case TaskType::DirectInput:
      w.number(n);
      w.texts(t.items, n);
      w.texts(t.rightItems, n);
      break;
    case TaskType::Sequence:
      w.number(n);
      w.texts(t.rightItems, n);
      break;
    case TaskType::Matching:
      w.number(n - 1);
      w.texts(t.items, n - 1);
      w.marks(t.marks, n - 1);
      for (int i = n; i >= 1; --i) w.line(t.rightItems[i]);
      break;
    case TaskType::Restoration:
      w.number(n);
      w.line(t.items[2]);
      w.line(t.items[1]);
      w.line(t.correctText);
      break;
    case TaskType::Completion:
      w.number(n);
      w.number(t.blankCount);
      w.texts(t.items, n);
      for (int i = 1; i <= t.blankCount && i <= kMaxItems; ++i)
        w.line(t.rightItems[i].empty() ? std::string(" ") : t.rightItems[i]);
      break;
  }
}

// Thrown inside the reader only; ReadReport turns it into its fault.
struct Fault {
  int line;
  std::string reason;
};

class ReportReader {
 public:
  explicit ReportReader(std::string_view bytes) : lines_(bytes) {}

  bool atEnd() const { return lines_.atEnd(); }

  std::string text(const char* what) {
    auto line = lines_.next();
    if (!line) throw Fault{lines_.lineNumber() + 1, std::string("file ends before ") + what};
    return std::string(*line);
  }
  int number(const char* what, int low, int high) {
    const std::string t = text(what);
    int value = 0;
    const char* end = t.data() + t.size();
    auto [ptr, ec] = std::from_chars(t.data(), end, value);
    if (t.empty() || ec != std::errc() || ptr != end || t[0] == '+')
      throw Fault{lines_.lineNumber(), std::string(what) + " is not a number"};
    if (value < low || value > high)
      throw Fault{lines_.lineNumber(), std::string(what) + " " + t + " outside " +
                                           std::to_string(low) + ".." + std::to_string(high)};
    return value;
  }
  int count(const char* what, int low = 0) { return number(what, low, kMaxItems); }
  std::string sized(const char* what, int size) {
    std::string t = text(what);
    if (static_cast<int>(t.size()) != size)
      throw Fault{lines_.lineNumber(), std::string(what) + " holds " + std::to_string(t.size()) +
                                           " bytes, not " + std::to_string(size)};
    return t;
  }
  void texts(Slots<std::string>& into, int count, const char* what) {
    for (int i = 1; i <= count; ++i) into[i] = text(what);
  }
  int line() const { return lines_.lineNumber(); }

 private:
  LineReader lines_;
};

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

ReportTask readBlock(ReportReader& r) {
  ReportTask t;
  t.fileNumber = r.number("task number", 1, kMaxTasks);
  t.type = r.number("task type", 0, 255);
  t.question = r.text("question");
  t.missCount = r.number("guess count", kIntMin, kIntMax);
  t.wrongCount = r.number("wrong count", kIntMin, kIntMax);
  t.answerText = r.text("answer text");
  switch (static_cast<TaskType>(t.type)) {
    case TaskType::SingleChoice:
    case TaskType::CountedChoice:
      t.itemCount = r.count("item count");
      t.marks = r.sized("marks", t.itemCount);
      r.texts(t.items, t.itemCount, "items");
      break;
    case TaskType::MultipleChoice:
      t.itemCount = r.count("item count");
      t.judgedElements = r.number("judged elements", kIntMin, kIntMax);
      t.marks = r.sized("marks", t.itemCount);
      r.texts(t.items, t.itemCount, "items");
      break;
    case TaskType::DirectInput:
      t.itemCount = r.count("item count");
      r.texts(t.items, t.itemCount, "items");
      r.texts(t.rightItems, t.itemCount, "answers");
      break;
    case TaskType::Sequence:
      t.itemCount = r.count("item count");
      r.texts(t.rightItems, t.itemCount, "answers");
      break;
    case TaskType::Matching:
      t.itemCount = r.number("item count", -1, kMaxItems - 1) + 1;
      r.texts(t.items, t.itemCount - 1, "items");
      t.marks = r.sized("marks", std::max(t.itemCount - 1, 0));
      for (int i = t.itemCount; i >= 1; --i) t.rightItems[i] = r.text("right items");
      break;
    case TaskType::Restoration:
      t.itemCount = r.count("item count");
      t.items[2] = r.text("grid");
      t.items[1] = r.text("picture name");
      t.correctText = r.text("correct text");
      break;
    case TaskType::Completion:
      t.itemCount = r.count("item count");
      t.blankCount = r.count("blank count");
      r.texts(t.items, t.itemCount, "items");
      r.texts(t.rightItems, t.blankCount, "answers");
      break;
  }
  return t;
}

Report readOne(ReportReader& r) {
  Report report;
  const std::string code = r.sized("attempt code", 4);
  report.attemptCode = code.substr(0, 1);
  for (int i = 1; i < 4; ++i) {
    const unsigned char digit = static_cast<unsigned char>(code[i]);
    if (digit > 9) throw Fault{r.line(), "attempt code digit byte above 9"};
    report.attemptCode += static_cast<char>('0' + digit);
  }
  report.mode = static_cast<unsigned char>(r.sized("mode byte", 1)[0]);
  report.taskCount = r.number("task count", 0, kMaxTasks);
  report.tasksDone = r.number("tasks done", kIntMin, kIntMax);
  const std::string answered = r.sized("answered line", report.taskCount);
  for (int k = 1; k <= report.taskCount; ++k) {
    const char flag = answered[k - 1];
    if (flag != 0 && flag != 1) throw Fault{r.line(), "answered byte neither 0 nor 1"};
    report.answered[k] = flag == 1;
  }
  report.elementsJudged = r.number("elements judged", kIntMin, kIntMax);
  report.pass = r.number("pass", kIntMin, kIntMax);
  report.bestInExam = r.number("best in exam", kIntMin, kIntMax);
  report.wrongElements = r.number("wrong elements", kIntMin, kIntMax);
  report.elapsed = r.number("elapsed", kIntMin, kIntMax);
  report.shuffle = r.number("shuffle", 0, 1) == 1;
  report.fullName = r.text("full name");
  report.classGroup = r.text("class");
  report.dateText = r.text("date");
  report.timeText = r.text("time");
  if (keepsTaskRecords(report.mode))
    for (int k = 1; k <= report.taskCount; ++k) report.tasks.push_back(readBlock(r));
  return report;
}

// Line 1: the letter as is, each digit as the byte of its value.
std::string codeLine(std::string_view attemptCode) {
  std::string code(attemptCode.substr(0, 1));
  for (std::size_t i = 1; i < 4 && i < attemptCode.size(); ++i)
    code += static_cast<char>(attemptCode[i] - '0');
  return code;
}

}  // namespace

std::string reportBytes(const Report& report) {
  ReportWriter w;
  w.line(codeLine(report.attemptCode));
  w.byte(report.mode);
  w.number(report.taskCount);
  w.number(report.tasksDone);
  std::string answered;
  for (int k = 1; k <= report.taskCount; ++k) answered += report.answered[k] ? '\1' : '\0';
  w.line(answered);
  w.number(report.elementsJudged);
  w.number(report.pass);
  w.number(report.bestInExam);
  w.number(report.wrongElements);
  w.number(report.elapsed);
  w.line(report.shuffle ? "1" : "0");
  w.line(report.fullName);
  w.line(report.classGroup);
  w.line(report.dateText);
  w.line(report.timeText);
  if (keepsTaskRecords(report.mode))
    for (const ReportTask& t : report.tasks) writeBlock(w, t);
  return w.take();
}

Parsed<Report> ReadReport(std::string_view bytes) {
  ReportReader reader(bytes);
  Parsed<Report> parsed;
  try {
    do {
      parsed.value = readOne(reader);
    } while (!reader.atEnd());
  } catch (const Fault& fault) {
    return Parsed<Report>::failure(fault.line, fault.reason);
  }
  return parsed;
}

bool setReportCode(std::string& bytes, std::string_view attemptCode) {
  const std::size_t end = bytes.find("\r\n");
  const std::string line = codeLine(attemptCode);
  if (end != line.size()) return false;
  bytes.replace(0, end, line);
  return true;
}

}  // namespace ispyt
