#!/usr/bin/env bash
# One real session of the installed program on a virtual X display:
#
#   install the build into a temporary prefix and start the program from its
#   desktop entry's Exec line, with a home, configuration and runtime folder of
#   its own and a fake xdg-open first on PATH that writes down every address;
#   find the main window by its title, check that it has drawn itself, tick two
#   traditions and press "Find My Good luck Symbol" with the mouse, check the
#   result window with its picture, press Back, click the banner link and check
#   the address the browser got, close the main window, close the farewell
#   window, and check that the program ended with status 0 and wrote its
#   settings file.
#
# Every wait has a deadline. Whatever the test started is stopped by its
# process id when it ends, passed or failed.
#
# usage: smoke.sh [--cmake CMAKE] --build-dir DIR --probe PROBE --site-address URL
#        smoke.sh --prefix DIR --probe PROBE --site-address URL
# The second form drives a program already installed under DIR, for example
# /usr after installing the Debian package.
set -euo pipefail

CMAKE=cmake
BUILD_DIR=
PREFIX=
PROBE=
SITE_ADDRESS=
while [ $# -gt 0 ]; do
    case "$1" in
    --cmake) CMAKE=$2; shift 2 ;;
    --build-dir) BUILD_DIR=$2; shift 2 ;;
    --prefix) PREFIX=$2; shift 2 ;;
    --probe) PROBE=$2; shift 2 ;;
    --site-address) SITE_ADDRESS=$2; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
[ -n "$BUILD_DIR$PREFIX" ] && [ -n "$PROBE" ] && [ -n "$SITE_ADDRESS" ] || { echo "missing arguments" >&2; exit 2; }

for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/packages.txt)" >&2; exit 1; }
done

TITLE='QV Orbalin v1.15'
# Client areas of the windows in pixels (design twips / 15). The main and
# the result window carry a menu bar above theirs.
MAIN_W=563 MAIN_H=379
DISPLAY_W=592 DISPLAY_H=456
FAREWELL_W=741
TIMEOUT=20 # seconds, for any one thing to happen

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qvo-smoke.XXXXXX")
XVFB_PID= WM_PID= APP_PID=
APP_STATUS=

stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

