// The teacher's receiver under a class at once: 30 stations, each sending
// its results over connections of their own (one message each, as a
// workstation sends), all at the same time, into a database on disk that
// commits every result.  Reports messages stored per second.

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/Cp1251.h"
#include "platform/qt/QtScheduler.h"
#include "receiver/qt/ReceiverServer.h"

namespace {

namespace fs = std::filesystem;
using namespace ispyt;
using namespace ispyt::receiver;

constexpr int kStations = 30;

std::string message(int station, int n) {
  ResultMessage m;
  m.attemptCode = "b" + std::to_string(100 + n);
  m.cardCode = "A" + std::to_string(10 + station);
  m.elapsed = 900;
  m.timeText = "09:04:07";
  m.mode = 2;
  m.fullName = cp1251("Учень ") + std::to_string(station);
  m.classGroup = cp1251("10-Б");
  m.dateText = "05.12.26";
  m.testName = cp1251("Алгебра 8 клас");
  m.percent = 80;
  m.result120 = 96;
  m.taskCount = 20;
  for (int k = 1; k <= 20; ++k) {
    m.taskPercent[k] = (k * 37) % 101;
    m.answerText[k] = cp1251("відповідь ") + std::to_string(k);
  }
  return resultMessageBytes(m);
}

// One connection, one message, closed: a workstation's delivery.
void sendOne(int port, const std::string& bytes) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
  }
  ::close(fd);
}

void BM_ThirtyStationsAtOnce(benchmark::State& state) {
  const int perStation = static_cast<int>(state.range(0));
  int argc = 1;
  char name[] = "bench";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  const fs::path file = fs::temp_directory_path() / "ispyt-bench-receiver.db";
  int round = 0;
  std::int64_t stored = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(file.string() + end);
    std::string error;
    auto store = ResultStore::open(file, error);
    QtScheduler scheduler;
    ReceiverServer server(*store, scheduler);
    server.listen(0, error);
    const int port = server.port();
    std::vector<std::vector<std::string>> messages(kStations);
    for (int s = 0; s < kStations; ++s)
      for (int n = 0; n < perStation; ++n) messages[s].push_back(message(s, round * 1000 + n));
    ++round;
    int count = 0;
    QEventLoop loop;
    server.stored = [&](const StoredAttempt&) {
      if (++count == kStations * perStation) loop.quit();
    };
    state.ResumeTiming();

    std::vector<std::thread> stations;
    for (int s = 0; s < kStations; ++s)
      stations.emplace_back([&, s] {
        for (const std::string& m : messages[s]) sendOne(port, m);
      });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);  // a bound, never reached
    loop.exec();
    for (std::thread& t : stations) t.join();
    stored += count;
    if (count != kStations * perStation) state.SkipWithError("not every message was stored");
  }
  state.counters["messages/s"] =
      benchmark::Counter(static_cast<double>(stored), benchmark::Counter::kIsRate);
  for (const char* end : {"", "-wal", "-shm"}) fs::remove(file.string() + end);
}
BENCHMARK(BM_ThirtyStationsAtOnce)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
