#include "content/GiftText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr const char* kLineBreak = "\xC2\xB6";  // ¶ in UTF-8

// One character of UTF-8 at `i` (which moves past it), or kInvalid for a
// byte that does not start a well-formed character (`i` moves past it).
char32_t decode(std::string_view s, std::size_t& i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char b = byte(i++);
  if (b < 0x80) return b;
  int more = b >= 0xF0 && b <= 0xF4 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
  if (more < 0 || i + more > s.size()) return kInvalid;
  char32_t c = b & (0x3F >> more);
  for (int k = 0; k < more; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return kInvalid;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kInvalid;
  i += more;
  return c;
}

void encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string utf8Of(char32_t c) {
  std::string s;
  encode(c, s);
  return s;
}

// Characters Windows-1251 lacks that the renderer draws through its markup.
struct Drawn {
  char32_t c;
  const char* markup;  // Windows-1251
};
constexpr Drawn kDrawn[] = {
    {0x2264, "<="},
    {0x2265, ">="},
    {0x2212, "-"},
    {0x2248, "`\xE9"},
    {0x2190, "`\xEA"},
    {0x2191, "`\xEB"},
    {0x2192, "`\xEC"},
    {0x2193, "`\xED"},
    {0x2194, "`\xEE"},
    {0x2665, "`\xEF"},
    {0x221E, "`\xF0"},
    // Greek letters: a Latin letter in the symbol face.
    {0x03B1, "`a"},
    {0x03B2, "`b"},
    {0x03B3, "`g"},
    {0x03B4, "`d"},
    {0x03B5, "`e"},
    {0x03B6, "`z"},
    {0x03B7, "`h"},
    {0x03B8, "`q"},
    {0x03B9, "`i"},
    {0x03BA, "`k"},
    {0x03BB, "`l"},
    {0x03BC, "`m"},
    {0x03BD, "`n"},
    {0x03BE, "`x"},
    {0x03BF, "`o"},
    {0x03C0, "`p"},
    {0x03C1, "`r"},
    {0x03C2, "`V"},
    {0x03C3, "`s"},
    {0x03C4, "`t"},
    {0x03C5, "`u"},
    {0x03C6, "`f"},
    {0x03C7, "`c"},
    {0x03C8, "`y"},
    {0x03C9, "`w"},
    {0x0391, "`A"},
    {0x0392, "`B"},
    {0x0393, "`G"},
    {0x0394, "`D"},
    {0x0395, "`E"},
    {0x0396, "`Z"},
    {0x0397, "`H"},
    {0x0398, "`Q"},
    {0x0399, "`I"},
    {0x039A, "`K"},
    {0x039B, "`L"},
    {0x039C, "`M"},
    {0x039D, "`N"},
    {0x039E, "`X"},
    {0x039F, "`O"},
    {0x03A0, "`P"},
    {0x03A1, "`R"},
    {0x03A3, "`S"},
    {0x03A4, "`T"},
    {0x03A5, "`U"},
    {0x03A6, "`F"},
    {0x03A7, "`C"},
    {0x03A8, "`Y"},
    {0x03A9, "`W"},
};

std::string hex(char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

// UTF-8 markup as Windows-1251; control characters become blanks.
GiftTextResult toCp1251(std::string_view utf8) {
  GiftTextResult r;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = decode(utf8, i);
    if (c == kInvalid) {
      r.fault = "the text holds bytes that are not UTF-8";
      return r;
    }
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
      r.text += ' ';
      continue;
    }
    if (c < 0x80) {
      r.text += static_cast<char>(c);
      continue;
    }
    std::string one = utf8Of(c), byte = utf8ToCp1251(one);
    if (cp1251ToUtf8(byte) == one) {
      r.text += byte;
      continue;
    }
    auto drawn = std::find_if(std::begin(kDrawn), std::end(kDrawn),
                              [c](const Drawn& d) { return d.c == c; });
    if (drawn == std::end(kDrawn)) {
      r.fault = "the character '" + one + "' (" + hex(c) + ") is not in Windows-1251";
      r.culprit = one;
      return r;
    }
    r.text += drawn->markup;
  }
  return r;
}

