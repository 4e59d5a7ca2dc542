// Rendered task texts against stored pictures, with a tolerance for the
// small differences font rasterisers make.  ISPYT_UPDATE_GOLDEN=1 rewrites
// the stored pictures (look at them before committing).

#include <QImage>
#include <QtTest>

#include "platform/Cp1251.h"
#include "presentation/RenderTaskText.h"
#include "presentation/qt/QtTextSlots.h"
#include "presentation/qt/RenderTitle.h"

using namespace ispyt;

namespace {

QString goldenPath(const char* name) {
  return QString(ISPYT_FIXTURES) + "/render/" + name + ".png";
}

// The share of pixels that differ by more than a quarter of the range in
// some channel.
double differingShare(const QImage& a, const QImage& b) {
  long differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 64 || std::abs(qGreen(p) - qGreen(q)) > 64 ||
          std::abs(qBlue(p) - qBlue(q)) > 64)
        ++differing;
    }
  return double(differing) / (a.width() * a.height());
}

void compareWithGolden(const QImage& rendered, const char* name) {
  const QString path = goldenPath(name);
  if (qEnvironmentVariableIsSet("ISPYT_UPDATE_GOLDEN")) QVERIFY(rendered.save(path));
  QImage golden(path);
  QVERIFY2(!golden.isNull(), qPrintable("missing " + path));
  QCOMPARE(rendered.size(), golden.size());
  const double share = differingShare(rendered.convertToFormat(QImage::Format_RGB32),
                                      golden.convertToFormat(QImage::Format_RGB32));
  QVERIFY2(share < 0.01,
           qPrintable(QString("%1: %2% of pixels differ").arg(name).arg(share * 100)));
}

}  // namespace

class RenderGoldenTest : public QObject {
  Q_OBJECT

 private slots:
  void taskTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::addRow("fraction") << "fraction" << u"{x+1\\2} = {1\\x-1}"_qs << QSize(300, 80);
    QTest::addRow("system") << "system" << u"{x+y=1^x-y=3}"_qs << QSize(200, 80);
    QTest::addRow("root-escapes") << "root-escapes" << u"#3x# + `a`p `з `г"_qs << QSize(300, 60);
    QTest::addRow("reaction") << "reaction" << u"N[2]+3H[2] {t\\=} 2NH[3]"_qs << QSize(320, 80);
  }

  void taskTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QtTextSlots slots_;
    GapBoxes gaps;
    GapAnchors anchors;
    TextRenderTarget target{slots_, gaps, anchors, {}};
    RenderTaskText(target, utf8ToCp1251(text.toStdString()), "", size.width(), size.height(), false,
                   true, 0, kBlack, 24);
    compareWithGolden(slots_.image(0), name.toUtf8().constData());
  }

  void title() {
    QtTextSlots slots_;
    slots_.backdrops.titleBackdrop = QImage(10, 10, QImage::Format_RGB32);
    slots_.backdrops.titleBackdrop.fill(QColor(40, 60, 120));
    QImage image = RenderTitle(slots_, SlotBackdrop{}, cp1251("Алгебра¶8 клас"), 240, 60);
    QCOMPARE(image.size(), QSize(240, 60));
    QVERIFY(slots_.image(kTitleSlot).isNull());  // the slot is released
    compareWithGolden(image, "title");
  }
};

QTEST_MAIN(RenderGoldenTest)
#include "RenderGoldenTest.moc"
