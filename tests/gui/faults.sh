#!/usr/bin/env bash
# What an unlucky desktop does to a real session of the installed program, on
# a virtual X display with a window manager (Xvfb and openbox):
#
#   - another X client destroys one of its windows outright (xdotool
#     windowclose): the program never runs on without a window a person can
#     see or use; with none left it ends, with status 0, and the next start
#     shows its main window;
#   - the settings file is a FIFO: the program starts all the same;
#   - the refer-a-friend form is filled to the limit of every box: the whole
#     address reaches the browser (a fake xdg-open that writes it down).
#
# Each case starts the program afresh, with a home, configuration and runtime
# folder of its own. Every wait has a deadline; whatever the test started is
# stopped by its process id when it ends, passed or failed (xsession.sh).
#
# usage: faults.sh [--cmake CMAKE] --build-dir DIR [--site-address URL] [--case NAME]
# --case runs one case alone, by the name of its function below.
set -euo pipefail

CMAKE=cmake
BUILD_DIR=
SITE_ADDRESS=https://www.velmoraware.example
CASES=(main_window_destroyed result_window_destroyed hidden_main_window_destroyed about_window_destroyed
    settings_file_is_a_fifo refer_a_friend_past_every_limit)
while [ $# -gt 0 ]; do
    case "$1" in
    --cmake) CMAKE=$2; shift 2 ;;
    --build-dir) BUILD_DIR=$2; shift 2 ;;
    --site-address) SITE_ADDRESS=$2; shift 2 ;;
    --case) CASES=("$2"); shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
[ -n "$BUILD_DIR" ] || { echo "missing --build-dir" >&2; exit 2; }
TITLE='QV Orbalin v1.15'
# Client widths of the windows in pixels (design twips / 15).
MAIN_W=563 DISPLAY_W=592 FAREWELL_W=741 ABOUT_W=401
TIMEOUT=20 # seconds, for any one thing to happen

source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
for tool in xdotool xwininfo xclip; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/packages.txt)"
done
APP_PID= CLIP_PID=
stop_test_processes() {
    stop "$CLIP_PID"
    stop "$APP_PID"
}

# --- the installed program and the display ----------------------------------
"$CMAKE" --install "$BUILD_DIR" --prefix "$WORK/prefix" >"$WORK/install.txt" || { cat "$WORK/install.txt"; fail "install"; }
PROGRAM=$WORK/prefix/bin/qv-orbalin
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"

mkdir -p "$WORK/fakebin"
URLS=$WORK/urls.txt
cat >"$WORK/fakebin/xdg-open" <<EOF
#!/bin/sh
# Stands in for the browser: writes down the one argument it got.
printf '%s\n' "\$1" >>'$URLS'
EOF
chmod +x "$WORK/fakebin/xdg-open"
export PATH=$WORK/fakebin:$PATH QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY XDG_CURRENT_DESKTOP DESKTOP_SESSION BROWSER DEFAULT_BROWSER

start_x_session

# --- one run of the program -------------------------------------------------
CASE=0
# fresh_session: a home, configuration and runtime folder for the next run.
fresh_session() {
    CASE=$((CASE + 1))
    local home=$WORK/session$CASE
    mkdir -p "$home/home" "$home/config" "$home/runtime"
    chmod 0700 "$home/runtime"
    export HOME=$home/home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
    : >"$URLS"
}