// The GIFT escapes resolved; "\n" becomes `newline`, a backslash before
// any other character stays.
std::string unescape(std::string_view raw, std::string_view newline) {
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      char d = raw[i + 1];
      if (std::string_view("~=#{}:\\").find(d) != npos) {
        out += d;
        ++i;
        continue;
      }
      if (d == 'n') {
        out += newline;
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Plain texts are markup already: the source's line ends become spaces.
GiftTextResult plain(std::string_view raw) {
  std::string s = unescape(raw, kLineBreak), out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\n') {
      out += s[i];
      continue;
    }
    while (!out.empty() && blank(out.back())) out.pop_back();
    while (i + 1 < s.size() && (blank(s[i + 1]) || s[i + 1] == '\n')) ++i;
    out += ' ';
  }
  GiftTextResult r = toCp1251(out);
  if (r.fault.empty() && std::count(r.text.begin(), r.text.end(), '#') % 2 != 0) {
    r.fault = "an unpaired '#' (the task screen draws the text between two '#' as a root)";
    r.culprit = "#";
  }
  return r;
}

// Builds markup from the characters and styles of an HTML or Markdown
// text: blanks collapsed, styles as the renderer's per-word toggles,
// brackets doubled so that they stay brackets.
class Markup {
 public:
  bool failed() const { return !fault_.empty(); }

  void fail(std::string fault, std::string culprit) {
    if (failed()) return;
    fault_ = std::move(fault);
    culprit_ = std::move(culprit);
  }

  void character(char32_t c) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      pendingSpace_ = !atBreak_;
      return;
    }
    if (c == 0xB6) return lineBreak();
    // Marks of the renderer that no markup can make literal.
    constexpr char32_t kMarks[] = {'~', '#', '`', 0x2039, 0xA4, 0x45E, 0x45F, 0x40E, 0x2122, 0x45C};
    if (std::find(std::begin(kMarks), std::end(kMarks), c) != std::end(kMarks))
      return fail("'" + utf8Of(c) +
                      "' cannot stand in an HTML or Markdown text: the task screen "
                      "reads it as a mark",
                  utf8Of(c));
    flushSpace();
    applyStyles();
    if (c == '[' || c == ']') out_ += static_cast<char>(c);  // "[[" and "]]" are literal
    encode(c, out_);
    if (c == '_') shown_ = {};  // an underscore ends the toggles as a space does
    atBreak_ = false;
  }

  void lineBreak() {
    pendingSpace_ = false;
    if (!out_.empty() && !atBreak_) {
      out_ += kLineBreak;
      shown_ = {};
      atBreak_ = true;
    }
  }

  enum Style { Bold, Underline, Italic };
  void style(Style s, int change) { wanted_[s] = std::max(0, wanted_[s] + change); }
  bool styled(Style s) const { return wanted_[s] > 0; }

  // Sub- and superscripts; one at a time, as the renderer has them.
  void script(bool sub, bool open) {
    char opening = sub ? '[' : ']', closing = sub ? ']' : '[';
    if (open && script_ == 0) {
      flushSpace();
      out_ += opening;
      script_ = opening;
    } else if (!open && script_ == opening) {
      out_ += closing;
      script_ = 0;
    }
  }

  GiftTextResult finish() {
    if (script_) out_ += script_ == '[' ? ']' : '[';
    if (pendingSpace_) out_ += ' ';
    if (std::string_view(out_).ends_with(kLineBreak)) out_.erase(out_.size() - 2);
    if (failed()) return {{}, fault_, culprit_};
    return toCp1251(out_);
  }

 private:
  void flushSpace() {
    if (!pendingSpace_) return;
    out_ += ' ';
    shown_ = {};
    pendingSpace_ = false;
  }

  void applyStyles() {
    static const char* const kToggles[] = {"\xC2\xA4", "\xD1\x9E", "\xD1\x9F"};  // ¤ ў џ
    for (int s = Bold; s <= Italic; ++s)
      if ((wanted_[s] > 0) != shown_[s]) {
        out_ += kToggles[s];
        shown_[s] = !shown_[s];
      }
  }

  std::string out_, fault_, culprit_;
  bool pendingSpace_ = false, atBreak_ = false;
  std::array<int, 3> wanted_{};
  std::array<bool, 3> shown_{};
  char script_ = 0;
};

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

