#pragma once
// The TCP client on Qt's sockets.

#include <QByteArray>
#include <QTcpSocket>

#include "platform/TcpClient.h"

namespace ispyt {

class QtTcpClient : public TcpClient {
 public:
  QtTcpClient();
  ~QtTcpClient() override;

  void setEvents(Events events) override { events_ = std::move(events); }
  void setHost(const std::string& host) override { host_ = QString::fromStdString(host); }
  void setPort(int port) override { port_ = port; }
  void open() override;
  void send(std::string_view bytes) override;
  void close() override;
  void abort() override;

 private:
  void connected();
  void disconnected();
  void failedWith(QAbstractSocket::SocketError error);
  // Events go out from the event loop, so that a handler may open the next
  // connection at once.
  void post(std::function<void()> event);

  Events events_;
  QString host_;
  int port_ = 0;
  QTcpSocket socket_;
  QByteArray waiting_;  // sent before the connection was made
  bool closing_ = false;
  bool done_ = true;    // the outcome of this connection was told
  int generation_ = 0;  // events of an earlier connection are dropped
};

}  // namespace ispyt
