// The receiver with real stations on this machine: many at once, the same
// result twice, junk beside a good result, a silent station and a flood.
// Its waits run on the virtual clock; the sockets on Qt's event loop.

#include <QTcpSocket>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "receiver/qt/ReceiverServer.h"

using namespace ispyt;
using namespace ispyt::receiver;
namespace fs = std::filesystem;

namespace {

QByteArray message(const std::string& code, const std::string& name = "Іваненко Петро") {
  ResultMessage m;
  m.attemptCode = code;
  m.cardCode = "A07";
  m.elapsed = 600;
  m.timeText = "09:04:07";
  m.mode = 2;
  m.fullName = cp1251(name);
  m.classGroup = cp1251("10-Б");
  m.dateText = "05.12.26";
  m.testName = cp1251("Алгебра");
  m.percent = 80;
  m.result120 = 96;
  m.taskCount = 3;
  m.taskPercent = {0, 100, 50, 90};
  m.answerText[1] = "12";
  return QByteArray::fromStdString(resultMessageBytes(m));
}

struct Receiver {
  explicit Receiver(const char* name) {
    file = fs::temp_directory_path() / (std::string("ispyt-receiver-") + name + ".db");
    clean();
    std::string error;
    store = ResultStore::open(file, error);
    server = std::make_unique<ReceiverServer>(*store, scheduler);
    server->event = [this](const ServerEvent& e) {
      log.push_back(QString::fromStdString(logLine(e)));
    };
    server->listen(0, error);
  }
  ~Receiver() {
    server.reset();
    store.reset();
    clean();
  }
  void clean() {
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(file.string() + end);
  }
  // A station that connects and writes `bytes` (then closes, unless told not to).
  QTcpSocket* station(const QByteArray& bytes, bool close = true) {
    auto* s = new QTcpSocket;
    stations.emplace_back(s);
    s->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(server->port()));
    if (!bytes.isEmpty()) s->write(bytes);
    if (close) s->disconnectFromHost();
    return s;
  }
  bool logged(const QString& part) const {
    for (const QString& line : log)
      if (line.contains(part)) return true;
    return false;
  }

  fs::path file;
  ManualScheduler scheduler;
  std::unique_ptr<ResultStore> store;
  std::unique_ptr<ReceiverServer> server;
  std::vector<std::unique_ptr<QTcpSocket>> stations;
  QStringList log;
};

}  // namespace

class ReceiverServerTest : public QObject {
  Q_OBJECT

 private slots:
  void thirtyStationsAtOnceAreEachStoredOnce() {
    Receiver r("thirty");
    // Each sends its result twice on one connection, as after an attempt.
    for (int i = 0; i < 30; ++i) {
      const QByteArray m = message("b" + std::to_string(100 + i));
      r.station(m + m);
    }
    QTRY_COMPARE_WITH_TIMEOUT(r.store->count(), 30LL, 20000);
    QTRY_COMPARE(r.server->stations(), 0);
    const auto all = r.store->attempts();
    for (const StoredAttempt& a : all) QCOMPARE(r.store->tasks(a.id).size(), std::size_t{3});
    QCOMPARE(r.store->count(), 30LL);
  }

  void theSameResultFromTwoConnectionsIsStoredOnce() {
    Receiver r("twice");
    r.station(message("b123"));
    QTRY_COMPARE(r.store->count(), 1LL);
    r.station(message("b123"));
    QTRY_VERIFY(r.logged("again, stored already"));
    QCOMPARE(r.store->count(), 1LL);
  }

  void junkIsRefusedWhileAGoodResultArrivesBeside() {
    Receiver r("junk");
    QTcpSocket* junk = r.station("b123\r\nA07\r\nGET / HTTP/1.1\r\n", false);
    QTcpSocket* binary = r.station(QByteArray("\x00\x01\x02\xff\xfe\r\n", 7), false);
    QTcpSocket* half = r.station(message("b200").left(60), false);
    r.station(message("b201", "Коваль Олена"));
    QTRY_COMPARE(r.store->count(), 1LL);
    QCOMPARE(QString::fromStdString(r.store->attempts()[0].fullName), QString("Коваль Олена"));
    // The junk is told to go; the half message waits for the rest.
    QTRY_COMPARE(junk->state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(binary->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(r.logged("not a result message, line 3"));
    QVERIFY(r.logged("not a result message, line 1"));
    half->disconnectFromHost();
    QTRY_VERIFY(r.logged("the message is cut short"));
    QCOMPARE(r.store->count(), 1LL);
  }

  void aSilentStationIsClosedOnTheClock() {
    Receiver r("silent");
    QTcpSocket* silent = r.station({}, false);
    QTRY_COMPARE(r.server->stations(), 1);
    r.scheduler.advance(ServerLimits{}.idleMs - 1);
    QCoreApplication::processEvents();
    QCOMPARE(r.server->stations(), 1);
    r.scheduler.advance(1);
    QCOMPARE(r.server->stations(), 0);
    QVERIFY(r.logged("connected and sent nothing"));
    QTRY_COMPARE(silent->state(), QAbstractSocket::UnconnectedState);
    // A good station is served after it.
    r.station(message("b300"));
    QTRY_COMPARE(r.store->count(), 1LL);
  }

  void aTenMegabyteMessageIsRefusedAndOthersStillGetThrough() {
    Receiver r("flood");
    QByteArray flood = message("b400");
    flood.append(QByteArray(10 * 1024 * 1024, 'A'));
    r.station(flood, false);
    r.station(message("b401"));
    QTRY_VERIFY_WITH_TIMEOUT(r.logged("a line longer than"), 20000);
    QTRY_COMPARE(r.store->count(), 2LL);  // the whole one before the flood counts
    QTRY_COMPARE(r.server->stations(), 0);
  }
};

QTEST_GUILESS_MAIN(ReceiverServerTest)
#include "ReceiverServerTest.moc"
