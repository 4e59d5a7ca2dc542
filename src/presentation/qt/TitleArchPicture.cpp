#include "presentation/qt/TitleArchPicture.h"

#include <QPainter>
#include <cmath>

#include "platform/qt/QtText.h"
#include "presentation/TitleArch.h"
#include "presentation/qt/BoxReduce.h"

namespace ispyt {

QImage drawTitleArch(const QImage& backdrop, int variant, const ScreenScale& scale,
                     const ArtworkList& artwork, bool lightText) {
  const int w = backdrop.width() * 3, h = backdrop.height() * 3;
  QImage canvas(w, h, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(0, 0, w, h), backdrop);
  if (variant != 4) {
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font("Tahoma");
    font.setPixelSize(std::max(1, roundHalfEven(18 * scale.scaleMin * 3 * 4 / 3.0)));
    p.setFont(font);
    const QString text = fromCp1251(titleArchText());
    const int ascent = p.fontMetrics().ascent();
    for (const auto& g : layoutTitleArch(w, h, scale.scaleX, scale.scaleY)) {
      p.save();
      p.translate(g.x, g.y);
      p.rotate(-g.rotationTenths / 10.0);
      // A dark copy under the letter keeps it readable on light schemes.
      p.setPen(QColor(90, 60, 20, 150));
      p.drawText(QPointF(4, ascent + 4), text.mid(g.characterIndex, 1));
      p.setPen(lightText ? QColor(240, 240, 255) : QColor(255, 255, 160));
      p.drawText(QPointF(0, ascent), text.mid(g.characterIndex, 1));
      p.restore();
    }
  }
  if (variant == 1 || variant == 2 || variant == 3) {
    // The tiles stand inside the arch, below its letters.
    const int tileW = roundHalfEven(26 * scale.scaleMin * 3);
    const int tileH = roundHalfEven(39 * scale.scaleMin * 3);
    const int gap = roundHalfEven(4 * scale.scaleMin * 3);
    const int rowWidth = 6 * tileW + 5 * gap;
    const int baseY = h - tileH - roundHalfEven(10 * scale.scaleY * 3);
    for (int i = 0; i < artwork::kLetterTileCount; ++i) {
      double wave = 0;
      if (variant == 2) wave = std::sin(i * M_PI / 2.5) * 3 * scale.scaleY * 3;
      if (variant == 3) wave = std::cos(i * M_PI / 2.5) * 3 * scale.scaleY * 3;
      QRect r((w - rowWidth) / 2 + i * (tileW + gap), baseY + static_cast<int>(wave), tileW, tileH);
      p.drawImage(r, artwork.cut(artwork::letterTile(i, 0)));
    }
  }
  p.end();
  return reduceByThree(canvas);
}

}  // namespace ispyt
