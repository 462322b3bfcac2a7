#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop will
# read there: the program in bin/, a valid desktop entry, valid AppStream
# metainfo that points at that entry and tells the truth (content rating,
# the committed screenshots, a release description), the keys that tie the
# program's windows to the entry, the icon at every size, a manual page that
# covers the options, exit status, files and privacy, and the copyright file.
#
# usage: check-install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
CMAKE=$1 BUILD_DIR=$2 APP_ID=$3

PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/qvo-install.XXXXXX")
trap 'rm -rf "$PREFIX"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$CMAKE" --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null

[ -x "$PREFIX/bin/qv-orbalin" ] || fail "no bin/qv-orbalin"
# games/ is the Debian package's layout; a plain install has none of it.
[ ! -e "$PREFIX/games" ] || fail "a plain install wrote games/"
[ -f "$PREFIX/share/man/man6/qv-orbalin.6.gz" ] || fail "no manual page share/man/man6/qv-orbalin.6.gz"
[ -f "$PREFIX/share/doc/qv-orbalin/copyright" ] || fail "no share/doc/qv-orbalin/copyright"
desktop=$PREFIX/share/applications/$APP_ID.desktop
metainfo=$PREFIX/share/metainfo/$APP_ID.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $APP_ID.desktop"
[ -f "$metainfo" ] || fail "no metainfo $APP_ID.metainfo.xml"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
# The keys a dock matches running windows by and the launch feedback, each
# once and with the value the program gives its windows.
for key in "Icon=qv-orbalin" "StartupWMClass=$APP_ID" "StartupNotify=true"; do
    [ "$(grep -c "^${key%%=*}=" "$desktop")" = 1 ] && grep -qxF "$key" "$desktop" ||
        fail "the desktop entry lacks $key: $(grep "^${key%%=*}=" "$desktop" || echo none)"
done
# validate-tree also checks that the entry the metainfo launches is installed.
# --no-net: the screenshots live on the maker's site.
appstreamcli validate-tree --no-net "$PREFIX" || fail "appstreamcli validate-tree"

# The manual page: every option --help lists, the exit status, the lock file
# beside the settings file and the runtime folder it lives in, and what the
# refer-a-friend form sends.
man=$(gzip -dc "$PREFIX/share/man/man6/qv-orbalin.6.gz" | sed 's/\\-/-/g')
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$PREFIX/bin/qv-orbalin" --help) || fail "qv-orbalin --help"
for option in $(grep -o -- ' --*[a-z]*' <<<"$help" | sort -u) '.SH EXIT STATUS' 'qv-orbalin.lock' \
    '.B XDG_RUNTIME_DIR' 'taf1' '.SH PRIVACY'; do
    grep -qF -- "$option" <<<"$man" || fail "the manual page does not mention $option"
done

# What a software centre shows must be true of the program: a content rating
# that declares the banners, the Donate page and the names and addresses the
# refer-a-friend form hands on; screenshots that are the pictures kept in
# packaging/screenshots/, at their sizes; a release that says what it brings.
python3 - "$metainfo" "$(dirname "$0")/screenshots" <<'CHECK' || fail "the metainfo does not say what the program is"
import os, struct, sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
problems = []
rating = {a.get("id"): a.text for a in root.iterfind("content_rating/content_attribute")}
for attribute in ("money-advertising", "money-purchasing", "social-info", "social-contacts"):
    if rating.get(attribute, "none") == "none":
        problems.append("the content rating declares no " + attribute)
images = root.findall("screenshots/screenshot/image")
if not images:
    problems.append("no screenshots")
for image in images:
    picture = os.path.join(sys.argv[2], os.path.basename(image.text))
    if not os.path.isfile(picture):
        problems.append(image.text + " is no picture of packaging/screenshots/")
        continue
    with open(picture, "rb") as png:
        width, height = struct.unpack(">II", png.read(24)[16:24])
    if (image.get("width"), image.get("height")) != (str(width), str(height)):
        problems.append("%s is %dx%d, the metainfo says %sx%s" % (picture, width, height, image.get("width"), image.get("height")))
for release in root.iterfind("releases/release"):
    if not "".join(release.itertext()).strip():
        problems.append("release %s has no description" % release.get("version"))
for problem in problems:
    print("   " + problem)
sys.exit(1 if problems else 0)
CHECK

# Every size of the theme, and each picture really of its size (the width
# and height of a PNG stand at bytes 16 to 23).
for size in 16 24 32 48 64 128 256; do
    icon=$PREFIX/share/icons/hicolor/${size}x${size}/apps/qv-orbalin.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done
echo "install: passed"
