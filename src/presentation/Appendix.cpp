#include "presentation/Appendix.h"

#include <algorithm>
#include <cctype>

#include "platform/LineReader.h"
#include "platform/Paths.h"
#include "platform/Rounding.h"

namespace ispyt {
namespace {

// An appendix is a page of text; anything larger is not one.
constexpr std::size_t kMaxTextBytes = 1024 * 1024;
constexpr std::size_t kMaxLines = 2000;

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Groups whose text is no part of the document's text.
bool skippedDestination(std::string_view word) {
  static const char* const kSkipped[] = {
      "fonttbl",   "colortbl",  "stylesheet",   "info",      "pict",
      "header",    "footer",    "object",       "listtable", "listoverridetable",
      "generator", "themedata", "latentstyles", "xmlnstbl",  "rsidtbl"};
  for (const char* s : kSkipped)
    if (word == s) return true;
  return false;
}

std::vector<std::string> rtfText(std::string_view in) {
  std::vector<std::string> lines(1);
  // Per open group: its text is skipped.
  std::vector<bool> skip{false};
  int skipUnicode = 0;  // the bytes that stand for the last \u
  int ucCount = 1;
  auto put = [&](char c) {
    if (skip.back()) return;
    // A coded line end or control byte is no text of a line.
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return;
    if (skipUnicode > 0) {
      --skipUnicode;
      return;
    }
    lines.back() += c;
  };
  for (std::size_t i = 0; i < in.size() && lines.size() <= kMaxLines;) {
    const char c = in[i];
    if (c == '{') {
      skip.push_back(skip.back());
      ++i;
      if (skip.size() > 256) break;  // nesting this deep is no document
      continue;
    }
    if (c == '}') {
      if (skip.size() > 1) skip.pop_back();
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      put(c);
      ++i;
      continue;
    }
    ++i;
    if (i >= in.size()) break;
    const char d = in[i];
    if (d == '\\' || d == '{' || d == '}') {
      put(d);
      ++i;
      continue;
    }
    if (d == '\'') {
      const int hi = i + 1 < in.size() ? hexDigit(in[i + 1]) : -1;
      const int lo = i + 2 < in.size() ? hexDigit(in[i + 2]) : -1;
      if (hi >= 0 && lo >= 0) put(static_cast<char>(hi * 16 + lo));
      i += 3;
      continue;
    }
    if (d == '*') {
      skip.back() = true;
      ++i;
      continue;
    }
    if (d == '~') {
      put(' ');
      ++i;
      continue;
    }
    if (!std::isalpha(static_cast<unsigned char>(d))) {
      ++i;  // another control symbol: nothing of the text
      continue;
    }
    std::size_t start = i;
    while (i < in.size() && std::isalpha(static_cast<unsigned char>(in[i]))) ++i;
    const std::string_view word = in.substr(start, i - start);
    bool negative = false;
    long value = 0;
    bool hasValue = false;
    if (i < in.size() && in[i] == '-') {
      negative = true;
      ++i;
    }
    while (i < in.size() && std::isdigit(static_cast<unsigned char>(in[i])) && value < 1000000) {
      value = value * 10 + (in[i] - '0');
      hasValue = true;
      ++i;
    }
    if (negative) value = -value;
    if (i < in.size() && in[i] == ' ') ++i;  // the delimiter belongs to the word
    if (word == "par" || word == "line") {
      if (!skip.back()) lines.emplace_back();
    } else if (word == "tab") {
      put('\t');
    } else if (word == "uc" && hasValue) {
      ucCount = static_cast<int>(std::clamp(value, 0L, 8L));
    } else if (word == "u" && hasValue) {
      // The lines are Windows-1251: a character it lacks stands as '?'.
      put('?');
      skipUnicode = ucCount;
    } else if (skippedDestination(word)) {
      skip.back() = true;
    }
  }
  while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace

AppendixFile findAppendix(const std::filesystem::path& testFolder, int task) {
  const std::string stem = "D" + std::to_string(task);
  const std::pair<const char*, AppendixKind> kOrder[] = {
      {".bmp", AppendixKind::Picture}, {".txt", AppendixKind::Text}, {".rtf", AppendixKind::Lines}};
  for (const auto& [extension, kind] : kOrder)
    if (auto entry = findEntry(testFolder, stem + extension)) return {kind, *entry};
  return {};
}

std::optional<std::string> readAppendixLine(const std::filesystem::path& file) {
  auto bytes = readFileBytes(file, kMaxTextBytes);
  if (!bytes) return std::nullopt;
  LineReader reader(*bytes, LineReader::Ends::AnyNewline);
  auto line = reader.next();
  return std::string(line ? *line : std::string_view());
}

std::optional<std::vector<std::string>> readAppendixLines(const std::filesystem::path& file) {
  auto bytes = readFileBytes(file, kMaxTextBytes);
  if (!bytes) return std::nullopt;
  return plainLines(*bytes);
}

std::vector<std::string> plainLines(std::string_view bytes) {
  const std::size_t end = bytes.find('\x1a');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);
  if (bytes.substr(0, 5) == "{\\rtf") return rtfText(bytes);
  std::vector<std::string> lines;
  LineReader reader(bytes, LineReader::Ends::AnyNewline);
  while (auto line = reader.next()) {
    if (lines.size() == kMaxLines) break;
    lines.emplace_back(*line);
  }
  return lines;
}

AppendixForm appendixForm(const ScreenScale& s, bool large, bool portrait) {
  if (large) return {{s.x(400), s.y(20), s.x(397.5), s.y(portrait ? 540 : 360)}, s.font(21)};
  return {{s.x(525), s.y(portrait ? 20 : 140), s.x(265), s.y(portrait ? 360 : 240)}, s.font(14)};
}

Rect appendixOpening(const ScreenScale& s, bool portrait) {
  Rect r = appendixForm(s, false, portrait).window;
  r.y = s.y(140);
  return r;
}

Size fitKeepingAspect(Size picture, Size box) {
  if (picture.width <= 0 || picture.height <= 0 || box.width <= 0 || box.height <= 0) return {};
  const double k = std::min(double(box.width) / picture.width, double(box.height) / picture.height);
  return {std::max(1, roundHalfEven(picture.width * k)),
          std::max(1, roundHalfEven(picture.height * k))};
}

}  // namespace ispyt
