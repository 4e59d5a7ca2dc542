// The result screen's pictures: the diagram sweeps further as the angle
// grows and shows each part only when there is one; the closing draws the
// medal only with a grade; the name plate has the code at its left and the
// name in the rest.  ISPYT_RESULT_PICTURES=DIR saves them as PNGs
// to look at.

#include <QImage>
#include <QtTest>
#include <functional>
#include <numbers>

#include "platform/Cp1251.h"
#include "results/ui/ClosingPicture.h"
#include "results/ui/NamePlatePicture.h"
#include "results/ui/ResultDiagram.h"

using namespace ispyt;

namespace {

constexpr double kPi = std::numbers::pi;
const QSize kSize(480, 360);

int countPixels(const QImage& image, const std::function<bool(QColor)>& is) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += is(image.pixelColor(x, y)) ? 1 : 0;
  return n;
}

bool green(QColor c) { return c.green() > c.red() + 50 && c.green() > c.blue() + 40; }
bool pink(QColor c) { return c.red() > 200 && c.red() - c.green() > 40 && c.blue() > 110; }
bool gold(QColor c) { return c.red() > 150 && c.green() > 100 && c.blue() < 90; }

void keep(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("ISPYT_RESULT_PICTURES");
  if (!dir.isEmpty()) QVERIFY(image.save(dir + "/" + name + ".png"));
}

}  // namespace

class ResultPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void diagramSweepsWithTheAngle() {
    int last = -1;
    for (int step : {0, 16, 32, 48, 64}) {
      const QImage image = resultDiagram(kSize, (32 + step) * kPi / 16, 10, 0, false, {});
      keep(image, QString("diagram-all-right-%1").arg(step));
      const int n = countPixels(image, green);
      if (step == 0) QCOMPARE(n, 0);
      QVERIFY2(n > last, qPrintable(QString("step %1: %2 green").arg(step).arg(n)));
      // Nothing wrong: no pink part, only the legend's small dot.
      QVERIFY(countPixels(image, pink) < 400);
      last = n;
    }
  }

  void diagramSharesTheRingAndAsksForTheClick() {
    const QImage half = resultDiagram(kSize, 6 * kPi, 10, 5, true, {});
    const int right = countPixels(half, green), wrong = countPixels(half, pink);
    QVERIFY(right > 1000);
    QVERIFY2(std::abs(right - wrong) < right / 4,
             qPrintable(QString("%1 / %2").arg(right).arg(wrong)));
    keep(half, "diagram-half-prompt");
    QImage backdrop(200, 150, QImage::Format_RGB32);
    backdrop.fill(QColor(250, 240, 200));
    keep(resultDiagram(kSize, 7 * kPi, 40, 9, true, backdrop), "diagram-backdrop");
    // The prompt band is painted only when asked for.
    const QImage bare = resultDiagram(kSize, 6 * kPi, 10, 5, false, {});
    QVERIFY(half.copy(0, 310, 480, 50) != bare.copy(0, 310, 480, 50));
  }

  void diagramOfNothingJudgedIsEmpty() {
    for (int wrong : {0, -1}) {
      const QImage image = resultDiagram(kSize, 6 * kPi, 0, wrong, true, {});
      QCOMPARE(countPixels(image, green) + countPixels(image, pink), 0);
      keep(image, "diagram-empty");
    }
    QCOMPARE(resultDiagram(QSize(0, 0), 3 * kPi, 5, 2, true, {}).size(), QSize(1, 1));
  }

  void closingDrawsTheMedalOnlyWithAGrade() {
    const QPoint middle(240, 151);
    for (int step : {1, 12, 24, 36, 69}) {
      keep(closingPicture(kSize, step, 11, 12, {}), QString("closing-grade-11-%1").arg(step));
      keep(closingPicture(kSize, step, 0, 12, {}), QString("closing-plain-%1").arg(step));
    }
    const QImage top = closingPicture(kSize, 69, 11, 12, {});
    QVERIFY(countPixels(top, gold) > 5000);
    keep(closingPicture(kSize, 69, 8, 12, {}), "closing-grade-8");
    keep(closingPicture(kSize, 69, 5, 12, {}), "closing-grade-5");
    keep(closingPicture(kSize, 69, 2, 12, {}), "closing-grade-2");

    const QImage plain = closingPicture(kSize, 69, 0, 12, {});
    QCOMPARE(countPixels(plain, gold), 0);
    // Closed: one ground colour under the middle and the corners alike.
    QColor a = plain.pixelColor(middle), b = plain.pixelColor(5, 180);
    QVERIFY(std::abs(a.blue() - b.blue()) < 12 && a.blue() < 200);
    // At the first step the screen is still all but open.
    QImage backdrop(kSize, QImage::Format_RGB32);
    backdrop.fill(QColor(250, 240, 200));
    QCOMPARE(closingPicture(kSize, 1, 0, 12, backdrop).pixelColor(middle), QColor(250, 240, 200));
    QCOMPARE(closingPicture(QSize(0, 0), 30, 12, 12, {}).size(), QSize(1, 1));
  }

  void namePlateHasTheCodeAndTheName() {
    QImage background(QSize(245, 20) * 2, QImage::Format_RGB32);
    background.fill(QColor(220, 220, 240));
    const ScreenScale scale{2, 2, 2};
    NamePlateText text{cp1251("Іваненко Петро Сидор"), "Y537", false, false};
    const QImage straight = namePlatePicture(background, text, scale);
    keep(straight, "name-plate");
    QCOMPARE(straight.size(), background.size());
    auto dark = [](QColor c) { return c.red() < 150 && c.green() < 150; };
    // The code within the left fifth, the name across the rest.
    QVERIFY(countPixels(straight.copy(0, 0, 98, 40), dark) > 40);
    QVERIFY(countPixels(straight.copy(98, 0, 392, 40), dark) > 200);
    text.zigzag = true;
    const QImage zigzag = namePlatePicture(background, text, scale);
    keep(zigzag, "name-plate-zigzag");
    QVERIFY(zigzag != straight);
    QCOMPARE(zigzag.copy(98, 0, 392, 40), straight.copy(98, 0, 392, 40));
    // Nothing to draw but the code: no name, no failure.
    text.fullName.clear();
    QCOMPARE(countPixels(namePlatePicture(background, text, scale).copy(98, 0, 392, 40), dark), 0);
  }
};

QTEST_MAIN(ResultPicturesTest)
#include "ResultPicturesTest.moc"
