// render: draws a marked-up text the way a text slot shows it, into a PNG,
// so that authors can check their markup without running the program.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Commands.h"
#include "Painting.h"
#include "platform/Cp1251.h"
#include "presentation/RenderTaskText.h"
#include "presentation/qt/QtTextSlots.h"

namespace ispyt::tool {
namespace {

const char* const kHelp =
    R"(usage: ispyt-tool render TEXT --size WxH [--max-size N] [--bold]
                         -o FILE.png

Renders TEXT (UTF-8; the markup characters as in test files: [ ] ~ { } \ ^
# $ ` _ ¶ ‹ ¤ ў џ Ў ™ ќ) into a W x H picture on white, at the largest font
size up to N points (default 64) at which it fits, and saves it as FILE.png.
--bold draws every character bold.
Prints the cell width the text fitted at.  A TEXT starting with "-" goes
after "--".
)";

int usageError(const char* message) {
  std::fprintf(stderr, "ispyt-tool render: %s\n%s", message, kHelp);
  return 2;
}

}  // namespace

int runRender(const Args& args) {
  std::string text, output;
  bool haveText = false, bold = false;
  int width = 0, height = 0, maxSize = 64;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--size" && hasValue) {
      if (!parseSize(args[++i], width, height)) return usageError("--size wants WxH, e.g. 600x80");
    } else if (a == "--max-size" && hasValue) {
      char* end = nullptr;
      long n = std::strtol(args[++i].c_str(), &end, 10);
      if (*end || n < 1 || n > 500) return usageError("--max-size wants a number from 1 to 500");
      maxSize = static_cast<int>(n);
    } else if (a == "--bold") {
      bold = true;
    } else if (a == "-o" && hasValue) {
      output = args[++i];
    } else if (a == "--" && hasValue && !haveText) {
      text = args[++i];  // a text that starts with "-"
      haveText = true;
    } else if (!haveText && (a.empty() || a[0] != '-')) {
      text = a;
      haveText = true;
    } else {
      return usageError(("unexpected argument '" + a + "'").c_str());
    }
  }
  if (!haveText || !width || output.empty()) return usageError("TEXT, --size and -o are needed");

  const auto app = startPainting();

  const std::string markup = utf8ToCp1251(text);
  QtTextSlots textSlots;
  GapBoxes gaps;
  GapAnchors anchors;
  TextRenderTarget target{textSlots, gaps, anchors, {}};
  const int g = RenderTaskText(target, markup, "", width, height, bold, true, 0, kBlack, maxSize);
  if (!textSlots.image(0).save(QString::fromStdString(output), "PNG")) {
    std::fprintf(stderr, "ispyt-tool render: cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("cell width %d\n", g);
  return 0;
}

}  // namespace ispyt::tool
