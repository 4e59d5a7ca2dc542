#pragma once
// A TCP client that goes nowhere: it records every call, and the test says
// how each connection ends.

#include <string>
#include <vector>

#include "platform/TcpClient.h"

namespace ispyt {

class FakeTcpClient : public TcpClient {
 public:
  struct Connection {
    std::string host;
    int port = 0;
    std::string sent;
    bool closing = false;
    bool aborted = false;
  };
  std::vector<Connection> connections;

  void setEvents(Events events) override { events_ = std::move(events); }
  void setHost(const std::string& host) override { host_ = host; }
  void setPort(int port) override { port_ = port; }
  void open() override { connections.push_back({host_, port_, {}, false, false}); }
  void send(std::string_view bytes) override { connections.back().sent.append(bytes); }
  void close() override { connections.back().closing = true; }
  void abort() override {
    if (!connections.empty()) connections.back().aborted = true;
  }

  // The open connection ends.
  void closeCleanly() { events_.closed(); }
  void fail(const std::string& what = "refused") { events_.failed(what); }
  // What the connections carried, in order.
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const Connection& c : connections) out.push_back(c.sent);
    return out;
  }

 private:
  Events events_;
  std::string host_;
  int port_ = 0;
};

}  // namespace ispyt
