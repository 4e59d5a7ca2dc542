#include "attempt/AttemptScript.h"

#include <cctype>
#include <charconv>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

bool number(std::string_view s, int lo, int hi, int& out) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size() && out >= lo && out <= hi;
}

}  // namespace

ScriptReading readAttemptScript(std::string_view text) {
  ScriptReading r;
  auto fail = [&](int line, std::string why) {
    r.errorLine = line;
    r.error = std::move(why);
    return r;
  };
  if (text.size() > kMaxScriptBytes) return fail(1, "the script is larger than 1 MB");
  int lineNo = 0;
  while (!text.empty()) {
    ++lineNo;
    const std::size_t eol = text.find('\n');
    std::string_view line = trim(text.substr(0, eol));
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    if (line.empty() || line.front() == '#') continue;

    const std::size_t colon = line.find(':');
    const std::size_t space = line.find_first_of(" \t");
    std::string_view word = line.substr(0, std::min(colon, space));
    std::string_view rest = word.size() < line.size() ? trim(line.substr(word.size())) : "";
    if (colon != std::string_view::npos && colon < space) {
      rest = trim(line.substr(colon + 1));
      if (!r.script.steps.empty())
        return fail(lineNo, "settings and card fields come before the steps");
      if (word == "mode" || word == "time") {
        int& value = word == "mode" ? r.script.mode : r.script.timeLimit;
        if (!(word == "mode" ? number(rest, 0, 4, value) : number(rest, 1, 999, value)))
          return fail(lineNo, word == "mode" ? "a mode is a number 0..4"
                                             : "a time limit is a number of minutes 1..999");
        continue;
      }
      std::string* field = word == "district" ? &r.script.district
                           : word == "school" ? &r.script.school
                           : word == "class"  ? &r.script.classNumber
                           : word == "letter" ? &r.script.classLetter
                           : word == "name"   ? &r.script.name
                                              : nullptr;
      if (!field) return fail(lineNo, "unknown field '" + std::string(word) + "'");
      *field = utf8ToCp1251(rest);
      continue;
    }
    if (static_cast<int>(r.script.steps.size()) >= kMaxScriptSteps)
      return fail(lineNo, "more than 10000 steps");
    ScriptStep step;
    step.line = lineNo;
    using Kind = ScriptStep::Kind;
    if (word == "answer") {
      if (rest.empty()) return fail(lineNo, "an answer needs what is answered");
      step.kind = Kind::Answer;
      step.text = utf8ToCp1251(rest);
    } else if (word == "hint" || word == "give-up" || line == "Вихід") {
      if (line != "Вихід" && !rest.empty())
        return fail(lineNo, "'" + std::string(word) + "' takes nothing after it");
      step.kind = word == "hint" ? Kind::Hint : word == "give-up" ? Kind::GiveUp : Kind::Exit;
    } else if (word == "petal") {
      step.kind = Kind::Petal;
      if (!number(rest, 1, 60, step.number)) return fail(lineNo, "a petal is a number 1..60");
    } else if (word == "wait") {
      step.kind = Kind::Wait;
      if (!number(rest, 0, kMaxScriptWait, step.number))
        return fail(lineNo, "a wait is a number of seconds 0..86400");
    } else {
      return fail(lineNo, "unknown step '" + std::string(word) + "'");
    }
    r.script.steps.push_back(std::move(step));
  }
  return r;
}

std::vector<char> answerLetters(std::string_view text) {
  std::vector<char> letters;
  for (char ch : text)
    if (ch != ' ' && ch != ',') letters.push_back(ch);
  return letters;
}

std::vector<std::string> answerFields(std::string_view text) {
  std::vector<std::string> fields;
  for (;;) {
    const std::size_t bar = text.find('|');
    const std::string_view field = trim(text.substr(0, bar));
    fields.emplace_back(field == "_" ? std::string_view() : field);
    if (bar == std::string_view::npos) return fields;
    text.remove_prefix(bar + 1);
  }
}

std::string gapCharacters(std::string_view text) {
  std::string chars;
  for (char ch : text)
    if (ch != ' ') chars += ch == '_' ? ' ' : ch;
  return chars;
}

}  // namespace ispyt
