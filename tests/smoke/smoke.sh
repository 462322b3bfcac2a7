#!/usr/bin/env bash
# One real session of the installed program on a virtual X display:
#
#   install the build into a temporary prefix and start the program from its
#   desktop entry's Exec line, with a home, configuration and runtime folder of
#   its own and a fake xdg-open first on PATH that writes down every address;
#   find the main window by its title, check that it has drawn itself with
#   every frame exactly its colour, tick two traditions and press "Find My
#   Good luck Symbol" with the mouse, check the result window with its picture
#   and its frames, bring the other panel forward, press Back, click the banner
#   link and check the address the browser got, close the main window, check
#   that the farewell window is a top-level window of its own, kept above,
#   with the focus, close it, and check that the program ended with status 0
#   and wrote its settings file.
#
# Every wait has a deadline (see session.sh).
#
# usage: smoke.sh [--cmake CMAKE] --build-dir DIR --probe PROBE --site-address URL
#        smoke.sh --prefix DIR --probe PROBE --site-address URL
# The second form drives a program already installed under DIR, for example
# /usr after installing the Debian package.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
parse_arguments "$@"
[ -n "$PROBE" ] && [ -n "$SITE_ADDRESS" ] || { echo "missing --probe or --site-address" >&2; exit 2; }

need Xvfb openbox xdotool xwininfo xprop

install_program
private_session
export QT_QPA_PLATFORM=xcb
start_x

# --- the session ------------------------------------------------------------
start_program

wait_window $MAIN_W "the main window"
main=$(window_of_width $MAIN_W)
menu=$(menu_height "$main" $MAIN_H)
[ "$menu" -gt 0 ] || fail "the main window has no menu bar"
echo "   main window $main, menu bar $menu px"

step "checking that the main window has drawn itself, its frames in their own colours"
# The white banners along the top and the bottom, the purple body and the
# purple frame of the tick boxes, text on them.
frame_fills "$main" 0 "$menu" "$MAIN_FRAMES"
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
    frame_fills "$result" 0 "$rmenu" "Frame2 #ffffff 4,3 300,3 588,36
Frame3 #800080 4,44 90,380 180,200
Frame5 #ffffff 3,403 300,453 589,403
the-$1-panel #800080 204,70 574,385 300,390 188,200"
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
keys "$main" alt+F4
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
frame_fills "$farewell" 0 0 "$FAREWELL_FRAMES"

step "closing the farewell window"
keys "$farewell" alt+F4
ended_with 0

settings=$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini
[ -f "$settings" ] || fail "no settings file at $settings"
grep -q '^Duration=' "$settings" || fail "the settings file holds no Duration: $(cat "$settings")"

echo "smoke: passed"
