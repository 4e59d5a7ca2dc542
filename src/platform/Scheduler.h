#pragma once
// Timers of the main window.  The program runs them on Qt's event loop;
// tests and the headless tools on a manual clock that advances virtual
// milliseconds, so nothing ever waits for real time.

#include <functional>
#include <memory>

namespace ispyt {

class Timer {
 public:
  virtual ~Timer() = default;
  // Starts (or restarts) with the given interval; a single-shot timer stops
  // itself before its handler runs.
  virtual void start(int intervalMs) = 0;
  void start() { start(interval()); }
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  virtual int interval() const = 0;
  // Changing the interval of a running timer restarts it from now.
  virtual void setInterval(int intervalMs) = 0;
  virtual void setSingleShot(bool singleShot) = 0;
};

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
  // Milliseconds since the scheduler was made.
  virtual long long nowMs() const = 0;
};

}  // namespace ispyt
