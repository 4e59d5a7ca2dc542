// The receiver's window over a database of a few results: the table, its
// filters, the tasks of the attempt chosen, the export of what is shown.

#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

#include "platform/Cp1251.h"
#include "receiver/ui/ReceiverWindow.h"

using namespace ispyt;
using namespace ispyt::receiver;
namespace fs = std::filesystem;

namespace {

ResultMessage message(const std::string& code, const std::string& name, const std::string& group,
                      const std::string& test, int percent, int result120,
                      const std::string& time) {
  ResultMessage m;
  m.attemptCode = code;
  m.cardCode = "A07";
  m.elapsed = 900;
  m.timeText = time;
  m.mode = 2;
  m.fullName = cp1251(name);
  m.classGroup = cp1251(group);
  m.dateText = "05.12.26";
  m.testName = cp1251(test);
  m.percent = percent;
  m.result120 = result120;
  m.taskCount = 4;
  m.taskPercent = {0, 100, 50, 0, 75};
  m.answerText[1] = "12";
  m.answerText[2] = cp1251("В Г");
  m.answerText[3] = "";
  m.answerText[4] = cp1251("Київ");
  return m;
}

}  // namespace

class ReceiverWindowTest : public QObject {
  Q_OBJECT

  fs::path file = fs::temp_directory_path() / "ispyt-receiver-window.db";
  std::unique_ptr<ResultStore> store;

  void clean() {
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(file.string() + end);
  }

 private slots:
  void init() {
    clean();
    std::string error;
    store = ResultStore::open(file, error);
    QVERIFY(store);
    store->store(message("b101", "Бондар Андрій", "10-Б", "Алгебра 8 клас", 85, 104, "09:10:03"),
                 "192.168.1.21", "2026-12-05 09:10:04");
    store->store(message("b102", "Шевченко Олена", "10-А", "Алгебра 8 клас", 100, 120, "09:11:40"),
                 "192.168.1.22", "2026-12-05 09:11:41");
    store->store(
        message("b103", "Коваль Марія", "10-Б", "Українська мова 7 клас", 40, 50, "09:12:15"),
        "192.168.1.23", "2026-12-05 09:12:16");
  }
  void cleanup() {
    store.reset();
    clean();
  }

  void showsFiltersAndExports() {
    ReceiverWindow window(*store, "Порт 62");
    window.show();
    QCOMPARE(window.view().rowCount(), 3);
    QCOMPARE(window.classBox()->count(), 3);  // all, 10-А, 10-Б
    QCOMPARE(window.testBox()->count(), 3);

    // A fourth arrives while the window is open.
    StoredAttempt a;
    store->store(message("b104", "Ткач Іван", "11-А", "Алгебра 8 клас", 60, 72, "09:13:00"),
                 "192.168.1.24", "2026-12-05 09:13:01", &a);
    window.addStored(a);
    QCOMPARE(window.view().rowCount(), 4);
    QCOMPARE(window.classBox()->count(), 4);

    window.classBox()->setCurrentIndex(window.classBox()->findText("10-Б"));
    QCOMPARE(window.view().rowCount(), 2);
    window.testBox()->setCurrentIndex(window.testBox()->findText("Алгебра 8 клас"));
    QCOMPARE(window.view().rowCount(), 1);
    window.classBox()->setCurrentIndex(0);
    QCOMPARE(window.view().rowCount(), 3);

    // Sorted by per cent, highest first.
    window.table()->sortByColumn(static_cast<int>(Column::Percent), Qt::DescendingOrder);
    QCOMPARE(window.view().index(0, static_cast<int>(Column::Name)).data().toString(),
             QString("Шевченко Олена"));

    // The tasks of the attempt chosen.
    window.table()->selectRow(0);
    QCOMPARE(window.tasks()->rowCount(), 4);
    QCOMPARE(window.tasks()->item(1, 2)->text(), QString("В Г"));
    QCOMPARE(window.tasks()->item(3, 1)->text(), QString("75"));

    const QString out =
        QString::fromStdString((fs::temp_directory_path() / "ispyt-shown.csv").string());
    QString error;
    QVERIFY(window.exportShown(out, error));
    QFile csv(out);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // the titles, three rows, and the end
    QVERIFY(lines[1].contains(QString("Шевченко Олена").toUtf8()));
    QFile::remove(out);
  }
};

QTEST_MAIN(ReceiverWindowTest)
#include "ReceiverWindowTest.moc"
