#pragma once
// A TCP client that never blocks the window: opening, sending and closing
// only start the work, and the outcome comes back as an event on the
// window's own thread, never from inside the call that started it.  The
// program uses Qt's sockets; tests put in a fake or a real one.

#include <functional>
#include <string>
#include <string_view>

namespace ispyt {

class TcpClient {
 public:
  struct Events {
    // After close(): every byte sent reached the system and the connection
    // is closed.
    std::function<void()> closed;
    // No route, refused, reset, closed by the peer before everything was
    // written ...: the connection is gone.  `what` is for a log.
    std::function<void(const std::string& what)> failed;
  };

  virtual ~TcpClient() = default;
  virtual void setEvents(Events events) = 0;
  // A dotted IPv4 address or a host name.
  virtual void setHost(const std::string& host) = 0;
  virtual void setPort(int port) = 0;
  virtual void open() = 0;
  // Bytes sent before the connection is made wait for it.
  virtual void send(std::string_view bytes) = 0;
  // Closes once everything sent is written; `closed` or `failed` follows.
  virtual void close() = 0;
  // Drops the connection at once; no event follows.
  virtual void abort() = 0;
};

}  // namespace ispyt
