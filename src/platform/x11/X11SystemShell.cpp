#include "platform/x11/X11SystemShell.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "platform/XkbLayouts.h"

// Xlib last: its macros (None, Bool, Status ...) would clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace ispyt {
namespace {

// While the flag is set the grab is taken again this often: a window
// manager that held the keyboard for a moment, or a grab another client
// had first, gives way in time.
constexpr int kRegrabMs = 1000;

}  // namespace

X11SystemShell::X11SystemShell(_XDisplay* display) : display_(display) {
  regrab_.setInterval(kRegrabMs);
  connect(&regrab_, &QTimer::timeout, this, [this] { grab(); });
  // A popup of the program (a side list, a drop-down) grabs the keyboard
  // for itself and lets go of it, and so of the main window's, on closing.
  QCoreApplication::instance()->installEventFilter(this);
}

X11SystemShell::~X11SystemShell() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void X11SystemShell::holdWindows(const std::vector<QWidget*>& windows) {
  DeskShell::holdWindows(windows);
  if (screenSaverRunning()) grab();
}

bool X11SystemShell::eventFilter(QObject* watched, QEvent* event) {
  if (screenSaverRunning() && watched->isWidgetType()) {
    auto* w = static_cast<QWidget*>(watched);
    const bool popupGone = event->type() == QEvent::Hide && w->windowType() == Qt::Popup;
    const bool mainShown = w == mainWindow() && (event->type() == QEvent::Show ||
                                                 event->type() == QEvent::WindowActivate);
    // After the popup's own ungrab, which follows its hiding.
    if (popupGone || mainShown) QTimer::singleShot(0, this, [this] { grab(); });
  }
  return false;
}

void X11SystemShell::holdKeyboard(bool hold) {
  suspendScreenSaver(hold);
  if (hold) {
    grab();
    regrab_.start();
    return;
  }
  regrab_.stop();
  if (grabbed_) XUngrabKeyboard(display_, CurrentTime);
  grabbed_ = false;
  // Out before the process may end.
  XSync(display_, False);
}

void X11SystemShell::grab() {
  QWidget* w = mainWindow();
  if (!screenSaverRunning() || !w || !w->isVisible()) return;
  // The main window gets every key; the program's own windows still get
  // theirs (owner events).
  const int result = XGrabKeyboard(display_, static_cast<Window>(w->winId()), True, GrabModeAsync,
                                   GrabModeAsync, CurrentTime);
  grabbed_ = result == GrabSuccess;
  // Not yet mapped is a matter of moments; another holder is worth a word.
  if (result == AlreadyGrabbed || result == GrabFrozen)
    sayOnce("grab", "another program holds the keyboard: taking it as soon as it lets go");
}

void X11SystemShell::suspendScreenSaver(bool suspend) {
  if (suspend == suspended_) return;
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XScreenSaverQueryExtension(display_, &event, &error) ||
      !XScreenSaverQueryVersion(display_, &major, &minor) || (major == 1 && minor < 1)) {
    if (suspend) sayOnce("saver", "the X server cannot suspend its screen saver");
    return;
  }
  XScreenSaverSuspend(display_, suspend ? True : False);
  suspended_ = suspend;
}

std::string X11SystemShell::configuredLayouts() const {
  const Atom names = XInternAtom(display_, "_XKB_RULES_NAMES", True);
  if (names == 0) return {};
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string layouts;
  if (XGetWindowProperty(display_, DefaultRootWindow(display_), names, 0, 1024, False, XA_STRING,
                         &type, &format, &count, &after, &data) == Success &&
      data && format == 8)
    layouts = std::string(
        xkbLayoutsOfRulesNames(std::string_view(reinterpret_cast<const char*>(data), count)));
  if (data) XFree(data);
  return layouts;
}

bool X11SystemShell::activateKeyboardLayout(std::string_view code) {
  const std::string_view wanted = xkbLayoutOf(code);
  if (wanted.empty()) return false;
  const std::string layouts = configuredLayouts();
  const int group = xkbGroupOf(layouts, code);
  if (group < 0) {
    const std::string list = layouts.empty() ? std::string("none") : layouts;
    sayOnce("layout " + std::string(wanted),
            "the keyboard has no \"" + std::string(wanted) + "\" layout (it has: " + list +
                "); an administrator adds it, e.g. setxkbmap -layout " +
                (layouts.empty() ? std::string("us") : layouts) + "," + std::string(wanted));
    return false;
  }
  if (!XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(group))) return false;
  // In force when this returns: the next key typed is in the new layout.
  XSync(display_, False);
  return true;
}

std::string X11SystemShell::activeKeyboardLayout() const {
  XkbStateRec state{};
  if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return {};
  return std::string(layoutCodeOfXkb(xkbLayoutAt(configuredLayouts(), state.group)));
}

}  // namespace ispyt
