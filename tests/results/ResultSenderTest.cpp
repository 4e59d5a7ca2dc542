#include <gtest/gtest.h>

#include "../platform/FakeTcpClient.h"
#include "FaultyFiles.h"
#include "ResultFixture.h"
#include "ThreeTaskAttempt.h"
#include "platform/ManualScheduler.h"
#include "results/Outbox.h"
#include "results/PendingResults.h"
#include "results/ResultFilesWriter.h"
#include "results/ResultMessage.h"
#include "results/ResultSender.h"

namespace ispyt::results_test {
namespace {

// A three-task attempt stored by the result files, sent by the program's
// sender through a client the test ends connections of.
class ResultSenderTest : public ResultFilesFixture {
 protected:
  void SetUp() override {
    ResultFilesFixture::SetUp();
    attempt = threeTaskAttempt(kModeTestPaper);
    test = threeTaskTest();
    card = threeTaskCard();
    ws.settings.shuffle = true;
    ws.openTest.testName = cp1251("Алгебра");
    ws.openTest.attemptCode = "b123";
    decor.sendResults = true;
    decor.address = {"10", "0", "0", "7"};
  }

  ResultSender& sender() {
    if (!sender_)
      sender_ = std::make_unique<ResultSender>(
          client, scheduler,
          ResultSender::Setup{root, [this] { return teacherAddressOf(decor); }, files});
    return *sender_;
  }
  ResultFilesContext sending() {
    ResultFilesContext c = context();
    c.outlet = &sender();
    return c;
  }
  std::size_t waiting() { return waitingMessages(root, diskFileSystem()).size(); }
  std::string expected(const std::string& atEnd = "1") {
    return threeTaskMessage(result.attemptCode, "A07", attempt.mode,
                            std::to_string(result.result120), atEnd);
  }

