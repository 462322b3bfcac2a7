# Sourced by the real-window tests: a scratch folder, a virtual X display
# with a window manager (Xvfb and openbox), and the means to wait with a
# deadline and to stop what a test started.
#
# Sets WORK (removed when the script ends) and, after start_x_session,
# DISPLAY. When the script ends, passed or failed, it calls the function
# stop_test_processes if the script has one, then stops the window manager
# and the display; on failure it shows the tail of every WORK/*.log.

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qvo-x.XXXXXX")
XVFB_PID= WM_PID=

# stop PID: asks the process to end, and ends it after five seconds.
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

x_session_finish() {
    local status=$?
    if declare -F stop_test_processes >/dev/null; then stop_test_processes; fi
    stop "$WM_PID"
    stop "$XVFB_PID"
    if [ $status -ne 0 ]; then
        for log in "$WORK"/*.log; do
            [ -s "$log" ] && { echo "--- ${log##*/}"; tail -n 40 "$log"; }
        done
    fi
    rm -rf "$WORK"
    exit $status
}
trap x_session_finish EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# until_true SECONDS COMMAND...: polls until the command succeeds.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

start_x_session() {
    local tool
    for tool in Xvfb openbox xprop; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/packages.txt)"
    done
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    until_true 20 grep -q '[0-9]' "$WORK/display" || fail "Xvfb did not start"
    export DISPLAY=":$(tr -dc '0-9' <"$WORK/display")"
    openbox --sm-disable >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    until_true 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
}
