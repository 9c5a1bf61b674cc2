#!/usr/bin/env bash
# Builds the Windows installer from a finished build and installs it silently
# into a Wine prefix of its own; starts the program through its Start-menu
# shortcut, hears 初期化's cue, throws once by hand, ends it through the exit
# question, and uninstalls it silently, leaving nothing behind.
#   tests/windows/check-installer.sh BUILD_DIR
source "$(dirname "$0")/installer-support.sh"
build=$1

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the installer"; }
installer=$(echo "$work"/out/zerubino-*-win64.exe)
# The licence page shows the program's licence, never CPack's placeholder.
! grep -q GenericLicense "$work"/out/_CPack_Packages/*/NSIS/project.nsi || fail "the licence page is CPack's placeholder"

start_session
timeout 120 wine "$installer" /S >/dev/null 2>&1 || fail "the silent install failed"
programs="$WINEPREFIX/drive_c/Program Files/Zerubino"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ゼルビノ"
check_installed "$programs"
[ -f "$programs/Uninstall.exe" ] || fail "the install lacks Uninstall.exe"
uninstall_key="$uninstall_keys\\Zerubino"
entry_of "$uninstall_key" | grep -q '"DisplayName"="ゼルビノ"' || fail "Apps & features does not name ゼルビノ"
shortcut="$menu/ゼルビノ.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut ゼルビノ"
# Only that one: the uninstaller is in Apps & features, not an English shortcut.
[ "$(ls "$menu")" = ゼルビノ.lnk ] || fail "the Start-menu folder holds more than ゼルビノ: $(ls "$menu")"

use_through_shortcut "$shortcut"

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
