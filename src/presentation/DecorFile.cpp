#include "presentation/DecorFile.h"

#include <array>
#include <charconv>
#include <optional>

#include "platform/LineReader.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt {
namespace {

enum class Kind { Text, Flag, Number, Address };

struct Entry {
  const char* section;  // UTF-8 literal
  const char* key;
  Kind kind;
  std::string DecorSettings::*text = nullptr;
  bool DecorSettings::*flag = nullptr;
  int DecorSettings::*number = nullptr;
  int low = 0, high = 0;
  int addressPart = 0;  // 0..3
};

using D = DecorSettings;
constexpr int kEntryCount = 28;

const Entry kEntries[kEntryCount] = {
    {"набор тестів", "ComboBox7", Kind::Text, &D::testSet},
    {"фон програми", "ComboBox1", Kind::Text, &D::programBackground},
    {"фон питання", "ComboBox2", Kind::Text, &D::questionBackground},
    {"фон відповідей", "ComboBox8", Kind::Text, &D::answerBackground},
    {"фон діаграми", "ComboBox10", Kind::Text, &D::colourScheme},
    {"Фон годинника", "CheckBox8", Kind::Flag, nullptr, &D::clockBackground},
    {"Колір годинника", "CheckBox9", Kind::Flag, nullptr, &D::clockColour},
    {"ефект", "ComboBox5", Kind::Text, &D::effect},
    {"звук", "CheckBox1", Kind::Flag, nullptr, &D::sound},
    {"вказівник", "TrackBar1", Kind::Number, nullptr, nullptr, &D::pointerSpeed, 0, 3},
    {"клавіатура", "CheckBox4", Kind::Flag, nullptr, &D::keyboard},
    {"колір питання", "Label1", Kind::Number, nullptr, nullptr, &D::questionColour, 0, 7},
    {"колір відповідей", "Label2", Kind::Number, nullptr, nullptr, &D::answerColour, 0, 7},
    {"результати", "ComboBox3", Kind::Text, &D::resultDatabase},
    {"На весь екран", "CheckBox3", Kind::Flag, nullptr, &D::fullScreen},
    {"Пропорційно", "CheckBox5", Kind::Flag, nullptr, &D::proportional},
    {"Стиль питання", "Button1", Kind::Flag, nullptr, &D::questionBold},
    {"Стиль відповідей", "Button2", Kind::Flag, nullptr, &D::answerBold},
    {"Адрес1", "Edit3.Text", Kind::Address, nullptr, nullptr, nullptr, 0, 0, 0},
    {"Адрес2", "Edit4.Text", Kind::Address, nullptr, nullptr, nullptr, 0, 0, 1},
    {"Адрес3", "Edit5.Text", Kind::Address, nullptr, nullptr, nullptr, 0, 0, 2},
    {"Адрес4", "Edit6.Text", Kind::Address, nullptr, nullptr, nullptr, 0, 0, 3},
    {"сервер", "CheckBox6", Kind::Flag, nullptr, &D::sendResults},
    // No control edits it: a school sets it by hand, so that the teacher's
    // receiver can run without the privileges port 62 needs.
    {"порт", "Port", Kind::Number, nullptr, nullptr, &D::teacherPort, 1, 65535},
    {"За списком", "CheckBox7", Kind::Flag, nullptr, &D::byList},
    // The class number's section begins with a Latin capital K.
    {"Kлас", "ComboBox4", Kind::Text, &D::listClass},
    {"буква", "ComboBox11", Kind::Text, &D::listLetter},
    {"підгрупа", "ComboBox12", Kind::Text, &D::listGroup},
};

// The section names in Windows-1251, converted once.
const std::vector<std::string>& sectionNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const Entry& e : kEntries) n.push_back(cp1251(e.section));
    return n;
  }();
  return names;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool isQuoted(std::string_view s) {
  return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

std::optional<int> parseNumber(std::string_view s) {
  int value = 0;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return value;
}

bool hasControlBytes(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) < 32) return true;
  return false;
}

// Stores `value` into the entry's field; the problem when it is not a
// value of the entry's kind.
std::string store(const Entry& e, std::string_view value, DecorSettings& decor) {
  switch (e.kind) {
    case Kind::Text:
      if (value.size() > kMaxDecorText)
        return "a text longer than " + std::to_string(kMaxDecorText) + " bytes";
      if (hasControlBytes(value)) return "a text with control characters";
      decor.*e.text = std::string(value);
      return {};
    case Kind::Flag:
      if (auto n = parseNumber(value)) {
        decor.*e.flag = *n != 0;
        return {};
      }
      return "not a number (1 or 0)";
    case Kind::Number:
      if (auto n = parseNumber(value); n && *n >= e.low && *n <= e.high) {
        decor.*e.number = *n;
        return {};
      }
      return "not a number in " + std::to_string(e.low) + ".." + std::to_string(e.high);
    case Kind::Address:
      if (value.size() > 3 || value.find_first_not_of("0123456789") != std::string_view::npos)
        return "not up to 3 digits";
      decor.address[static_cast<std::size_t>(e.addressPart)] = std::string(value);
      return {};
  }
  return {};
}

