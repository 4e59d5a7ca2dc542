// monitor: the monitoring charts of a test folder without the program: the
// rows the charts window shows as JSON or CSV, or its charts as a PNG or a
// PDF, drawn by the window's own chart code.

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "Json.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "results/MonitorCharts.h"
#include "results/MonitorCsv.h"
#include "results/ui/ChartsWindow.h"
#include "results/ui/MonitorChartSet.h"

namespace ispyt::tool {
namespace {

const char* const kHelp =
    R"(usage: ispyt-tool monitor TEST_FOLDER [--attempt CODE]
                          [--json | --png FILE | --pdf FILE | --csv FILE]

Reads TEST_FOLDER/test.txt, its Config.ini and its Monitor.dm as the
program's "Моніторинг" does: the attempts whose report (CODE.rez) is still
in the folder, each graded again with the test's settings.  --attempt CODE
takes that one attempt instead, as the Insert key on a stored result does.

--json (the default) prints the per-task values (the average percentage
over the attempts, or the attempt's own), one row per attempt with its
code, name, grade and level, the number of attempts per level, the average
grade, and what the file held besides (groups passed over, bytes after the
last whole group).
--csv FILE writes the rows as a table (Windows-1251, ';' between fields).
--png FILE draws the charts one under another (with --attempt, the per-task
chart alone), --pdf FILE one to a page, as the window draws them but with
every bar on one page.

Exits 1 when the test or its Monitor.dm cannot be read.
)";

constexpr int kWindowWidth = 400;  // the window at the design's scale
constexpr int kWindowHeight = 300;
constexpr int kWidestChart = 3200;
constexpr int kPixelRatio = 2;

int usageError(const std::string& message) {
  std::fprintf(stderr, "ispyt-tool monitor: %s\n%s", message.c_str(), kHelp);
  return 2;
}

void writeJson(const MonitorCharts& c, const std::filesystem::path& folder) {
  Json j;
  j.beginObject();
  j.key("testFolder").text(cp1251FromPath(folder));
  j.key("view").utf8(c.view == MonitorView::AllAttempts ? "all" : "one");
  if (c.view == MonitorView::OneAttempt) {
    j.key("attempt").text(c.selectedCode);
    j.key("found").boolean(c.selected.has_value());
  }
  j.key("taskCount").number(static_cast<std::int64_t>(c.taskCount));
  j.key("gradeScale").number(static_cast<std::int64_t>(c.gradeScale));
  j.key("taskValues").beginArray();
  for (int k = 1; k <= c.taskCount; ++k) j.number(static_cast<std::int64_t>(c.taskValues[k]));
  j.endArray();
  j.key("rows").beginArray();
  for (const MonitorRow& row : c.rows) {
    j.beginObject();
    j.key("code").text(row.attemptCode);
    j.key("name").text(rowLabel(row));
    j.key("grade").number(static_cast<std::int64_t>(row.grade));
    j.key("level").text(levelName(GradeLevel(row.grade, c.gradeScale)));
    j.endObject();
  }
  j.endArray();
  j.key("levels").beginArray();
  for (int level = 0; level < 4; ++level) {
    j.beginObject();
    j.key("level").text(levelName(static_cast<AchievementLevel>(level)));
    j.key("count").number(static_cast<std::int64_t>(c.levelCounts[level]));
    j.endObject();
  }
  j.endArray();
  j.key("average");
  if (auto average = c.averageGrade())
    j.number(*average);
  else
    j.null();
  j.key("averageText").text(averageGradeText(c, '.'));
  j.key("groupsRead").number(static_cast<std::int64_t>(c.read.groups));
  j.key("damagedGroups").number(static_cast<std::int64_t>(c.read.damagedGroups));
  j.key("skippedBytes").number(static_cast<std::int64_t>(c.read.skippedBytes));
  j.key("damaged").boolean(c.damaged());
  const std::string notice = monitorNotice(c);
  if (!notice.empty()) j.key("notice").text(notice);
  j.endObject();
  std::fputs(j.str().c_str(), stdout);
}

// The charts the picture holds, each laid out with every bar, at the
// window's width for its first page of bars and wider by its pages.
struct LaidOut {
  MonitorChart chart;
  QSize size;
};

std::vector<LaidOut> layOutCharts(MonitorChartSet& set) {
  std::vector<LaidOut> charts;
  for (MonitorChart c : kMonitorCharts) {
    if (c != MonitorChart::Tasks && set.data().view == MonitorView::OneAttempt) break;
    int width = kWindowWidth;
    if (MonitorChartSet::paged(c)) {
      const double pages = static_cast<double>(set.barCount(c)) / set.barsPerPage(c);
      width = std::clamp(static_cast<int>(kWindowWidth * pages), kWindowWidth, kWidestChart);
      set.showEveryBar(c);
    }
    charts.push_back({c, QSize(width, kWindowHeight)});
  }
  return charts;
}

bool writePng(MonitorChartSet& set, const std::string& file) {
  const std::vector<LaidOut> charts = layOutCharts(set);
  int width = 0, height = 0;
  for (const LaidOut& c : charts) {
    width = std::max(width, c.size.width());
    height += c.size.height();
  }
  QImage sheet(QSize(width, height) * kPixelRatio, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter p(&sheet);
  int top = 0;
  for (const LaidOut& c : charts) {
    p.drawImage(0, top * kPixelRatio, set.picture(c.chart, c.size, kPixelRatio));
    top += c.size.height();
  }
  p.end();
  return sheet.save(QString::fromStdString(file), "PNG");
}

bool writePdf(MonitorChartSet& set, const std::string& file) {
  const std::vector<LaidOut> charts = layOutCharts(set);
  QPdfWriter pdf(QString::fromStdString(file));
  pdf.setResolution(96);
  pdf.setTitle(QString::fromStdString(cp1251ToUtf8(chartsWindowCaption(set.data().view))));
  // A page of each chart's own shape, the chart filling it.
  auto pageOf = [](QSize size) {
    return QPageSize(QSizeF(size) * 25.4 / 96, QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
  };
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setPageSize(pageOf(charts.front().size));
  QPainter p;
  if (!p.begin(&pdf)) return false;
  for (std::size_t i = 0; i < charts.size(); ++i) {
    if (i > 0) {
      pdf.setPageSize(pageOf(charts[i].size));
      pdf.newPage();
    }
    set.layOut(charts[i].chart, charts[i].size);
    set.render(charts[i].chart, p, QRectF(p.viewport()));
  }
  return p.end();
}

}  // namespace

int runMonitor(const Args& args) {
  std::string folderArg, attempt, output;
  enum class Form { Json, Csv, Png, Pdf } form = Form::Json;
  int forms = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--attempt" && hasValue) {
      attempt = utf8ToCp1251(args[++i]);
    } else if (a == "--json") {
      form = Form::Json;
      ++forms;
    } else if ((a == "--csv" || a == "--png" || a == "--pdf") && hasValue) {
      form = a == "--csv" ? Form::Csv : a == "--png" ? Form::Png : Form::Pdf;
      output = args[++i];
      ++forms;
    } else if (folderArg.empty() && !a.empty() && a[0] != '-') {
      folderArg = a;
    } else {
      return usageError("unexpected argument '" + a + "'");
    }
  }
  if (folderArg.empty()) return usageError("TEST_FOLDER is needed");
  if (forms > 1) return usageError("one of --json, --csv, --png, --pdf");
  const std::filesystem::path folder(folderArg);

