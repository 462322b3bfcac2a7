#!/usr/bin/env bash
# The installed program on a Wayland desktop: weston with its headless
# backend, drawing with pixman so that its screenshots show what a user would
# see, and XWayland for X11 programs.
#
#   started from its desktop entry's Exec line in a Wayland session that also
#   offers an X display, without a platform chosen, the program runs through
#   XWayland: its main window is an X window, centred on the screen, and the
#   compositor shows it there with every frame exactly its colour; closed, it
#   hands over to the farewell window, a top-level window of its own, shown on
#   top; closing that ends the program with status 0;
#
#   its windows carry the desktop entry's name as their class and the icon in
#   every size, and it ends the launch feedback it was started with;
#
#   started where only the Wayland display is offered, it runs natively: the
#   compositor shows its main window, frames exactly their colour, where the
#   compositor decides, and its app id is the desktop entry's name.
#
# weston has no input devices here, so windows are closed the way the
# compositor's close button closes them, with WM_DELETE_WINDOW.
#
# usage: wayland.sh [--cmake CMAKE] --build-dir DIR --probe PROBE
#        wayland.sh --prefix DIR --probe PROBE
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
parse_arguments "$@"
[ -n "$PROBE" ] || { echo "missing --probe" >&2; exit 2; }

need weston Xwayland weston-screenshooter xdotool xwininfo xprop

install_program
private_session

step "starting weston, headless, with XWayland"
SCREEN_W=1280 SCREEN_H=1024
weston --backend=headless-backend.so --use-pixman --xwayland --debug --socket=qvo-wayland \
    --width=$SCREEN_W --height=$SCREEN_H --idle-time=0 >"$WORK/weston.log" 2>&1 &
STOP_PIDS+=($!)
wait_for $TIMEOUT grep -q 'xserver listening on display' "$WORK/weston.log" || fail "weston did not start XWayland"
X_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n 1)
export WAYLAND_DISPLAY=qvo-wayland XDG_SESSION_TYPE=wayland DISPLAY=$X_DISPLAY
echo "   WAYLAND_DISPLAY=$WAYLAND_DISPLAY DISPLAY=$DISPLAY"

