#include "results/ResultMessage.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace ispyt {
namespace {

constexpr std::size_t kMaxCode = 8;

std::string lineText(std::string_view text, std::size_t most) {
  std::string out(text.substr(0, most));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return out;
}

// Reads the lines of one message in turn, each as soon as it is whole.
class LineParser {
 public:
  explicit LineParser(std::string_view bytes) : bytes_(bytes) {}

  MessageScan run() {
    MessageScan scan;
    try {
      for (int line = 1; line <= lastLine(); ++line) {
        std::optional<std::string_view> text = next();
        if (!text) return scan;  // incomplete
        take(line, *text);
        ++line_;
      }
    } catch (const ReadFault& fault) {
      scan.state = MessageScan::State::Refused;
      scan.fault = fault;
      return scan;
    }
    scan.state = MessageScan::State::Whole;
    scan.length = at_;
    scan.message = std::move(m_);
    return scan;
  }

 private:
  int lastLine() const { return kMessageHeaderLines + 2 * m_.taskCount; }

  std::optional<std::string_view> next() {
    const std::size_t end = bytes_.find('\n', at_);
    const std::size_t limit = at_ + kMaxMessageLine + 1;  // the text and its CR
    if (end == std::string_view::npos) {
      if (bytes_.size() > limit) fail("a line longer than " + std::to_string(kMaxMessageLine));
      if (bytes_.size() > at_ && bytes_.substr(at_).find('\r') < bytes_.size() - at_ - 1)
        fail("a CR inside a line");
      return std::nullopt;
    }
    if (end > limit) fail("a line longer than " + std::to_string(kMaxMessageLine));
    if (end == at_ || bytes_[end - 1] != '\r') fail("a line does not end in CR LF");
    std::string_view text = bytes_.substr(at_, end - 1 - at_);
    for (char c : text)
      if (static_cast<unsigned char>(c) < 32) fail("a control character in a line");
    at_ = end + 1;
    return text;
  }

  int number(std::string_view text, long long low, long long high, const char* what) {
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.size() > 11 || ec != std::errc() || end != text.data() + text.size())
      fail(std::string(what) + " is not a number");
    if (value < low || value > high)
      fail(std::string(what) + " is not from " + std::to_string(low) + " to " +
           std::to_string(high));
    return static_cast<int>(value);
  }
  int anyNumber(std::string_view text, const char* what) {
    return number(text, -2147483647LL - 1, 2147483647LL, what);
  }
  bool flag(std::string_view text, const char* what) {
    if (text != "0" && text != "1") fail(std::string(what) + " is not 0 or 1");
    return text == "1";
  }

  void take(int line, std::string_view text) {
    switch (line) {
      case 1:
        if (text.empty() || text.size() > kMaxCode) fail("the attempt code is not 1 to 8 bytes");
        m_.attemptCode = text;
        return;
      case 2:
        m_.cardCode = text;
        return;
      case 3:
        m_.elapsed = anyNumber(text, "the seconds taken");
        return;
      case 4:
        m_.timeText = text;
        return;
      case 5:
        m_.mode = number(text, 0, 4, "the working mode");
        return;
      case 6:
        m_.shuffle = flag(text, "the shuffle flag");
        return;
      case 7:
        m_.atEnd = flag(text, "the end-of-attempt flag");
        return;
      case 8:
        m_.fullName = text;
        return;
      case 9:
        // As the writer sends no class.
        m_.classGroup = text.empty() ? std::string_view(" -") : text;
        return;
      case 10:
        m_.dateText = text;
        return;
      case 11:
        m_.testName = text;
        return;
      case 12:
        m_.percent = anyNumber(text, "the per cent");
        return;
      case 13:
        m_.result120 = anyNumber(text, "the result");
        return;
      case 14:
        m_.taskCount = number(text, 0, kMaxTasks, "the number of tasks");
        return;
      default:
        break;
    }
    const int k = line - kMessageHeaderLines;
    if (k <= m_.taskCount)
      m_.taskPercent[k] = anyNumber(text, "a task's per cent");
    else
      m_.answerText[k - m_.taskCount] = text;
  }

  [[noreturn]] void fail(std::string reason) const {
    throw ReadFault{line_ + 1, std::move(reason)};
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  std::int64_t line_ = 0;
  ResultMessage m_;
};

}  // namespace

std::string resultMessageBytes(const ResultMessage& m) {
  std::string out;
  auto line = [&](std::string_view text, std::size_t most = kMaxMessageLine) {
    out += lineText(text, most);
    out += "\r\n";
  };
  auto number = [&](int value) { line(std::to_string(value)); };
  line(m.attemptCode.empty() ? std::string("?") : m.attemptCode, kMaxCode);
  line(m.cardCode);
  number(m.elapsed);
  line(m.timeText);
  number(m.mode);
  line(m.shuffle ? "1" : "0");
  line(m.atEnd ? "1" : "0");
  line(m.fullName);
  line(m.classGroup.empty() ? std::string(" -") : m.classGroup);
  line(m.dateText);
  line(m.testName);
  number(m.percent);
  number(m.result120);
  const int n = std::clamp(m.taskCount, 0, kMaxTasks);
  number(n);
  for (int k = 1; k <= n; ++k) number(m.taskPercent[k]);
  for (int k = 1; k <= n; ++k) line(m.answerText[k]);
  return out;
}

MessageScan scanResultMessage(std::string_view bytes) { return LineParser(bytes).run(); }

Parsed<ResultMessage> ReadResultMessage(std::string_view bytes) {
  MessageScan scan = scanResultMessage(bytes);
  if (scan.state == MessageScan::State::Refused)
    return Parsed<ResultMessage>::failure(scan.fault.position, scan.fault.reason);
  if (scan.state == MessageScan::State::Incomplete)
    return Parsed<ResultMessage>::failure(0, "the message is cut short");
  if (scan.length != bytes.size())
    return Parsed<ResultMessage>::failure(0, "bytes follow the message");
  Parsed<ResultMessage> parsed;
  parsed.value = std::move(scan.message);
  return parsed;
}

}  // namespace ispyt
