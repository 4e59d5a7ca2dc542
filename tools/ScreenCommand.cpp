// screen: draws the main screen of a program folder as the window shows it
// once it has started, into a PNG, so that a school can preview a look
// and the looks can be checked without a display.

#include <QPainter>
#include <cstdio>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "Painting.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/qt/ArtworkList.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtText.h"
#include "presentation/DecorFile.h"
#include "presentation/MainLayout.h"
#include "presentation/qt/Announcement.h"
#include "presentation/qt/FirstScreen.h"
#include "presentation/qt/PictureImage.h"
#include "presentation/qt/TitleArchPicture.h"
#include "shell/AppearanceApply.h"
#include "shell/MenuCaptionLayout.h"
#include "shell/OpenTest.h"
#include "shell/WindowPlacement.h"
#include "shell/Workstation.h"

namespace ispyt::tool {
namespace {

const char* const kHelp =
    R"(usage: ispyt-tool screen --program-folder DIR [--scheme NAME] [--background NAME]
                         [--card-backdrop NAME] [--option-backdrop NAME]
                         [--size WxH] -o FILE.png

Draws the main screen of the program folder DIR as the window shows it once
it has started (its appearance from Decor/decor.ini, its current test set),
on a screen of W x H pixels (default 800x600), and saves it as FILE.png.
The options take another colour scheme, screen background, card backdrop
or option backdrop (names in UTF-8, as the appearance dialog lists them).
Prints, as JSON, the names the screen was drawn with: a name that gives no
picture is shown as the one put in its place.  "Прозорий" as background
shows a plain stand-in for the desktop.
)";

int usageError(const std::string& message) {
  std::fprintf(stderr, "ispyt-tool screen: %s\n%s", message.c_str(), kHelp);
  return 2;
}

// The menu captions and the test set's name, as the window's labels show
// them once the menu is available.
void paintCaptions(QImage& screen, const Workstation& ws) {
  const ScreenScale& s = ws.scale;
  QPainter p(&screen);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QFont font = pixelFont("DejaVu Sans", s.font(12));
  p.setFont(font);
  std::vector<int> widths;
  for (const char* text : kMenuCaptionTexts)
    widths.push_back(p.fontMetrics().horizontalAdvance(ui(text)));
  const std::vector<int> xs = layoutMenuCaptions(widths, s);
  const bool noTests = ws.testSet == cp1251("Нема тестів");
  const QColor navy(0, 0, 128), grey(128, 128, 128);
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    const auto c = static_cast<MenuCaption>(i);
    const bool available = c == MenuCaption::Appearance || c == MenuCaption::Exit ||
                           c == MenuCaption::Help || (c == MenuCaption::Test && !noTests);
    p.setPen(available ? navy : grey);
    p.drawText(xs[i], s.y(layout::kMenuCaptionY) + p.fontMetrics().ascent(),
               ui(kMenuCaptionTexts[i]));
  }
  p.setFont(pixelFont("DejaVu Sans", s.font(testSetTitleFontSize(ws.testSet)), true));
  p.setPen(QColor(128, 0, 0));
  p.drawText(qrect(s.rect(layout::kTestSetCaption)), Qt::AlignCenter, fromCp1251(ws.testSet));
}

}  // namespace

int runScreen(const Args& args) {
  std::string folder, output, scheme, background, card, options;
  int width = 800, height = 600;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--program-folder" && hasValue) {
      folder = args[++i];
    } else if (a == "--scheme" && hasValue) {
      scheme = args[++i];
    } else if (a == "--background" && hasValue) {
      background = args[++i];
    } else if (a == "--card-backdrop" && hasValue) {
      card = args[++i];
    } else if (a == "--option-backdrop" && hasValue) {
      options = args[++i];
    } else if (a == "--size" && hasValue) {
      if (!parseSize(args[++i], width, height))
        return usageError("--size wants WxH, e.g. 1280x800");
    } else if (a == "-o" && hasValue) {
      output = args[++i];
    } else {
      return usageError("unexpected argument '" + a + "'");
    }
  }
  if (folder.empty() || output.empty()) return usageError("--program-folder and -o are needed");
  const std::filesystem::path programFolder(folder);
  if (!std::filesystem::is_directory(programFolder)) return usageError("no folder " + folder);

  const auto app = startPainting();
  Workstation ws;
  ws.programFolder = programFolder;
  ReadDecor(ws.programFolder, ws.baseFolderName, ws.decor, true);
  if (!scheme.empty()) ws.decor.colourScheme = utf8ToCp1251(scheme);
  if (!background.empty()) ws.decor.programBackground = utf8ToCp1251(background);
  if (!card.empty()) ws.decor.questionBackground = utf8ToCp1251(card);
  if (!options.empty()) ws.decor.answerBackground = utf8ToCp1251(options);
  takeTestSet(ws);
  // The window as it stands on a screen of that size, taking it whole.
  ws.placement = placeWindow({width, height}, true, ws.decor.proportional);
  ws.scale = ws.placement.scale;
  const QSize size(ws.placement.window.width, ws.placement.window.height);

  const ArtworkList artwork;
  Random noise(1);  // the same grain on every run, so that previews compare
  FirstScreenLook look;
  look.publisherLine = ui(kPublisherLine);
  QImage desktop(size, QImage::Format_RGB32);
  desktop.fill(QColor(58, 110, 165));
  const AppearanceSource source{ws.programFolder, desktop, ws.scale, size,
                                fontInstalled(installedFontFamilies(), "MonoType Corsiva")};
  const QImage screenBackground = ApplyAppearance(ws.decor, source, artwork, noise, look);
  QImage screen = screenBackground.copy();
  paintFirstScreen(screen, ws.scale, look);
  const QRect title = qrect(ws.scale.rect(layout::kTitleArea));
  const QRect cardArea = qrect(ws.scale.rect(layout::kCardArea));
  Announcement announcement;
  {
    QPainter p(&screen);
    p.drawImage(title.topLeft(),
                drawTitleArch(screenBackground.copy(title), 1, ws.scale, artwork, look.lightTitle));
    p.drawImage(cardArea.topLeft(),
                toImage(announcement.build(
                    {}, locate(ws.programFolder, ws.baseFolderName + "/" + ws.testSet),
                    screenBackground, cardArea, look.frameColour)));
  }
  paintCaptions(screen, ws);
  if (!screen.save(QString::fromUtf8(output.c_str()), "PNG")) {
    std::fprintf(stderr, "ispyt-tool screen: cannot write %s\n", output.c_str());
    return 1;
  }
  Json json;
  json.beginObject()
      .key("size")
      .utf8(std::to_string(size.width()) + "x" + std::to_string(size.height()))
      .key("scheme")
      .text(ws.decor.colourScheme)
      .key("background")
      .text(ws.decor.programBackground)
      .key("cardBackdrop")
      .text(ws.decor.questionBackground)
      .key("optionBackdrop")
      .text(ws.decor.answerBackground)
      .key("effect")
      .text(ws.decor.effect)
      .key("testSet")
      .text(ws.testSet)
      .endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

}  // namespace ispyt::tool
