#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "receiver/ServerEvent.h"

namespace ispyt::receiver {
namespace {

TEST(ServerEvent, SaidInEnglishOnTheLogAndInUkrainianInTheWindow) {
  ServerEvent e;
  e.station = "192.168.1.20";
  e.message.attemptCode = "b123";
  e.message.fullName = cp1251("Іваненко Петро");
  e.message.classGroup = " -";  // no class: left out
  e.message.testName = cp1251("Алгебра");
  e.message.percent = 43;
  EXPECT_EQ(logLine(e), "192.168.1.20: stored b123 (Іваненко Петро, Алгебра, 43%)");
  EXPECT_EQ(windowLine(e), "Прийнято: Іваненко Петро, Алгебра, 43% (192.168.1.20)");
  e.message.classGroup = cp1251("10-Б");
  EXPECT_EQ(windowLine(e), "Прийнято: Іваненко Петро, 10-Б, Алгебра, 43% (192.168.1.20)");

  e.kind = ServerEvent::Kind::Refused;
  e.line = 3;
  e.detail = "the seconds taken is not a number";
  EXPECT_EQ(logLine(e),
            "192.168.1.20: not a result message, line 3: the seconds taken is not a number");
  EXPECT_EQ(windowLine(e), "Відхилено: 192.168.1.20 надіслав не результат тестування (рядок 3)");
}

}  // namespace
}  // namespace ispyt::receiver