  DecorSettings decor;
  FakeTcpClient client;
  ManualScheduler scheduler;
  FileSystem* files = nullptr;
  std::unique_ptr<ResultSender> sender_;
};

TEST_F(ResultSenderTest, StoredResultGoesAtOnceAndAgainAfterTheClosing) {
  ResultFilesWriter writer(sending());
  writer.writeResults();
  ASSERT_TRUE(writer.outcome().stored());
  ASSERT_EQ(client.connections.size(), 1u);
  EXPECT_EQ(client.connections[0].host, "10.0.0.7");
  EXPECT_EQ(client.connections[0].port, 62);
  EXPECT_EQ(client.connections[0].sent, expected());
  EXPECT_TRUE(client.connections[0].closing);
  EXPECT_EQ(waiting(), 1u);  // until the connection closed cleanly
  client.closeCleanly();
  EXPECT_EQ(waiting(), 0u);

  writer.sendResult();  // the end of the closing animation
  writer.closeNetwork();
  ASSERT_EQ(client.connections.size(), 2u);
  EXPECT_EQ(client.connections[1].sent, expected());
  client.closeCleanly();
  EXPECT_EQ(sender().delivered(), 2);
  EXPECT_EQ(waiting(), 0u);
}

TEST_F(ResultSenderTest, NothingGoesInModeThreeWithoutANameOrWithSendingOff) {
  struct Case {
    const char* name;
    int mode;
    std::string fullName;
    bool on;
  };
  const Case cases[] = {
      {"exam", kModeExam, cp1251("Іваненко Петро"), true},
      {"no name", kModeTestPaper, "", true},
      {"sending off", kModeTestPaper, cp1251("Іваненко Петро"), false},
  };
  int code = 200;
  for (const Case& c : cases) {
    attempt = threeTaskAttempt(c.mode);
    card = threeTaskCard();
    card.fullName = c.fullName;
    decor.sendResults = c.on;
    ws.openTest.attemptCode = (c.mode == kModeExam ? "Z" : "b") + std::to_string(code++);
    ws.openTest.currentTestPath = folder.string();
    ResultFilesWriter writer(sending());
    writer.writeResults();
    ASSERT_TRUE(writer.outcome().stored()) << c.name;
    writer.sendResult();
    EXPECT_TRUE(client.connections.empty()) << c.name;
    EXPECT_EQ(waiting(), 0u) << c.name;
  }
}

TEST_F(ResultSenderTest, HintModeSendsOnceAtTheClosing) {
  attempt = threeTaskAttempt(kModeHint);
  ResultFilesWriter writer(sending());
  writer.writeResults();
  EXPECT_TRUE(client.connections.empty());
  EXPECT_EQ(waiting(), 1u);  // kept with the stored result
  writer.sendResult();
  ASSERT_EQ(client.connections.size(), 1u);
  EXPECT_EQ(client.connections[0].sent, expected());
  client.closeCleanly();
  EXPECT_EQ(waiting(), 0u);
}

TEST_F(ResultSenderTest, UndeliveredMessagesWaitAndGoOldestFirst) {
  ResultFilesWriter writer(sending());
  writer.writeResults();
  client.fail("connection refused");  // the teacher's computer is off
  EXPECT_FALSE(sender().delivering());
  EXPECT_EQ(sender().lastFailure(), "connection refused");
  writer.sendResult();  // the same message still waits: kept once
  ASSERT_EQ(client.connections.size(), 2u);
  client.fail();
  EXPECT_EQ(waiting(), 1u);

  // The next attempt's result goes after the one that waited.
  const std::string first = expected();
  ws.openTest.attemptCode = "b124";
  ws.openTest.currentTestPath = folder.string();
  ResultFilesWriter next(sending());
  next.writeResults();
  ASSERT_EQ(client.connections.size(), 3u);
  EXPECT_EQ(client.connections[2].sent, first);
  client.closeCleanly();
  ASSERT_EQ(client.connections.size(), 4u);
  EXPECT_EQ(client.connections[3].sent, expected());
  client.closeCleanly();
  EXPECT_EQ(waiting(), 0u);
}

TEST_F(ResultSenderTest, AConnectionWithoutAnEndIsGivenUpOnTheClock) {
  ResultFilesWriter writer(sending());
  writer.writeResults();
  scheduler.advance(kSendTimeoutMs - 1);
  EXPECT_TRUE(sender().delivering());
  scheduler.advance(1);
  EXPECT_FALSE(sender().delivering());
  EXPECT_TRUE(client.connections[0].aborted);
  EXPECT_EQ(waiting(), 1u);
  sender().deliver();  // a later sending moment
  ASSERT_EQ(client.connections.size(), 2u);
  client.closeCleanly();
  EXPECT_EQ(waiting(), 0u);
}

TEST_F(ResultSenderTest, EndKeySendsTheLastResultAgainASecondLater) {
  sender().resendLast();  // nothing sent yet: nothing to send again
  EXPECT_FALSE(sender().resendDue());
  ResultFilesWriter writer(sending());
  writer.writeResults();
  client.closeCleanly();
  writer.sendResult();
  client.closeCleanly();

  sender().resendLast();
  EXPECT_EQ(client.connections.size(), 2u);
  scheduler.advance(kResendDelayMs - 1);
  EXPECT_EQ(client.connections.size(), 2u);
  scheduler.advance(1);
  ASSERT_EQ(client.connections.size(), 3u);
  EXPECT_EQ(client.connections[2].sent, expected("0"));
  client.closeCleanly();
  // The resend is no result sent at the end: the next End key sends the
  // same message with "0" again.
  sender().resendLast();
  scheduler.advance(kResendDelayMs);
  ASSERT_EQ(client.connections.size(), 4u);
  EXPECT_EQ(client.connections[3].sent, expected("0"));
}

TEST_F(ResultSenderTest, AResultStoredOnlyWhenWrittenAgainStillGoes) {
  FaultyFiles faulty;
  faulty.failAt = 4;  // the report: nothing of the result is stored
  ResultFilesContext c = sending();
  c.files = &faulty;
  ResultFilesWriter writer(c);
  writer.writeResults();
  ASSERT_FALSE(writer.outcome().stored());
  writer.sendResult();  // not stored: nothing goes yet
  EXPECT_TRUE(client.connections.empty());
  faulty.failAt = 0;
  ASSERT_TRUE(writer.writeAgain());
  ASSERT_EQ(client.connections.size(), 1u);
  EXPECT_EQ(client.connections[0].sent, expected());
}

TEST_F(ResultSenderTest, AResultKeptInPendingTakesItsMessageAlong) {
  FaultyFiles faulty;
  faulty.failAt = 4;
  ResultFilesContext c = sending();
  c.files = &faulty;
  WriteReportOutcome out = WriteReport(c);
  ASSERT_FALSE(out.stored());
  ASSERT_FALSE(out.keptFile.empty());
  // The next start-up stores it; its message waits in the outbox.
  RetryOutcome retried = retryKeptResults(root, diskFileSystem(), random);
  EXPECT_EQ(retried.stored, 1);
  const auto messages = waitingMessages(root, diskFileSystem());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(ReadResultMessage(messages[0].bytes).value->attemptCode, result.attemptCode);
  sender().deliver();
  ASSERT_EQ(client.connections.size(), 1u);
  EXPECT_EQ(client.connections[0].sent, messages[0].bytes);
}

TEST_F(ResultSenderTest, AnOutboxThatCannotBeWrittenStillSendsFromMemory) {
  const std::string waited = threeTaskMessage("b100", "A07", 2, "61");
  const std::string fresh = threeTaskMessage("b101", "A07", 2, "61");
  ASSERT_FALSE(keepMessage(root, waited, diskFileSystem()));
  FaultyFiles faulty;
  faulty.failAt = 1;  // a full program folder
  files = &faulty;
  sender().send(fresh);
  ASSERT_EQ(client.connections.size(), 1u);
  EXPECT_EQ(client.connections[0].sent, waited);
  client.fail();
  sender().deliver();  // the file first, then the message held in memory
  client.closeCleanly();
  ASSERT_EQ(client.connections.size(), 3u);
  EXPECT_EQ(client.connections[2].sent, fresh);
  client.closeCleanly();
  EXPECT_EQ(sender().delivered(), 2);
  EXPECT_EQ(waiting(), 0u);
  sender().deliver();
  EXPECT_EQ(client.connections.size(), 3u);
}

TEST(TeacherAddress, TheFourPartsAndThePort) {
  DecorSettings d;
  EXPECT_FALSE(teacherAddressOf(d));
  d.sendResults = true;
  d.address = {"10", "0", "0", "7"};
  EXPECT_EQ(teacherAddressOf(d)->host, "10.0.0.7");
  EXPECT_EQ(teacherAddressOf(d)->port, 62);
  d.teacherPort = 6200;
  EXPECT_EQ(teacherAddressOf(d)->port, 6200);
}

}  // namespace
}  // namespace ispyt::results_test
