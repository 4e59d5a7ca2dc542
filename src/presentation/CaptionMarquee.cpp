#include "presentation/CaptionMarquee.h"

namespace ispyt {

CaptionMarquee::CaptionMarquee(Scheduler& scheduler, std::function<void(const std::string&)> show)
    : show_(std::move(show)), timer_(scheduler.createTimer([this] { tick(); })) {}

void CaptionMarquee::start(std::string text, int ticks) {
  text_ = std::move(text);
  left_ = ticks;
  show_(text_);
  if (left_ > 0) timer_->start(kMarqueeTickMs);
}

void CaptionMarquee::stop() { timer_->stop(); }

bool CaptionMarquee::running() const { return timer_->isActive(); }

void CaptionMarquee::tick() {
  text_ = turnedLeft(text_);
  show_(text_);
  if (--left_ <= 0) timer_->stop();
}

std::string turnedLeft(const std::string& text) {
  if (text.size() < 2) return text;
  return text.substr(1) + text[0];
}

}  // namespace ispyt
