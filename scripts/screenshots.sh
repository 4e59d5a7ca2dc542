#!/usr/bin/env bash
# Runs ispyt under Xvfb at 800x600 and 1280x800 and saves screenshots of the
# intro and of the idle screen into a folder (default: screenshots/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
out="${1:-$root/screenshots}"
"$root/scripts/build.sh" >/dev/null
mkdir -p "$out"

shoot() {  # size display: the places to click are those of that size
  local size=$1 display=$2 test_x=$3 test_y=$4 item1_y=$5 item2_y=$6 settings_x=$7 exit_x=$8
  local yes_x=$9 yes_y=${10}
  Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  DISPLAY=":$display" ISPYT_REPORT_FIRST_FRAME=1 \
    "$build/ispyt" --program-folder "$build/demo" 2>"$out/startup-$size.log" &
  local app=$!
  sleep 1.6
  DISPLAY=":$display" import -window root "$out/intro-$size.png"
  sleep 5.5
  DISPLAY=":$display" import -window root "$out/idle-$size.png"
  # The test list: point at "Тест" and click.
  DISPLAY=":$display" xdotool mousemove "$test_x" "$test_y" sleep 0.3 \
    mousemove $((test_x + 2)) "$test_y" sleep 0.3 click 1
  sleep 0.8
  DISPLAY=":$display" import -window root "$out/test-list-$size.png"
  # The first test's title screen.
  DISPLAY=":$display" xdotool mousemove 40 "$item1_y" sleep 0.3 click 1
  sleep 1
  DISPLAY=":$display" import -window root "$out/title-screen-$size.png"
  # The second test has a password: "Установки" asks for it.
  DISPLAY=":$display" xdotool mousemove "$test_x" "$test_y" sleep 0.3 \
    mousemove $((test_x + 2)) "$test_y" sleep 0.3 click 1 sleep 0.8 \
    mousemove 40 "$item2_y" sleep 0.3 click 1 sleep 1 \
    mousemove "$settings_x" "$test_y" sleep 0.3 mousemove $((settings_x + 2)) "$test_y" \
    sleep 0.3 click 1 sleep 0.5 type 12
  sleep 0.5
  DISPLAY=":$display" import -window root "$out/password-$size.png"
  # "Вихід" with a test open asks first; the mouse over the desktop's
  # thumbnail shows "Tak".
  DISPLAY=":$display" xdotool mousemove "$exit_x" "$test_y" sleep 0.3 \
    mousemove $((exit_x + 2)) "$test_y" sleep 0.3 click 1 sleep 0.5 \
    mousemove "$yes_x" "$yes_y" sleep 0.2 mousemove $((yes_x + 3)) "$yes_y"
  sleep 0.5
  DISPLAY=":$display" import -window root "$out/exit-confirmation-$size.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

shoot 800x600 91 24 10 35 55 110 436 220 47
shoot 1280x800 92 34 15 47 74 150 575 352 63
echo "screenshots in $out"
