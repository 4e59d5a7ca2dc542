// Results sent to a real teacher's computer on this machine: a local TCP
// server catches what each connection carries.  The workstation's waits run
// on the virtual clock; the sockets on Qt's event loop.

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "../ResultStamp.h"
#include "../ThreeTaskAttempt.h"
#include "platform/ManualScheduler.h"
#include "platform/Paths.h"
#include "platform/qt/QtTcpClient.h"
#include "results/Outbox.h"
#include "results/ResultFilesWriter.h"
#include "results/ResultSender.h"

using namespace ispyt;
using namespace ispyt::results_test;
namespace fs = std::filesystem;

namespace {

// Keeps what each connection carried, once the station closed it.
class Catcher : public QObject {
 public:
  Catcher() {
    connect(&server, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = server.nextPendingConnection()) {
        ++connections;
        auto bytes = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, s, [s, bytes] { bytes->append(s->readAll()); });
        connect(s, &QTcpSocket::disconnected, s, [this, s, bytes] {
          bytes->append(s->readAll());
          received.push_back(*bytes);
          s->deleteLater();
        });
      }
    });
  }
  bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
  quint16 port() const { return server.serverPort(); }

  QTcpServer server;
  int connections = 0;
  std::vector<QByteArray> received;
};

// A workstation's pieces: a program folder with one test folder, a
// three-task attempt finished in it, and the sender to a local port.
struct Station {
  explicit Station(const std::string& name, int mode) {
    root = fs::temp_directory_path() / ("ispyt-sending-" + name);
    fs::remove_all(root);
    folder = root / "Base" / "Set" / "Algebra";
    fs::create_directories(folder);
    openTest.testFolder = folder;
    openTest.testName = cp1251("Алгебра");
    openTest.attemptCode = mode == kModeExam ? "Z123" : "b123";
    openTest.currentTestPath = folder.string();
    settings.gradeScale = 12;
    settings.shuffle = true;
    attempt = threeTaskAttempt(mode);
    decor.sendResults = true;
    decor.address = {"127", "0", "0", "1"};
    sender = std::make_unique<ResultSender>(
        client, scheduler, ResultSender::Setup{root, [this] { return teacherAddressOf(decor); }});
    writer = std::make_unique<ResultFilesWriter>(ResultFilesContext{
        settings, root, openTest, attempt, test, card, result, random, resultStamp, sender.get()});
  }
  ~Station() {
    writer.reset();
    sender.reset();
    fs::remove_all(root);
  }
  // The end of the closing animation, after the result was written.
  void closingEnded() {
    writer->sendResult();
    writer->closeNetwork();
  }
  std::size_t waiting() { return waitingMessages(root, diskFileSystem()).size(); }
  QByteArray expected(const std::string& atEnd = "1") const {
    return QByteArray::fromStdString(threeTaskMessage(result.attemptCode, "A07", attempt.mode,
                                                      std::to_string(result.result120), atEnd));
  }

  fs::path root, folder;
  Settings settings;
  OpenTestState openTest;
  AttemptState attempt;
  ispyt::Test test = threeTaskTest();
  StudentCard card = threeTaskCard();
  AttemptResult result;
  Random random{7};
  DecorSettings decor;
  ManualScheduler scheduler;
  QtTcpClient client;
  std::unique_ptr<ResultSender> sender;
  std::unique_ptr<ResultFilesWriter> writer;
};

}  // namespace

class SendingTest : public QObject {
  Q_OBJECT

 private slots:
  void threeTasksArriveAsTwentyLinesAfterTheReportAndAfterTheClosing() {
    Catcher teacher;
    QVERIFY(teacher.listen());
    Station station("twenty", kModeTestPaper);
    station.decor.teacherPort = teacher.port();
    station.writer->writeResults();
    QTRY_COMPARE_WITH_TIMEOUT(teacher.received.size(), std::size_t{1}, 10000);
    QTRY_VERIFY(!station.sender->delivering());
    station.closingEnded();
    QTRY_COMPARE_WITH_TIMEOUT(teacher.received.size(), std::size_t{2}, 10000);
    for (const QByteArray& bytes : teacher.received) {
      QCOMPARE(bytes, station.expected());
      QCOMPARE(bytes.count("\r\n"), 20);
    }
    QTRY_VERIFY(!station.sender->delivering());
    QCOMPARE(station.waiting(), std::size_t{0});
  }

  void modeThreeSendsNothing() {
    Catcher teacher;
    QVERIFY(teacher.listen());
    Station station("exam", kModeExam);
    station.decor.teacherPort = teacher.port();
    station.writer->writeResults();
    station.closingEnded();
    QVERIFY(station.writer->outcome().stored());
    // Nothing was even begun: no connection can be on its way.
    QVERIFY(!station.sender->delivering());
    QCOMPARE(station.waiting(), std::size_t{0});
    QCoreApplication::processEvents();
    QCOMPARE(teacher.connections, 0);
  }

  void endKeyResendCarriesZeroAfterOneSecondOnTheVirtualClock() {
    Catcher teacher;
    QVERIFY(teacher.listen());
    Station station("endkey", kModeMonitoring);
    station.settings.password = 4321;
    station.decor.teacherPort = teacher.port();
    station.writer->writeResults();
    QTRY_VERIFY_WITH_TIMEOUT(!station.sender->delivering(), 10000);
    station.closingEnded();
    QTRY_COMPARE_WITH_TIMEOUT(teacher.received.size(), std::size_t{2}, 10000);
    QTRY_VERIFY(!station.sender->delivering());

    station.sender->resendLast();
    station.scheduler.advance(kResendDelayMs - 1);
    QVERIFY(!station.sender->delivering());  // nothing goes before the second is over
    station.scheduler.advance(1);
    QVERIFY(station.sender->delivering());
    QTRY_COMPARE_WITH_TIMEOUT(teacher.received.size(), std::size_t{3}, 10000);
    const QByteArray resent = teacher.received[2];
    QCOMPARE(resent, QByteArray::fromStdString(
                         threeTaskMessage(station.result.attemptCode, "A07-4321", kModeMonitoring,
                                          std::to_string(station.result.result120), "0")));
  }

  void aTeacherComputerThatIsOffLosesNothing() {
    quint16 port = 0;
    {
      Catcher probe;  // a port that nobody listens on any more
      QVERIFY(probe.listen());
      port = probe.port();
    }
    Station station("off", kModeTraining);
    station.decor.teacherPort = port;
    station.writer->writeResults();
    station.closingEnded();  // the same message, still waiting: kept once
    QTRY_VERIFY_WITH_TIMEOUT(!station.sender->delivering(), 10000);
    QVERIFY(!station.sender->lastFailure().empty());
    QCOMPARE(station.waiting(), std::size_t{1});

    Catcher teacher;
    QVERIFY(teacher.listen(port));
    station.sender->deliver();  // the next sending moment
    QTRY_COMPARE_WITH_TIMEOUT(teacher.received.size(), std::size_t{1}, 10000);
    QCOMPARE(teacher.received[0], station.expected());
    QTRY_COMPARE(station.waiting(), std::size_t{0});
  }
};

QTEST_GUILESS_MAIN(SendingTest)
#include "SendingTest.moc"
