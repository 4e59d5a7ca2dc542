#include "TeacherSending.h"

#include <QEventLoop>
#include <charconv>
#include <cstdio>

#include "platform/FileSystem.h"
#include "results/Outbox.h"

namespace ispyt::tool {

std::optional<TeacherAddress> parseTeacherAddress(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  int port = 0;
  const char* end = text.data() + text.size();
  auto [at, ec] = std::from_chars(text.data() + colon + 1, end, port);
  if (ec != std::errc() || at != end || port < 1 || port > 65535) return std::nullopt;
  return TeacherAddress{text.substr(0, colon), port};
}

TeacherSending::TeacherSending(Workstation& ws, std::optional<TeacherAddress> teacher)
    : ws_(ws), teacher_(std::move(teacher)) {
  if (teacher_) ws_.decor.sendResults = true;
  if (!ws_.decor.sendResults) return;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "ispyt-tool";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QCoreApplication>(argc, argv);
  }
  scheduler_ = std::make_unique<QtScheduler>();
  client_ = std::make_unique<QtTcpClient>();
  sender_ = std::make_unique<ResultSender>(*client_, *scheduler_,
                                           ResultSender::Setup{ws_.programFolder, [this] {
                                                                 std::optional<TeacherAddress> a =
                                                                     teacherAddressOf(ws_.decor);
                                                                 if (a && teacher_) a = teacher_;
                                                                 return a;
                                                               }});
}

TeacherSending::~TeacherSending() = default;

void TeacherSending::deliver() {
  if (!sender_) return;
  QEventLoop loop;
  sender_->onIdle = [&loop] { loop.quit(); };
  sender_->deliver();
  if (sender_->delivering()) loop.exec();
  sender_->onIdle = nullptr;
}

void TeacherSending::writeJson(Json& json) const {
  json.key("sending").beginObject();
  json.key("on").boolean(sender_ != nullptr);
  if (sender_) {
    const std::optional<TeacherAddress> a =
        sender_->on() ? teacherAddressOf(ws_.decor) : std::nullopt;
    const TeacherAddress to = teacher_ ? *teacher_ : a.value_or(TeacherAddress{});
    json.key("to").utf8(to.host + ":" + std::to_string(to.port));
    json.key("delivered").number(static_cast<std::int64_t>(sender_->delivered()));
    json.key("waiting").number(
        static_cast<std::int64_t>(waitingMessages(ws_.programFolder, diskFileSystem()).size()));
    if (!sender_->lastFailure().empty()) json.key("failure").utf8(sender_->lastFailure());
  }
  json.endObject();
}

bool TeacherSending::reportWaiting() const {
  if (!sender_) return false;
  const std::size_t waiting = waitingMessages(ws_.programFolder, diskFileSystem()).size();
  if (waiting == 0) return false;
  std::fprintf(stderr,
               "simulate: %zu result message(s) wait in Outbox for the teacher's computer%s%s\n",
               waiting, sender_->lastFailure().empty() ? "" : ": ", sender_->lastFailure().c_str());
  return true;
}

}  // namespace ispyt::tool
