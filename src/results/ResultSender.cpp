#include "results/ResultSender.h"

#include <algorithm>
#include <set>

#include "results/Outbox.h"
#include "results/ResultMessage.h"

namespace ispyt {

std::optional<TeacherAddress> teacherAddressOf(const DecorSettings& decor) {
  if (!decor.sendResults) return std::nullopt;
  const auto& a = decor.address;
  return TeacherAddress{a[0] + "." + a[1] + "." + a[2] + "." + a[3], decor.teacherPort};
}

ResultSender::ResultSender(TcpClient& client, Scheduler& scheduler, Setup setup)
    : client_(client), setup_(std::move(setup)) {
  timeout_ = scheduler.createTimer([this] {
    client_.abort();
    failed("no end within " + std::to_string(setup_.timeoutMs / 1000) + " s");
  });
  timeout_->setSingleShot(true);
  resend_ = scheduler.createTimer([this] {
    Parsed<ResultMessage> again = ReadResultMessage(last_);
    if (!again.ok()) return;
    again.value->atEnd = false;
    send(resultMessageBytes(*again.value));
  });
  resend_->setSingleShot(true);
  client_.setEvents({[this] { closed(); }, [this](const std::string& what) { failed(what); }});
}

ResultSender::~ResultSender() {
  client_.setEvents({});
  if (current_) client_.abort();
}

FileSystem& ResultSender::files() const { return setup_.files ? *setup_.files : diskFileSystem(); }

void ResultSender::deliver() {
  if (!current_) startNext();
}

void ResultSender::send(const std::string& message) {
  if (!on()) return;
  if (Parsed<ResultMessage> m = ReadResultMessage(message); m.ok() && m.value->atEnd)
    last_ = message;
  if (keepMessage(setup_.programFolder, message, files())) {
    const bool waits = std::any_of(unkept_.begin(), unkept_.end(),
                                   [&](const Entry& e) { return e.bytes == message; }) ||
                       (current_ && current_->file.empty() && current_->bytes == message);
    if (!waits) unkept_.push_back({{}, message});
  }
  deliver();
}

void ResultSender::resendLast() {
  if (last_.empty() || resend_->isActive() || !on()) return;
  // What waited goes first, while the second runs.
  deliver();
  resend_->start(kResendDelayMs);
}

void ResultSender::startNext() {
  const std::optional<TeacherAddress> address = setup_.address ? setup_.address() : std::nullopt;
  if (!address) return stop();
  // A file sent but not removed stays for the next round, not this one.
  std::optional<Entry> next;
  for (WaitingMessage& m : waitingMessages(setup_.programFolder, files()))
    if (!sentButKept_.contains(m.file)) {
      next = Entry{std::move(m.file), std::move(m.bytes)};
      break;
    }
  if (!next && !unkept_.empty()) {
    next = std::move(unkept_.front());
    unkept_.pop_front();
  }
  if (!next) return stop();
  current_ = std::move(next);
  timeout_->start(setup_.timeoutMs);
  client_.setHost(address->host);
  client_.setPort(address->port);
  client_.open();
  client_.send(current_->bytes);
  client_.close();
}

void ResultSender::closed() {
  if (!current_) return;
  timeout_->stop();
  ++delivered_;
  if (!current_->file.empty() && files().remove(current_->file))
    sentButKept_.insert(current_->file);
  current_.reset();
  startNext();
}

void ResultSender::failed(const std::string& what) {
  if (!current_) return;
  timeout_->stop();
  lastFailure_ = what;
  // Held only here, it waits in front of the rest.
  if (current_->file.empty()) unkept_.push_front(std::move(*current_));
  current_.reset();
  stop();
}

void ResultSender::stop() {
  sentButKept_.clear();
  if (onIdle) onIdle();
}

}  // namespace ispyt
