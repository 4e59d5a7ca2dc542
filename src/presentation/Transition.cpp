#include "presentation/Transition.h"

#include <algorithm>
#include <array>

#include "platform/Cp1251.h"
#include "platform/Rounding.h"

namespace ispyt {
namespace {

// v / 100 rounded to the nearest integer, halves to even, for every sum of
// a cross-fade's two weighted bytes.
const std::array<std::uint8_t, 25501>& hundredths() {
  static const auto table = [] {
    std::array<std::uint8_t, 25501> t{};
    for (int v = 0; v <= 25500; ++v) {
      int q = v / 100;
      const int r = v % 100;
      if (r > 50 || (r == 50 && (q & 1))) ++q;
      t[v] = static_cast<std::uint8_t>(q);
    }
    return t;
  }();
  return table;
}

int ceilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : 0; }

}  // namespace

Effect effectOf(std::string_view name) {
  struct Named {
    const char* name;
    Effect effect;
  };
  static const Named kEffects[] = {
      {"Відрив", Effect::Tear},          {"Розчинення", Effect::Dissolve},
      {"Жалюзі", Effect::Blinds},        {"В`їзд", Effect::DriveIn},
      {"Падіння", Effect::Fall},         {"Поява", Effect::Appear},
      {"Проявлення", Effect::CrossFade},
  };
  for (const Named& n : kEffects)
    if (name == cp1251(n.name)) return n.effect;
  return Effect::None;
}

Transition::Transition(Scheduler& scheduler, CardScreen& screen, Random& random)
    : scheduler_(scheduler), screen_(screen), random_(random) {
  timer_ = scheduler_.createTimer([this] { tick(); });
}

Transition::~Transition() = default;

bool Transition::active() const { return timer_->isActive(); }

void Transition::setLook(const TransitionLook& look, std::function<Picture()> backdrop) {
  end();
  look_ = look;
  // Until content comes, the card's last content is the backdrop itself.
  lastContent_ = Picture();
  backdrop_ = Picture();
  makeBackdrop_ = std::move(backdrop);
}

const Picture& Transition::backdrop() {
  if (makeBackdrop_) {
    backdrop_ = makeBackdrop_();
    makeBackdrop_ = {};
  }
  return backdrop_;
}

FrameStyle Transition::frameStyle(bool torn) const {
  return {look_.frameColour, look_.outline, torn};
}

void Transition::start(Picture content, std::function<void()> followUp) {
  const Size size = backdrop().size();
  const Effect e = look_.effect;
  const bool moving = e == Effect::Tear || e == Effect::DriveIn || e == Effect::Fall;
  // The moving effects carry the card's last content away; the cross-fade
  // starts from what the card area shows.
  source_ = moving                    ? std::move(lastContent_)
            : e == Effect::CrossFade ? screen_.current()
                                     : Picture();
  compose(std::move(content));
  if (e == Effect::Dissolve) {
    order_.resize(kDissolveCells);
    for (int n = 0; n < kDissolveCells; ++n)
      order_[n] = {n % kDissolveColumns, n / kDissolveColumns};
    for (int i = 0; i < 600; ++i) std::swap(order_[i], order_[random_.random(kDissolveCells)]);
  }
  // These reveal the new picture piece by piece.
  const bool revealing = e == Effect::Appear || e == Effect::Blinds || e == Effect::Dissolve;
  from_ = revealing ? &new_ : source_.size() == size ? &source_ : &backdrop_;
  x_ = y_ = 0;
  p_ = 1;
  if (e == Effect::Appear) {
    // As many steps as growing by 14 and 6 takes to reach half the width
    // and 100 units down, each long enough for the last to open the whole
    // card.
    appearSteps_ =
        std::max({1, ceilDiv(roundHalfEven(100 * look_.scaleY), 6), ceilDiv(size.width / 2, 14)});
    const int spans = std::max(1, appearSteps_ - 1);
    stepX_ = std::max(1, ceilDiv(std::max(0, size.width - size.width / 2 - 5), spans));
    stepY_ = std::max(1, ceilDiv(std::max(0, size.height - size.height / 2 - 5), spans));
  }
  // The moving effects and the cross-fade put each frame together here,
  // every pixel of it.
  frame_ = moving || e == Effect::CrossFade ? Picture::unfilled(size) : Picture();
  followUp_ = std::move(followUp);
  running_ = true;
  ticks_ = 0;
  timer_->setSingleShot(false);
  timer_->start(kTransitionMs);
}