struct Entity {
  const char* name;
  char32_t c;
};
constexpr Entity kEntities[] = {
    {"amp", '&'},       {"lt", '<'},        {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},     {"ndash", 0x2013},  {"mdash", 0x2014}, {"laquo", 0xAB},   {"raquo", 0xBB},
    {"hellip", 0x2026}, {"lsquo", 0x2018},  {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"bdquo", 0x201E},  {"middot", 0xB7},   {"deg", 0xB0},     {"plusmn", 0xB1},  {"times", 0xD7},
    {"divide", 0xF7},   {"minus", 0x2212},  {"le", 0x2264},    {"ge", 0x2265},    {"ne", 0x2260},
    {"asymp", 0x2248},  {"infin", 0x221E},  {"larr", 0x2190},  {"rarr", 0x2192},  {"uarr", 0x2191},
    {"darr", 0x2193},   {"harr", 0x2194},   {"copy", 0xA9},    {"reg", 0xAE},     {"euro", 0x20AC},
    {"sect", 0xA7},     {"micro", 0xB5},    {"alpha", 0x3B1},  {"beta", 0x3B2},   {"gamma", 0x3B3},
    {"delta", 0x3B4},   {"epsilon", 0x3B5}, {"theta", 0x3B8},  {"lambda", 0x3BB}, {"mu", 0x3BC},
    {"pi", 0x3C0},      {"rho", 0x3C1},     {"sigma", 0x3C3},  {"phi", 0x3C6},    {"omega", 0x3C9},
    {"Delta", 0x394},   {"Sigma", 0x3A3},   {"Omega", 0x3A9},
};

