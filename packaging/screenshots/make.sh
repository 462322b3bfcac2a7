#!/usr/bin/env bash
# Makes the screenshots that the AppStream metainfo and the README show, from
# the program's own windows: the build is installed into a temporary prefix
# and started from its desktop entry on a virtual X display with openbox; it
# ticks every tradition, draws, brings the Chinese panel forward, then closes
# the main window to reach the farewell window. Each window is taken with its
# window manager frame and written beside this script.
#
# usage: packaging/screenshots/make.sh [--cmake CMAKE] --build-dir DIR
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/../../tests/smoke/session.sh"
parse_arguments "$@"
need Xvfb openbox xdotool xwininfo /usr/bin/import /usr/bin/convert

install_program
private_session
export QT_QPA_PLATFORM=xcb
start_x

# shoot WINDOW NAME: the window with its frame, without the pointer, as
# NAME.png here; no time stamps, so that the same windows give the same file.
shoot() {
    local raw=$WORK/$2-raw.png
    xdotool mousemove 0 0
    /usr/bin/import -silent -window "$1" -frame "$raw"
    /usr/bin/convert "$raw" -strip -define png:exclude-chunks=date,time "$HERE/$2.png"
    echo "   $HERE/$2.png: $(/usr/bin/identify -format '%wx%h' "$HERE/$2.png")"
}

start_program
main=$(await $MAIN_W "the main window")
menu=$(menu_height "$main" $MAIN_H)
settle "$main"
step "the main window, every tradition ticked"
# The tick boxes: the left column at x 21, the right one 272 px further, one
# row every 40 px from 136 px below the menu bar.
for row in 0 1 2 3; do
    click "$main" 21 $((menu + 136 + 40 * row))
done
for row in 0 1 2; do
    click "$main" 293 $((menu + 136 + 40 * row))
done
settle "$main"
shoot "$main" main-window

step "the result window, the Chinese panel in front"
click "$main" 281 $((menu + 304))
result=$(await $DISPLAY_W "the result window")
rmenu=$(menu_height "$result" $DISPLAY_H)
click "$result" 92 $((rmenu + 136))
settle "$result"
shoot "$result" result-window

step "the farewell window"
keys "$result" alt+F4
farewell=$(await $FAREWELL_W "the farewell window")
settle "$farewell"
shoot "$farewell" farewell-window
keys "$farewell" alt+F4
ended_with 0