# screenshot: what the compositor shows, as a PNG; prints its path.
screenshot() {
    local dir file
    dir=$(mktemp -d "$WORK/shot.XXXXXX")
    (cd "$dir" && timeout $TIMEOUT weston-screenshooter) >/dev/null 2>&1 || return 1
    file=$(ls "$dir"/*.png 2>/dev/null | head -n 1)
    [ -n "$file" ] || return 1
    echo "$file"
}

# on_screen WHAT CHECK...: takes screenshots until CHECK, run with the
# screenshot's path added, holds for one of them; the CHECK must not fail
# the test itself.
on_screen() {
    local what=$1 deadline=$((SECONDS + TIMEOUT)) shot report
    shift
    while :; do
        if shot=$(screenshot); then
            report=$("$@" "$shot") && return 0
        fi
        if [ $SECONDS -ge $deadline ]; then
            echo "${report:-   no screenshot}"
            # QVO_TEST_ARTIFACTS names a folder to keep the last screenshot in.
            [ -z "${QVO_TEST_ARTIFACTS:-}" ] || [ -z "$shot" ] || cp "$shot" "$QVO_TEST_ARTIFACTS/"
            fail "$what"
        fi
        sleep 0.2
    done
}

# The desktop is ready once weston's shell has drawn its panel and
# background: windows mapped before that are placed as weston likes,
# whatever position they ask for. On a desktop the user starts programs long
# after that moment.
desktop_drawn() {
    local corner
    corner=$(pixel "$1" 1 1) && [ -n "$corner" ] && [ "$corner" != '#000000' ]
}
on_screen "weston's desktop shell did not draw its panel" desktop_drawn
xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || true # XWayland starts for its first client
wait_for $TIMEOUT eval "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    fail "weston's X window manager does not answer"
need xmessage
xmessage -timeout 1 -geometry 200x50+300+300 'first window' >/dev/null 2>&1 || true

# The desktop entry's name, which the windows must carry as their class (X11)
# and app id (Wayland) for a dock to match them to the entry.
app_id=$(basename "$(ls "$PREFIX"/share/applications/*.QVOrbalin.desktop)" .desktop)

# identity WINDOW WHAT: the window's WM_CLASS is the program's name and the
# entry's, and its icon comes in every size the desktop icon does.
identity() {
    local class sizes
    class=$(xprop -id "$1" WM_CLASS)
    echo "   $class"
    [ "$class" = "WM_CLASS(STRING) = \"qv-orbalin\", \"$app_id\"" ] || fail "$2: WM_CLASS is not the desktop entry's"
    sizes=$(xprop -len 4000000 -id "$1" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' |
        sort -n | tr '\n' ' ')
    echo "   _NET_WM_ICON: $sizes"
    [ "$sizes" = "16x16 24x24 32x32 48x48 64x64 128x128 256x256 " ] || fail "$2: the window icon has sizes '$sizes'"
}

# --- through XWayland --------------------------------------------------------
# Started with launch feedback, as a desktop starts an entry that asks for it;
# the program ends the feedback itself with a message to the root window.
need xev
xev -root -event property >"$WORK/xev.log" 2>&1 &
STOP_PIDS+=($!)
# xev watches once it reports a change of a root window property.
mark_seen() {
    xprop -root -f _QVO_MARK 8s -set _QVO_MARK x
    grep -q _QVO_MARK "$WORK/xev.log"
}
wait_for $TIMEOUT mark_seen || fail "xev does not watch the root window"
export DESKTOP_STARTUP_ID=qvo-wayland-test_TIME0
start_program
unset DESKTOP_STARTUP_ID
wait_window $MAIN_W "the main window on the X display (the program did not choose XWayland)"
main=$(window_of_width $MAIN_W)

step "checking the main window's class, icon and launch feedback"
identity "$main" "the main window"
wait_for $TIMEOUT grep -q '_NET_STARTUP_INFO_BEGIN' "$WORK/xev.log" || fail "the program never ended its launch feedback"

step "checking that the main window is centred on the screen"
# centred WINDOW: whether the window's centre is the screen's; the window
# manager's frame, which Qt cannot see under weston, moves the client area by
# at most its own size. Sets x, y, w, h, dx and dy.
centred() {
    read -r x y w h < <(geometry "$1")
    dx=$((x + w / 2 - SCREEN_W / 2)) dy=$((y + h / 2 - SCREEN_H / 2))
    [ ${dx#-} -le 16 ] && [ ${dy#-} -le 48 ]
}
wait_for $TIMEOUT centred "$main" || fail "the main window's centre lies $dx,$dy pixels from the screen's"
centred "$main"
menu=$((h - MAIN_H))
echo "   main window $main at $x,$y, ${w}x$h"

step "checking what the compositor shows there: the main window, every frame its colour"
# Where X has the window now, in the screenshot just taken.
main_on_screen() {
    read -r x y _ _ < <(geometry "$main")
    frames_shown "$1" "$x" $((y + menu)) "$MAIN_FRAMES"
}
on_screen "the compositor does not show the main window where X puts it" main_on_screen

step "closing the main window"
"$PROBE" "$main" close || fail "could not ask the main window to close"
wait_window $FAREWELL_W "the farewell window"
farewell=$(window_of_width $FAREWELL_W)
identity "$farewell" "the farewell window"

step "checking the farewell window: centred, a top-level window of its own, on top"
wait_for $TIMEOUT centred "$farewell" || fail "the farewell window's centre lies $dx,$dy pixels from the screen's"
props=$(xprop -id "$farewell" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR)
echo "$props" | sed 's/^/   /'
grep -qx '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL' <<<"$props" ||
    fail "the farewell window is not a normal window"
grep -q 'WM_TRANSIENT_FOR:  not found' <<<"$props" || fail "the farewell window is transient for another window"
farewell_on_screen() {
    local fx fy
    read -r fx fy _ _ < <(geometry "$farewell")
    frames_shown "$1" "$fx" "$fy" "$FAREWELL_FRAMES"
}
on_screen "the compositor does not show the farewell window on top" farewell_on_screen

step "closing the farewell window"
"$PROBE" "$farewell" close || fail "could not ask the farewell window to close"
ended_with 0

# --- natively ------------------------------------------------------------------
step "starting it again where only the Wayland display is offered"
unset DISPLAY
# The protocol log shows the app id the compositor is given.
export WAYLAND_DEBUG=client
start_program
unset WAYLAND_DEBUG
# The purple body of the main window, 563 x 289 pixels, wherever the
# compositor put it; nothing else on the screen is that purple.
native_main() {
    local extent ew eh
    extent=$("$PROBE" "$1" extent '#800080') || { echo "   no purple on the screen"; return 1; }
    echo "   purple on the screen: $extent"
    read -r _ _ ew eh <<<"$extent"
    [ "$ew" -ge 550 ] && [ "$ew" -le 563 ] && [ "$eh" -ge 280 ] && [ "$eh" -le 289 ]
}
on_screen "the compositor does not show the natively running main window" native_main
app_running || fail "the program ended on its own"
step "checking the app id it gives the compositor"
ids=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$WORK/app.log" | sort -u)
echo "   set_app_id: $ids"
[ "$ids" = "$app_id" ] || fail "the app id is '$ids', not the desktop entry's $app_id"
echo "wayland: passed"