start_program() {
    "$PROGRAM" >>"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

running() { kill -0 "$APP_PID" 2>/dev/null; }

# window WIDTH [--all]: the id of the program's window of that client width,
# on screen (or, with --all, hidden as well).
window() {
    local id width visible=--onlyvisible
    [ "${2:-}" = --all ] && visible=
    for id in $(xdotool search $visible --pid "$APP_PID" --name "^${TITLE//./\\.}\$" 2>/dev/null); do
        width=$(xwininfo -id "$id" 2>/dev/null | sed -n 's/^ *Width: *//p')
        [ "$width" = "$1" ] && { echo "$id"; return 0; }
    done
    return 1
}

# await WIDTH WHAT: prints the id of the window once it is on screen.
await() {
    local deadline=$((SECONDS + TIMEOUT))
    until window "$1" >/dev/null; do
        running || fail "the program ended before $2 appeared"
        [ $SECONDS -lt $deadline ] || fail "$2 did not appear"
        sleep 0.1
    done
    window "$1"
}

# ends_with_success WHAT: the program ends within the deadline, status 0.
ends_with_success() {
    local status
    until_true $TIMEOUT eval '! running' || fail "$1: the program runs on"
    if wait "$APP_PID"; then status=0; else status=$?; fi
    APP_PID=
    [ $status -eq 0 ] || fail "$1: the program ended with status $status"
}

# settle WINDOW: waits until the window manager has made the window the
# active one and has stopped moving it; clicks and keys sent before are now
# and then lost.
settle() {
    local target=$1 before= after deadline=$((SECONDS + TIMEOUT))
    xdotool windowactivate --sync "$target" 2>/dev/null || true
    until_true $TIMEOUT eval '[ "$(xdotool getactivewindow)" = "$target" ]' || fail "window $target never became active"
    after=$(xdotool getwindowgeometry "$target")
    until [ "$before" = "$after" ]; do
        [ $SECONDS -lt $deadline ] || fail "window $target never came to rest"
        before=$after
        sleep 0.1
        after=$(xdotool getwindowgeometry "$target")
    done
}

click() {
    settle "$1"
    xdotool mousemove --sync --window "$1" "$2" "$3"
    sleep 0.1
    xdotool click 1
}

# keys WINDOW KEY...: keys to the window, once it has settled.
keys() {
    local target=$1
    shift
    settle "$target"
    xdotool key --clearmodifiers --delay 50 "$@"
}

menu_height() {
    local height
    height=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
    echo $((height - $2))
}

# draw MAIN: ticks Indian, presses Find My Good luck Symbol, prints the id
# of the result window.
draw() {
    local menu
    menu=$(menu_height "$1" 379)
    click "$1" 21 $((menu + 136))
    click "$1" 281 $((menu + 304))
    await $DISPLAY_W "the result window"
}

step() { echo "-- $*"; }

# --- another X client destroys our windows ---------------------------------
main_window_destroyed() {
    step "the main window destroyed: the run ends, and the next start shows its main window"
    start_program
    main=$(await $MAIN_W "the main window")
    xdotool windowclose "$main"
    ends_with_success "main window destroyed"
    start_program
    main=$(await $MAIN_W "the main window of the next start")
    xdotool windowclose "$main"
    ends_with_success "main window of the next start destroyed"
}

result_window_destroyed() {
    step "the result window destroyed: the run ends"
    start_program
    result=$(draw "$(await $MAIN_W "the main window")")
    xdotool windowclose "$result"
    ends_with_success "result window destroyed"
}

hidden_main_window_destroyed() {
    step "the hidden main window destroyed during the results: Back shows it again"
    start_program
    main=$(await $MAIN_W "the main window")
    result=$(draw "$main")
    xdotool windowclose "$main"
    until_true $TIMEOUT eval '! window $MAIN_W --all' || fail "the hidden main window was not destroyed"
    rmenu=$(menu_height "$result" 456)
    click "$result" 458 $((rmenu + 431))
    main=$(await $MAIN_W "the main window after Back")
    keys "$main" alt+F4
    farewell=$(await $FAREWELL_W "the farewell window")
    xdotool windowclose "$farewell"
    ends_with_success "farewell window destroyed"
}

about_window_destroyed() {
    step "the about window destroyed: the main window takes the mouse again"
    start_program
    main=$(await $MAIN_W "the main window")
    keys "$main" alt+h a
    about=$(await $ABOUT_W "the about window")
    xdotool windowclose "$about"
    until_true $TIMEOUT eval '! window $ABOUT_W --all' || fail "the about window stayed"
    result=$(draw "$main")
    keys "$result" alt+F4
    farewell=$(await $FAREWELL_W "the farewell window")
    keys "$farewell" alt+F4
    ends_with_success "closing the farewell window"
}

# --- the settings file ------------------------------------------------------
settings_file_is_a_fifo() {
    step "the settings file is a FIFO: the program starts all the same"
    mkdir -p "$XDG_CONFIG_HOME/qv-orbalin"
    mkfifo "$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini"
    start_program
    main=$(await $MAIN_W "the main window")
    keys "$main" alt+F4
    farewell=$(await $FAREWELL_W "the farewell window")
    keys "$farewell" alt+F4
    ends_with_success "closing the farewell window"
    [ -p "$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini" ] || fail "the FIFO was replaced"
}

# --- the refer-a-friend form -------------------------------------------------
# percent_encoded TEXT: every byte but A-Z a-z 0-9 - . _ ~ as %XX.
percent_encoded() {
    local text=$1 i c out=
    local LC_ALL=C
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        case "$c" in
        [A-Za-z0-9._~-]) out+=$c ;;
        *) out+=$(printf '%%%02X' "'$c") ;;
        esac
    done
    printf '%s' "$out"
}

