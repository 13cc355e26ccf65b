#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program under Xvfb, driven with xdotool:
# the main window at start-up, mid-test, and the results window of a finished 30 s test.
# Usage: bash scripts/screenshots.sh [path/to/varnoq]
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/default/app/varnoq}"
display=:97
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

"$program" &
app=$!
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name '^Varnoq$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshots: the main window did not appear" >&2; exit 1; }
sleep 0.5

shoot() { import -window "$1" "$2"; echo "wrote $2"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

shoot "$window" docs/screenshot-main.png

click 407 225 # 开始
for answer in 12 7 9; do
  xdotool type --delay 60 "$answer"
  xdotool key Return
  sleep 0.2
done
xdotool type --delay 60 "1"
sleep 1.5
shoot "$window" docs/screenshot-test.png

sleep 30 # until "时间结束！"
box=$(xdotool search --name '^信息：$' | head -n 1)
shoot "$box" docs/screenshot-time-up.png
xdotool key Return
sleep 0.5
click 407 275 # 测试结果
results=$(xdotool search --name '^测试结果$' | head -n 1)
sleep 0.5
shoot "$results" docs/screenshot-results.png
xdotool key Escape # closes the results window
sleep 0.3
xdotool key Escape # closes the main window and ends the program
wait $app
