#!/usr/bin/env bash
# Builds the MSI from a finished build, as IT staff's deployment tools use
# it: installs it silently into a Wine prefix of its own, starts the program
# through its Start-menu shortcut and throws once; replaces it silently by an
# MSI of a higher version, then uninstalls that silently, leaving nothing
# behind.
#   tests/windows/check-msi.sh BUILD_DIR SOURCE_DIR VERSION
source "$(dirname "$0")/installer-support.sh"
build=$1 source=$2 version=$3
next=${version%.*}.$((${version##*.} + 1))

# msi VERSION FOLDER: the MSI of those files, as the build makes it.
msi() {
    cmake -DFILES="$2" -DVERSION="$1" -DICON="$build/app/zerubino.ico" -DOUTPUT="$work/zerubino-$1-win64.msi" \
        -P "$source/cmake/BuildMsi.cmake" >"$work/msi.log" 2>&1 || { cat "$work/msi.log"; fail "no MSI of $1"; }
}
cmake --install "$build" --prefix "$work/files" --strip >/dev/null
msi "$version" "$work/files"
# The next version brings a file of its own, to tell its files from the first's.
cp -r "$work/files" "$work/files-next"
echo "$next" >"$work/files-next/next.txt"
msi "$next" "$work/files-next"

# msiexec ARGUMENTS...: as Intune and Group Policy run it, silent, with
# success as its exit code.
msiexec() { timeout 120 wine msiexec "$@" /qn >/dev/null 2>&1 || fail "msiexec $* failed with $?"; }
# The entries in Apps & features that name ゼルビノ, one key a line.
entries() {
    wine reg query "$uninstall_keys" 2>/dev/null | tr -d '\r' | { grep '\\{' || true; } | while read -r key; do
        ! entry_of "$key" | grep -q '"DisplayName"="ゼルビノ"' || echo "$key"
    done
}
# check_entry VERSION: one entry, with the program's name, publisher,
# version and icon, read back as Windows shows them; product is then the
# product code that names it.
check_entry() {
    local keys text
    keys=$(entries)
    [ "$(wc -l <<<"$keys")" -eq 1 ] && [ -n "$keys" ] || fail "Apps & features holds not one ゼルビノ but: ${keys:-none}"
    text=$(entry_of "$keys")
    grep -q '"Publisher"="ゼルビノ"' <<<"$text" || fail "the entry's publisher is not ゼルビノ"
    grep -q "\"DisplayVersion\"=\"$1\"" <<<"$text" || fail "the entry's version is not $1"
    product=${keys##*\\}
    [ -f "$WINEPREFIX/drive_c/windows/Installer/$product/zerubino.ico" ] || fail "the entry has no icon"
}

# Per machine, which Wine cannot tell apart (see the shortcut below).
msiinfo export "$work/zerubino-$version-win64.msi" Property | tr -d '\r' | grep -qx $'ALLUSERS\t1' || fail "the MSI installs per user"

start_session
programs="$WINEPREFIX/drive_c/Program Files/Zerubino (MSI)"
# Wine resolves the Start menu to the user's even for an install per
# machine (its own known gap); Windows puts it in the one for all users.
shortcut=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs)/ゼルビノ.lnk

msiexec /i "Z:$work/zerubino-$version-win64.msi"
check_installed "$programs"
[ ! -e "$WINEPREFIX/drive_c/Program Files/Zerubino" ] || fail "the MSI wrote into the installer's folder"
check_entry "$version"
[ -f "$shortcut" ] || fail "no Start-menu shortcut ゼルビノ"
use_through_shortcut "$shortcut"

msiexec /i "Z:$work/zerubino-$next-win64.msi"
check_entry "$next"
check_installed "$programs"
[ "$(cat "$programs/next.txt" 2>/dev/null)" = "$next" ] || fail "the upgrade did not bring the new files"
[ -f "$shortcut" ] || fail "the upgrade lost the Start-menu shortcut"

msiexec /x "$product"
[ ! -e "$programs" ] || fail "the uninstall left files behind: $(cd "$programs" && find . -type f)"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut behind"
[ -z "$(entries)" ] || fail "the uninstall left its entry in Apps & features"
! wine reg query 'HKLM\Software\Zerubino (MSI)' >/dev/null 2>&1 || fail "the uninstall left its registry key"
echo "installed silently, started from the Start menu, threw once, upgraded, uninstalled"
