// ispyt-receiver: the teacher's computer's side of sending results.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/ReplaceFile.h"
#include "platform/qt/QtScheduler.h"
#include "receiver/ReceiverOptions.h"
#include "receiver/ResultColumns.h"
#include "receiver/ResultStore.h"
#include "receiver/qt/ReceiverServer.h"
#include "receiver/ui/ReceiverWindow.h"

namespace {

using namespace ispyt;
using namespace ispyt::receiver;

void say(const std::string& line) {
  std::fprintf(stderr, "ispyt-receiver: %s\n", line.c_str());
  std::fflush(stderr);
}

std::string defaultDatabase() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(folder);
  return QDir(folder).filePath("results.db").toStdString();
}

int exportCsv(const ReceiverOptions& o, const std::string& database) {
  std::string error;
  std::unique_ptr<ResultStore> store = ResultStore::open(database, error);
  if (!store) {
    say("cannot open " + database + ": " + error);
    return 1;
  }
  const std::vector<StoredAttempt> attempts = store->attempts();
  if (std::error_code e = replaceFile(o.exportCsv, attemptsCsv(attempts))) {
    say("cannot write " + o.exportCsv + ": " + e.message());
    return 1;
  }
  say(std::to_string(attempts.size()) + " attempt(s) written to " + o.exportCsv);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ReceiverOptions o = parseReceiverOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (o.help) {
    std::fputs(kReceiverHelp, stdout);
    return 0;
  }
  if (o.version) {
    std::printf("ispyt-receiver %s\n", ISPYT_VERSION);
    return 0;
  }
  if (!o.error.empty()) {
    std::fprintf(stderr, "ispyt-receiver: %s\n\n%s", o.error.c_str(), kReceiverHelp);
    return 2;
  }
  std::unique_ptr<QCoreApplication> app;
  if (o.headless || !o.exportCsv.empty())
    app = std::make_unique<QCoreApplication>(argc, argv);
  else
    app = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName("ispyt-receiver");
  const std::string database = o.database.empty() ? defaultDatabase() : o.database;
  if (!o.exportCsv.empty()) return exportCsv(o, database);

  auto fail = [&](const std::string& text) {
    say(text);
    if (!o.headless) QMessageBox::critical(nullptr, "ispyt-receiver", QString::fromStdString(text));
    return 1;
  };
  std::string error;
  std::unique_ptr<ResultStore> store = ResultStore::open(database, error);
  if (!store) return fail("cannot open the database " + database + ": " + error);
  QtScheduler scheduler;
  ReceiverServer server(*store, scheduler);
  if (!server.listen(o.port, error))
    return fail("cannot listen on port " + std::to_string(o.port) + ": " + error +
                (o.port < 1024 ? " (a port below 1024 may need the administrator's rights: "
                                 "try --port 6200 and set the stations' port to match)"
                               : ""));
  say("listening on port " + std::to_string(server.port()) + ", storing in " + database);

  std::unique_ptr<ReceiverWindow> window;
  if (!o.headless) {
    window = std::make_unique<ReceiverWindow>(
        *store, QString::fromStdString("Порт " + std::to_string(server.port()) + " · " + database));
    window->appendLog(
        QString::fromStdString("Очікую результати на порту " + std::to_string(server.port())));
    window->show();
  }
  server.event = [&](const ServerEvent& e) {
    say(logLine(e));
    if (window) window->appendLog(QString::fromStdString(windowLine(e)));
  };
  server.stored = [&](const StoredAttempt& a) {
    if (window) window->addStored(a);
  };
  return app->exec();
}
