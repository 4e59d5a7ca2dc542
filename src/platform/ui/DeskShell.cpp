#include "platform/ui/DeskShell.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cstdio>

#ifdef ISPYT_X11
#include "platform/x11/X11SystemShell.h"
#endif

namespace ispyt {
namespace {

void setAbove(QWidget* w, bool above) {
  // A shown window changes in place; a widget's own flag would hide it.
  if (QWindow* handle = w->windowHandle())
    handle->setFlag(Qt::WindowStaysOnTopHint, above);
  else
    w->setWindowFlag(Qt::WindowStaysOnTopHint, above);
}

bool coversItsScreen(const QWidget* w) {
  const QScreen* screen = w->screen();
  return screen && w->geometry() == screen->geometry();
}

}  // namespace

DeskShell::DeskShell()
    : inhibitor_([this](const QString& why) {
        sayOnce("inhibit",
                "the desktop's screen saver was not asked to stay off (" + why.toStdString() + ")");
      }) {}

DeskShell::~DeskShell() = default;

void DeskShell::holdWindows(const std::vector<QWidget*>& windows) {
  windows_.assign(windows.begin(), windows.end());
  placeWindows();
}

QWidget* DeskShell::mainWindow() const { return windows_.empty() ? nullptr : windows_.front(); }

void DeskShell::setTaskbarVisible(bool visible) {
  taskbarVisible_ = visible;
  placeWindows();
}

void DeskShell::placeWindows() {
  for (const QPointer<QWidget>& w : windows_) {
    if (!w) continue;
    setAbove(w, !taskbarVisible_);
    // Only the main window goes full screen: a frame behind it keeps its
    // own geometry, which full screen would not give back.
    if (w == mainWindow() && !taskbarVisible_ && coversItsScreen(w))
      w->setWindowState(w->windowState() | Qt::WindowFullScreen);
  }
}

void DeskShell::setScreenSaverRunning(bool running) {
  if (running == screenSaverRunning_) return;
  screenSaverRunning_ = running;
  if (running && !inhibitor_.available())
    sayOnce(
        "inhibit",
        "no session bus: the desktop's own screen saver is not asked to stay off during a test");
  inhibitor_.hold(running);
  holdKeyboard(running);
}

void DeskShell::holdKeyboard(bool hold) {
  if (hold)
    sayOnce("keyboard", "this session (" + QGuiApplication::platformName().toStdString() +
                            ") lets no program hold the keyboard: task switching stays open");
}

bool DeskShell::activateKeyboardLayout(std::string_view code) {
  sayOnce("layouts", "this session (" + QGuiApplication::platformName().toStdString() +
                         ") keeps the keyboard layouts to itself: the pupil switches them");
  return false;
}

void DeskShell::sayOnce(const std::string& topic, const std::string& text) {
  if (!said_.insert(topic).second) return;
  std::fprintf(stderr, "ispyt: %s\n", text.c_str());
}

std::unique_ptr<SystemShell> makeDeskShell() {
#ifdef ISPYT_WIN32
  return makeSystemShell();
#else
#ifdef ISPYT_X11
  // The offscreen platform answers for X11 too, with no display behind it.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 && x11->display()) return std::make_unique<X11SystemShell>(x11->display());
#endif
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") return makeSystemShell();
  return std::make_unique<DeskShell>();
#endif
}

}  // namespace ispyt
