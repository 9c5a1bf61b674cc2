#!/usr/bin/env bash
# Takes the README's screenshots on a virtual display with a window manager:
# the experiment window after a few seconds of an automatic run, the graph of
# that run, and the help window; first at 96 dpi, then scaled as on a
# projector (1.5 on a 1024 x 768 screen) and on a high-resolution display
# (2 on 1920 x 1080); last the guide's graph after 1000 throws. Needs xvfb,
# openbox, xdotool and imagemagick.
#   tools/take-screenshots.sh [PROGRAM]     (default build/default/app/zerubino)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/app/zerubino}")

# start SCALE SCREEN: the program at that scale on a virtual screen of that
# size, with a window manager; `experiment` names its window.
start() {
    scale=$1
    export DISPLAY=:77
    Xvfb "$DISPLAY" -screen 0 "${2}x24" >/dev/null 2>&1 &
    pids=($!)
    sleep 1
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    (cd data/sounds && QT_SCALE_FACTOR=$scale exec "$program") >/dev/null 2>&1 &
    pids+=($!)
    experiment=$(window '^ ゼルビノ$')
}

stop() {
    kill "${pids[@]}" 2>/dev/null || true
    wait "${pids[@]}" 2>/dev/null || true
}

window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# Clicks at a point of a window's client area, given in design pixels, then
# waits.
click() {
    xdotool mousemove --window "$1" "$(scaled "$2")" "$(scaled "$3")" click 1
    sleep "$4"
}
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }

# shoot SCALE SCREEN OUTDIR SUFFIX
shoot() {
    local out=$3 suffix=$4
    mkdir -p "$out"
    start "$1" "$2"

    local graph
    click "$experiment" 248 444 4   # 自　動: four seconds of throws
    click "$experiment" 392 444 0.5 # 停　止
    import -window "$experiment" "$out/experiment$suffix.png"

    click "$experiment" 100 444 1   # グラフ表示
    graph=$(window 'グラフ')
    import -window "$graph" "$out/graph$suffix.png"
    click "$graph" 616 12 1         # 閉じる

    click "$experiment" 436 12 1    # HELP
    import -window "$(window 'ヘルプ')" "$out/help$suffix.png"
    stop
}

# The guide's graph of a whole automatic run: 1000 throws at ten a second.
shoot_whole_run() {
    start 1 1024x768
    click "$experiment" 248 444 100 # 自　動
    # グラフ表示 can be pressed only once the run has stopped by itself.
    for _ in $(seq 60); do
        xdotool search --onlyvisible --name 'グラフ' >/dev/null && break
        click "$experiment" 100 444 1
    done
    import -window "$(window 'グラフ')" docs/screenshots/graph-1000.png
    stop
}

shoot 1 1024x768 docs/screenshots ""
shoot 1.5 1024x768 docs/screenshots/projector -1.5
shoot 2 1920x1080 docs/screenshots/projector -2
shoot_whole_run
echo "screenshots in docs/screenshots/"
