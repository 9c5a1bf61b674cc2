#!/usr/bin/env bash
# Builds the Windows installer from a finished build and installs it silently
# into a Wine prefix of its own, on a virtual display with a window manager
# and beside a PulseAudio server of its own; starts the program through its
# Start-menu shortcut, hears 初期化's cue, throws once by hand, ends it
# through the exit question, and uninstalls it silently, leaving nothing
# behind.
#   tests/windows/check-installer.sh BUILD_DIR
set -euo pipefail
build=$1
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

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the installer"; }
installer=$(echo "$work"/out/zerubino-*-win64.exe)
# The licence page shows the program's licence, never CPack's placeholder.
! grep -q GenericLicense "$work"/out/_CPack_Packages/*/NSIS/project.nsi || fail "the licence page is CPack's placeholder"

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

timeout 120 wine "$installer" /S >/dev/null 2>&1 || fail "the silent install failed"
programs="$WINEPREFIX/drive_c/Program Files/Zerubino"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ゼルビノ"
for file in zerubino.exe pinpon.wav endpinpon.wav qt.conf translations/qtbase_ja.qm \
    platforms/qwindows.dll licenses/LGPL-3.0.txt licenses/GPL-3.0.txt licenses/zerubino.txt Uninstall.exe; do
    [ -f "$programs/$file" ] || fail "the install lacks $file"
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zerubino'
# Exported, the key is UTF-16 whatever the console's code page.
wine reg export "$uninstall_key" "Z:$work/entry.reg" /y >/dev/null 2>&1 || fail "no entry in Apps & features"
iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | grep -q '"DisplayName"="ゼルビノ"' || fail "Apps & features does not name ゼルビノ"
shortcut="$menu/ゼルビノ.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut ゼルビノ"
# Only that one: the uninstaller is in Apps & features, not an English shortcut.
[ "$(ls "$menu")" = ゼルビノ.lnk ] || fail "the Start-menu folder holds more than ゼルビノ: $(ls "$menu")"

# The shortcut starts the program in its own folder, beside its cues.
wine start /unix "$shortcut" >/dev/null 2>&1
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^ ゼルビノ$' | head -n 1) ||
    fail "the experiment window did not appear"
sleep 2
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep "$3"; }

# The loudest sample of what the null sink played while 初期化 was pressed.
parec -d nul.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=20 >"$work/cue.raw" 2>/dev/null &
recorder=$!
for _ in $(seq 50); do
    [ "$(stat -c %s "$work/cue.raw")" -lt 8820 ] || break # recording for 0.1 s
    sleep 0.1
done
click 496 12 2 # 初期化
kill "$recorder"
peak=$(od -An -v -td2 -w2 "$work/cue.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')
[ "$peak" -gt 3000 ] || fail "初期化's cue was not heard (peak $peak)"

count() { import -window "$window" -crop 105x25+200+336 "$work/count-$1.png"; }
count before
click 400 352 1 # さいころ投げる
click 400 392 1 # さいころ止まる
count after
changed=$(compare -metric AE "$work/count-before.png" "$work/count-after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 0 ] || fail "the throw count did not change after a throw"

click 28 12 2 # 終了
xdotool key Return
for _ in $(seq 20); do
    xdotool search --onlyvisible --name '^ ゼルビノ$' >/dev/null || break
    sleep 0.5
done
! xdotool search --onlyvisible --name '^ ゼルビノ$' >/dev/null || fail "the exit question did not end the program"

timeout 60 wine "$programs/Uninstall.exe" /S >/dev/null 2>&1 || fail "the silent uninstall failed"
# The uninstaller copies itself away and finishes in the background.
for _ in $(seq 40); do
    [ -e "$programs/zerubino.exe" ] || break
    sleep 0.5
done
[ ! -e "$programs/zerubino.exe" ] || fail "the uninstall left the program behind"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut behind"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall left its entry in Apps & features"
echo "installed, started from the Start menu, threw once, ended and uninstalled"
