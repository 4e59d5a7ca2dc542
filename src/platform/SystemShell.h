#pragma once
// The desktop the kiosk window takes over: the taskbar, the system's
// screen-saver-running flag and the keyboard layout.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

// Keyboard layout codes the program switches between.
inline constexpr std::string_view kLayoutUkrainian = "00000422";
inline constexpr std::string_view kLayoutEnglish = "00000409";
inline constexpr std::string_view kLayoutRussian = "00000419";

class SystemShell {
 public:
  virtual ~SystemShell() = default;
  virtual void setTaskbarVisible(bool visible) = 0;
  virtual void setScreenSaverRunning(bool running) = 0;
  // Loads and activates a layout by its code; false when the system has none.
  virtual bool activateKeyboardLayout(std::string_view code) = 0;
  virtual std::string activeKeyboardLayout() const = 0;
};

// Keeps the state it is asked for and a log of the calls.  Where the
// system has no taskbar or layout service to call (anything but Windows),
// this is what the program uses; tests read its log.
class RecordingSystemShell : public SystemShell {
 public:
  void setTaskbarVisible(bool visible) override;
  void setScreenSaverRunning(bool running) override;
  bool activateKeyboardLayout(std::string_view code) override;
  std::string activeKeyboardLayout() const override { return layout_; }

  bool taskbarVisible() const { return taskbarVisible_; }
  bool screenSaverRunning() const { return screenSaverRunning_; }
  const std::vector<std::string>& calls() const { return calls_; }

 private:
  bool taskbarVisible_ = true;
  bool screenSaverRunning_ = false;
  std::string layout_ = std::string(kLayoutEnglish);
  std::vector<std::string> calls_;
};

// The shell of this system: the Win32 one on Windows, else the recorder.
std::unique_ptr<SystemShell> makeSystemShell();

}  // namespace ispyt
