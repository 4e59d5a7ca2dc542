#pragma once
// The charts window lives in a library of its own, libispyt_charts: Qt
// Charts and Print Support, loaded with the program, cost every start a
// few milliseconds, and only the teacher's monitoring uses them.  The
// program opens the library when the charts are first shown and makes the
// window through this one entry; the tests and ispyt-tool link it.

#include <QWidget>

#include "platform/Scheduler.h"
#include "presentation/ScreenScale.h"
#include "results/MonitorCharts.h"

namespace ispyt {

// The entry's name in the library, and its type: a ChartsWindow of `data`.
inline constexpr char kChartsWindowEntry[] = "ispyt_make_charts_window";
using MakeChartsWindow = QWidget* (*)(MonitorCharts&& data, const ScreenScale& scale,
                                      Scheduler& scheduler, QWidget* parent);

}  // namespace ispyt