  const MonitoredTest test = readMonitoredTest(folder);
  if (!test.load.loaded()) {
    std::fprintf(stderr, "ispyt-tool monitor: %s: %s (%s)\n", folderArg.c_str(),
                 cp1251ToUtf8(loadMessage(test.load.status)).c_str(), test.load.reason.c_str());
    return 1;
  }
  const MonitorView view = attempt.empty() ? MonitorView::AllAttempts : MonitorView::OneAttempt;
  Parsed<MonitorCharts> charts = ReadFolderCharts(folder, test.test, test.settings, view, attempt);
  if (!charts.ok()) {
    std::fprintf(stderr, "ispyt-tool monitor: %s: Ошибка открытия файла БД. (Monitor.dm: %s)\n",
                 folderArg.c_str(), charts.fault.reason.c_str());
    return 1;
  }
  const std::string notice = monitorNotice(*charts.value);
  if (!notice.empty()) std::fprintf(stderr, "%s\n", cp1251ToUtf8(notice).c_str());

  if (form == Form::Json) {
    writeJson(*charts.value, folder);
    return 0;
  }
  if (form == Form::Csv) {
    const std::string csv = monitorCsv(*charts.value, systemDecimalPoint());
    std::ofstream out(output, std::ios::binary);
    if (!(out << csv) || !out.flush()) {
      std::fprintf(stderr, "ispyt-tool monitor: cannot write %s\n", output.c_str());
      return 1;
    }
    return 0;
  }
  // The charts are widgets: with no display, drawn offscreen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "ispyt-tool";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  MonitorChartSet set(std::move(*charts.value), ScreenScale{}, kWindowWidth, systemDecimalPoint());
  const bool written = form == Form::Png ? writePng(set, output) : writePdf(set, output);
  if (!written) {
    std::fprintf(stderr, "ispyt-tool monitor: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

}  // namespace ispyt::tool
