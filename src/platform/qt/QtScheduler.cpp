#include "platform/qt/QtScheduler.h"

#include <QTimer>

namespace ispyt {
namespace {

class QtTimer : public Timer {
 public:
  explicit QtTimer(std::function<void()> onTick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
  }
  void start(int intervalMs) override { timer_.start(intervalMs); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }
  int interval() const override { return timer_.interval(); }
  void setInterval(int intervalMs) override { timer_.setInterval(intervalMs); }
  void setSingleShot(bool singleShot) override { timer_.setSingleShot(singleShot); }

 private:
  QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> QtScheduler::createTimer(std::function<void()> onTick) {
  return std::make_unique<QtTimer>(std::move(onTick));
}

}  // namespace ispyt
