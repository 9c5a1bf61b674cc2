# What the checks of the installer and of the MSI share, sourced by both:
# a Wine prefix of their own on a virtual display with a window manager and
# beside a PulseAudio server of their own, and a pupil's first minute with
# the installed program.
set -euo pipefail
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
export DISPLAY=:$((90 + RANDOM % 100))
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# What either way of installing puts in the program's folder.
installed_files=(zerubino.exe pinpon.wav endpinpon.wav qt.conf translations/qtbase_ja.qm
    platforms/qwindows.dll licenses/LGPL-3.0.txt licenses/GPL-3.0.txt licenses/zerubino.txt)
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

start_session() {
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    openbox >/dev/null 2>&1 &
    pids+=($!)
    # Wine plays through the server that PULSE_SERVER names.
    export XDG_RUNTIME_DIR=$work/pulse PULSE_SERVER=unix:$work/pulse/native
    mkdir -p "$XDG_RUNTIME_DIR"
    HOME=$XDG_RUNTIME_DIR pulseaudio --daemonize=no --exit-idle-time=-1 --system=false -n --use-pid-file=no \
        -L 'module-null-sink sink_name=nul' -L "module-native-protocol-unix socket=$work/pulse/native" \
        -L module-always-sink >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        [ -S "$work/pulse/native" ] && break
        sleep 0.1
    done
    wineboot --init >/dev/null 2>&1
}

# check_installed FOLDER: every file of the program is there.
check_installed() {
    for file in "${installed_files[@]}"; do
        [ -f "$1/$file" ] || fail "the install lacks $file"
    done
}

# entry_of KEY: an entry in Apps & features as UTF-8 text; exported, the
# key is UTF-16 whatever the console's code page.
entry_of() {
    wine reg export "$1" "Z:$work/entry.reg" /y >/dev/null 2>&1 || fail "no entry $1 in Apps & features"
    iconv -f UTF-16 -t UTF-8 "$work/entry.reg"
}

# use_through_shortcut SHORTCUT: starts the program as a pupil does, hears
# 初期化's cue, throws once by hand and ends it through the exit question.
use_through_shortcut() {
    # The shortcut starts the program in its own folder, beside its cues.
    wine start /unix "$1" >/dev/null 2>&1
    local window
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^ ゼルビノ$' | head -n 1) ||
        fail "the experiment window did not appear"
    sleep 2
    click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep "$3"; }

    # The loudest sample of what the null sink played while 初期化 was pressed.
    parec -d nul.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=20 >"$work/cue.raw" 2>/dev/null &
    local recorder=$!
    for _ in $(seq 50); do
        [ "$(stat -c %s "$work/cue.raw")" -lt 8820 ] || break # recording for 0.1 s
        sleep 0.1
    done
    click 496 12 2 # 初期化
    kill "$recorder"
    local peak
    peak=$(od -An -v -td2 -w2 "$work/cue.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
    [ "$peak" -gt 3000 ] || fail "初期化's cue was not heard (peak $peak)"

    count() { import -window "$window" -crop 105x25+200+336 "$work/count-$1.png"; }
    count before
    click 400 352 1 # さいころ投げる
    click 400 392 1 # さいころ止まる
    count after
    local changed
    changed=$(compare -metric AE "$work/count-before.png" "$work/count-after.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 0 ] || fail "the throw count did not change after a throw"

    click 28 12 2 # 終了
    xdotool key Return
    for _ in $(seq 20); do
        xdotool search --onlyvisible --name '^ ゼルビノ$' >/dev/null || break
        sleep 0.5
    done
    ! xdotool search --onlyvisible --name '^ ゼルビノ$' >/dev/null || fail "the exit question did not end the program"
}
