#pragma once
// Keeps the desktop session from blanking the screen or saving power
// through its screen-saver service on the session bus
// (org.freedesktop.ScreenSaver, which the common desktops offer on X11 and
// Wayland alike).  The calls never wait: the answer comes on the event
// loop, and a hold given up before it came is handed back when it comes.
// The service lets go by itself when the program ends.

#include <QDBusPendingCallWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

namespace ispyt {

class SessionInhibitor : public QObject {
 public:
  // `refused` hears why the session did not take a hold.
  explicit SessionInhibitor(std::function<void(const QString& why)> refused = {});
  ~SessionInhibitor() override;

  // False when the session has no bus to ask.
  bool available() const { return available_; }
  void hold(bool on);
  // The service has said yes, and the hold stands.
  bool held() const { return haveCookie_ && wanted_; }

 private:
  void ask();
  void answered(QDBusPendingCallWatcher* watcher);
  void handBack();

  bool available_ = false;
  bool wanted_ = false;
  QPointer<QDBusPendingCallWatcher> asking_;
  bool haveCookie_ = false;
  std::uint32_t cookie_ = 0;
  std::function<void(const QString&)> refused_;
};

}  // namespace ispyt
