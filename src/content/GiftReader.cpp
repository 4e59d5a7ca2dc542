#include "content/GiftReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace ispyt {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

struct Fault {
  int line;
  std::string message;
};

// One question's lines joined by '\n', with the line each starts on.
class Block {
 public:
  void add(int line, std::string_view text) {
    if (!text_.empty()) text_ += '\n';
    starts_.emplace_back(text_.size(), line);
    text_ += text;
  }
  bool empty() const { return starts_.empty(); }
  void clear() {
    text_.clear();
    starts_.clear();
  }
  const std::string& text() const { return text_; }

  int lineAt(std::size_t offset) const {
    auto it = std::upper_bound(starts_.begin(), starts_.end(), offset,
                               [](std::size_t o, const auto& s) { return o < s.first; });
    return it == starts_.begin() ? starts_.front().second : std::prev(it)->second;
  }

 private:
  std::string text_;
  std::vector<std::pair<std::size_t, int>> starts_;
};

class QuestionParser {
 public:
  explicit QuestionParser(const Block& block) : b_(block), s_(block.text()) {}

  GiftQuestion run() {
    q_.line = b_.lineAt(0);
    try {
      parse();
    } catch (const Fault& f) {
      GiftQuestion failed;
      failed.line = q_.line;
      failed.error = f.message;
      failed.errorLine = f.line;
      return failed;
    }
    return std::move(q_);
  }

 private:
  [[noreturn]] void fail(std::size_t at, std::string message) const {
    throw Fault{b_.lineAt(at), std::move(message)};
  }

  // The first of `chars` in [from, end) that no backslash escapes.
  std::size_t find(std::size_t from, std::size_t end, std::string_view chars) const {
    for (std::size_t i = from; i < end; ++i) {
      if (s_[i] == '\\')
        ++i;
      else if (chars.find(s_[i]) != npos)
        return i;
    }
    return npos;
  }

  // An unescaped run such as "::" or "####".
  std::size_t findRun(std::size_t from, std::size_t end, std::string_view run) const {
    for (std::size_t i = find(from, end, run.substr(0, 1)); i != npos;
         i = find(i + 1, end, run.substr(0, 1)))
      if (s_.compare(i, run.size(), run) == 0 && i + run.size() <= end) return i;
    return npos;
  }

  std::size_t skipBlanks(std::size_t i, std::size_t end) const {
    while (i < end && blank(s_[i])) ++i;
    return i;
  }

  GiftText text(std::size_t from, std::size_t end) const {
    return {s_.substr(from, end - from), b_.lineAt(from)};
  }

  void parse() {
    const std::size_t end = s_.size();
    std::size_t pos = skipBlanks(0, end);
    if (s_.compare(pos, 2, "::") == 0) {
      std::size_t close = findRun(pos + 2, end, "::");
      if (close == npos) fail(pos, "the title opened with '::' is not closed");
      pos = skipBlanks(close + 2, end);
    }
    if (std::size_t marker = giftFormatMarker(std::string_view(s_).substr(pos))) {
      std::string name = lower(s_.substr(pos + 1, marker - 2));
      if (name == "html")
        q_.format = GiftFormat::Html;
      else if (name == "markdown")
        q_.format = GiftFormat::Markdown;
      pos += marker;
    }
    std::size_t open = find(pos, end, "{}");
    if (open != npos && s_[open] == '}')
      fail(open, "a '}' without its '{' (a brace of the text is written '\\}')");
    if (open == npos) {
      q_.before = text(pos, end);
      return;
    }
    std::size_t close = find(open + 1, end, "{}");
    if (close == npos)
      fail(open,
           "the answer block opened here is not closed before the blank line that ends "
           "the question");
    if (s_[close] == '{')
      fail(close, "a '{' inside the answer block (a brace of an answer is written '\\{')");
    if (std::size_t more = find(close + 1, end, "{}"); more != npos)
      fail(more, s_[more] == '{' ? "a second answer block; a question takes one"
                                 : "a '}' without its '{' (a brace of the text is written '\\}')");
    q_.before = text(pos, open);
    q_.after = text(close + 1, end);
    q_.blockLine = b_.lineAt(open);
    block(open + 1, close);
  }

  void block(std::size_t from, std::size_t end) {
    if (std::size_t general = findRun(from, end, "####"); general != npos) end = general;
    from = skipBlanks(from, end);
    while (end > from && blank(s_[end - 1])) --end;
    if (from == end) {
      q_.block = GiftBlock::Empty;
      return;
    }
    if (s_[from] == '#') {
      q_.block = GiftBlock::Numeric;
      numeric(from + 1, end);
      return;
    }
    std::size_t feedback = find(from, end, "#");
    std::string head =
        lower(trim(std::string_view(s_).substr(from, (feedback == npos ? end : feedback) - from)));
    if (head == "t" || head == "true" || head == "f" || head == "false") {
      q_.block = GiftBlock::TrueFalse;
      q_.truth = head[0] == 't';
      return;
    }
    if (s_[from] != '=' && s_[from] != '~')
      fail(from, "an answer starts with '=' (right) or '~' (wrong); this block starts with '" +
                     std::string(trim(std::string_view(s_).substr(
                         from, std::min<std::size_t>(end - from, 20)))) +
                     "'");
    q_.block = GiftBlock::Answers;
    for (std::size_t mark = from; mark != npos;) {
      std::size_t next = find(mark + 1, end, "=~");
      std::size_t pieceEnd = next == npos ? end : next;
      GiftAnswer a;
      a.line = b_.lineAt(mark);
      a.right = s_[mark] == '=';
      std::size_t at = weight(mark + 1, pieceEnd, a.weight);
      std::size_t cut = find(at, pieceEnd, "#");
      a.text = text(at, cut == npos ? pieceEnd : cut);
      q_.answers.push_back(std::move(a));
      mark = next;
    }
  }

