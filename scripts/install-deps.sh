#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when they are all present, so it is cheap to call every time.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libfontconfig-dev
  libsqlite3-dev
  clang libclang-rt-14-dev
  libsdl2-mixer-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps xdotool imagemagick fonts-liberation2 fonts-dejavu-core
  # The X11 desktop: Xlib and XKB, and the server's screen-saver extension.
  libx11-dev libxss-dev
  # Its tests: keyboard layouts set on the test server, and a session bus
  # with a screen-saver service of their own.
  x11-xkb-utils dbus-daemon dbus-session-bus-common
  # The Debian package: its manual pages made from --help, CPack's
  # dependency search (dpkg-shlibdeps, which needs file), its check, and
  # the capability its installation gives the receiver (setcap, getcap).
  help2man dpkg-dev file lintian libcap2-bin
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
