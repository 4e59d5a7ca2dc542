#pragma once
// The system's font configuration, read on a thread of its own while the
// application starts: a few milliseconds the first text drawn would
// otherwise wait for.  On systems without fontconfig it does nothing.

#include <thread>

namespace ispyt {

class FontsWarmUp {
 public:
  FontsWarmUp();
  ~FontsWarmUp() { wait(); }
  FontsWarmUp(const FontsWarmUp&) = delete;
  FontsWarmUp& operator=(const FontsWarmUp&) = delete;

  // Returns once it has been read; call it before the first font is
  // asked for, or the two readings would both be made.
  void wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

}  // namespace ispyt
