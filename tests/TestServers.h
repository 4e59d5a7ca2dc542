#pragma once
// Servers of the test program's own, for the tests that need a real X11
// session (the widget tests otherwise run offscreen): a virtual X server
// on a display number no other server holds (Xvfb picks it and tells it
// through -displayfd), and a session bus.  A program without Xvfb on the
// machine exits with kSkippedForWantOfXvfb, which CTest counts as skipped.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace ispyt::test {

inline constexpr int kSkippedForWantOfXvfb = 77;

// A server started with `argv`, which writes one line saying where it is
// to the descriptor 3; ended with the test program.
class ToldServer {
 public:
  ToldServer() = default;
  ToldServer(const ToldServer&) = delete;
  ToldServer& operator=(const ToldServer&) = delete;
  ~ToldServer() { stop(); }

  // False when the program is not there, or said nothing.
  bool start(const std::vector<const char*>& argv) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<const char*> args = argv;
    args.push_back(nullptr);
    const int spawned = posix_spawnp(&pid_, args[0], &actions, nullptr,
                                     const_cast<char* const*>(args.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
      close(fds[0]);
      pid_ = 0;
      return false;
    }
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') told_ += c;
    close(fds[0]);
    if (told_.empty()) stop();
    return !told_.empty();
  }

  void stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }

  const std::string& told() const { return told_; }

 private:
  pid_t pid_ = 0;
  std::string told_;
};

// Xvfb with one screen of `size`; DISPLAY points at it.  No reset when the
// last client goes: the keyboard layouts a test set stay for the next.
inline bool startXvfb(ToldServer& server, const char* size = "1024x768x24") {
  if (!server.start(
          {"Xvfb", "-displayfd", "3", "-screen", "0", size, "-nolisten", "tcp", "-noreset"}))
    return false;
  setenv("DISPLAY", (":" + server.told()).c_str(), 1);
  return true;
}

// A session bus; DBUS_SESSION_BUS_ADDRESS points at it, or is unset when
// there is no dbus-daemon.
inline bool startSessionBus(ToldServer& server) {
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  if (!server.start({"dbus-daemon", "--session", "--nofork", "--print-address=3"})) return false;
  setenv("DBUS_SESSION_BUS_ADDRESS", server.told().c_str(), 1);
  return true;
}

}  // namespace ispyt::test