void Transition::compose(Picture content) {
  // The content in its frame, the corners showing the background under
  // the card area.
  const Picture& back = backdrop();
  const bool whole = content.size() == back.size();
  Picture card = whole ? std::move(content) : back;
  if (!whole) card.copy(content);
  new_ = back;
  drawFramed(new_, card, card.rect(), {0, 0}, frameStyle(false));
  lastContent_ = std::move(card);
}

void Transition::showAtOnce(Picture content) {
  end();
  compose(std::move(content));
  done();
  screen_.repaint();
}

void Transition::end() {
  timer_->stop();
  running_ = false;
  followUp_ = {};
}

void Transition::tick() {
  ++ticks_;
  if (!running_) {
    // The tick after the effect belongs to what waited for it.
    timer_->stop();
    std::function<void()> followUp = std::move(followUp_);
    followUp_ = {};
    if (followUp) followUp();
    return;
  }
  step();
  screen_.repaint();
}

void Transition::showWhole(const Picture& p) { screen_.show(p, p.rect(), {0, 0}); }

void Transition::showMoving(Rect part, Point at, bool torn) {
  frame_.copy(new_);
  drawFramed(frame_, *from_, part, at, frameStyle(torn));
  showWhole(frame_);
}

void Transition::done() {
  running_ = false;
  // Whatever the steps left, the new picture stands whole at the end.
  showWhole(new_);
  // The working pictures are made anew by the next start.
  new_ = Picture();
  from_ = &new_;
  source_ = Picture();
  frame_ = Picture();
}

void Transition::step() {
  const int W = new_.width(), H = new_.height();
  switch (look_.effect) {
    case Effect::Blinds:
      if (p_ > W / 14) return done();
      for (int s = 0; s < 16; ++s) screen_.show(*from_, {W * s / 15, 0, p_, H}, {W * s / 15, 0});
      ++p_;
      return;
    case Effect::Dissolve: {
      // Cells of 1/35 of the width and 1/18 of the height cover the card.
      const int cw = ceilDiv(W, kDissolveColumns), ch = ceilDiv(H, kDissolveRows);
      for (int n = 0; n < kDissolvePerTick && p_ <= kDissolveCells; ++n, ++p_) {
        const Point c = order_[p_ - 1];
        const Rect r{c.x * cw, c.y * ch, cw, ch};
        screen_.show(*from_, r, {r.x, r.y});
      }
      if (p_ > kDissolveCells) done();
      return;
    }
    case Effect::Appear: {
      if (p_ > appearSteps_) return done();
      const Rect r{W / 2 - 5 - x_, H / 2 - 5 - y_, 2 * x_ + 10, 2 * y_ + 10};
      screen_.show(*from_, r, {r.x, r.y});
      x_ += stepX_;
      y_ += stepY_;
      ++p_;
      return;
    }
    case Effect::Fall:
      if (y_ >= H - 30) return done();
      showMoving({0, 0, W, H - y_}, {0, y_}, false);
      y_ += 10;
      return;
    case Effect::DriveIn:
      if (x_ >= W - 35) return done();
      showMoving({0, 0, W - x_, H - y_}, {x_, y_}, false);
      x_ += 10;
      return;
    case Effect::Tear:
      if (y_ >= H - 30) return done();
      showMoving({0, 0, W - x_, H - y_}, {x_, y_}, x_ >= 30);
      x_ += 10;
      y_ += 10;
      return;
    case Effect::CrossFade: {
      if (p_ > kCrossFadeFrames) return done();
      const auto& div = hundredths();
      const int i = p_, keep = 100 - p_;
      for (int y = 0; y < H; ++y) {
        const Pixel* o = from_->row(y);
        const Pixel* n = new_.row(y);
        Pixel* out = frame_.row(y);
        for (int x = 0; x < W; ++x) {
          const Pixel a = o[x], b = n[x];
          const Pixel r = div[keep * ((a >> 16) & 0xFF) + i * ((b >> 16) & 0xFF)];
          const Pixel g = div[keep * ((a >> 8) & 0xFF) + i * ((b >> 8) & 0xFF)];
          const Pixel bl = div[keep * (a & 0xFF) + i * (b & 0xFF)];
          out[x] = 0xFF000000u | (r << 16) | (g << 8) | bl;
        }
      }
      showWhole(frame_);
      ++p_;
      return;
    }
    case Effect::None:
      if (ticks_ >= kNoEffectTicks) return done();
      showWhole(new_);
      return;
  }
}

}  // namespace ispyt
