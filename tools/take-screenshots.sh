#!/usr/bin/env bash
# Takes the README's screenshots on a virtual display: the experiment window
# after a few seconds of an automatic run, the graph of that run, and the
# help window. Needs xvfb, openbox, xdotool and imagemagick.
#   tools/take-screenshots.sh [PROGRAM]     (default build/default/app/zerubino)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/app/zerubino}")
out=docs/screenshots
mkdir -p "$out"

export DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
(cd data/sounds && exec "$program") >/dev/null 2>&1 &
pids+=($!)

window() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# Clicks at a point of a window's client area, then waits.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "$4"; }

experiment=$(window '^ ゼルビノ$')
click "$experiment" 248 444 4   # 自　動: four seconds of throws
click "$experiment" 392 444 0.5 # 停　止
import -window "$experiment" "$out/experiment.png"

click "$experiment" 100 444 1   # グラフ表示
graph=$(window 'グラフ')
import -window "$graph" "$out/graph.png"
click "$graph" 616 12 1         # 閉じる

click "$experiment" 436 12 1    # HELP
import -window "$(window 'ヘルプ')" "$out/help.png"
echo "screenshots in $out/"
