#include "presentation/qt/PanelComposition.h"

#include <algorithm>
#include <utility>

#include "presentation/qt/PictureImage.h"

namespace ispyt {

namespace {

// The enlarged panel is put together a band of rows at a time, so that no
// picture of nine times the panel's size is ever made: as many rows, three
// at a time, as make about 170,000 pixels (660 KB; 96 rows of the score
// panel at 1920x1080), which a wide strip gets in a few small bands.
constexpr int kBandPixels = 170'000;
int bandRowsFor(int enlargedWidth) { return std::max(3, kBandPixels / enlargedWidth / 3 * 3); }

// The enlarged picture's rows from `first` (a multiple of 3) on, into
// `band`; `picture` holds pixel words.
void enlargeRows(const QImage& picture, int first, Picture& band) {
  enlargeByThree(reinterpret_cast<const Pixel*>(picture.constScanLine(first / 3)),
                 std::size_t(picture.bytesPerLine()) / sizeof(Pixel), picture.width(),
                 band.height() / 3, band.row(0), std::size_t(band.width()));
}

// The shape drawn over the enlarged backdrop, the rows from `first` on.
void drawShapeRows(const QImage& backdrop, const PanelShape& shape, int first, Picture& band) {
  enlargeRows(backdrop, first, band);
  QImage view = imageView(band);
  QPainter p(&view);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.translate(0, -first);
  shape(p, QRectF(0, 0, 3.0 * backdrop.width(), 3.0 * backdrop.height()));
}

}  // namespace

QImage composePanel(const QImage& backdrop, std::optional<FillRows> fill, const PanelShape& shape,
                    const QImage& inside, PanelBands bands) {
  const int w = backdrop.width(), h = backdrop.height();
  if (w <= 0 || h <= 0) return backdrop;
  const QImage back = pixelWords(backdrop);
  const QImage through = inside.isNull() ? back : pixelWords(inside);
  const int bandRows = bands == PanelBands::Whole ? 3 * h : bandRowsFor(3 * w);
  // The key comes from the enlarged row h: from the first band when it
  // reaches it, else from a pass over that row's three before any band.
  const bool keyInFirstBand = h < bandRows;
  Picture shapeBand;
  Pixel key = 0;
  if (!keyInFirstBand) {
    shapeBand = Picture({3 * w, 3});
    drawShapeRows(back, shape, h - h % 3, shapeBand);
    key = shapeBand.at(3 * w / 10, h % 3);
  }

  QImage result(w, h, QImage::Format_RGB32);
  Picture out;
  for (int first = 0; first < 3 * h; first += bandRows) {
    const int rows = std::min(bandRows, 3 * h - first);
    if (out.height() != rows) {
      shapeBand = Picture({3 * w, rows});
      out = Picture({3 * w, rows});
    }
    drawShapeRows(back, shape, first, shapeBand);
    if (first == 0 && keyInFirstBand) key = shapeBand.at(3 * w / 10, h);
    if (fill)
      fill->write(out, first);
    else
      enlargeRows(through, first, out);
    out.copyKeyed(shapeBand, shapeBand.rect(), {0, 0}, key);
    reduceByThree(out.row(0), std::size_t(out.width()), out.width(), rows,
                  reinterpret_cast<Pixel*>(result.scanLine(first / 3)),
                  std::size_t(result.bytesPerLine()) / sizeof(Pixel));
  }
  return result;
}

}  // namespace ispyt
