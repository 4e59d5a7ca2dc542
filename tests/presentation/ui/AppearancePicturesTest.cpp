// The pictures an appearance makes: the screen background from the
// pictures of Decor/Fon1 (stretched or tiled), the card frame, the panels
// of an untextured scheme.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Cp1251.h"
#include "presentation/MainLayout.h"
#include "presentation/qt/FirstScreen.h"
#include "presentation/qt/PanelComposition.h"

using namespace ispyt;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// A picture whose first column is red and the rest blue.
void writePicture(const QString& file, int width) {
  QImage picture(width, 600, QImage::Format_RGB32);
  picture.fill(kBlue);
  for (int y = 0; y < 600; ++y) picture.setPixel(0, y, kRed);
  QVERIFY(picture.save(file, "BMP"));
}

}  // namespace

class AppearancePicturesTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  ArtworkList artwork_;

  QImage apply(DecorSettings& decor, ScreenScale scale, QSize size, FirstScreenLook& look) {
    Random noise(1);
    const AppearanceSource source{folder_.path().toStdString(), {}, scale, size, false};
    return ApplyAppearance(decor, source, artwork_, noise, look);
  }

 private slots:
  void initTestCase() {
    QVERIFY(QDir(folder_.path()).mkpath("Decor/Fon1"));
    writePicture(folder_.filePath("Decor/Fon1/wide.bmp"), 800);
    writePicture(folder_.filePath("Decor/Fon1/narrow.bmp"), 799);
  }

  void aPictureOf800IsStretchedOneOf799Tiled() {
    const ScreenScale scale{1.25, 1.25, 1.25};
    FirstScreenLook look;
    DecorSettings decor;
    decor.programBackground = "wide";
    QImage stretched = apply(decor, scale, {1000, 750}, look);
    QCOMPARE(stretched.pixel(999, 5), kBlue);
    QCOMPARE(stretched.pixel(0, 5), kRed);
    QCOMPARE(decor.programBackground, std::string("wide"));
    decor.programBackground = "narrow";
    QImage tiled = apply(decor, scale, {1000, 750}, look);
    QCOMPARE(tiled.pixel(799, 5), kRed);  // the tile starts again
    QCOMPARE(tiled.pixel(800, 5), kBlue);
  }

  void aMissingPictureIsTheGradientOfTheScheme() {
    FirstScreenLook look;
    DecorSettings decor;
    decor.programBackground = "gone";
    decor.colourScheme = cp1251("Морська");
    QImage background = apply(decor, {}, {800, 600}, look);
    QCOMPARE(decor.programBackground, cp1251("Градієнт"));
    QCOMPARE(background.pixel(300, 0), qRgb(64, 128, 255));
  }

  void aTransparentCardThatAppearsLeavesNoFrame() {
    FirstScreenLook look;
    DecorSettings decor;
    decor.programBackground = cp1251("Градієнт");
    decor.questionBackground = cp1251("Прозорий");
    const Rect card = layout::kCardArea;
    const int x = card.x + 1, y = card.y + card.height / 2;
    decor.effect = cp1251("Поява");
    const QImage plain = apply(decor, {}, {800, 600}, look);
    decor.effect = cp1251("Відрив");
    const QImage framed = apply(decor, {}, {800, 600}, look);
    QVERIFY(plain.pixel(x, y) != framed.pixel(x, y));
    QCOMPARE(plain.pixel(x, y), plain.pixel(x - 6, y));  // the gradient alone
    QVERIFY(qGray(framed.pixel(x, y)) < qGray(plain.pixel(x, y)));
  }

  void aPanelPutTogetherInBandsIsThePanelDrawnWhole() {
    // 700 x 100: 2100 x 300 enlarged, in bands of 78 rows (as many as make
    // the bands' pixel budget): three bands and a short one; the outline,
    // the key and a caption cross the bands' seams.
    QImage backdrop(700, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 700; ++x) backdrop.setPixel(x, y, qRgb(x % 256, 2 * y, 90));
    const PanelShape shape = [](QPainter& p, QRectF r) {
      p.setPen(QPen(QColor(20, 30, 40), 5.5));
      p.setBrush(QColor::fromRgb(kPanelKey));
      p.drawRoundedRect(r.adjusted(10, 10, -10, -10), 40, 40);
      QFont font("DejaVu Sans");
      font.setPixelSize(60);
      p.setFont(font);
      p.drawText(r, Qt::AlignCenter, "Ab\nCd");
    };
    for (bool textured : {true, false}) {
      Random a(5), b(5);
      auto fill = [&](Random& r) {
        return textured ? std::optional<FillRows>(FillRows(pattern(3), {2100, 300}, r))
                        : std::nullopt;
      };
      const QImage banded = composePanel(backdrop, fill(a), shape, {}, PanelBands::Many);
      const QImage whole = composePanel(backdrop, fill(b), shape, {}, PanelBands::Whole);
      QCOMPARE(banded.size(), QSize(700, 100));
      QVERIFY2(banded == whole, textured ? "textured" : "untextured");
      // Inside the outline, away from the caption: the fill, or the backdrop.
      QCOMPARE(banded.pixel(12, 50) == backdrop.pixel(12, 50), !textured);
    }
  }

  void anUnlistedSchemeHasPlainPanels() {
    FirstScreenLook look;
    DecorSettings decor;
    decor.colourScheme = cp1251("Бузок");
    decor.programBackground = cp1251("Градієнт");
    decor.clockBackground = true;
    apply(decor, {}, {800, 600}, look);
    QCOMPARE(decor.colourScheme, cp1251("Прозорий"));
    QCOMPARE(look.windowColour, QColor(200, 192, 176));
    QVERIFY(!look.textured);
    QCOMPARE(look.clockFace.size(), QSize(100, 100));
    QCOMPARE(look.scoreFace.size(), QSize(245, 154));
    // Inside its shape the score panel shows the background under it
    // (here a vertical gradient, even along a row, without the hatching
    // around the panels); a textured one its fill (pattern 3, red noise).
    auto redRange = [](const QImage& face) {
      int lo = 255, hi = 0;
      for (int x = 60; x < 180; ++x) {
        lo = std::min(lo, qRed(face.pixel(x, 40)));
        hi = std::max(hi, qRed(face.pixel(x, 40)));
      }
      return hi - lo;
    };
    QVERIFY(redRange(look.scoreFace) <= 2);
    decor.colourScheme = cp1251("Ялиця");
    FirstScreenLook textured;
    apply(decor, {}, {800, 600}, textured);
    QVERIFY(textured.textured);
    QVERIFY(redRange(textured.scoreFace) > 60);
  }
};

QTEST_MAIN(AppearancePicturesTest)
#include "AppearancePicturesTest.moc"