  // "%n%" at `at` (blanks before it allowed): the weight; returns where the
  // answer's text starts.
  std::size_t weight(std::size_t at, std::size_t end, std::optional<double>& weight) const {
    std::size_t i = skipBlanks(at, end);
    if (i >= end || s_[i] != '%') return at;
    std::size_t close = s_.find('%', i + 1);
    if (close == npos || close >= end) fail(i, "the weight '%…' has no closing '%'");
    std::string_view number = std::string_view(s_).substr(i + 1, close - i - 1);
    weight = giftNumber(trim(number));
    if (!weight) fail(i, "the weight '%" + std::string(number) + "%' is not a number");
    return close + 1;
  }

  void numeric(std::size_t from, std::size_t end) {
    std::size_t mark = find(from, end, "=~");
    if (mark == npos) {
      std::size_t cut = find(from, end, "#");
      number(from, cut == npos ? end : cut, std::nullopt);
      return;
    }
    if (skipBlanks(from, mark) != mark)
      fail(from, "text before the first '=' of a numeric block with several answers");
    while (mark != npos) {
      std::size_t next = find(mark + 1, end, "=~");
      std::size_t pieceEnd = next == npos ? end : next;
      if (s_[mark] == '=') {  // '~' answers of a numeric block carry only feedback
        std::optional<double> w;
        std::size_t at = weight(mark + 1, pieceEnd, w);
        std::size_t cut = find(at, pieceEnd, "#");
        number(at, cut == npos ? pieceEnd : cut, w);
      }
      mark = next;
    }
    if (q_.numbers.empty()) fail(from, "the numeric block has no right answer ('=')");
  }

  void number(std::size_t from, std::size_t end, std::optional<double> weight) {
    GiftNumber n;
    n.line = b_.lineAt(from);
    n.weight = weight;
    std::string_view written = trim(std::string_view(s_).substr(from, end - from));
    if (written.empty()) fail(from, "the numeric answer has no number");
    auto checked = [&](std::string_view part) {
      part = trim(part);
      if (!giftNumber(part)) fail(from, "'" + std::string(part) + "' is not a number");
      return std::string(part);
    };
    if (std::size_t dots = written.find(".."); dots != npos) {
      n.low = checked(written.substr(0, dots));
      n.high = checked(written.substr(dots + 2));
    } else if (std::size_t colon = written.find(':'); colon != npos) {
      n.value = checked(written.substr(0, colon));
      n.tolerance = checked(written.substr(colon + 1));
    } else {
      n.value = checked(written);
    }
    q_.numbers.push_back(std::move(n));
  }

  const Block& b_;
  const std::string& s_;
  GiftQuestion q_;
};

}  // namespace

bool GiftQuestion::inMiddle() const { return !trim(after.raw).empty(); }

std::size_t giftFormatMarker(std::string_view text) {
  std::size_t close = text.substr(0, 12).find(']');
  if (text.empty() || text[0] != '[' || close == npos || close < 3) return 0;
  for (std::size_t i = 1; i < close; ++i)
    if (!std::isalpha(static_cast<unsigned char>(text[i]))) return 0;
  return close + 1;
}

std::optional<double> giftNumber(std::string_view text) {
  std::string t(text);
  std::replace(t.begin(), t.end(), ',', '.');
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  // Digits with at most one point among them, then perhaps an exponent.
  std::size_t j = !t.empty() && t[0] == '-' ? 1 : 0, digits = 0, points = 0;
  for (; j < t.size() && (std::isdigit(static_cast<unsigned char>(t[j])) || t[j] == '.'); ++j)
    ++(t[j] == '.' ? points : digits);
  if (digits == 0 || points > 1) return std::nullopt;
  if (j < t.size() && (t[j] == 'e' || t[j] == 'E')) {
    std::size_t k = j + 1;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    std::size_t first = k;
    while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) ++k;
    if (k == first) return std::nullopt;
    j = k;
  }
  if (j != t.size()) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return value;
}

std::vector<GiftQuestion> readGift(std::string_view utf8) {
  if (startsWith(utf8, "\xEF\xBB\xBF")) utf8.remove_prefix(3);
  std::vector<GiftQuestion> questions;
  Block block;
  auto close = [&] {
    if (!block.empty()) questions.push_back(QuestionParser(block).run());
    block.clear();
  };
  int line = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    std::size_t end = utf8.find('\n', pos);
    if (end == npos) end = utf8.size();
    std::string_view l = utf8.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    std::string_view t = trim(l);
    if (t.empty())
      close();  // a blank line ends a question
    else if (!startsWith(t, "//") && !startsWith(t, "$CATEGORY:"))
      block.add(line, l);
  }
  close();
  return questions;
}

}  // namespace ispyt
