#!/usr/bin/env bash
# The program's command line, without a display and on a virtual X display:
# --help and --version print and end with status 0, an unknown option or a
# stray argument is refused on stderr with status 1, and none of them opens a
# window or asks the single-copy question. Qt's own options mixed in are
# accepted, and a start with Qt's options alone still reaches the main window
# with those options in effect.
#
# usage: cmdline.sh --build-dir DIR
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
parse_arguments "$@"
need Xvfb openbox xprop xdotool flock timeout
PROGRAM=${BUILD_DIR:+$BUILD_DIR/bin/qv-orbalin}
PROGRAM=${PROGRAM:-$PREFIX/bin/qv-orbalin}
[ -x "$PROGRAM" ] || fail "no program $PROGRAM"

mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime"
chmod 0700 "$WORK/runtime"
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

VERSION='qv-orbalin 1.15'
REFUSED="^qv-orbalin: .*Try '.* --help' for more information\.$"
# status | arguments | stdout (a pattern over the whole output, lines joined
# by spaces) | stderr (likewise) | whether another copy holds the lock
CASES="0|--help|^Usage: .*qv-orbalin \[options\] .* -h, --help .* -v, --version ||no
0|-h|^Usage: .* -h, --help .* -v, --version ||no
0|--version|^$VERSION\$||no
0|-v|^$VERSION\$||no
0|--version|^$VERSION\$||yes
0|--help|^Usage: ||yes
0|-platform xcb --version|^$VERSION\$||no
0|--style=Fusion -reverse -h|^Usage: ||no
0|-display :0 -name other -v|^$VERSION\$||no
1|--bogus||^qv-orbalin: Unknown option 'bogus'\. .*--help|no
1|-x||^qv-orbalin: Unknown option 'x'\. |no
1|-hv||$REFUSED|no
1|stray||^qv-orbalin: Unexpected argument 'stray'\. |no
1|-platform||^qv-orbalin: Missing value after '-platform'\. |no
1|--bogus||^qv-orbalin: Unknown option 'bogus'\. |yes"

joined() { tr '\n' ' ' <"$1" | sed 's/ $//'; }

# run_cases WHERE: every case; with a display, no client window may appear.
run_cases() {
    local where=$1 status args out err locked words seen n=0
    while IFS='|' read -r status args out err locked; do
        n=$((n + 1))
        read -r -a words <<<"$args"
        if [ "$locked" = yes ]; then
            : >"$WORK/runtime/qv-orbalin.lock"
            set +e
            flock -n "$WORK/runtime/qv-orbalin.lock" timeout $TIMEOUT "$PROGRAM" "${words[@]}" \
                >"$WORK/out" 2>"$WORK/err"
            seen=$?
            set -e
        else
            set +e
            timeout $TIMEOUT "$PROGRAM" "${words[@]}" >"$WORK/out" 2>"$WORK/err"
            seen=$?
            set -e
        fi
        local what="$where, '$args'"
        [ "$locked" = no ] || what+=" while another copy runs"
        [ "$seen" = "$status" ] || fail "$what: status $seen, expected $status; stderr: $(joined "$WORK/err")"
        if [ -z "$out" ]; then [ ! -s "$WORK/out" ] || fail "$what: printed '$(joined "$WORK/out")'"
        else grep -Eq "$out" <<<"$(joined "$WORK/out")" || fail "$what: stdout '$(joined "$WORK/out")'"; fi
        if [ -z "$err" ]; then [ ! -s "$WORK/err" ] || fail "$what: stderr '$(joined "$WORK/err")'"
        else grep -Eq "$err" <<<"$(joined "$WORK/err")" || fail "$what: stderr '$(joined "$WORK/err")'"; fi
    done <<<"$CASES"
    echo "   $n cases passed $where"
}

step "without a display"
run_cases "without a display"

start_x
# Every client window the window manager takes on shows in its client list;
# a mark set on the root window after each case says the spy has seen all
# that came before.
xprop -root -f _QVO_MARK 8s -set _QVO_MARK start
xprop -root -spy _NET_CLIENT_LIST _QVO_MARK >"$WORK/clients.log" 2>&1 &
STOP_PIDS+=($!)
wait_for $TIMEOUT grep -q _NET_CLIENT_LIST "$WORK/clients.log" || fail "xprop does not watch the root window"
step "on an X display ($DISPLAY)"
run_cases "on an X display"
xprop -root -f _QVO_MARK 8s -set _QVO_MARK done
wait_for $TIMEOUT grep -q '_QVO_MARK.*"done"' "$WORK/clients.log" || fail "the mark never reached the spy"
! grep -q 'window id # 0x' "$WORK/clients.log" || fail "a window appeared: $(grep 'window id # 0x' "$WORK/clients.log")"

step "Qt's own options alone start the program with them in effect"
"$PROGRAM" -name qvo-cmdline -qwindowtitle 'Titled from the command line' >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_for $TIMEOUT eval 'xdotool search --onlyvisible --pid "$APP_PID" --name "^Titled from the command line\$"' ||
    fail "no main window titled by -qwindowtitle"
main=$(xdotool search --onlyvisible --pid "$APP_PID" --name '^Titled from the command line$' | head -n 1)
xprop -id "$main" WM_CLASS | grep -q '= "qvo-cmdline", ' || fail "-name did not reach the window: $(xprop -id "$main" WM_CLASS)"
echo "cmdline: passed"
