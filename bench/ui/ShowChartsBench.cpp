// "Моніторинг" over a Monitor.dm of 10,000 attempts of a 60-task test
// (about 80 MB), every attempt with its report in the folder: from opening
// the files to the rows ready (the test and its settings read, the reports
// listed, every attempt graded again), and on to the window built with its
// first chart drawn.  Each reports how far it raised the process's peak
// memory, and that peak (KiB).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QChartView>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/ManualScheduler.h"
#include "results/MonitorCharts.h"
#include "results/ui/ChartsWindow.h"

namespace {

namespace fs = std::filesystem;
using namespace ispyt;

constexpr int kTasks = 60;
constexpr int kAttempts = 10000;

long peakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Made once: test.txt, 10,000 reports and their Monitor.dm, written a group
// at a time.
const fs::path& testFolder() {
  static const fs::path folder = [] {
    const fs::path path = fs::temp_directory_path() / "ispyt-bench-ShowCharts";
    fs::remove_all(path);
    fs::create_directories(path);
    std::string source = "title: Benchmark\n";
    for (int k = 1; k <= kTasks; ++k)
      source += "\n== single\n? Task " + std::to_string(k) + "\n+ right\n- wrong\n- other\n";
    ParsedSource parsed = parseTestSource(source);
    Random random(1);
    std::ofstream(path / "test.txt", std::ios::binary) << writeTestFile(*parsed.source, random);
    MonitorGroup g;
    g.taskCount = kTasks;
    std::FILE* out = std::fopen((path / "Monitor.dm").c_str(), "wb");
    for (int i = 0; i < kAttempts; ++i) {
      g.attemptCode =
          std::string(1, static_cast<char>('A' + i / 899)) + std::to_string(100 + i % 899);
      g.name = "Pupil " + std::to_string(i);
      for (int k = 1; k <= kTasks; ++k) {
        g.judgedElements[k] = 1;
        g.wrongCount[k] = (i + k) % 3 == 0 ? 1 : 0;
        g.missCount[k] = g.wrongCount[k];
      }
      const std::string bytes = monitorBytes(g);
      std::fwrite(bytes.data(), 1, bytes.size(), out);
      std::ofstream(path / (g.attemptCode + ".rez")) << "r";
    }
    std::fclose(out);
    return path;
  }();
  return folder;
}

// What "Моніторинг" does before anything is drawn.
MonitorCharts rowsReady() {
  const MonitoredTest test = readMonitoredTest(testFolder());
  Parsed<MonitorCharts> charts =
      ReadFolderCharts(testFolder(), test.test, test.settings, MonitorView::AllAttempts);
  if (!charts.ok() || charts.value->rows.size() != kAttempts) std::abort();
  return std::move(*charts.value);
}

void reportPeak(benchmark::State& state, long before) {
  state.counters["peakRaisedKiB"] = static_cast<double>(peakKiB() - before);
  state.counters["peakKiB"] = static_cast<double>(peakKiB());
  state.counters["fileMB"] =
      static_cast<double>(fs::file_size(testFolder() / "Monitor.dm")) / (1024 * 1024);
}

void BM_ShowChartsRowsReady(benchmark::State& state) {
  testFolder();
  const long before = peakKiB();
  for (auto _ : state) benchmark::DoNotOptimize(rowsReady());
  reportPeak(state, before);
}

void BM_ShowChartsFirstChartDrawn(benchmark::State& state) {
  testFolder();
  ManualScheduler scheduler;
  const long before = peakKiB();
  for (auto _ : state) {
    ChartsWindow window(rowsReady(), ScreenScale{}, scheduler);
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.charts().view(MonitorChart::Tasks)->grab());
  }
  reportPeak(state, before);
}

BENCHMARK(BM_ShowChartsRowsReady)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowChartsFirstChartDrawn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(fs::temp_directory_path() / "ispyt-bench-ShowCharts", ignored);
  return 0;
}
