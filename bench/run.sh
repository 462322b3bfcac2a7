#!/usr/bin/env bash
# Builds the benchmarks in Release (the bench preset, in bench-build/) and
# prints one table:
#   - start-up: process start, main window shown, process ended, against a
#     bare Qt Widgets program built the same way and timed in the same run,
#     taking turns, on a virtual X display with a window manager;
#   - one draw of all seven traditions followed by Back (offscreen);
#   - peak resident memory of a start-up run against the bare program;
#   - resident memory after 10 and after 1,000 draw/Back cycles, on the
#     virtual X display, where each result window has native resources.
# Medians throughout, but for the memory of the one run of cycles. Nothing here is a test and nothing is asserted: the
# targets are printed beside the numbers.
#
# usage: bench/run.sh [ROUNDS [DRAW_ITERATIONS]]    (defaults 40 and 2000)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ROUNDS=${1:-40}
DRAWS=${2:-2000}
BIN=$ROOT/bench-build/bench

cd "$ROOT"
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qvo-bench.XXXXXX")
XVFB_PID= WM_PID=
cleanup() {
    for pid in $WM_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime"
chmod 0700 "$WORK/runtime"
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do grep -q '[0-9]' "$WORK/display" && break; sleep 0.1; done
grep -q '[0-9]' "$WORK/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -dc '0-9' <"$WORK/display")"
# A window mapped before openbox has finished starting is never managed: wait
# for the command it runs once it has.
openbox --sm-disable --startup "touch '$WORK/wm-ready'" >/dev/null 2>&1 &
WM_PID=$!
for _ in $(seq 100); do [ -e "$WORK/wm-ready" ] && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$BIN/spawn_bench" "$ROUNDS" 3 "orbalin=$BIN/bench_orbalin" "bare=$BIN/bench_bare" >"$WORK/start.txt"
QT_QPA_PLATFORM=offscreen "$BIN/draw_bench" "$DRAWS" >"$WORK/draw.txt"
QT_QPA_PLATFORM=xcb "$BIN/draw_bench" --memory >"$WORK/memory.txt" 2>"$WORK/memory.log"

field() { sed -n "/$1/s/.*[ ]$2=\\([^ ]*\\).*/\\1/p" "$3"; }
app_ms=$(field 'name=orbalin' median_ms "$WORK/start.txt")
bare_ms=$(field 'name=bare' median_ms "$WORK/start.txt")
app_kib=$(field 'name=orbalin' median_maxrss_kib "$WORK/start.txt")
bare_kib=$(field 'name=bare' median_maxrss_kib "$WORK/start.txt")
draw_ms=$(field 'draw_ms' median "$WORK/draw.txt")
draw_p90=$(field 'draw_ms' p90 "$WORK/draw.txt")
rss10=$(field 'rss_kib' after10 "$WORK/memory.txt")
rss1000=$(field 'rss_kib' after1000 "$WORK/memory.txt")

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
echo "QV Orbalin benchmarks: Release, $(nproc) x ${cpu:-unknown CPU}, Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)"
echo "start-up: $ROUNDS runs of each program, taking turns, Xvfb + openbox; draw: $DRAWS iterations, offscreen"
echo "memory: one run of 1,000 draw/Back cycles, Xvfb + openbox"
echo
awk -v am="$app_ms" -v bm="$bare_ms" -v ak="$app_kib" -v bk="$bare_kib" -v dm="$draw_ms" -v dp="$draw_p90" \
    -v r10="$rss10" -v r1000="$rss1000" 'BEGIN {
    fmt = "| %-44s | %12s | %12s | %-17s | %-9s |\n"
    printf fmt, "measure (median)", "QV Orbalin", "bare Qt", "result", "target"
    printf fmt, "--------------------------------------------", "------------", "------------", "-----------------", "---------"
    printf fmt, "start, main window shown, exit", sprintf("%.1f ms", am), sprintf("%.1f ms", bm), sprintf("ratio %.2f", am / bm), "<= 1.3"
    printf fmt, "draw of all seven traditions, then Back", sprintf("%.2f ms", dm), "-", sprintf("p90 %.2f ms", dp), "< 5 ms"
    printf fmt, "peak resident memory of a start-up run", sprintf("%.1f MiB", ak / 1024), sprintf("%.1f MiB", bk / 1024), sprintf("+%.1f MiB", (ak - bk) / 1024), "< 10 MiB"
    printf fmt, "resident memory after 10 draw/Back cycles", sprintf("%.1f MiB", r10 / 1024), "-", "", ""
    printf fmt, "resident memory after 1,000 draw/Back cycles", sprintf("%.1f MiB", r1000 / 1024), "-", sprintf("%+.1f MiB", (r1000 - r10) / 1024), "< 2 MiB"
}'