std::string textOf(const Entry& e, const DecorSettings& decor) {
  switch (e.kind) {
    case Kind::Text: {
      std::string value = decor.*e.text;
      // A line break would end the key and start another line of the file.
      std::erase_if(value, [](char c) { return static_cast<unsigned char>(c) < 32; });
      if (value != trimmed(value) || isQuoted(value)) value = '"' + value + '"';
      return value;
    }
    case Kind::Flag:
      return decor.*e.flag ? "1" : "0";
    case Kind::Number:
      return std::to_string(decor.*e.number);
    case Kind::Address:
      return decor.address[static_cast<std::size_t>(e.addressPart)];
  }
  return {};
}

}  // namespace

DecorReading readDecor(std::string_view bytes, DecorSettings& decor, bool activateBackground) {
  DecorReading out;
  out.found = true;
  const std::vector<std::string>& sections = sectionNames();
  std::array<bool, kEntryCount> seen{};
  LineReader lines(bytes, LineReader::Ends::AnyNewline);
  bool inSection = false;
  std::string section;
  while (auto raw = lines.next()) {
    auto skip = [&](std::string problem) {
      out.unusable.push_back(
          {lines.lineNumber(), std::string(raw->substr(0, 80)), std::move(problem)});
    };
    if (raw->size() > kMaxDecorLine) {
      skip("a line longer than " + std::to_string(kMaxDecorLine) + " bytes");
      continue;
    }
    std::string_view line = trimmed(*raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      if (close == std::string_view::npos) {
        skip("a section name without ]");
        inSection = false;
        continue;
      }
      section = std::string(trimmed(line.substr(1, close - 1)));
      inSection = true;
      continue;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      skip("neither [section] nor key=value");
      continue;
    }
    if (!inSection) {
      skip("a key before any section");
      continue;
    }
    std::string_view key = trimmed(line.substr(0, equals));
    std::string_view value = trimmed(line.substr(equals + 1));
    if (isQuoted(value)) value = value.substr(1, value.size() - 2);
    int found = -1;
    for (int i = 0; i < kEntryCount && found < 0; ++i)
      if (cp1251EqualNoCase(section, sections[static_cast<std::size_t>(i)]) &&
          cp1251EqualNoCase(key, kEntries[i].key))
        found = i;
    if (found < 0) {
      skip("no such setting");
      continue;
    }
    if (seen[static_cast<std::size_t>(found)]) {
      skip("a repeated key; the first one counts");
      continue;
    }
    seen[static_cast<std::size_t>(found)] = true;
    const Entry& e = kEntries[found];
    if (e.text == &DecorSettings::programBackground && !activateBackground) {
      ++out.keysRead;
      continue;
    }
    std::string problem = store(e, value, decor);
    if (problem.empty())
      ++out.keysRead;
    else
      skip(std::move(problem));
  }
  return out;
}

std::string decorBytes(const DecorSettings& decor) {
  std::string out;
  const std::vector<std::string>& sections = sectionNames();
  for (int i = 0; i < kEntryCount; ++i) {
    // Files of the usual port stay as they always were.
    if (kEntries[i].number == &D::teacherPort && decor.teacherPort == kDefaultTeacherPort) continue;
    if (i > 0) out += "\r\n";
    out += '[' + sections[static_cast<std::size_t>(i)] + "]\r\n";
    out += std::string(kEntries[i].key) + '=' + textOf(kEntries[i], decor) + "\r\n";
  }
  return out;
}

std::string decorFileName(std::string_view baseFolderName) {
  std::string name = "decor";
  if (baseFolderName.size() > 5) name += baseFolderName.substr(5, 2);
  return name + ".ini";
}

std::filesystem::path decorPath(const std::filesystem::path& programFolder,
                                std::string_view baseFolderName) {
  return locate(programFolder, "Decor/" + decorFileName(baseFolderName));
}

DecorReading readDecorFile(const std::filesystem::path& file, DecorSettings& decor,
                           bool activateBackground) {
  std::optional<std::string> bytes = readFileBytes(file, kMaxDecorFile);
  if (!bytes) return {};
  return readDecor(*bytes, decor, activateBackground);
}

DecorReading ReadDecor(const std::filesystem::path& programFolder, std::string_view baseFolderName,
                       DecorSettings& decor, bool activateBackground) {
  return readDecorFile(decorPath(programFolder, baseFolderName), decor, activateBackground);
}

std::error_code WriteDecor(const std::filesystem::path& programFolder,
                           std::string_view baseFolderName, const DecorSettings& decor) {
  return replaceFile(decorPath(programFolder, baseFolderName), decorBytes(decor));
}

}  // namespace ispyt
