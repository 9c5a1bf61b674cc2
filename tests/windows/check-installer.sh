#!/usr/bin/env bash
# Builds the Windows installer from a finished build and installs it silently
# into a Wine prefix of its own, on a virtual display with a window manager;
# starts the program through its Start-menu shortcut, throws once by hand,
# ends it through the exit question, and uninstalls it silently, leaving
# nothing behind.
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

Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
wineboot --init >/dev/null 2>&1

timeout 120 wine "$installer" /S >/dev/null 2>&1 || fail "the silent install failed"
programs="$WINEPREFIX/drive_c/Program Files/Zerubino"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zerubino"
for file in zerubino.exe pinpon.wav endpinpon.wav qt.conf translations/qtbase_ja.qm \
    platforms/qwindows.dll licenses/LGPL-3.0.txt Uninstall.exe; do
    [ -f "$programs/$file" ] || fail "the install lacks $file"
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zerubino'
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q 'ゼルビノ' || fail "no entry in Apps & features"
shortcut="$menu/ゼルビノ.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut ゼルビノ"

# The shortcut starts the program in its own folder, beside its cues.
wine start /unix "$shortcut" >/dev/null 2>&1
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^ ゼルビノ$' | head -n 1) ||
    fail "the experiment window did not appear"
sleep 2
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep "$3"; }
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
