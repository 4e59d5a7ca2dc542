// The "Додаток" window over a bare main window: the picture before the
// text, a rich-text file's lines unformatted, "Нема даних" for a file
// that cannot be read, the two forms, dragging.

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Cp1251.h"
#include "presentation/ui/AppendixWindow.h"

using namespace ispyt;

namespace {

void writeFile(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

void writePicture(const QString& name, QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QVERIFY(picture.save(name, "BMP"));
}

QByteArray bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

}  // namespace

class AppendixWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  QWidget main_;
  std::unique_ptr<AppendixWindow> window_;

  QString file(const QString& name) const { return QDir(folder_.path()).filePath(name); }
  bool show(int task) { return window_->showFor(folder_.path().toStdString(), task); }
  QPoint corner() const { return main_.mapToGlobal(QPoint(0, 0)); }

 private slots:
  void init() {
    main_.setGeometry(0, 0, 800, 600);
    main_.show();
    window_ = std::make_unique<AppendixWindow>(&main_, ScreenScale{});
    for (const QString& name :
         QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
      QDir(file(name)).removeRecursively() || QFile::remove(file(name));
  }

  void aTaskWithoutAppendixHidesTheWindow() {
    writePicture(file("D2.bmp"), {10, 10});
    QVERIFY(show(2));
    QVERIFY(window_->isVisible());
    QVERIFY(!show(1));
    QVERIFY(!window_->isVisible());
  }

  void thePictureWinsOverTheText() {
    writePicture(file("D1.bmp"), {400, 200});
    writeFile(file("D1.txt"), "text");
    QVERIFY(show(1));
    QCOMPARE(window_->kind(), AppendixKind::Picture);
    QVERIFY(!window_->memo()->isVisible());
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("Додаток"));
    QVERIFY(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Landscape: the small form 265x240 at (525, 140), the picture in it
    // by its aspect under the title bar.
    QCOMPARE(window_->geometry(), QRect(corner() + QPoint(525, 140), QSize(265, 240)));
    QCOMPARE(window_->image().size(), QSize(265, 132));
    QCOMPARE(window_->image().pixelColor(100, 50), QColor(Qt::red));
    QCOMPARE(
        window_->caption()->buttons(),
        (std::vector<CaptionBar::Button>{CaptionBar::Button::Maximise, CaptionBar::Button::Close}));
    QTest::mouseClick(window_->caption(), Qt::LeftButton, {},
                      window_->caption()->buttonRect(CaptionBar::Button::Maximise).center());
    QVERIFY(window_->large());
    QCOMPARE(window_->geometry(), QRect(corner() + QPoint(400, 20), QSize(398, 360)));
    QCOMPARE(window_->image().size(), QSize(398, 199));
    QCOMPARE(window_->caption()->buttons().front(), CaptionBar::Button::Minimise);
    window_->setLarge(false);
    QCOMPARE(window_->geometry(), QRect(corner() + QPoint(525, 140), QSize(265, 240)));
  }

  void aPortraitPictureStandsHigher() {
    writePicture(file("D5.bmp"), {100, 300});
    QVERIFY(show(5));
    QCOMPARE(window_->geometry(), QRect(corner() + QPoint(525, 140), QSize(265, 360)));
    window_->setLarge(true);
    QCOMPARE(window_->geometry(), QRect(corner() + QPoint(400, 20), QSize(398, 540)));
    window_->setLarge(false);
    QCOMPARE(window_->geometry().topLeft(), corner() + QPoint(525, 20));
  }

  void theTextLineIsRenderedLikeATaskText() {
    writeFile(file("D3.txt"), bytes(cp1251("Вода H[2]O\r\nдругий рядок")));
    QVERIFY(show(3));
    QCOMPARE(window_->kind(), AppendixKind::Text);
    QVERIFY(!window_->memo()->isVisible());
    const QImage& text = window_->image();
    QCOMPARE(text.size(), QSize(265, 220));
    int ink = 0;
    for (int y = 0; y < text.height(); ++y)
      for (int x = 0; x < text.width(); ++x) ink += text.pixelColor(x, y).value() < 100;
    QVERIFY(ink > 100);
    window_->setLarge(true);
    QCOMPARE(window_->image().size(), QSize(398, 340));
  }

  void richTextShowsItsLinesUnformatted() {
    writeFile(file("D4.rtf"),
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b\\'c4\\'e0\\'ed\\'b3\\par "
              "second\\par}");
    QVERIFY(show(4));
    QCOMPARE(window_->kind(), AppendixKind::Lines);
    QVERIFY(window_->memo()->isVisible());
    QCOMPARE(window_->memo()->toPlainText(), QString::fromUtf8("Дані\nsecond"));
    QCOMPARE(window_->memo()->palette().color(QPalette::Base), QColor(224, 192, 128));
    QCOMPARE(window_->memo()->font().family(), QString("Courier New"));
    QCOMPARE(window_->memo()->font().pixelSize(), 14);
    QVERIFY(!window_->memo()->font().bold());
    QTest::mouseDClick(window_->memo()->viewport(), Qt::LeftButton);
    QVERIFY(window_->memo()->font().bold());
    window_->setLarge(true);
    QCOMPARE(window_->memo()->font().pixelSize(), 21);
  }

  void aFileThatCannotBeReadSaysSo() {
    QVERIFY(QDir(folder_.path()).mkdir("D6.txt"));  // a folder, no file
    QVERIFY(show(6));
    QCOMPARE(window_->memo()->toPlainText(), QString::fromUtf8("Нема даних"));
    writeFile(file("D7.bmp"), "BM not a picture");
    QVERIFY(show(7));
    QCOMPARE(window_->memo()->toPlainText(), QString::fromUtf8("Нема даних"));
    QVERIFY(window_->isVisible());
  }

  void itIsDraggedByItsWholeSurface() {
    writePicture(file("D8.bmp"), {50, 40});
    QVERIFY(show(8));
    const QPoint before = window_->pos();
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 90), window_->mapToGlobal(QPointF(130, 90)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &move);
    QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, QPoint(130, 90));
    QCOMPARE(window_->pos(), before + QPoint(30, -10));
  }

  void closingItLeavesItToTheTaskTitle() {
    writePicture(file("D9.bmp"), {50, 40});
    QVERIFY(show(9));
    QTest::mouseClick(window_->caption(), Qt::LeftButton, {},
                      window_->caption()->buttonRect(CaptionBar::Button::Close).center());
    QVERIFY(!window_->isVisible());
  }
};

QTEST_MAIN(AppendixWindowTest)
#include "AppendixWindowTest.moc"
