// transition: runs one screen transition of the card area headless, on a
// virtual clock, between two stock pictures, and tells how many ticks it
// took; with --frames it saves what the card area shows after every tick.

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "Painting.h"
#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "platform/qt/ArtworkList.h"
#include "presentation/AppearanceRules.h"
#include "presentation/ColourSchemes.h"
#include "presentation/MainLayout.h"
#include "presentation/ScreenScale.h"
#include "presentation/Transition.h"
#include "presentation/qt/PictureImage.h"

namespace ispyt::tool {
namespace {

const char* const kHelp =
    R"(usage: ispyt-tool transition EFFECT [--size WxH] [--frames DIR]

Runs the transition EFFECT ("Відрив", "Розчинення", "Жалюзі", "В`їзд",
"Падіння", "Поява", "Проявлення" or "Нема"; any other name is "Нема") in
the card area of a W x H screen (default 800x600), on a virtual clock of
1 ms ticks, from a card of the built-in "Накат" tile to one of the
"Пергамент" tile, and prints as JSON the ticks until the effect was done
and the tick on which what waited for it ran.  With --frames DIR it saves
the card area after every tick as DIR/frame-NNN.png.
)";

int usageError(const std::string& message) {
  std::fprintf(stderr, "ispyt-tool transition: %s\n%s", message.c_str(), kHelp);
  return 2;
}

// The card area as a picture of its own.
struct CardPicture : CardScreen {
  explicit CardPicture(Size size, Pixel fill) : card(size, fill) {}
  Picture current() const override { return card; }
  void show(const Picture& picture, Rect part, Point at) override { card.copy(picture, part, at); }
  void repaint() override {}
  Picture card;
};

Picture tiled(Size size, const QImage& tile) {
  Picture p(size);
  const Picture t = toPicture(tile);
  for (int y = 0; y < size.height; y += t.height())
    for (int x = 0; x < size.width; x += t.width()) p.copy(t, {x, y});
  return p;
}

}  // namespace

int runTransition(const Args& args) {
  std::string effectName, frames;
  int width = 800, height = 600;
  bool haveEffect = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--size" && hasValue) {
      if (!parseSize(args[++i], width, height))
        return usageError("--size wants WxH, e.g. 1920x1080");
    } else if (a == "--frames" && hasValue) {
      frames = args[++i];
    } else if (!haveEffect && (a.empty() || a[0] != '-')) {
      effectName = a;
      haveEffect = true;
    } else {
      return usageError("unexpected argument '" + a + "'");
    }
  }
  if (!haveEffect) return usageError("EFFECT is needed");
  if (!frames.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(frames, ec);
    if (ec) {
      std::fprintf(stderr, "ispyt-tool transition: cannot make %s: %s\n", frames.c_str(),
                   ec.message().c_str());
      return 1;
    }
  }

  const auto app = startPainting();
  const ScreenScale scale{width / 800.0, height / 600.0, std::min(width / 800.0, height / 600.0)};
  const Rect area = scale.rect(layout::kCardArea);
  const Size size{area.width, area.height};
  const ArtworkList artwork;
  const std::string effect = settledEffect(utf8ToCp1251(effectName));
  const ColourScheme& scheme = colourSchemeOf(cp1251("Гарбуз"));

  ManualScheduler scheduler;
  Random random(1);
  Picture backdrop(size);
  fillPicture(backdrop, scheme.background, random);
  CardPicture screen(size, pixelOf(scheme.window));
  Transition transition(scheduler, screen, random);
  transition.setLook({effectOf(effect), scale.scaleX, scale.scaleY, pixelOf({96, 96, 96}),
                      cardFrameDrawn(effect, cp1251("Пергамент"))},
                     [&backdrop] { return backdrop; });
  transition.showAtOnce(tiled(size, artwork.cut(artwork::kRollerTile)));
  int followUpTick = 0;
  transition.start(tiled(size, artwork.cut(artwork::kParchmentTile)),
                   [&] { followUpTick = transition.ticks(); });
  int doneTick = 0, tick = 0;
  while (transition.active() && tick < 100000) {
    scheduler.advance(kTransitionMs);
    ++tick;
    if (!doneTick && !transition.running()) doneTick = tick;
    if (!frames.empty()) {
      char name[32];
      std::snprintf(name, sizeof name, "/frame-%03d.png", tick);
      if (!toImage(screen.card).save(QString::fromStdString(frames + name), "PNG")) {
        std::fprintf(stderr, "ispyt-tool transition: cannot write %s%s\n", frames.c_str(), name);
        return 1;
      }
    }
  }
  Json json;
  json.beginObject()
      .key("effect")
      .text(effect)
      .key("card")
      .utf8(std::to_string(size.width) + "x" + std::to_string(size.height))
      .key("ticks")
      .number(std::int64_t(doneTick))
      .key("followUpTick")
      .number(std::int64_t(followUpTick))
      .key("wholeAtEnd")
      .boolean(screen.card == transition.newPicture())
      .endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

}  // namespace ispyt::tool
