#include "receiver/ServerEvent.h"

#include "platform/Cp1251.h"

namespace ispyt::receiver {
namespace {

using Kind = ServerEvent::Kind;

// "Іваненко Петро, 10-Б, Алгебра, 43%", UTF-8.
std::string who(const ResultMessage& m) {
  std::string text = cp1251ToUtf8(m.fullName);
  if (m.classGroup != " -" && !m.classGroup.empty()) text += ", " + cp1251ToUtf8(m.classGroup);
  return text + ", " + cp1251ToUtf8(m.testName) + ", " + std::to_string(m.percent) + "%";
}

std::string code(const ResultMessage& m) { return cp1251ToUtf8(m.attemptCode); }

}  // namespace

std::string logLine(const ServerEvent& e) {
  const std::string at = e.station + ": ";
  switch (e.kind) {
    case Kind::Stored:
      return at + "stored " + code(e.message) + " (" + who(e.message) + ")";
    case Kind::StoredAgain:
      return at + code(e.message) + " again, stored already";
    case Kind::NotStored:
      return at + code(e.message) + " (" + who(e.message) + ") not stored yet: " + e.detail;
    case Kind::StoredLater:
      return at + "stored " + code(e.message) + " (" + who(e.message) + ") at a later try";
    case Kind::Refused:
      return at + "not a result message, line " + std::to_string(e.line) + ": " + e.detail;
    case Kind::Silent:
      return at + "connected and sent nothing";
    case Kind::CutShort:
      return at + "the message is cut short";
    case Kind::Lingering:
      return at + "still connected after " + std::to_string(e.number) + " s";
    case Kind::TooMany:
      return at + "refused, " + std::to_string(e.number) + " stations are connected already";
  }
  return at;
}

std::string windowLine(const ServerEvent& e) {
  const std::string from = " (" + e.station + ")";
  switch (e.kind) {
    case Kind::Stored:
      return "Прийнято: " + who(e.message) + from;
    case Kind::StoredAgain:
      return "Надійшло ще раз, уже збережено: " + who(e.message) + from;
    case Kind::NotStored:
      return "Не вдалося зберегти, буде повторено: " + who(e.message) + from + " — " + e.detail;
    case Kind::StoredLater:
      return "Збережено з повтору: " + who(e.message) + from;
    case Kind::Refused:
      return "Відхилено: " + e.station + " надіслав не результат тестування (рядок " +
             std::to_string(e.line) + ")";
    case Kind::Silent:
      return "Закрито: " + e.station + " з'єднався й нічого не надіслав";
    case Kind::CutShort:
      return "Не збережено: повідомлення від " + e.station + " обірвалося";
    case Kind::Lingering:
      return "Закрито: " + e.station + " був з'єднаний довше " + std::to_string(e.number) + " с";
    case Kind::TooMany:
      return "Відхилено: " + e.station + ", уже з'єднано " + std::to_string(e.number) + " станцій";
  }
  return e.station;
}

}  // namespace ispyt::receiver
