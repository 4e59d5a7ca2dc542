#include "content/WriteTest.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "content/AnswerKey.h"
#include "content/CheckCode.h"

namespace ispyt {
namespace {

class Out {
 public:
  void line(std::string_view text) {
    bytes_ += text;
    bytes_ += "\r\n";
  }
  void integer(int value) { line(std::to_string(value)); }
  void byte(int value) { line(std::string(1, static_cast<char>(value))); }
  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// A random order of 0..n-1, drawn with the program's own shuffle pass.
std::vector<int> randomOrder(int n, Random& random) {
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  for (int j = 0; j < n; ++j) std::swap(order[j], order[random.random(n)]);
  return order;
}

bool unsafe(unsigned char c) { return c == '\r' || c == '\n' || c == 26; }

std::string spacesToUnderscores(std::string text) {
  std::replace(text.begin(), text.end(), ' ', '_');
  return text;
}

// Printable key bytes, each chosen so that the stored byte is no line end
// and no end of file; a few extra bytes hide the answer's length.
std::pair<std::string, std::string> hide(const std::string& answer, Random& random) {
  std::string key;
  for (unsigned char a : answer) {
    unsigned char k;
    do k = static_cast<unsigned char>(0x21 + random.random(0x5e));
    while (unsafe(static_cast<unsigned char>(a + k)));
    key += static_cast<char>(k);
  }
  for (int extra = random.random(4); extra > 0; --extra)
    key += static_cast<char>(0x21 + random.random(0x5e));
  return {key, scrambleAnswer(answer, key)};
}

// The order line's count byte, then for each stored line the position it
// goes to (1-based); `target[i]` is where option i of the source belongs.
std::string orderLine(int count, const std::vector<int>& stored, const std::vector<int>& target) {
  std::string line(1, static_cast<char>(count));
  for (int i : stored) line += static_cast<char>(target[i]);
  return line;
}

void writeChoices(Out& out, const SourceTask& t, Random& random) {
  int n = static_cast<int>(t.options.size());
  std::vector<int> target(n);
  int next = 1;
  for (int i = 0; i < n; ++i)
    if (t.options[i].correct) target[i] = next++;
  int correct = next - 1;
  for (int i = 0; i < n; ++i)
    if (!t.options[i].correct) target[i] = next++;
  std::vector<int> stored = randomOrder(n, random);
  out.integer(n);
  out.line(t.question);
  out.line(orderLine(correct, stored, target));
  for (int i : stored) out.line(t.options[i].text);
}

void writeSingleChoice(Out& out, const SourceTask& t, Random& random) {
  int n = static_cast<int>(t.options.size());
  std::vector<int> stored = randomOrder(n, random);
  out.integer(n);
  out.line(t.question);
  for (int line = 0; line < n; ++line)
    if (t.options[stored[line]].correct) out.byte(line + 1);
  for (int i : stored) out.line(t.options[i].text);
}

void writeSequence(Out& out, const SourceTask& t, Random& random) {
  int n = static_cast<int>(t.options.size());
  std::vector<int> target(n);
  std::iota(target.begin(), target.end(), 1);
  std::vector<int> stored = randomOrder(n, random);
  out.integer(n);
  out.line(t.question);
  out.line(orderLine(n, stored, target));
  for (int i : stored) out.line(t.options[i].text);
}

void writeMatching(Out& out, const SourceTask& t, Random& random) {
  int n = static_cast<int>(t.options.size());
  out.integer(n);
  out.line(t.question);
  for (const SourceOption& left : t.options) out.line(left.text);
  // Positions run up to 13: an order holding 13 right before 10 would
  // read as a line end, so such an order is drawn again.
  std::string order;
  std::vector<int> stored;
  do {
    stored = randomOrder(n + 1, random);
    order.clear();
    for (int i : stored) order += static_cast<char>(i + 1);
  } while (order.find("\r\n") != std::string::npos);
  out.line(order);
  for (int i : stored) out.line(t.right[i]);
}

void writeDirectInput(Out& out, const SourceTask& t, Random& random) {
  out.integer(static_cast<int>(t.fields.size()));
  out.line(t.question);
  for (const SourceField& f : t.fields) {
    out.line(f.label);
    out.integer(static_cast<int>(f.answers.size()));
    for (const std::string& a : f.answers) {
      auto [key, stored] = hide(spacesToUnderscores(a), random);
      out.line(key);
      out.line(stored);
    }
  }
}

void writeRestoration(Out& out, const SourceTask& t) {
  out.integer(0);
  out.line(t.question);
  out.line(restorationGrid(t));
  out.line(t.palette);
}

void writeCompletion(Out& out, const SourceTask& t, Random& random) {
  std::size_t variants = 1;
  for (const auto& b : t.blanks) variants = std::max(variants, b.size());
  out.integer(1);
  out.line(t.question);
  out.line(t.text);
  out.integer(static_cast<int>(t.blanks.size()) + 1);
  out.integer(static_cast<int>(variants) + 1);
  for (auto blank : t.blanks) {
    blank.resize(variants);  // shorter blanks are padded with empty variants
    std::vector<int> stored = randomOrder(static_cast<int>(variants), random);
    for (std::size_t line = 0; line < variants; ++line)
      if (blank[stored[line]].correct) out.byte(static_cast<int>(line) + 1);
    for (int i : stored) out.line(spacesToUnderscores(blank[i].text));
  }
}

}  // namespace

std::string writeTestFile(const TestSource& source, Random& random) {
  Out out;
  out.line(source.title);
  for (const SourceTask& t : source.tasks) {
    out.line(taskHeader(static_cast<std::uint8_t>(t.type), t.question.size()));
    switch (t.type) {
      case TaskType::SingleChoice:
        writeSingleChoice(out, t, random);
        break;
      case TaskType::MultipleChoice:
      case TaskType::CountedChoice:
        writeChoices(out, t, random);
        break;
      case TaskType::DirectInput:
        writeDirectInput(out, t, random);
        break;
      case TaskType::Sequence:
        writeSequence(out, t, random);
        break;
      case TaskType::Matching:
        writeMatching(out, t, random);
        break;
      case TaskType::Restoration:
        writeRestoration(out, t);
        break;
      case TaskType::Completion:
        writeCompletion(out, t, random);
        break;
    }
  }
  return out.take();
}

}  // namespace ispyt
