#!/usr/bin/env bash
# Draws the symbol pictures and the application icon into assets/, and the
# contact sheet into build-art/. Run by hand after changing recipes or drawings:
#   tools/picturegen/generate.sh [--sheet2x FILE]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$root/build-art/picturegen"

# Debian packages the generator needs: compiler, Qt, and the font files it
# draws glyphs from (the program itself needs none of these fonts).
needed=(cmake g++ qt6-base-dev qt6-qpa-plugins
        fonts-noto-color-emoji fonts-noto-core fonts-wqy-microhei fonts-dejavu-core)
missing=()
for pkg in "${needed[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done
if ((${#missing[@]})); then
    echo "generate.sh: missing Debian package(s): ${missing[*]}" >&2
    echo "install with: apt-get install -y ${missing[*]}" >&2
    exit 1
fi

mkdir -p "$build"
log="$build/build.log"
if ! { cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release && cmake --build "$build" --parallel 2; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "generate.sh: building the generator failed" >&2
    exit 1
fi

QT_QPA_PLATFORM=offscreen "$build/picturegen" \
    --recipes "$here/recipes.json" \
    --assets "$root/assets" \
    --sheet "$root/build-art/contact-sheet.png" "$@"
