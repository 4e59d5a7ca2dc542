#include "results/ui/ChartsWindowLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace ispyt {

MakeChartsWindow findChartsWindowEntry(const QStringList& places, QString& error) {
  for (const QString& place : places) {
    QLibrary library(place);
    // Opened for good: the windows it makes are its code.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
      error = library.errorString();
      continue;
    }
    if (auto entry = reinterpret_cast<MakeChartsWindow>(library.resolve(kChartsWindowEntry)))
      return entry;
    error = library.errorString();
  }
  return nullptr;
}

LoadedChartsWindow loadChartsWindow(MonitorCharts data, const ScreenScale& scale,
                                    Scheduler& scheduler, QWidget* parent) {
  static MakeChartsWindow make = nullptr;
  LoadedChartsWindow loaded;
  if (!make) {
    const QDir program(QCoreApplication::applicationDirPath());
    make = findChartsWindowEntry({"ispyt_charts", program.filePath("ispyt_charts"),
                                  program.filePath(ISPYT_CHARTS_FROM_BIN "/ispyt_charts")},
                                 loaded.error);
  }
  if (make) loaded.window.reset(make(std::move(data), scale, scheduler, parent));
  return loaded;
}

}  // namespace ispyt
