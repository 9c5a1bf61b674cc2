#!/usr/bin/env bash
# Builds the Debian package from a finished build, then checks it with
# lintian, what it holds, that its debug information lies apart, and that
# the unpacked program starts and keeps running.
#   tests/data/check-package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(echo "$work"/out/zerubino_*.deb)

fail() { echo "FAIL: $*"; exit 1; }

# No error and no warning, but for the address, which waits for the
# project's real one (in the control file and in the changelog).
lintian --fail-on error,warning --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$deb" ||
    fail "lintian finds fault with the package"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libpulse0 libqt6gui6 libc6 fonts-horai-umefont; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

dpkg-deb -x "$deb" "$work/root"
for file in \
    usr/bin/zerubino \
    usr/share/applications/net.zerubino.Zerubino.desktop \
    usr/share/metainfo/net.zerubino.Zerubino.metainfo.xml \
    usr/share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/net.zerubino.Zerubino.png \
    usr/share/zerubino/pinpon.wav \
    usr/share/zerubino/endpinpon.wav \
    usr/share/man/ja/man1/zerubino.1.gz; do
    [ -f "$work/root/$file" ] || fail "the package lacks /$file"
done
[ -x "$work/root/usr/bin/zerubino" ] || fail "/usr/bin/zerubino is not executable"
# The debug information of that very build is in the -dbgsym package.
build_id=$(readelf -n "$work/root/usr/bin/zerubino" | sed -n 's/.*Build ID: //p')
dpkg-deb -c "$work"/out/zerubino-dbgsym_*.ddeb | grep -q "usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug$" ||
    fail "no debug information for build $build_id in the -dbgsym package"
grep -qx 'Path=/usr/share/zerubino' "$work/root/usr/share/applications/net.zerubino.Zerubino.desktop" ||
    fail "the menu entry does not start the program beside its cues"

# Started as the menu entry starts it, the program must still be running when
# it is stopped after three seconds (timeout's status 124).
status=0
(cd "$work/root/usr/share/zerubino" && QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/zerubino") ||
    status=$?
[ "$status" -eq 124 ] || fail "the installed program ended by itself with status $status"
echo "package $(basename "$deb") holds and starts the program"
