# What the real-window tests share: the installed program started from its
# desktop entry, a private session for it (home, configuration, runtime
# folder, and a fake xdg-open that writes down every address), and the
# helpers that find its windows and read their pixels back.
#
# Sourced by the tests, which then hand their arguments to parse_arguments.
# Every wait has a deadline; whatever a test started is stopped by its
# process id when it ends, passed or failed, and on failure the logs in $WORK
# are shown.

# parse_arguments [--cmake CMAKE] --build-dir DIR | --prefix DIR --probe PROBE
#                 [--site-address URL]
# --prefix drives a program already installed under DIR, for example /usr
# after installing the Debian package.
CMAKE=cmake BUILD_DIR= PREFIX= PROBE= SITE_ADDRESS=
parse_arguments() {
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
    [ -n "$BUILD_DIR$PREFIX" ] || { echo "missing --build-dir or --prefix" >&2; exit 2; }
}

TITLE='QV Orbalin v1.15'
# Client areas of the windows in pixels (design twips / 15). The main and
# the result window carry a menu bar above theirs.
MAIN_W=563 MAIN_H=379
DISPLAY_W=592 DISPLAY_H=456
FAREWELL_W=741
TIMEOUT=20 # seconds, for any one thing to happen

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qvo-test.XXXXXX")
# Process ids to stop at the end, the program's first.
APP_PID=
STOP_PIDS=()

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
    local status=$? pid log
    stop "$APP_PID"
    for pid in "${STOP_PIDS[@]}" "${X_PIDS[@]}"; do
        stop "$pid"
    done
    if [ $status -ne 0 ]; then
        for log in "$WORK"/*.log; do
            if [ -s "$log" ]; then
                echo "--- ${log##*/}"
                tail -n 80 "$log"
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

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/packages.txt)"
    done
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
# Sets PREFIX (installing the build there unless it is given) and
# app_command, the desktop entry's Exec line as words.
install_program() {
    if [ -z "$PREFIX" ]; then
        step "installing the build into a temporary prefix"
        PREFIX=$WORK/prefix
        "$CMAKE" --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.out" ||
            { cat "$WORK/install.out"; fail "install"; }
    fi
    local entries exec_line
    shopt -s nullglob
    entries=("$PREFIX"/share/applications/*.QVOrbalin.desktop)
    shopt -u nullglob
    [ ${#entries[@]} -eq 1 ] || fail "expected one desktop entry, found ${#entries[@]}"
    exec_line=$(sed -n 's/^Exec=//p' "${entries[0]}" | head -n 1)
    [ -n "$exec_line" ] || fail "the desktop entry has no Exec line"
    # Field codes (%U and the like) stand for files and addresses; there are none.
    read -r -a app_command <<<"$(sed -e 's/%[A-Za-z]//g' <<<"$exec_line")"
}

# --- a private session ------------------------------------------------------
# Home, configuration and runtime folder of the test's own, the fake browser
# first on PATH (its addresses go to $URLS), and nothing of the desktop the
# test itself runs in.
private_session() {
    mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime" "$WORK/fakebin"
    chmod 0700 "$WORK/runtime"
    URLS=$WORK/urls.txt
    : >"$URLS"
    cat >"$WORK/fakebin/xdg-open" <<FAKE
#!/bin/sh
# Stands in for the browser: writes down the address and returns.
printf '%s\n' "\$*" >>'$URLS'
FAKE
    chmod +x "$WORK/fakebin/xdg-open"

    export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
    export PATH=$WORK/fakebin:$PREFIX/bin:$PATH
    unset DBUS_SESSION_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION BROWSER DEFAULT_BROWSER
    # A plain install keeps the program in bin/; the Debian package in games/.
    local resolved
    resolved=$(command -v "${app_command[0]}" || true)
    [ "$resolved" = "$PREFIX/bin/qv-orbalin" ] || [ "$resolved" = "$PREFIX/games/qv-orbalin" ] ||
        fail "Exec=${app_command[*]} does not start the installed program"
    [ "$(command -v xdg-open)" = "$WORK/fakebin/xdg-open" ] || fail "the fake xdg-open is not first on PATH"
}

# start_program: the desktop entry's command, in the background.
start_program() {
    step "starting '${app_command[*]}'"
    "${app_command[@]}" >>"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# ended_with STATUS [AFTER]: waits for the program to end and checks its
# status; AFTER says what should have ended it.
ended_with() {
    local status after=${2:+ after $2}
    wait_for $TIMEOUT eval '! app_running' || fail "the program did not end$after"
    if wait "$APP_PID"; then status=0; else status=$?; fi
    APP_PID=
    [ "$status" -eq "$1" ] || fail "the program ended with status $status$after"
}

# --- windows ----------------------------------------------------------------
# window_of_width WIDTH [--all]: prints the id of the program's window titled
# $TITLE whose client width is WIDTH, on screen (or, with --all, hidden as
# well); fails when there is none.
window_of_width() {
    local id width visible=--onlyvisible
    [ "${2:-}" = --all ] && visible=
    for id in $(xdotool search $visible --pid "$APP_PID" --name "^${TITLE//./\\.}\$" 2>/dev/null); do
        width=$(xwininfo -id "$id" 2>/dev/null | sed -n 's/^ *Width: *//p')
        if [ "$width" = "$1" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

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

# await WIDTH WHAT: wait_window, then prints the window's id.
await() {
    wait_window "$1" "$2"
    window_of_width "$1"
}

# settle WINDOW: waits until the window manager has made the window the
# active one and has stopped moving it; clicks and keys sent before are now
# and then lost.
settle() {
    local target=$1 before= after deadline=$((SECONDS + TIMEOUT))
    xdotool windowactivate --sync "$target" 2>/dev/null || true
    wait_for $TIMEOUT eval '[ "$(xdotool getactivewindow)" = "$target" ]' || fail "window $target never became active"
    after=$(xdotool getwindowgeometry "$target")
    until [ "$before" = "$after" ]; do
        [ $SECONDS -lt $deadline ] || fail "window $target never came to rest"
        before=$after
        sleep 0.1
        after=$(xdotool getwindowgeometry "$target")
    done
}

# click WINDOW X Y: a real left click at window coordinates, once the window
# has settled.
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

# The height of the menu bar above a client area of the given height.
menu_height() {
    local height
    height=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
    echo $((height - $2))
}

# geometry WINDOW: prints "X Y WIDTH HEIGHT" of the window on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}

# --- pixels -----------------------------------------------------------------
# WINDOW is an X window id or a PNG picture of the screen.
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

# The frames of the main window and of the farewell window as lines of
# "NAME COLOUR X,Y...": each frame is its own colour exactly, inside its
# etched border, at points (client coordinates) that none of its controls
# covers.
MAIN_FRAMES="Frame2 #ffffff 5,4 300,4 560,4
Frame1 #800080 3,43 3,140 300,43 560,300
Frame3 #800080 9,108 405,254 550,200
Frame5 #ffffff 3,331 300,377 560,331"
FAREWELL_FRAMES="Frame2 #000080 12,306 468,296 200,232
Frame6 #000080 491,28 728,208 600,280"

# frame_fills WINDOW LEFT TOP FRAMES: waits until the window shows every
# frame of FRAMES in its colour; LEFT and TOP are added to the points (the
# menu bar's height, or where the client area lies in a picture).
frame_fills() {
    local window=$1 left=$2 top=$3 name colour points point
    while read -r name colour points; do
        for point in $points; do
            wait_pixel "$window" $((left + ${point%,*})) $((top + ${point#*,})) "$colour" "$name"
        done
    done <<<"$4"
}

# frames_shown PICTURE LEFT TOP FRAMES: whether the picture shows every frame
# of FRAMES in its colour; says where it does not.
frames_shown() {
    local picture=$1 left=$2 top=$3 name colour points point seen
    while read -r name colour points; do
        for point in $points; do
            seen=$(pixel "$picture" $((left + ${point%,*})) $((top + ${point#*,})) 2>/dev/null || true)
            if [ "$seen" != "$colour" ]; then
                echo "   $name: expected $colour at $point, the screen shows '${seen:-nothing}'"
                return 1
            fi
        done
    done <<<"$4"
}

# --- an X display -----------------------------------------------------------
# Xvfb with openbox, the display in DISPLAY, their process ids in X_PIDS;
# the screen is SCREEN (width x height x depth).
X_PIDS=()
SCREEN=1280x1024x24
start_x() {
    step "starting Xvfb and openbox"
    rm -f "$WORK/display" "$WORK/wm-ready"
    Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    X_PIDS=($!)
    wait_for $TIMEOUT grep -q '[0-9]' "$WORK/display" || fail "Xvfb did not start"
    export DISPLAY=":$(tr -dc '0-9' <"$WORK/display")"
    # openbox announces itself on the root window early in its start-up, but
    # a window mapped before it has finished starting is never managed (it
    # stays unmapped for good): wait for the command it runs once it has.
    openbox --sm-disable --startup "touch '$WORK/wm-ready'" >"$WORK/wm.log" 2>&1 &
    X_PIDS=("$!" "${X_PIDS[@]}")
    wait_for $TIMEOUT test -e "$WORK/wm-ready" || fail "openbox did not start"
}

# stop_x: ends the window manager and the X server that start_x started.
stop_x() {
    local pid
    for pid in "${X_PIDS[@]}"; do
        stop "$pid"
    done
    X_PIDS=()
}