cleanup() {
    local status=$?
    stop "$APP_PID"
    stop "$WM_PID"
    stop "$XVFB_PID"
    if [ $status -ne 0 ]; then
        for log in app wm xvfb; do
            if [ -s "$WORK/$log.log" ]; then
                echo "--- $log.log"
                tail -n 80 "$WORK/$log.log"
            fi
        done
    fi
    rm -rf "$WORK"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step() {
    echo "-- $*"
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# --- the installed program --------------------------------------------------
if [ -z "$PREFIX" ]; then
    step "installing the build into a temporary prefix"
    PREFIX=$WORK/prefix
    "$CMAKE" --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" || { cat "$WORK/install.log"; fail "install"; }
fi
shopt -s nullglob
entries=("$PREFIX"/share/applications/*.QVOrbalin.desktop)
shopt -u nullglob
[ ${#entries[@]} -eq 1 ] || fail "expected one desktop entry, found ${#entries[@]}"
exec_line=$(sed -n 's/^Exec=//p' "${entries[0]}" | head -n 1)
[ -n "$exec_line" ] || fail "the desktop entry has no Exec line"
# Field codes (%U and the like) stand for files and addresses; there are none.
read -r -a app_command <<<"$(sed -e 's/%[A-Za-z]//g' <<<"$exec_line")"

# --- a private session ------------------------------------------------------
mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime" "$WORK/fakebin"
chmod 0700 "$WORK/runtime"
URLS=$WORK/urls.txt
: >"$URLS"
cat >"$WORK/fakebin/xdg-open" <<EOF
#!/bin/sh
# Stands in for the browser: writes down the address and returns.
printf '%s\n' "\$*" >>'$URLS'
EOF
chmod +x "$WORK/fakebin/xdg-open"

export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
export PATH=$WORK/fakebin:$PREFIX/bin:$PATH
export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY XDG_CURRENT_DESKTOP DESKTOP_SESSION BROWSER DEFAULT_BROWSER
[ "$(command -v "${app_command[0]}")" = "$PREFIX/bin/qv-orbalin" ] ||
    fail "Exec=$exec_line does not start the installed program"
[ "$(command -v xdg-open)" = "$WORK/fakebin/xdg-open" ] || fail "the fake xdg-open is not first on PATH"

step "starting Xvfb and openbox"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
wait_for $TIMEOUT grep -q '[0-9]' "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=":$(tr -dc '0-9' <"$WORK/display")"
openbox --sm-disable >"$WORK/wm.log" 2>&1 &
WM_PID=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for $TIMEOUT wm_running || fail "openbox did not start"

# --- windows ----------------------------------------------------------------
# Prints the id of the program's visible window titled $TITLE whose client
# width is $1; fails when there is none.
window_of_width() {
    local id width
    for id in $(xdotool search --onlyvisible --pid "$APP_PID" --name "^${TITLE//./\\.}\$" 2>/dev/null); do
        width=$(xwininfo -id "$id" 2>/dev/null | sed -n 's/^ *Width: *//p')
        if [ "$width" = "$1" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# The height of the menu bar above a client area of the given height.
menu_height() {
    local height
    height=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
    echo $((height - $2))
}

# click WINDOW X Y: a real left click at window coordinates.
click() {
    xdotool mousemove --sync --window "$1" "$2" "$3"
    sleep 0.1
    xdotool click 1
}

# close WINDOW: Alt+F4 to the window manager, as a user closes a window.
close_window() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4
}

pixel() { "$PROBE" "$1" pixel "$2" "$3"; }
colours() { "$PROBE" "$1" colours "$2" "$3" "$4" "$5"; }

# wait_pixel WINDOW X Y COLOUR [WHAT]: waits until the window shows exactly
# COLOUR at (X, Y).
wait_pixel() {
    local deadline=$((SECONDS + TIMEOUT)) seen
    while :; do
        seen=$(pixel "$1" "$2" "$3" 2>/dev/null || true)
        [ "$seen" = "$4" ] && return 0
        [ $SECONDS -lt $deadline ] || fail "expected $4 at ($2, $3)${5:+ in $5}, the window shows '${seen:-nothing}'"
        sleep 0.1
    done
}

# frame_fills WINDOW MENU_HEIGHT NAME COLOUR X,Y... : every frame is its own
# colour exactly, inside its etched border; the points, in client
# coordinates, lie where none of the frame's controls covers it.
frame_fills() {
    local window=$1 menu=$2 name=$3 colour=$4 point
    shift 4
    for point in "$@"; do
        wait_pixel "$window" "${point%,*}" $((menu + ${point#*,})) "$colour" "$name"
    done
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# wait_window WIDTH WHAT: waits until the program shows its window of that
# client width; gives up early when the program has died.
wait_window() {
    local deadline=$((SECONDS + TIMEOUT))
    until window_of_width "$1" >/dev/null; do
        app_running || fail "the program ended before $2 appeared"
        [ $SECONDS -lt $deadline ] || fail "$2 did not appear"
        sleep 0.1
    done
}

# --- the session ------------------------------------------------------------
step "starting '$exec_line'"
"${app_command[@]}" >"$WORK/app.log" 2>&1 &
APP_PID=$!

wait_window $MAIN_W "the main window"
main=$(window_of_width $MAIN_W)
menu=$(menu_height "$main" $MAIN_H)
[ "$menu" -gt 0 ] || fail "the main window has no menu bar"
echo "   main window $main, menu bar $menu px"

step "checking that the main window has drawn itself, its frames in their own colours"
# The white banners along the top and the bottom, the purple body and the
# purple frame of the tick boxes, text on them.
frame_fills "$main" "$menu" Frame2 '#ffffff' 5,4 300,4 560,4
frame_fills "$main" "$menu" Frame1 '#800080' 3,43 3,140 300,43 560,300
frame_fills "$main" "$menu" Frame3 '#800080' 9,108 405,254 550,200
frame_fills "$main" "$menu" Frame5 '#ffffff' 3,331 300,377 560,331
[ "$(colours "$main" 0 "$menu" $MAIN_W 104)" -gt 8 ] || fail "the upper part of the main window holds no text"

step "ticking Indian and Egyptian, pressing Find My Good luck Symbol"
# chkGoodLuck(0) and (3): the box at 13 px from the left; cmdNext across the
# bottom of the purple frame.
click "$main" 21 $((menu + 136))
click "$main" 21 $((menu + 256))
click "$main" 281 $((menu + 304))
wait_window $DISPLAY_W "the result window"
result=$(window_of_width $DISPLAY_W)
! window_of_width $MAIN_W >/dev/null || fail "the main window stayed on view beside the results"
rmenu=$(menu_height "$result" $DISPLAY_H)
echo "   result window $result, menu bar $rmenu px"

step "checking the drawn picture and the result window's frames"
# The Egyptian panel was ticked last, so it lies on top; its 111 x 111
# picture sits at (328, 64) in the client area. A picture has many colours,
# an empty box one.
seen=$(colours "$result" 328 $((rmenu + 64)) 111 111)
[ "$seen" -gt 500 ] || fail "the picture box shows $seen colours, not a picture"
result_frames() {
    frame_fills "$result" "$rmenu" Frame2 '#ffffff' 4,3 300,3 588,36
    frame_fills "$result" "$rmenu" Frame3 '#800080' 4,44 90,380 180,200
    frame_fills "$result" "$rmenu" Frame5 '#ffffff' 3,403 300,453 589,403
    frame_fills "$result" "$rmenu" "the $1 panel" '#800080' 204,70 574,385 300,390 188,200
}
result_frames Egyptian
before=$(colours "$result" 328 $((rmenu + 64)) 111 111)
# cmdGoodLuck(0) brings the Indian panel forward.
click "$result" 92 $((rmenu + 96))
wait_for $TIMEOUT eval '[ "$(colours "$result" 328 $((rmenu + 64)) 111 111)" != "$before" ]' ||
    fail "the Indian button did not bring its panel forward"
result_frames Indian

step "pressing Back"
click "$result" 458 $((rmenu + 431))
wait_window $MAIN_W "the main window after Back"
main=$(window_of_width $MAIN_W)
wait_for $TIMEOUT eval '! window_of_width $DISPLAY_W' || fail "the result window stayed after Back"

step "clicking the banner link"
click "$main" 283 $((menu + 22))
expected="$SITE_ADDRESS/orbalpath/ssd.php?page=home-page"
wait_for $TIMEOUT grep -q . "$URLS" || fail "no address reached xdg-open"
sleep 0.5 # a second launch, had there been one, would show up by now
[ "$(cat "$URLS")" = "$expected" ] || fail "xdg-open got '$(cat "$URLS")', expected '$expected'"

step "closing the main window"
close_window "$main"
wait_window $FAREWELL_W "the farewell window"
farewell=$(window_of_width $FAREWELL_W)
wait_for $TIMEOUT eval '! window_of_width $MAIN_W' || fail "the main window did not close"

step "checking the farewell window: a top-level window of its own, kept above, with the focus"
# An ordinary window (a task-bar entry of its own, in the window manager's
# list), not a dialog that hangs on a hidden window, asking to stay above.
props=$(xprop -id "$farewell" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR _NET_WM_STATE)
echo "$props" | sed 's/^/   /'
grep -qx '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL' <<<"$props" ||
    fail "the farewell window is not a normal window"
grep -q 'WM_TRANSIENT_FOR:  not found' <<<"$props" || fail "the farewell window is transient for another window"
grep -q '^_NET_WM_STATE(ATOM) = .*_NET_WM_STATE_ABOVE' <<<"$props" || fail "the farewell window is not kept above"
! grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$props" || fail "the farewell window stays out of the task bar"
xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$farewell")" ||
    fail "the window manager does not list the farewell window"
wait_for $TIMEOUT eval '[ "$(xdotool getactivewindow)" = "$farewell" ]' ||
    fail "the farewell window did not take the focus"
frame_fills "$farewell" 0 'Refer A Friend' '#000080' 12,306 468,296 200,232
frame_fills "$farewell" 0 'Download Velmoraware' '#000080' 491,28 728,208 600,280

step "closing the farewell window"
close_window "$farewell"
wait_for $TIMEOUT eval '! app_running' || fail "the program did not end"
if wait "$APP_PID"; then APP_STATUS=0; else APP_STATUS=$?; fi
APP_PID=
[ "$APP_STATUS" -eq 0 ] || fail "the program ended with status $APP_STATUS"

settings=$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini
[ -f "$settings" ] || fail "no settings file at $settings"
grep -q '^Duration=' "$settings" || fail "the settings file holds no Duration: $(cat "$settings")"

echo "smoke: passed"
