// The help and about windows over a bare main window on a virtual clock:
// the help window's heights and section links, its colours and running
// caption; the about window's first and last pages and its side bar.

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "presentation/ui/AboutWindow.h"
#include "presentation/ui/HelpWindow.h"

using namespace ispyt;

namespace {

void click(CaptionBar* bar, CaptionBar::Button b) {
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonRect(b).center());
}

}  // namespace

class HelpAboutWindowsTest : public QObject {
  Q_OBJECT

  QWidget main_;
  ManualScheduler scheduler_;
  ArtworkList artwork_;

 private slots:
  void initTestCase() {
    main_.setGeometry(0, 0, 800, 600);
    main_.show();
  }

  void theTitleBarButtonsStepTheHeight() {
    HelpWindow help(&main_, scheduler_);
    help.showOver(ScreenScale{}, cp1251("Гарбуз"));
    const int base = help.height();
    QCOMPARE(help.width(), 294);
    QCOMPARE(help.text()->parentWidget()->height() + help.text()->parentWidget()->y(), base);
    click(help.caption(), CaptionBar::Button::Maximise);
    click(help.caption(), CaptionBar::Button::Maximise);
    click(help.caption(), CaptionBar::Button::Maximise);  // no step 3
    QCOMPARE(help.heightStep(), 2);
    QCOMPARE(help.height() - base, 190);
    QVERIFY(help.isVisible() && !help.isMinimized() && !help.isMaximized());
    // Too tall to stand 135 pixels down: it moves up, inside the main window.
    QVERIFY(help.frameGeometry().bottom() <= main_.frameGeometry().bottom());
    QVERIFY(help.y() >= main_.y());
    click(help.caption(), CaptionBar::Button::Minimise);
    QCOMPARE(help.height() - base, 95);
    help.changeHeight(-5);
    QCOMPARE(help.heightStep(), 0);
    QCOMPARE(help.height(), base);
  }

  void aSectionLinkBringsItsSectionToTheTop() {
    HelpWindow help(&main_, scheduler_);
    help.showOver(ScreenScale{}, cp1251("Гарбуз"));
    for (int step = 0; step < kHelpSteps; ++step) {
      for (int s = static_cast<int>(kHelpSections.size()) - 1; s >= 0; --s) {
        QTest::mouseClick(help.link(s), Qt::LeftButton);
        QCOMPARE(help.topLine(), helpSectionTop(kHelpSections[s]));
        QCOMPARE(help.caretLine(), kHelpSections[s].target[step]);
        QVERIFY(help.link(s)->font().underline());
        QVERIFY(!help.link((s + 1) % 5)->font().underline());
      }
      help.changeHeight(1);
    }
  }

  void hoveringALinkTurnsItBlue() {
    HelpWindow help(&main_, scheduler_);
    help.showOver(ScreenScale{}, cp1251("Гарбуз"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(help.link(2), &enter);
    QCOMPARE(help.link(2)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(help.link(0)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QApplication::sendEvent(help.link(0), &enter);
    QCOMPARE(help.link(2)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(help.link(0)->font().bold());
  }

  void theTextIsFormattedAndColouredByTheScheme() {
    HelpWindow help(&main_, scheduler_);
    help.showOver(ScreenScale{}, cp1251("Морська"));
    QCOMPARE(help.palette().color(QPalette::Window), QColor(160, 200, 255));
    QCOMPARE(help.text()->palette().color(QPalette::Base), QColor(240, 228, 255));
    QTextDocument* doc = help.text()->document();
    QCOMPARE(doc->blockCount(), static_cast<int>(helpPage().lines.size()));
    const QTextCharFormat title = doc->findBlockByNumber(0).begin().fragment().charFormat();
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.foreground().color(), QColor(0, 0, 128));
    QCOMPARE(title.fontPointSize(), 11.0);
    const QTextBlock heading = doc->findBlockByNumber(helpSectionTop(kHelpSections[1]) - 1);
    QVERIFY(heading.begin().fragment().charFormat().fontUnderline());
    // A key line: the key's name bold in green, the rest not bold.
    QTextBlock keys = doc->findBlockByNumber(helpSectionTop(kHelpSections[3]));
    QTextCursor c(keys);
    c.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(c.charFormat().foreground().color(), QColor(0, 128, 0));
    c.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(c.charFormat().fontWeight() != int(QFont::Bold));
  }

  void theCaptionRunsForEightTicks() {
    HelpWindow help(&main_, scheduler_);
    help.showOver(ScreenScale{}, cp1251("Гарбуз"));
    QCOMPARE(help.caption()->text(), QString::fromUtf8("Довідка "));
    scheduler_.advance(kMarqueeTickMs);
    QCOMPARE(help.caption()->text(), QString::fromUtf8("овідка Д"));
    QCOMPARE(help.windowTitle(), help.caption()->text());
    scheduler_.advance(kMarqueeTickMs * 7);
    QCOMPARE(help.caption()->text(), QString::fromUtf8("Довідка "));
    QVERIFY(!help.marquee().running());
    help.showOver(ScreenScale{}, cp1251("Гарбуз"));
    QVERIFY(help.marquee().running());
    click(help.caption(), CaptionBar::Button::Close);
    QVERIFY(!help.isVisible() && !help.marquee().running());
  }

  void theAboutWindowOpensOnItsFirstOrItsLastPage() {
    AboutWindow about(&main_, scheduler_, artwork_);
    about.showOver(true, ScreenScale{}, cp1251("Морська"));
    QVERIFY(about.isModal());
    QCOMPARE(about.page(), 1);
    QCOMPARE(about.pages()->minimum(), 1);
    QCOMPARE(about.pages()->maximum(), 9);
    QCOMPARE(about.pages()->singleStep(), 4);
    QCOMPARE(about.pages()->pageStep(), 4);
    QCOMPARE(about.card().size(), QSize(310, 178));
    about.hide();

    about.showOver(false, ScreenScale{}, cp1251("Морська"));
    QCOMPARE(about.page(), 9);
    const QImage card = about.card();
    // The red italic line at y = 93, and only on that page.
    auto redPixels = [](const QImage& image) {
      int red = 0;
      for (int y = 93; y < 118; ++y)
        for (int x = 5; x < 270; ++x) {
          const QColor c = image.pixelColor(x, y);
          red += c.red() > 200 && c.green() < 90 && c.blue() < 90;
        }
      return red;
    };
    QVERIFY(redPixels(card) > 20);
    about.pages()->setValue(5);
    QCOMPARE(redPixels(about.card()), 0);
    // The side bar in the scheme's accent.
    QCOMPARE(card.pixelColor(about.pages()->x() - 2, about.pages()->y() - CaptionBar::kHeight + 40),
             QColor(0, 128, 255));
    QCOMPARE(about.caption()->text(),
             QString::fromUtf8("Про програму ") + QString::fromUtf8("комп'ютерного класу."));
    scheduler_.advance(kMarqueeTickMs * 20);
    QVERIFY(!about.marquee().running());
  }
};

QTEST_MAIN(HelpAboutWindowsTest)
#include "HelpAboutWindowsTest.moc"
