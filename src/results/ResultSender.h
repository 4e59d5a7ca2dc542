#pragma once
// Delivering result messages to the teacher's computer: each waits in the
// outbox (Outbox.h) and goes over a connection of its own, opened, written
// and closed; once it closed cleanly its file is removed and the next one
// goes.  Any network failure, or no end within the time allowed, stops the
// delivery quietly: the pupil's work goes on and what waits is tried again
// at the next sending moment.

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Scheduler.h"
#include "platform/TcpClient.h"
#include "presentation/DecorSettings.h"
#include "results/ResultOutlet.h"

namespace ispyt {

inline constexpr int kTeacherPort = kDefaultTeacherPort;
// Connecting, writing and closing one message, at most.
inline constexpr int kSendTimeoutMs = 15000;
// The End key's message goes a second after the key.
inline constexpr int kResendDelayMs = 1000;

struct TeacherAddress {
  std::string host;
  int port = kTeacherPort;
};

// The four address parts joined by "." and the port, while "сервер" is on.
std::optional<TeacherAddress> teacherAddressOf(const DecorSettings& decor);

class ResultSender : public ResultOutlet {
 public:
  struct Setup {
    std::filesystem::path programFolder;  // holds the outbox
    // Where results go now; nothing while sending is off.
    std::function<std::optional<TeacherAddress>()> address;
    FileSystem* files = nullptr;  // empty: the disk's own
    int timeoutMs = kSendTimeoutMs;
  };

  ResultSender(TcpClient& client, Scheduler& scheduler, Setup setup);
  ~ResultSender() override;

  bool on() const override { return setup_.address && setup_.address().has_value(); }
  void deliver() override;
  void send(const std::string& message) override;
  // The End key: the last message sent at the end of an attempt goes once
  // more, a second from now, with "0" on its line 7.  Nothing when none was
  // sent since the start, or one is already due.
  void resendLast();

  bool delivering() const { return current_.has_value(); }
  bool resendDue() const { return resend_->isActive(); }
  int delivered() const { return delivered_; }
  // Why the last delivery stopped (English, for a log); empty when none did.
  const std::string& lastFailure() const { return lastFailure_; }
  // Delivering stopped: nothing waits, or a failure left the rest waiting.
  std::function<void()> onIdle;

 private:
  struct Entry {
    std::filesystem::path file;  // empty: could not be kept on disk
    std::string bytes;
  };
  FileSystem& files() const;
  void startNext();
  void closed();
  void failed(const std::string& what);
  void stop();

  TcpClient& client_;
  Setup setup_;
  std::unique_ptr<Timer> timeout_;
  std::unique_ptr<Timer> resend_;
  std::optional<Entry> current_;
  // Messages the outbox could not take, kept here until delivered.
  std::deque<Entry> unkept_;
  std::set<std::filesystem::path> sentButKept_;
  std::string last_;
  int delivered_ = 0;
  std::string lastFailure_;
};

}  // namespace ispyt
