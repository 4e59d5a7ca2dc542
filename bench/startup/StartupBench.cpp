// Start-up of ispyt beside a bare Qt Widgets window (bench_BareWindow), in
// the same run and taken in turns, so that a busy machine slows both alike:
// from the launch to the first frame painted, offscreen at 800x800 and
// 1920x1080 and, when DISPLAY is set, on that X server; then the memory
// (RSS) of both once ispyt's intro has ended, at 1920x1080.  Prints the
// medians and their ratio.
//
//   bench_Startup ISPYT BARE PROGRAM_FOLDER [RUNS]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Launch {
  QString program;
  QStringList arguments;
};

struct Screen {
  QString name;
  QString platform;  // QT_QPA_PLATFORM
};

QProcessEnvironment environmentFor(const Screen& screen) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", screen.platform);
  env.insert("ISPYT_REPORT_FIRST_FRAME", "1");
  env.insert("ISPYT_SEED", "1");
  return env;
}

// Starts `launch` and waits for its report of the first frame; returns the
// milliseconds from the start, or -1.  The process is left running.
double startToFirstFrame(QProcess& process, const Launch& launch, const Screen& screen) {
  process.setProcessEnvironment(environmentFor(screen));
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.setReadChannel(QProcess::StandardError);
  QElapsedTimer clock;
  clock.start();
  process.start(launch.program, launch.arguments);
  QByteArray seen;
  while (!seen.contains("first frame painted")) {
    if (!process.waitForReadyRead(10000)) return -1;
    seen += process.readAllStandardError();
  }
  return clock.nsecsElapsed() / 1e6;
}

void stop(QProcess& process) {
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(5000);
  }
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double rssMiB(qint64 pid) {
  QFile status(QString("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  return -1;
}

void timeStart(const Launch& ispyt, const Launch& bare, const Screen& screen, int runs) {
  std::vector<double> ours, theirs;
  for (int i = 0; i < runs; ++i) {
    for (int which = 0; which < 2; ++which) {
      // Taken in turns, ispyt first on even runs, so neither always goes first.
      const bool ispytNow = (which == 0) == (i % 2 == 0);
      QProcess process;
      const double ms = startToFirstFrame(process, ispytNow ? ispyt : bare, screen);
      stop(process);
      if (ms >= 0) (ispytNow ? ours : theirs).push_back(ms);
    }
  }
  const double a = median(ours), b = median(theirs);
  std::printf(
      "start to first frame, %-18s ispyt %7.1f ms  bare Qt window %6.1f ms  ratio %4.2f"
      "  (medians of %zu/%zu runs)\n",
      qPrintable(screen.name), a, b, b > 0 ? a / b : 0, ours.size(), theirs.size());
}

void idleMemory(const Launch& ispyt, const Launch& bare, const Screen& screen, int runs) {
  std::vector<double> ours, theirs;
  Launch stayingBare = bare;
  stayingBare.arguments << "--stay";
  for (int i = 0; i < runs; ++i) {
    QProcess a, b;
    if (startToFirstFrame(a, ispyt, screen) < 0 || startToFirstFrame(b, stayingBare, screen) < 0) {
      stop(a);
      stop(b);
      continue;
    }
    // The intro takes about six seconds; after it the idle loop only copies.
    QThread::msleep(9000);
    ours.push_back(rssMiB(a.processId()));
    theirs.push_back(rssMiB(b.processId()));
    stop(a);
    stop(b);
  }
  std::printf(
      "idle memory (RSS),   %-18s ispyt %7.1f MiB bare Qt window %6.1f MiB"
      " (medians of %zu runs, range %.1f-%.1f MiB)\n",
      qPrintable(screen.name), median(ours), median(theirs), ours.size(),
      ours.empty() ? 0 : *std::min_element(ours.begin(), ours.end()),
      ours.empty() ? 0 : *std::max_element(ours.begin(), ours.end()));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: bench_Startup ISPYT BARE PROGRAM_FOLDER [RUNS]\n");
    return 2;
  }
  const int runs = args.size() > 4 ? std::max(1, args[4].toInt()) : 15;
  // ispyt writes nothing at start-up it would not write anyway, but it runs
  // on a copy so that the folder given stays as it was.
  QTemporaryDir folder;
  if (!folder.isValid() || QProcess::execute("cp", {"-r", args[3] + "/.", folder.path()}) != 0) {
    std::fprintf(stderr, "cannot copy %s\n", qPrintable(args[3]));
    return 1;
  }
  const Launch ispyt{args[1], {"--program-folder", folder.path()}};
  const Launch bare{args[2], {}};

  const QString config = folder.filePath("screen-1920x1080.json");
  QFile json(config);
  if (!json.open(QIODevice::WriteOnly)) return 1;
  json.write(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1920,"height":1080,)"
             R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
  json.close();

  const Screen small{"offscreen 800x800", "offscreen"};
  const Screen large{"offscreen 1920x1080", "offscreen:configfile=" + config};
  timeStart(ispyt, bare, small, runs);
  timeStart(ispyt, bare, large, runs);
  const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
  const Screen xvfb{"X " + qEnvironmentVariable("ISPYT_BENCH_SCREEN", "screen"), "xcb"};
  if (x11) timeStart(ispyt, bare, xvfb, runs);
  const int memoryRuns = std::max(1, runs / 5);
  idleMemory(ispyt, bare, large, memoryRuns);
  if (x11) idleMemory(ispyt, bare, xvfb, memoryRuns);
  return 0;
}
