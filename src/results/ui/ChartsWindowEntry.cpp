#include "results/ui/ChartsWindowEntry.h"

#include "results/ui/ChartsWindow.h"

extern "C" Q_DECL_EXPORT QWidget* ispyt_make_charts_window(ispyt::MonitorCharts&& data,
                                                           const ispyt::ScreenScale& scale,
                                                           ispyt::Scheduler& scheduler,
                                                           QWidget* parent) {
  return new ispyt::ChartsWindow(std::move(data), scale, scheduler, parent);
}

// The entry keeps the type the program calls it by.
static_assert(std::is_same_v<decltype(&ispyt_make_charts_window), ispyt::MakeChartsWindow>);
