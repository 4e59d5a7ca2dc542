#include "attempt/ui/FocusWatch.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace ispyt {

FocusWatch::FocusWatch(QWidget* window, AttemptState& state, Scheduler& scheduler)
    : window_(window), state_(state), timer_(scheduler.createTimer([this] { look(); })) {
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this] { look(); });
  timer_->start(kLookMs);
}

void FocusWatch::look() {
  if (!state_.running) return;
  const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
  const QScreen* screen = window_->screen();
  const bool onScreen = !screen || screen->geometry().contains(QCursor::pos());
  state_.focusLosses.observe(state_.elapsed, active, onScreen);
}

}  // namespace ispyt
