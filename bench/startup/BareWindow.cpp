// The yardstick of the start-up benchmark: a bare Qt Widgets window that
// opens full-screen, paints itself once, reports it on stderr as ispyt
// does ("first frame painted"), and quits; with --stay it stays open, so
// that its idle memory can be read.

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
 public:
  explicit BareWindow(bool stay) : stay_(stay) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), QColor(240, 244, 250));
    if (painted_) return;
    painted_ = true;
    std::fprintf(stderr, "first frame painted\n");
    std::fflush(stderr);
    if (!stay_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }

 private:
  bool stay_;
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow window(app.arguments().contains("--stay"));
  // Without a window manager (Xvfb) full screen is only asked for, so the
  // window takes the screen's size itself, as ispyt's does.
  if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->geometry());
  window.showFullScreen();
  return app.exec();
}
