// Reading a Monitor.dm of 100 MB (12,500 attempts of 60 tasks, a large
// school's year of one test): the program's reader, a group at a time,
// beside a bare Qt program reading the same file in the same chunks and
// looking only at each group's code.  Each reports its time and how far
// it raised the process's peak memory, and that peak (KiB).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QFile>
#include <cstdio>
#include <filesystem>
#include <string>

#include "results/MonitorFile.h"
#include "results/MonitorRow.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTasks = 60;
constexpr std::size_t kFileBytes = 100u * 1024 * 1024;

long peakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Written once, a group at a time, so that making it raises no peak.
const fs::path& bigMonitorFile() {
  static const fs::path file = [] {
    const fs::path path = fs::temp_directory_path() / "ispyt-bench-Monitor.dm";
    ispyt::MonitorGroup g;
    g.taskCount = kTasks;
    for (int k = 1; k <= kTasks; ++k) {
      g.wrongCount[k] = k % 3;
      g.missCount[k] = k % 2;
      g.judgedElements[k] = 2;
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    for (std::size_t written = 0; written + ispyt::monitorGroupSize(kTasks) <= kFileBytes;
         written += ispyt::monitorGroupSize(kTasks)) {
      g.attemptCode = "Y" + std::to_string(100 + written / 7964 % 899);
      g.name = g.attemptCode;
      const std::string bytes = ispyt::monitorBytes(g);
      std::fwrite(bytes.data(), 1, bytes.size(), out);
    }
    std::fclose(out);
    return path;
  }();
  return file;
}

void reportPeak(benchmark::State& state, long before) {
  state.counters["peakRaisedKiB"] = static_cast<double>(peakKiB() - before);
  state.counters["peakKiB"] = static_cast<double>(peakKiB());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(bigMonitorFile())));
}

void BM_ProgramReadsAGroupAtATime(benchmark::State& state) {
  const fs::path& file = bigMonitorFile();
  const long before = peakKiB();
  for (auto _ : state) {
    std::size_t codes = 0;
    auto read = ispyt::ReadMonitorFile(file, kTasks, [&](const ispyt::MonitorGroup& g) {
      codes += g.attemptCode.size();
    });
    if (!read.ok() || read.value->groups != 13166) state.SkipWithError("not every group was read");
    benchmark::DoNotOptimize(codes);
  }
  reportPeak(state, before);
}

// The charts' work on top: every attempt graded again with the test.
void BM_ProgramReadsAndRegradesEveryAttempt(benchmark::State& state) {
  const fs::path& file = bigMonitorFile();
  ispyt::Test test;
  test.taskCount = kTasks;
  for (int k = 1; k <= kTasks; ++k) {
    test.task(k).elementCount = 2;
    test.task(k).itemCount = 4;
  }
  const ispyt::Settings settings;
  const long before = peakKiB();
  for (auto _ : state) {
    long grades = 0;
    ispyt::ReadMonitorFile(file, kTasks, [&](const ispyt::MonitorGroup& g) {
      grades += ispyt::monitorRow(g, test, settings).grade;
    });
    benchmark::DoNotOptimize(grades);
  }
  reportPeak(state, before);
}

void BM_BareQtReadsTheSameChunks(benchmark::State& state) {
  const QString file = QString::fromStdString(bigMonitorFile().string());
  const qint64 group = static_cast<qint64>(ispyt::monitorGroupSize(kTasks));
  const qint64 codeAt = 3 * kTasks * 44 + 16;
  const long before = peakKiB();
  for (auto _ : state) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) state.SkipWithError("cannot open");
    QByteArray chunk(group, '\0');
    std::size_t codes = 0;
    while (in.read(chunk.data(), group) == group) codes += static_cast<unsigned char>(chunk[codeAt]);
    benchmark::DoNotOptimize(codes);
  }
  reportPeak(state, before);
}

BENCHMARK(BM_ProgramReadsAGroupAtATime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgramReadsAndRegradesEveryAttempt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareQtReadsTheSameChunks)->Unit(benchmark::kMillisecond);

}  // namespace
