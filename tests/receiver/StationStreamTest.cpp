#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "receiver/StationStream.h"

namespace ispyt::receiver {
namespace {

std::string message(const std::string& code) {
  ResultMessage m;
  m.attemptCode = code;
  m.cardCode = "A07";
  m.fullName = cp1251("Іваненко Петро");
  m.taskCount = 2;
  m.taskPercent = {0, 100, 25};
  m.answerText[1] = "12";
  return resultMessageBytes(m);
}

TEST(StationStream, TakesMessagesHoweverTheBytesAreSplit) {
  const std::string bytes = message("b123") + message("b124");
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    StationStream stream;
    auto first = stream.take(std::string_view(bytes).substr(0, cut));
    auto second = stream.take(std::string_view(bytes).substr(cut));
    std::vector<std::string> codes;
    for (const auto* taken : {&first, &second})
      for (const ResultMessage& m : taken->messages) codes.push_back(m.attemptCode);
    EXPECT_EQ(codes, (std::vector<std::string>{"b123", "b124"})) << cut;
    EXPECT_FALSE(first.refusal || second.refusal) << cut;
    EXPECT_FALSE(stream.cutShort()) << cut;
    EXPECT_EQ(stream.buffered(), 0u);
  }
}

TEST(StationStream, ByteByByteCostsALookPerLine) {
  const std::string bytes = message("b123");
  StationStream stream;
  int messages = 0;
  for (char c : bytes)
    messages += static_cast<int>(stream.take(std::string_view(&c, 1)).messages.size());
  EXPECT_EQ(messages, 1);
}

TEST(StationStream, RefusesJunkAndTakesNothingMore) {
  StationStream stream;
  auto taken = stream.take(message("b123") + "b124\r\nA07\r\nGET / HTTP/1.1\r\n");
  EXPECT_EQ(taken.messages.size(), 1u);  // what came whole before the junk is kept
  ASSERT_TRUE(taken.refusal);
  EXPECT_EQ(taken.refusal->position, 3) << taken.refusal->reason;
  EXPECT_TRUE(stream.refused());
  EXPECT_TRUE(stream.take(message("b124")).messages.empty());
}

TEST(StationStream, ATenMegabyteMessageIsRefusedWithoutBeingHeld) {
  StationStream stream;
  const std::string block(64 * 1024, 'A');
  std::optional<ReadFault> refusal;
  std::size_t fed = 0;
  while (!refusal && fed < 10u * 1024 * 1024) {
    refusal = stream.take(block).refusal;
    fed += block.size();
    EXPECT_LE(stream.buffered(), kMaxResultMessage);
  }
  ASSERT_TRUE(refusal);
  EXPECT_EQ(fed, block.size());  // the first block already shows it
  EXPECT_EQ(stream.buffered(), 0u);
}

TEST(StationStream, SaysWhenTheStationStoppedMidMessage) {
  StationStream stream;
  const std::string bytes = message("b123");
  stream.take(bytes.substr(0, bytes.size() / 2));
  EXPECT_TRUE(stream.cutShort());
  stream.take(bytes.substr(bytes.size() / 2));
  EXPECT_FALSE(stream.cutShort());
  StationStream silent;
  EXPECT_FALSE(silent.sentAnything());
  EXPECT_FALSE(silent.cutShort());
}

}  // namespace
}  // namespace ispyt::receiver
