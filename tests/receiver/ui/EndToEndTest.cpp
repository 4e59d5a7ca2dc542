// The whole road, between real processes: a workstation's run
// (ispyt-tool simulate) with the teacher's computer off, then the receiver
// (ispyt-receiver --headless) up and another run, then the export.

#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpServer>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "platform/Cp1251.h"
#include "receiver/ResultStore.h"

using namespace ispyt;
using namespace ispyt::receiver;
namespace fs = std::filesystem;

namespace {

const fs::path kBuiltDemo = fs::path(ISPYT_TOOL).parent_path() / "demo";
const fs::path kScripts = fs::path(ISPYT_FIXTURES).parent_path().parent_path() / "demo" / "scripts";

struct Run {
  int status = -1;
  QByteArray out, err;
};

Run run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  Run r;
  if (!p.waitForFinished(60000)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

QString path(const fs::path& p) { return QString::fromStdString(p.string()); }

std::size_t filesIn(const fs::path& folder, const std::string& extension) {
  std::size_t n = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    n += it->path().extension() == extension;
  return n;
}

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

  fs::path root = fs::temp_directory_path() / "ispyt-end-to-end";
  fs::path program = root / "station";
  fs::path database = root / "results.db";
  fs::path testFolder = program / "Base" / "Шкільні тести" / "Усі типи завдань";

  Run simulate(const QString& teacher) {
    return run(ISPYT_TOOL, {"simulate", path(testFolder),
                            path(kScripts / "mode2-all-types-key.script"), "--teacher", teacher});
  }

 private slots:
  void initTestCase() {
    fs::remove_all(root);
    fs::create_directories(root);
    fs::copy(kBuiltDemo, program, fs::copy_options::recursive);
    // Sending switched on, as the appearance dialog saves it.
    fs::create_directories(program / "Decor");
    std::ofstream(program / "Decor" / "decor.ini", std::ios::binary)
        << cp1251("[сервер]\r\nCheckBox6=1\r\n");
  }
  void cleanupTestCase() { fs::remove_all(root); }

  void resultsWaitWhileTheTeacherIsAwayAndArriveInOrderLater() {
    // Nobody listens on this port: the run still succeeds.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QString away = "127.0.0.1:" + QString::number(probe.serverPort());
    probe.close();
    const Run first = simulate(away);
    QCOMPARE(first.status, 0);
    QVERIFY2(first.out.contains("\"written\": true"), first.out.constData());
    QVERIFY2(first.out.contains("\"waiting\": 1"), first.out.constData());
    QVERIFY(first.err.contains("wait in Outbox"));
    QCOMPARE(filesIn(testFolder, ".rez"), std::size_t{1});
    QCOMPARE(filesIn(program / "Outbox", ".msg"), std::size_t{1});

    QProcess receiver;
    receiver.start(ISPYT_RECEIVER, {"--headless", "--port", "0", "--db", path(database)});
    QVERIFY(receiver.waitForStarted());
    // Stopped however the test ends.
    const auto stop = qScopeGuard([&] {
      receiver.terminate();
      if (!receiver.waitForFinished(10000)) receiver.kill();
      receiver.waitForFinished();
    });
    QByteArray said;
    QRegularExpressionMatch port;
    QTRY_VERIFY_WITH_TIMEOUT(
        (said += receiver.readAllStandardError(),
         (port = QRegularExpression("listening on port (\\d+)").match(QString::fromUtf8(said)))
             .hasMatch()),
        20000);

    const Run second = simulate("127.0.0.1:" + port.captured(1));
    QCOMPARE(second.status, 0);
    QVERIFY2(second.out.contains("\"delivered\": 2"), second.out.constData());
    QVERIFY2(second.out.contains("\"waiting\": 0"), second.out.constData());
    QCOMPARE(filesIn(program / "Outbox", ".msg"), std::size_t{0});
    QCOMPARE(filesIn(testFolder, ".rez"), std::size_t{2});

    std::string error;
    std::unique_ptr<ResultStore> store;
    QTRY_VERIFY_WITH_TIMEOUT(
        (store = ResultStore::open(database, error), store && store->count() == 2), 20000);
    const auto attempts = store->attempts();
    // In the order the runs made them: the one that waited first.
    QVERIFY(attempts[0].receivedAt <= attempts[1].receivedAt);
    QVERIFY(QString::fromStdString(first.out.toStdString())
                .contains(QString::fromStdString("\"attemptCode\": \"" + attempts[0].attemptCode)));
    QCOMPARE(QString::fromStdString(attempts[0].fullName), QString("Шевченко Олена"));
    store.reset();

    const fs::path csv = root / "results.csv";
    const Run exported = run(ISPYT_RECEIVER, {"--export-csv", path(csv), "--db", path(database)});
    QCOMPARE(exported.status, 0);
    std::ifstream in(csv, std::ios::binary);
    std::string title;
    std::getline(in, title);
    QCOMPARE(QString::fromStdString(title),
             QString("\xEF\xBB\xBF"
                     "Дата;Час;Клас;Прізвище, ім'я;Тест;Режим;Відсоток;Бал (з 120);"
                     "Оцінка (з 12);Станція;Код спроби;Код картки;Тривалість, с\r"));
    std::size_t rows = 0;
    for (std::string line; std::getline(in, line);) rows += !line.empty();
    QCOMPARE(rows, std::size_t{2});
  }
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
