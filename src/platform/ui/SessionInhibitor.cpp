#include "platform/ui/SessionInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>

namespace ispyt {
namespace {

const char* const kService = "org.freedesktop.ScreenSaver";
const char* const kPath = "/org/freedesktop/ScreenSaver";
const char* const kInterface = "org.freedesktop.ScreenSaver";

// Without an address and without the user's bus the bus library would
// start a bus of its own for the program: nothing there to ask.
bool sessionBusNamed() {
  if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath("bus"));
}

QDBusMessage call(const char* method) {
  return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

void unInhibit(uint cookie) {
  QDBusMessage m = call("UnInhibit");
  m << cookie;
  QDBusConnection::sessionBus().call(m, QDBus::NoBlock);
}

}  // namespace

SessionInhibitor::SessionInhibitor(std::function<void(const QString& why)> refused)
    : refused_(std::move(refused)) {
  available_ = sessionBusNamed() && QDBusConnection::sessionBus().isConnected();
}

SessionInhibitor::~SessionInhibitor() { hold(false); }

void SessionInhibitor::hold(bool on) {
  wanted_ = on;
  if (!available_) return;
  if (on && !haveCookie_ && !asking_) ask();
  if (!on && haveCookie_) handBack();
}

void SessionInhibitor::ask() {
  QDBusMessage m = call("Inhibit");
  m << QStringLiteral("ispyt") << QStringLiteral("a test is under way");
  // The answer may come after the inhibitor is gone: the hold it brings
  // is handed back then.
  asking_ = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(m),
                                        QCoreApplication::instance());
  connect(asking_, &QDBusPendingCallWatcher::finished, asking_,
          [self = QPointer<SessionInhibitor>(this)](QDBusPendingCallWatcher* w) {
            if (self) return self->answered(w);
            w->deleteLater();
            const QDBusPendingReply<uint> reply = *w;
            if (!reply.isError()) unInhibit(reply.value());
          });
}

void SessionInhibitor::answered(QDBusPendingCallWatcher* w) {
  asking_ = nullptr;
  w->deleteLater();
  const QDBusPendingReply<uint> reply = *w;
  if (reply.isError()) {  // a session without the service
    if (refused_) refused_(reply.error().message());
    return;
  }
  cookie_ = reply.value();
  haveCookie_ = true;
  if (!wanted_) handBack();
}

void SessionInhibitor::handBack() {
  unInhibit(cookie_);
  haveCookie_ = false;
}

}  // namespace ispyt
