#!/usr/bin/env bash
# Runs ispyt under Xvfb at 800x600 and 1280x800 and saves screenshots of the
# intro, the idle screen and the menu into a folder (default: screenshots/),
# the four tabs of the settings dialog opened through the password prompt,
# then one attempt at 800x600: the card filled in, a task with an option
# picked, the end message with its diagram, and the result after it; then
# the monitoring charts of a few simulated attempts, a stored result with
# its name plate and its own chart; the appearance dialog's three tabs and
# the main screen after OK with another scheme and background; then the
# teacher's receiver with the results of a few simulated attempts sent to
# it; last an attempt killed midway offered back at the next start.  The program runs on a copy of the demo folder, so no result or
# decor.ini is left behind.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ISPYT_BUILD_DIR:-$root/build}"
out="${1:-$root/screenshots}"
"$root/scripts/build.sh" >/dev/null
mkdir -p "$out"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp -r "$build/demo/." "$folder"
# The same shuffles on every run, so that two runs can be compared.
export ISPYT_SEED="${ISPYT_SEED:-1}"

# A virtual screen of SIZE on a display number no other server holds.
start_xvfb() {
  local fifo
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

shoot() {  # size: the places to click are those of that size
  local size=$1 test_x=$2 test_y=$3 item1_y=$4 item2_y=$5 settings_x=$6 exit_x=$7
  local yes_x=$8 yes_y=$9 tabs_y=${10}
  local tabs_x=(${11})
  start_xvfb "$size"
  ISPYT_REPORT_FIRST_FRAME=1 \
    "$build/ispyt" --program-folder "$folder" 2>"$out/startup-$size.log" &
  local app=$!
  sleep 1.6
  import -window root "$out/intro-$size.png"
  sleep 5.5
  import -window root "$out/idle-$size.png"
  # The test list: point at "Тест" and click.
  xdotool mousemove "$test_x" "$test_y" sleep 0.3 \
    mousemove $((test_x + 2)) "$test_y" sleep 0.3 click 1
  sleep 0.8
  import -window root "$out/test-list-$size.png"
  # The first test's title screen.
  xdotool mousemove 40 "$item1_y" sleep 0.3 click 1
  sleep 1
  import -window root "$out/title-screen-$size.png"
  # The second test has a password: "Установки" asks for it.
  xdotool mousemove "$test_x" "$test_y" sleep 0.3 \
    mousemove $((test_x + 2)) "$test_y" sleep 0.3 click 1 sleep 0.8 \
    mousemove 40 "$item2_y" sleep 0.3 click 1 sleep 1 \
    mousemove "$settings_x" "$test_y" sleep 0.3 mousemove $((settings_x + 2)) "$test_y" \
    sleep 0.3 click 1 sleep 0.5 type 12
  sleep 0.5
  import -window root "$out/password-$size.png"
  # The rest of the password opens the settings dialog: its four tabs.
  xdotool type 34
  sleep 0.8
  local tab
  for tab in 1 2 3 4; do
    xdotool mousemove "${tabs_x[$((tab - 1))]}" "$tabs_y" sleep 0.2 click 1
    sleep 0.5
    import -window root "$out/settings-tab$tab-$size.png"
  done
  xdotool key Escape
  sleep 0.3
  # "Вихід" with a test open asks first; the mouse over the desktop's
  # thumbnail shows "Tak".
  xdotool mousemove "$exit_x" "$test_y" sleep 0.3 \
    mousemove $((exit_x + 2)) "$test_y" sleep 0.3 click 1 sleep 0.5 \
    mousemove "$yes_x" "$yes_y" sleep 0.2 mousemove $((yes_x + 3)) "$yes_y"
  sleep 0.5
  import -window root "$out/exit-confirmation-$size.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

# A mouse click at x y, then a pause.
click() { xdotool mousemove "$1" "$2" sleep 0.3 mousemove $(($1 + 1)) "$2" sleep 0.2 click 1; sleep "${3:-0.4}"; }

# One attempt on the card, broken off after its first task; with a name
# (PREFIX) only the result after the closing is saved, as PREFIX-800x600.png.
attempt_series() {
  local only="${1:-}"
  shot() { [ -n "$only" ] || import -window root "$out/$1-800x600.png"; }
  start_xvfb 800x600
  "$build/ispyt" --program-folder "$folder" 2>/dev/null &
  local app=$!
  sleep 7
  click 24 10; click 40 35 1          # "Тест", the algebra test
  click 474 338 0.6                   # the main button: the card
  click 379 417; click 100 447        # a town
  click 379 472 0.5; click 150 354    # its school
  click 88 526; click 60 472          # class 8
  click 588 418 0.2
  xdotool type --delay 150 "Олена Коваль"
  sleep 0.4
  shot card
  click 474 338 1                     # the first task
  click 100 400 0.4                   # its first option
  shot task
  click 474 338 1                     # answered; then "Вихід" breaks off
  click 436 10 4
  shot end-message
  click 200 200 1.5                   # past the diagram: the closing
  import -window root "$out/${only:-result}-800x600.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

# The algebra test as a monitoring test with five simulated attempts: its
# three charts, a stored result with its name plate, and that result's chart
# (the Insert key).
results_series() {
  local test="$folder/Base/Шкільні тести/Алгебра 8 клас" script
  sed 's/^mode: test$/mode: monitoring/' "$root/demo/tests/Шкільні тести/Алгебра 8 клас.txt" \
    >"$folder/monitoring.txt"
  rm -f "$test"/*.rez "$test/Monitor.dm"
  "$build/ispyt-tool" make-test "$folder/monitoring.txt" -o "$test" >/dev/null
  script="$(mktemp)"
  # A name, then the answers of tasks 1-12 split by "," (A is the first
  # correct option).
  while IFS=';' read -r name answers; do
    {
      echo "mode: 4"
      echo "name: $name"
      IFS=',' read -ra each <<<"$answers"
      for a in "${each[@]}"; do echo "answer $a"; done
    } >"$script"
    "$build/ispyt-tool" simulate "$test" "$script" >/dev/null
  done <<'ATTEMPTS'
Коваль Олена;A,A,A,4 | 3,A B,A B,A B C D E,A B C D,A A,24,A,5
Бондар Іван;A,B,A,4 | 2,A,A B,B A C D E,A B C D,A B,24,B,5
Шевченко Марія;A,A,A,4 | 3,A B,A B,A B C D E,A B D C,A A,24,A,5
Мельник Софія;A,A,B,4 | 3,A B,A B,A B C E D,A B C D,A A,24,A,6
Ткачук Андрій;B,B,A,1 | 1,A C,A C,E D C B A,B A C D,B B,11,B,3
ATTEMPTS
  rm -f "$script"
  start_xvfb 800x600
  "$build/ispyt" --program-folder "$folder" 2>/dev/null &
  local app=$!
  sleep 7
  click 24 10; click 40 35 1           # "Тест", the algebra test
  click 225 10 0.8; click 220 163 1.5  # "Результат 5", "Моніторинг"
  import -window root "$out/charts-tasks-800x600.png"
  click 54 68 0.5; click 84 111 1      # "Діаграми", "Досягнення"
  import -window root "$out/charts-testees-800x600.png"
  click 54 68 0.5; click 84 133 2      # "Успішність": the pie turns
  import -window root "$out/charts-levels-800x600.png"
  click 225 10 0.8; click 210 33 1.5   # the first stored result
  import -window root "$out/stored-result-800x600.png"
  xdotool key Insert; sleep 1.5        # its chart, with its grade behind
  import -window root "$out/stored-result-chart-800x600.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

appearance_series() {
  start_xvfb 800x600
  "$build/ispyt" --program-folder "$folder" 2>/dev/null &
  local app=$!
  sleep 7
  click 330 10 1                      # "Оформлення": the options tab first
  import -window root "$out/appearance-options-800x600.png"
  click 357 91                        # "Списки": the unlock key in the pupil list
  click 245 245
  xdotool key ctrl+shift+F12
  sleep 0.3
  import -window root "$out/appearance-lists-800x600.png"
  click 150 91                        # "Оформлення": "Морська" and "Градієнт"
  click 315 138; xdotool key Down sleep 0.2 key Return; sleep 0.3
  click 175 138; xdotool key Up sleep 0.2 key Return; sleep 0.3
  import -window root "$out/appearance-look-800x600.png"
  click 145 395 2                     # "Ок": decor.ini written and read back
  import -window root "$out/appearance-applied-800x600.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

shoot 800x600 24 10 35 55 110 436 220 47 134 "116 206 300 381"
shoot 1280x800 34 15 47 74 150 575 352 63 178 "185 329 479 610"
attempt_series
# The same attempt where a folder stands in Monitor.dm's place: the result
# cannot be stored, and the card says so.
monitor="$folder/Base/Шкільні тести/Алгебра 8 клас/Monitor.dm"
rm -f "$monitor" && mkdir "$monitor"
attempt_series result-not-stored
# What it kept is not the appearance's business.
rm -rf "$monitor" "$folder/Pending"
results_series
appearance_series

# The help window (at its tallest, on the hot keys), the about window on
# its last and first pages (F2 opens the last), and a test of two tasks
# with appendices: a text line, then a picture, each beside its task.
info_series() {  # SIZE SX SY, then where to click: the help window's maximise button
  # (x y, x y at the next step, the y of its last top) and its hot-keys link, the about window's page-up arrow and close button
  local size=$1 sx=$2 sy=$3
  local help_max=($4) help_link=($5) about_up=($6) about_close=($7)
  at() { click "$(awk "BEGIN{print int($1*$sx+0.5)}")" "$(awk "BEGIN{print int($2*$sy+0.5)}")" "${3:-0.4}"; }
  local set="$folder/Base/Шкільні тести" source="$folder/Додатки.txt"
  cp -r "$root/demo/tests/Шкільні тести/додатки" "$folder/"
  cat >"$source" <<'SOURCE'
title: Додатки
mode: training
card: no

== single
? Яка річка найдовша в Україні?
appendix: додатки/річки.txt
+ Дніпро
- Дністер

== counted
? Виберіть два хвойні дерева.
appendix: додатки/дерева.bmp
+ сосна
+ ялина
- дуб
SOURCE
  "$build/ispyt-tool" make-test "$source" -o "$set/Додатки" --seed 1 >/dev/null
  start_xvfb "$size"
  "$build/ispyt" --program-folder "$folder" 2>/dev/null &
  local app=$!
  sleep 7
  xdotool key F1; sleep 0.6
  import -window root "$out/help-$size.png"
  # Each step makes it taller; a window that would pass the screen's
  # bottom moves up.
  click "${help_max[0]}" "${help_max[1]}"; click "${help_max[2]}" "${help_max[3]}"
  click "${help_link[@]}" 0.6
  import -window root "$out/help-tall-hot-keys-$size.png"
  click $((help_max[2] + 20)) "${help_max[4]}"   # its close button
  xdotool key F2; sleep 0.6
  import -window root "$out/about-page9-$size.png"
  click "${about_up[@]}"; click "${about_up[@]}" 0.6
  import -window root "$out/about-page1-$size.png"
  click "${about_close[@]}"
  at 24 10; at 40 55 1                # "Тест", "Додатки"
  at 474 338 1.5                      # the main button: the first task
  import -window root "$out/appendix-text-$size.png"
  at 100 400; at 474 338 1.5          # answered: the second task
  import -window root "$out/appendix-picture-$size.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  # The attempt was cut off: its journal is no business of the next run.
  rm -rf "$set/Додатки" "$source" "$folder/додатки" "$folder/Journal"
}
info_series 800x600 1 1 "527 145 527 126 31" "323 71" "598 248" "600 210"
info_series 1280x800 1.6 1.3333 "775 190 775 190 190" "571 230" "873 315" "875 277"

# The teacher's receiver: a few pupils' attempts sent to it by simulate,
# the first one chosen to show its tasks.
receiver_series() {
  start_xvfb 1024x700
  local log="$folder/receiver.log"
  "$build/ispyt-receiver" --port 0 --db "$folder/receiver.db" 2>"$log" &
  local app=$!
  local port=""
  for _ in $(seq 50); do
    port="$(sed -n 's/.*listening on port \([0-9]*\).*/\1/p' "$log")"
    [ -n "$port" ] && break
    sleep 0.2
  done
  local set="$folder/Base/Шкільні тести"
  for run in "mode2-all-types-key:Усі типи завдань" "mode2-test-paper:Усі типи завдань" \
             "mode1-training:Українська мова 7 клас" "mode4-monitoring:Алгебра 8 клас"; do
    "$build/ispyt-tool" simulate "$set/${run#*:}" "$root/demo/scripts/${run%%:*}.script" \
      --teacher "127.0.0.1:$port" >/dev/null 2>&1 || true
  done
  sleep 1
  click 60 74 0.6                     # the first result: its tasks below
  import -window root "$out/receiver-1024x700.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
receiver_series
# An attempt killed after its fifth step, as by a power cut: the next start
# offers it back, and resumed it stands where it stopped.
resume_series() {
  # Its own shell takes the report of the kill.
  bash -c '"$@" >/dev/null 2>&1; exit 0' simulate "$build/ispyt-tool" simulate \
    "$folder/Base/Шкільні тести/Усі типи завдань" "$root/demo/scripts/mode1-all-types.script" \
    --crash-after 5 2>/dev/null
  start_xvfb 800x600
  "$build/ispyt" --program-folder "$folder" 2>/dev/null &
  local app=$!
  sleep 8
  import -window root "$out/resume-offer-800x600.png"
  xdotool key Return                  # "Відновити"
  sleep 1.5
  import -window root "$out/resumed-800x600.png"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$folder/Journal"
}
resume_series
echo "screenshots in $out"
