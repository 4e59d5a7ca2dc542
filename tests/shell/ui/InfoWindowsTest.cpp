// The help and about windows on the main window: F1 and F2, the scheme of
// decor.ini, and the school's lines of user.txt as whom to ask.

#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Cp1251.h"
#include "platform/SystemShell.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;

class InfoWindowsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

 private slots:
  void initTestCase() {
    QVERIFY(QDir(dir_.path()).mkpath("Base/Set/Test"));
    QFile user(dir_.path() + "/Base/user.txt");
    QVERIFY(user.open(QIODevice::WriteOnly));
    user.write(QByteArray::fromStdString(cp1251("Ліцей №1\r\nм. Суми\r\n")));
    user.close();
    window_ = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir_.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .showMessage = [](const QString&) {},
    });
    window_->showOnScreen();
    // The keys wait for the opening transition.
    QTRY_VERIFY_WITH_TIMEOUT(!window_->transitionRunning(), 10000);
  }

  void f1ShowsTheHelpInTheSchemesColours() {
    QTest::keyClick(window_.get(), Qt::Key_F1);
    HelpWindow* help = window_->info().help();
    QTRY_VERIFY(help->isVisible());
    // The default scheme "Гарбуз".
    QCOMPARE(help->palette().color(QPalette::Window), QColor(255, 208, 144));
    QCOMPARE(help->y(), window_->y() + window_->workstation().scale.y(135));
    help->hide();
  }

  void f2ShowsTheAboutOnItsLastPageWithTheSchool() {
    QTest::keyClick(window_.get(), Qt::Key_F2);
    AboutWindow* about = window_->info().about();
    QTRY_VERIFY(about->isVisible());
    QCOMPARE(about->page(), 9);
    QVERIFY(about->caption()->text().endsWith(QString::fromUtf8("м. Суми")));
    about->hide();
    window_->info().showAbout(true);
    QCOMPARE(about->page(), 1);
    about->hide();
  }
};

QTEST_MAIN(InfoWindowsTest)
#include "InfoWindowsTest.moc"