# repeat TEXT COUNT: TEXT, COUNT times over.
repeat() {
    local out=
    for _ in $(seq "$2"); do out+=$1; done
    printf '%s' "$out"
}

refer_a_friend_past_every_limit() {
    step "the refer-a-friend form pasted full: each box takes its limit, and the address reaches the browser"
    # One text on the clipboard for every box, long enough that without the
    # limits the address would be far beyond what a launch may carry.
    printf '%s' ".@.$(repeat '€' 15000)" >"$WORK/clipboard.txt"
    xclip -quiet -selection clipboard -t UTF8_STRING -i "$WORK/clipboard.txt" >"$WORK/xclip.log" 2>&1 &
    CLIP_PID=$!
    until_true $TIMEOUT eval '[ "$(xclip -o -selection clipboard -t UTF8_STRING | head -c 3)" = ".@." ]' ||
        fail "the clipboard holds nothing"

    start_program
    main=$(await $MAIN_W "the main window")
    keys "$main" alt+F4
    farewell=$(await $FAREWELL_W "the farewell window")
    # The boxes of the Refer A Friend frame: name, e-mail, friend's e-mail
    # (an x before the paste keeps the two addresses apart), friend's name,
    # and by Tab the message box out of sight below them (a line break first).
    click "$farewell" 126 249
    keys "$farewell" ctrl+v
    click "$farewell" 360 249
    keys "$farewell" ctrl+v
    click "$farewell" 360 273
    keys "$farewell" x ctrl+v
    click "$farewell" 126 273
    keys "$farewell" ctrl+v Tab ctrl+a Return ctrl+v
    click "$farewell" 248 297 # Refer A Friend Now
    until_true $TIMEOUT grep -q . "$URLS" || fail "no address reached xdg-open"

    local e='%E2%82%AC' expected
    expected="$SITE_ADDRESS/orbalpath/ssd.php?page=kqws-refer-a-friend"
    expected+="&taf1=.%40.$(repeat $e 97)&taf2=.%40.$(repeat $e 251)&taf3=%0D%0A.%40.$(repeat $e 996)"
    expected+="&taf4=.%40.$(repeat $e 97)&taf5=x.%40.$(repeat $e 250)"
    expected+="&taf6=$(percent_encoded "$SITE_ADDRESS/orbalpath/")"
    local got
    got=$(cat "$URLS")
    [ "$got" = "$expected" ] || fail "xdg-open got ${#got} characters, expected these ${#expected}: $expected"
    echo "   the browser got the whole address, ${#got} characters"
    keys "$farewell" alt+F4
    ends_with_success "closing the farewell window"
    stop "$CLIP_PID"
    CLIP_PID=
}

for case in "${CASES[@]}"; do
    fresh_session
    "$case"
done
echo "faults: passed"
