#pragma once
// The charts window made through its library (results/ui/ChartsWindowEntry.h),
// which is opened on the first call and stays open.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "results/ui/ChartsWindowEntry.h"

namespace ispyt {

struct LoadedChartsWindow {
  std::unique_ptr<QWidget> window;
  QString error;  // why there is no window: the library could not be opened
};

// The library is looked for where it is already loaded (a program linked
// to it) or on the system's library path, then beside the program (a
// build), then where the package installs it beside the program's folder.
LoadedChartsWindow loadChartsWindow(MonitorCharts data, const ScreenScale& scale,
                                    Scheduler& scheduler, QWidget* parent);

// The entry of the first of `places` that opens (each a library's path
// without "lib" and the system's ending), or null and the last reason.
MakeChartsWindow findChartsWindowEntry(const QStringList& places, QString& error);

}  // namespace ispyt
