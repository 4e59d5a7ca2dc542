#include "receiver/ResultColumns.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string_view>

#include "platform/Rounding.h"

namespace ispyt::receiver {
namespace {

std::string padded(long long value) {
  char text[32];
  // Negative numbers sort before every positive one.
  std::snprintf(text, sizeof text, "%c%015lld", value < 0 ? '-' : '0',
                value < 0 ? 999999999999999LL + value : value);
  return text;
}

// "dd.mm.yy" as "yymmdd"; anything else as it is, after every date.
std::string dateKey(const std::string& date) {
  if (date.size() == 8 && date[2] == '.' && date[5] == '.')
    return date.substr(6, 2) + date.substr(3, 2) + date.substr(0, 2);
  return "~" + date;
}

bool isNumber(Column c) {
  return c == Column::Percent || c == Column::Result120 || c == Column::Grade ||
         c == Column::Seconds;
}

std::string csvField(std::string text, Column c) {
  // A text a spreadsheet would take for a formula or a number (a card code
  // "-07") stays the text it is.
  if (!isNumber(c) && !text.empty() &&
      std::string_view("=+-@").find(text.front()) != std::string_view::npos)
    text.insert(0, 1, '\'');
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  return out + "\"";
}

}  // namespace

std::string columnTitle(Column c) {
  switch (c) {
    case Column::Date:
      return "Дата";
    case Column::Time:
      return "Час";
    case Column::Class:
      return "Клас";
    case Column::Name:
      return "Прізвище, ім'я";
    case Column::Test:
      return "Тест";
    case Column::Mode:
      return "Режим";
    case Column::Percent:
      return "Відсоток";
    case Column::Result120:
      return "Бал (з 120)";
    case Column::Grade:
      return "Оцінка (з 12)";
    case Column::Station:
      return "Станція";
    case Column::AttemptCode:
      return "Код спроби";
    case Column::CardCode:
      return "Код картки";
    case Column::Seconds:
      return "Тривалість, с";
  }
  return {};
}

std::string modeName(int mode) {
  static const char* const names[] = {"Підказка", "Тренінг", "Контрольна робота", "Залік",
                                      "Моніторинг"};
  return mode >= 0 && mode <= 4 ? names[mode] : std::to_string(mode);
}

int schoolGrade(int result120, int percent) {
  if (percent <= 0) return 0;
  return std::max(roundHalfEven(12 * std::clamp(result120, 0, 120) / 120.0), 1);
}

std::string cellText(const StoredAttempt& a, Column c) {
  switch (c) {
    case Column::Date:
      return a.dateText;
    case Column::Time:
      return a.timeText;
    case Column::Class:
      return a.classGroup == " -" ? std::string() : a.classGroup;
    case Column::Name:
      return a.fullName;
    case Column::Test:
      return a.testName;
    case Column::Mode:
      return modeName(a.mode);
    case Column::Percent:
      return std::to_string(a.percent);
    case Column::Result120:
      return std::to_string(a.result120);
    case Column::Grade:
      return std::to_string(schoolGrade(a.result120, a.percent));
    case Column::Station:
      return a.station;
    case Column::AttemptCode:
      return a.attemptCode;
    case Column::CardCode:
      return a.cardCode;
    case Column::Seconds:
      return std::to_string(a.elapsed);
  }
  return {};
}

std::string sortKey(const StoredAttempt& a, Column c) {
  switch (c) {
    case Column::Date:
      return dateKey(a.dateText) + a.timeText;
    case Column::Percent:
      return padded(a.percent);
    case Column::Result120:
      return padded(a.result120);
    case Column::Grade:
      return padded(schoolGrade(a.result120, a.percent));
    case Column::Seconds:
      return padded(a.elapsed);
    case Column::Mode:
      return padded(a.mode);
    default:
      return cellText(a, c);
  }
}

bool AttemptFilter::accepts(const StoredAttempt& a) const {
  return (classGroup.empty() || cellText(a, Column::Class) == classGroup) &&
         (testName.empty() || a.testName == testName);
}

namespace {

std::vector<std::string> distinct(const std::vector<StoredAttempt>& attempts, Column c) {
  std::set<std::string> found;
  for (const StoredAttempt& a : attempts)
    if (std::string text = cellText(a, c); !text.empty()) found.insert(std::move(text));
  return {found.begin(), found.end()};
}

}  // namespace

std::vector<std::string> classesOf(const std::vector<StoredAttempt>& attempts) {
  return distinct(attempts, Column::Class);
}

std::vector<std::string> testsOf(const std::vector<StoredAttempt>& attempts) {
  return distinct(attempts, Column::Test);
}

std::string attemptsCsv(const std::vector<StoredAttempt>& attempts) {
  std::string out = "\xEF\xBB\xBF";
  for (int c = 0; c < kColumnCount; ++c)
    out += (c > 0 ? ";" : "") + columnTitle(static_cast<Column>(c));
  out += "\r\n";
  auto row = [&](auto field) {
    for (int c = 0; c < kColumnCount; ++c) {
      if (c > 0) out += ';';
      out += csvField(field(static_cast<Column>(c)), static_cast<Column>(c));
    }
    out += "\r\n";
  };
  for (const StoredAttempt& a : attempts) row([&](Column c) { return cellText(a, c); });
  return out;
}

}  // namespace ispyt::receiver
