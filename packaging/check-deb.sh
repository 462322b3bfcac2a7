#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and
# checks it as the distribution would: lintian (pedantic and informational
# tags shown, any error or warning fails), the games layout with the program
# in /usr/games and nothing in /usr/bin, the manual page, the copyright file
# and the changelog in their places, a stripped program, library
# dependencies worked out, a desktop entry whose Exec names the packaged
# program, and AppStream metainfo without a warning even when pedantic.
#
# usage: check-deb.sh CPACK BUILD_DIR APP_ID
set -euo pipefail
CPACK=$1 BUILD_DIR=$2 APP_ID=$3

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qvo-deb.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in lintian dpkg-deb appstreamcli file; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/packages.txt)"
done

"$CPACK" -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; fail "cpack"; }
shopt -s nullglob
debs=("$WORK"/qv-orbalin_*.deb)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || fail "expected one package, cpack wrote ${#debs[@]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# lintian warns about running as root on its standard error; only its tags
# (lines "X: package: tag ...") count.
lintian --pedantic -I "$deb" >"$WORK/lintian.log" 2>/dev/null || true
cat "$WORK/lintian.log"
if grep -q '^[EW]: ' "$WORK/lintian.log"; then
    fail "lintian reports errors or warnings"
fi

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$WORK/files"
has() { grep -qx "$1" "$WORK/files" || fail "the package has no $1"; }
has /usr/games/qv-orbalin
has "/usr/share/applications/$APP_ID.desktop"
has "/usr/share/metainfo/$APP_ID.metainfo.xml"
has /usr/share/man/man6/qv-orbalin.6.gz
has /usr/share/doc/qv-orbalin/copyright
has /usr/share/doc/qv-orbalin/changelog.gz
! grep -q '^/usr/bin/' "$WORK/files" || fail "the package puts files in /usr/bin: $(grep '^/usr/bin/' "$WORK/files")"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libc6 qt6-qpa-plugins fonts-dejavu-core; do
    grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"

dpkg-deb -x "$deb" "$WORK/root"
file "$WORK/root/usr/games/qv-orbalin" | grep -q ', stripped' || fail "the program is not stripped"

exec_line=$(sed -n 's/^Exec=//p' "$WORK/root/usr/share/applications/$APP_ID.desktop")
read -r -a exec_command <<<"$exec_line"
[ "${exec_command[0]}" = /usr/games/qv-orbalin ] || fail "Exec=$exec_line does not name /usr/games/qv-orbalin"
[ -x "$WORK/root${exec_command[0]}" ] || fail "Exec=$exec_line names no program of the package"

appstreamcli validate --pedantic --no-net "$WORK/root/usr/share/metainfo/$APP_ID.metainfo.xml" >"$WORK/as.log" 2>&1 ||
    { cat "$WORK/as.log"; fail "appstreamcli validate --pedantic"; }
cat "$WORK/as.log"
if grep -q '^[EW]: ' "$WORK/as.log"; then
    fail "appstreamcli reports errors or warnings"
fi
echo "deb: passed"
