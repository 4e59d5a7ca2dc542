#include "platform/qt/QtTcpClient.h"

#include <QTimer>

namespace ispyt {

QtTcpClient::QtTcpClient() {
  QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { connected(); });
  QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_, [this] { disconnected(); });
  QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                   [this](QAbstractSocket::SocketError e) { failedWith(e); });
}

QtTcpClient::~QtTcpClient() {
  ++generation_;
  socket_.disconnect();
  socket_.abort();
}

void QtTcpClient::open() {
  abort();
  done_ = false;
  socket_.connectToHost(host_, static_cast<quint16>(port_));
}

void QtTcpClient::send(std::string_view bytes) {
  if (done_) return;
  if (socket_.state() == QAbstractSocket::ConnectedState)
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  else
    waiting_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void QtTcpClient::close() {
  if (done_) return;
  closing_ = true;
  if (socket_.state() == QAbstractSocket::ConnectedState) socket_.disconnectFromHost();
}

void QtTcpClient::abort() {
  ++generation_;
  done_ = true;
  closing_ = false;
  waiting_.clear();
  socket_.abort();
}

void QtTcpClient::connected() {
  if (!waiting_.isEmpty()) socket_.write(waiting_);
  waiting_.clear();
  if (closing_) socket_.disconnectFromHost();
}

void QtTcpClient::disconnected() {
  if (done_) return;
  done_ = true;
  // A peer that closed before our close may not have read everything.
  if (closing_ && socket_.bytesToWrite() == 0 && waiting_.isEmpty())
    post([this] {
      if (events_.closed) events_.closed();
    });
  else
    post([this] {
      if (events_.failed) events_.failed("closed by the peer");
    });
}

void QtTcpClient::failedWith(QAbstractSocket::SocketError error) {
  // The peer closing after reading all we wrote is a clean end.
  if (error == QAbstractSocket::RemoteHostClosedError && closing_ && socket_.bytesToWrite() == 0 &&
      waiting_.isEmpty())
    return disconnected();
  if (done_) return;
  done_ = true;
  const std::string what = socket_.errorString().toStdString();
  socket_.abort();
  post([this, what] {
    if (events_.failed) events_.failed(what);
  });
}

void QtTcpClient::post(std::function<void()> event) {
  const int generation = generation_;
  QTimer::singleShot(0, &socket_, [this, generation, event = std::move(event)] {
    if (generation == generation_) event();
  });
}

}  // namespace ispyt
