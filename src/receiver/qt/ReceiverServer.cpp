#include "receiver/qt/ReceiverServer.h"

#include <QDateTime>
#include <QHostAddress>
#include <QTcpSocket>

namespace ispyt::receiver {
namespace {

constexpr qint64 kChunk = 64 * 1024;
// Results the database could not take are held at most this many.
constexpr std::size_t kMaxUnstored = 10000;

std::string addressOf(const QTcpSocket& socket) {
  const QHostAddress peer = socket.peerAddress();
  bool v4 = false;
  const quint32 ip = peer.toIPv4Address(&v4);
  return (v4 ? QHostAddress(ip) : peer).toString().toStdString();
}

std::string now() {
  return QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString();
}

ServerEvent eventOf(ServerEvent::Kind kind, const std::string& station,
                    const ResultMessage& message = {}) {
  ServerEvent e;
  e.kind = kind;
  e.station = station;
  e.message = message;
  return e;
}

}  // namespace

struct ReceiverServer::Station {
  QTcpSocket* socket = nullptr;
  std::string address;
  StationStream stream;
  std::unique_ptr<Timer> idle;
  std::unique_ptr<Timer> lifetime;
};

ReceiverServer::ReceiverServer(ResultStore& store, Scheduler& scheduler, ServerLimits limits)
    : store_(store), scheduler_(scheduler), limits_(limits) {
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
  retry_ = scheduler_.createTimer([this] { retryUnstored(); });
  retry_->setSingleShot(true);
}

ReceiverServer::~ReceiverServer() {
  for (auto& [socket, station] : stations_) {
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
  }
}

bool ReceiverServer::listen(int port, std::string& error) {
  if (server_.listen(QHostAddress::Any, static_cast<quint16>(port))) return true;
  error = server_.errorString().toStdString();
  return false;
}

int ReceiverServer::port() const { return server_.serverPort(); }

void ReceiverServer::tell(ServerEvent e) {
  if (event) event(e);
}

void ReceiverServer::accept() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    socket->setParent(nullptr);
    const std::string address = addressOf(*socket);
    if (stations() >= limits_.maxStations) {
      ServerEvent e = eventOf(ServerEvent::Kind::TooMany, address);
      e.number = limits_.maxStations;
      tell(std::move(e));
      socket->abort();
      socket->deleteLater();
      continue;
    }
    // Qt reads no more from the system than this until we take it.
    socket->setReadBufferSize(kChunk);
    auto station = std::make_unique<Station>();
    station->socket = socket;
    station->address = address;
    station->idle = scheduler_.createTimer([this, socket] {
      // Quiet after whole messages is no fault.
      close(socket, leftUnsaid(*stations_.at(socket)));
    });
    station->idle->setSingleShot(true);
    station->idle->start(limits_.idleMs);
    station->lifetime = scheduler_.createTimer([this, socket] {
      ServerEvent e = eventOf(ServerEvent::Kind::Lingering, stations_.at(socket)->address);
      e.number = limits_.lifetimeMs / 1000;
      close(socket, e);
    });
    station->lifetime->setSingleShot(true);
    station->lifetime->start(limits_.lifetimeMs);
    Station& s = *station;
    stations_.emplace(socket, std::move(station));
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, &s] { read(s); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
      auto it = stations_.find(socket);
      if (it == stations_.end()) return;
      read(*it->second);
      if (stations_.count(socket) == 0) return;
      close(socket, leftUnsaid(*it->second));
    });
    // Bytes may have come with the connection.
    if (socket->bytesAvailable() > 0) read(s);
  }
}

std::optional<ServerEvent> ReceiverServer::leftUnsaid(const Station& s) const {
  if (!s.stream.sentAnything()) return eventOf(ServerEvent::Kind::Silent, s.address);
  if (s.stream.cutShort()) return eventOf(ServerEvent::Kind::CutShort, s.address);
  return std::nullopt;
}

void ReceiverServer::read(Station& s) {
  QTcpSocket* socket = s.socket;
  while (socket->bytesAvailable() > 0) {
    const QByteArray chunk = socket->read(kChunk);
    if (chunk.isEmpty()) break;
    s.idle->start(limits_.idleMs);
    StationStream::Taken taken =
        s.stream.take(std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
    const std::string receivedAt = now();
    for (const ResultMessage& m : taken.messages) storeMessage(m, s.address, receivedAt);
    if (taken.refusal) {
      ServerEvent e = eventOf(ServerEvent::Kind::Refused, s.address);
      e.line = static_cast<int>(taken.refusal->position);
      e.detail = taken.refusal->reason;
      return close(socket, e);
    }
  }
}

void ReceiverServer::close(QTcpSocket* socket, std::optional<ServerEvent> why) {
  auto it = stations_.find(socket);
  if (it == stations_.end()) return;
  if (why) tell(std::move(*why));
  // Its timers may be what called: the station goes with its socket, later.
  Station* station = it->second.release();
  stations_.erase(it);
  socket->disconnect();
  QObject::connect(socket, &QObject::destroyed, [station] { delete station; });
  socket->abort();
  socket->deleteLater();
}

void ReceiverServer::storeMessage(const ResultMessage& m, const std::string& station,
                                  const std::string& receivedAt) {
  StoredAttempt a;
  switch (store_.store(m, station, receivedAt, &a)) {
    case ResultStore::Outcome::Stored:
      tell(eventOf(ServerEvent::Kind::Stored, station, m));
      if (stored) stored(a);
      break;
    case ResultStore::Outcome::AlreadyStored:
      tell(eventOf(ServerEvent::Kind::StoredAgain, station, m));
      break;
    case ResultStore::Outcome::Failed: {
      ServerEvent e = eventOf(ServerEvent::Kind::NotStored, station, m);
      e.detail = store_.error();
      tell(std::move(e));
      if (unstored_.size() < kMaxUnstored) unstored_.push_back({m, station, receivedAt});
      if (!retry_->isActive()) retry_->start(limits_.retryMs);
      return;
    }
  }
  if (!unstored_.empty() && !retry_->isActive()) retry_->start(0);
}

void ReceiverServer::retryUnstored() {
  while (!unstored_.empty()) {
    Unstored u = std::move(unstored_.front());
    unstored_.pop_front();
    StoredAttempt a;
    const ResultStore::Outcome outcome = store_.store(u.message, u.station, u.receivedAt, &a);
    if (outcome == ResultStore::Outcome::Failed) {
      unstored_.push_front(std::move(u));
      retry_->start(limits_.retryMs);
      return;
    }
    if (outcome == ResultStore::Outcome::Stored) {
      tell(eventOf(ServerEvent::Kind::StoredLater, u.station, u.message));
      if (stored) stored(a);
    }
  }
}

}  // namespace ispyt::receiver