// "&name;" or "&#n;" at `i`; returns the character and moves `i` past it,
// or kInvalid (and `i` stays) for an ampersand that starts none.
char32_t entity(std::string_view s, std::size_t& i) {
  std::size_t end = s.find(';', i + 1);
  if (end == npos || end - i > 10) return kInvalid;
  std::string_view name = s.substr(i + 1, end - i - 1);
  char32_t c = kInvalid;
  if (name.size() > 1 && name[0] == '#') {
    bool hexa = name[1] == 'x' || name[1] == 'X';
    std::string_view digits = name.substr(hexa ? 2 : 1);
    char32_t v = 0;
    for (char d : digits) {
      int n = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
              : hexa && std::isxdigit(static_cast<unsigned char>(d))
                  ? std::tolower(static_cast<unsigned char>(d)) - 'a' + 10
                  : -1;
      if (n < 0 || v > 0x10FFFF) return kInvalid;
      v = v * (hexa ? 16 : 10) + n;
    }
    if (digits.empty() || v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return kInvalid;
    c = v;
  } else {
    for (const Entity& e : kEntities)
      if (name == e.name) c = e.c;
  }
  if (c != kInvalid) i = end + 1;
  return c;
}

bool isOneOf(std::string_view name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

GiftTextResult html(std::string_view raw) {
  std::string s = unescape(raw, "\n"), lowered = lower(s);
  Markup m;
  bool closes = true;  // a '>' may follow; once none does, no '<' starts a tag
  for (std::size_t i = 0; i < s.size() && !m.failed();) {
    if (s[i] == '<') {
      if (s.compare(i, 4, "<!--") == 0) {
        std::size_t end = s.find("-->", i + 4);
        i = end == npos ? s.size() : end + 3;
        continue;
      }
      std::size_t end = closes ? s.find('>', i + 1) : npos;
      closes = end != npos;
      bool closing = i + 1 < s.size() && s[i + 1] == '/';
      std::size_t n = i + 1 + closing;
      if (end == npos || n >= end || !std::isalpha(static_cast<unsigned char>(s[n]))) {
        m.character('<');
        ++i;
        continue;
      }
      std::size_t nameEnd = n;
      while (nameEnd < end && std::isalnum(static_cast<unsigned char>(s[nameEnd]))) ++nameEnd;
      std::string name = lower(std::string_view(s).substr(n, nameEnd - n));
      i = end + 1;
      int change = closing ? -1 : 1;
      if (name == "br") {
        m.lineBreak();
      } else if (isOneOf(name, {"p", "div", "li", "ul", "ol", "tr", "table", "blockquote", "pre",
                                "hr", "h1", "h2", "h3", "h4", "h5", "h6"})) {
        m.lineBreak();
      } else if (name == "td" || name == "th") {
        m.character(' ');
      } else if (name == "sub" || name == "sup") {
        m.script(name == "sub", !closing);
      } else if (name == "b" || name == "strong") {
        m.style(Markup::Bold, change);
      } else if (name == "i" || name == "em") {
        m.style(Markup::Italic, change);
      } else if (name == "u") {
        m.style(Markup::Underline, change);
      } else if (name == "img") {
        m.fail("a picture (<img>) cannot be imported", "<img");
      } else if ((name == "script" || name == "style") && !closing) {
        std::size_t close = lowered.find("</" + name, i);
        i = close == npos ? s.size() : close;
      }
      continue;
    }
    if (s[i] == '&') {
      if (char32_t c = entity(s, i); c != kInvalid) {
        m.character(c);
        continue;
      }
    }
    char32_t c = decode(s, i);
    if (c == kInvalid)
      m.fail("the text holds bytes that are not UTF-8", "");
    else
      m.character(c);
  }
  return m.finish();
}

bool wordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

constexpr std::size_t kLinkReach = 512;

void literal(Markup& m, std::string_view utf8) {
  for (std::size_t k = 0; k < utf8.size() && !m.failed();) {
    char32_t c = decode(utf8, k);
    if (c == kInvalid)
      m.fail("the text holds bytes that are not UTF-8", "");
    else
      m.character(c);
  }
}

GiftTextResult markdown(std::string_view raw) {
  std::string s = unescape(raw, "\n");
  Markup m;
  bool lineStart = true;
  for (std::size_t i = 0; i < s.size() && !m.failed();) {
    char c = s[i];
    if (lineStart) {
      lineStart = false;
      std::size_t j = i;
      while (j < s.size() && blank(s[j])) ++j;
      std::size_t hashes = j;
      while (hashes < s.size() && s[hashes] == '#') ++hashes;
      if (hashes > j && hashes - j <= 6 && hashes < s.size() && s[hashes] == ' ') {
        i = hashes + 1;  // a heading's marks
        continue;
      }
    }
    if (c == '\n') {
      std::size_t j = i, ends = 0;
      for (; j < s.size() && (s[j] == '\n' || blank(s[j])); ++j) ends += s[j] == '\n';
      bool hard = i >= 2 && s[i - 1] == ' ' && s[i - 2] == ' ';
      if (ends >= 2 || hard)
        m.lineBreak();
      else
        m.character(' ');
      i = j;
      lineStart = true;
      continue;
    }
    if (c == '\\' && i + 1 < s.size() && std::ispunct(static_cast<unsigned char>(s[i + 1]))) {
      m.character(static_cast<unsigned char>(s[i + 1]));
      i += 2;
      continue;
    }
    if (c == '*' || c == '_') {
      std::size_t run = 1;
      while (i + run < s.size() && s[i + run] == c && run < 2) ++run;
      Markup::Style style = run == 2 ? Markup::Bold : Markup::Italic;
      char before = i > 0 ? s[i - 1] : ' ', after = i + run < s.size() ? s[i + run] : ' ';
      bool on = m.styled(style);
      bool flanks = on ? !std::isspace(static_cast<unsigned char>(before))
                       : !std::isspace(static_cast<unsigned char>(after));
      if (c == '_') flanks = flanks && (on ? !wordChar(after) : !wordChar(before));
      if (flanks) {
        m.style(style, on ? -1 : 1);
        i += run;
        continue;
      }
    }
    if (c == '`') {
      std::size_t close = s.find('`', i + 1);
      if (close != npos) {  // a code span: its characters as they stand
        literal(m, std::string_view(s).substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
    }
    if (c == '[' || (c == '!' && i + 1 < s.size() && s[i + 1] == '[')) {
      // "[text](target)" on one line, within a bounded reach.
      std::string_view reach = std::string_view(s).substr(i, kLinkReach);
      reach = reach.substr(0, reach.find('\n'));
      std::size_t mid = reach.find("](");
      std::size_t close = mid == npos ? npos : reach.find(')', mid);
      if (close != npos) {
        if (c == '!') {
          m.fail("a picture (![…](…)) cannot be imported", "![");
          continue;
        }
        literal(m, reach.substr(1, mid - 1));  // a link: its text stays
        i += close + 1;
        continue;
      }
    }
    char32_t cp = decode(s, i);
    if (cp == kInvalid)
      m.fail("the text holds bytes that are not UTF-8", "");
    else
      m.character(cp);
  }
  return m.finish();
}

}  // namespace

GiftTextResult giftToMarkup(std::string_view raw, GiftFormat format) {
  switch (format) {
    case GiftFormat::Html:
      return html(raw);
    case GiftFormat::Markdown:
      return markdown(raw);
    case GiftFormat::Plain:
      break;
  }
  return plain(raw);
}

std::string markupToGift(std::string_view cp1251) {
  std::string out;
  for (char c : cp1251) {
    if (c == '\xB6') {
      out += "\\n";
    } else if (std::string_view("~=#{}:\\").find(c) != npos) {
      out += '\\';
      out += c;
    } else {
      out += cp1251ToUtf8(std::string_view(&c, 1));
    }
  }
  return out;
}

}  // namespace ispyt
