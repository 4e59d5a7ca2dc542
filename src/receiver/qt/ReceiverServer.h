#pragma once
// The receiver's listening side: takes connections from many stations at
// once, reads what each sends as result messages, stores every whole one
// and logs what it refuses.  One station never holds up another: each
// connection is read as its bytes come, into a bounded buffer, and one that
// stays silent or lingers is closed.

#include <QObject>
#include <QTcpServer>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Scheduler.h"
#include "receiver/ResultStore.h"
#include "receiver/ServerEvent.h"
#include "receiver/StationStream.h"

class QTcpSocket;

namespace ispyt::receiver {

struct ServerLimits {
  int idleMs = 30 * 1000;          // no byte for this long: the connection is closed
  int lifetimeMs = 5 * 60 * 1000;  // the longest a connection stays open
  int maxStations = 256;           // connections open at once
  int retryMs = 10 * 1000;         // a result the database refused is tried again
};

class ReceiverServer {
 public:
  ReceiverServer(ResultStore& store, Scheduler& scheduler, ServerLimits limits = {});
  ~ReceiverServer();

  // Port 0 takes a free one.  False, with `error`, when it cannot listen.
  bool listen(int port, std::string& error);
  int port() const;
  int stations() const { return static_cast<int>(stations_.size()); }
  // Results received but not yet in the database (it refused them).
  int unstored() const { return static_cast<int>(unstored_.size()); }

  std::function<void(const ServerEvent& event)> event;
  std::function<void(const StoredAttempt& attempt)> stored;  // a new attempt

 private:
  struct Station;
  struct Unstored {
    ResultMessage message;
    std::string station;
    std::string receivedAt;
  };
  void accept();
  void read(Station& station);
  // A station gone quiet, or gone, with nothing or half a message sent.
  std::optional<ServerEvent> leftUnsaid(const Station& station) const;
  // Closes the connection, telling `why` unless it is nothing.
  void close(QTcpSocket* socket, std::optional<ServerEvent> why);
  void storeMessage(const ResultMessage& message, const std::string& station,
                    const std::string& receivedAt);
  void retryUnstored();
  void tell(ServerEvent event);

  ResultStore& store_;
  Scheduler& scheduler_;
  ServerLimits limits_;
  QTcpServer server_;
  std::map<QTcpSocket*, std::unique_ptr<Station>> stations_;
  std::deque<Unstored> unstored_;
  std::unique_ptr<Timer> retry_;
};

}  // namespace ispyt::receiver
