#include "platform/LineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ispyt {
namespace {

std::vector<std::string> lines(std::string_view data, LineReader::Ends ends) {
  LineReader r(data, ends);
  std::vector<std::string> out;
  while (auto l = r.next()) out.emplace_back(*l);
  return out;
}

TEST(LineReader, OwnFormatsEndLinesOnlyAtCrLf) {
  using V = std::vector<std::string>;
  auto crlf = LineReader::Ends::CrLfOnly;
  EXPECT_EQ(lines("a\r\nb\r\n", crlf), (V{"a", "b"}));
  EXPECT_EQ(lines("a\r\nlast", crlf), (V{"a", "last"}));
  EXPECT_EQ(lines(std::string("\x0a\x0d\r\n", 4), crlf), (V{std::string("\x0a\x0d", 2)}));
  EXPECT_EQ(lines("a\r\n\r\nb", crlf), (V{"a", "", "b"}));
  EXPECT_EQ(lines("a\r\nb\x1a" "c\r\nd", crlf), (V{"a", "b"}));
  EXPECT_EQ(lines("", crlf), V{});
}

TEST(LineReader, HandEditedFilesAcceptAnyLineEnd) {
  using V = std::vector<std::string>;
  auto any = LineReader::Ends::AnyNewline;
  EXPECT_EQ(lines("a\nb\r\nc\rd", any), (V{"a", "b", "c", "d"}));
}

TEST(LineReader, CountsLines) {
  LineReader r("a\r\nb", LineReader::Ends::CrLfOnly);
  r.next();
  r.next();
  EXPECT_EQ(r.lineNumber(), 2);
  EXPECT_TRUE(r.atEnd());
}

}  // namespace
}  // namespace ispyt
