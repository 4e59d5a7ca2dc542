#include "results/ui/NamePlatePicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "platform/qt/QtText.h"
#include "presentation/qt/BoxReduce.h"
#include "results/NamePlate.h"

namespace ispyt {
namespace {

const QColor kNameLight(224, 224, 255);
const QColor kNameDark(80, 80, 80);
const QColor kCodeLight(255, 255, 200);
const QColor kCodeDark(64, 64, 64);
const QColor kUnderline(64, 32, 32);

QFont plateFont(double pixels) {
  QFont f("Courier New");
  f.setStyleHint(QFont::TypeWriter);
  f.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
  return f;
}

// The baseline that centres a line of the font's text in `height`.
int centredBaseline(const QFontMetrics& m, int height) {
  return (height - (m.ascent() + m.descent())) / 2 + m.ascent();
}

}  // namespace

QImage namePlatePicture(const QImage& background, const NamePlateText& text,
                        const ScreenScale& scale) {
  const QSize size = background.size();
  // 1. Three times the plate, in 24-bit colour, its background stretched in.
  QImage big(size * 3, QImage::Format_RGB888);
  QPainter p(&big);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(big.rect(), background);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  const double grow = scale.scaleY * 3;
  const int margin = static_cast<int>(4 * scale.scaleX * 3);

  // The code first: its width leaves the rest of the plate to the name.
  const QFont codeFont = plateFont(kNamePlateCodeSize * grow);
  const QFontMetrics codeMetrics(codeFont);
  const QString code = fromCp1251(text.attemptCode);
  const int codeWidth = codeMetrics.horizontalAdvance(code);
  const int codeBaseline = centredBaseline(codeMetrics, big.height()) - static_cast<int>(grow);
  p.setFont(codeFont);
  if (!text.flat) {
    p.setPen(kCodeLight);
    p.drawText(margin - 3, codeBaseline - 3, code);
  }
  p.setPen(kCodeDark);
  p.drawText(margin, codeBaseline, code);
  const int lineY = std::min(codeBaseline + static_cast<int>(2 * grow), big.height() - 3);
  QPolygon line;
  for (Point at :
       codeUnderline(margin, lineY, codeWidth, static_cast<int>(1.5 * grow), text.zigzag))
    line << QPoint(at.x, at.y);
  const int thickness = std::max(3, static_cast<int>(grow));
  if (!text.flat) {
    p.setPen(QPen(kCodeLight, thickness));
    p.drawPolyline(line.translated(-3, -3));
  }
  p.setPen(QPen(kUnderline, thickness));
  p.drawPolyline(line);

  // 2. The name centred in what the code leaves, a light copy up and left.
  const QString name = fromCp1251(text.fullName);
  const QFont nameFont = plateFont(namePlateFontSize(text.fullName) * grow);
  const QFontMetrics nameMetrics(nameFont);
  const int left = margin + codeWidth + margin;
  const int room = big.width() - margin - left;
  const int x = left + (room - nameMetrics.horizontalAdvance(name)) / 2;
  const int baseline = centredBaseline(nameMetrics, big.height());
  p.setFont(nameFont);
  p.setPen(kNameLight);
  p.drawText(x - 4, baseline - 4, name);
  p.setPen(kNameDark);
  p.drawText(x, baseline, name);
  p.end();

  // 3. Reduced by the 3 x 3 average.
  return reduceByThree(big).convertToFormat(QImage::Format_RGB32);
}

}  // namespace ispyt
