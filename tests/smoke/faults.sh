#!/usr/bin/env bash
# What an unlucky desktop does to a real session of the installed program, on
# a virtual X display with a window manager (Xvfb and openbox):
#
#   - another X client destroys one of its windows outright (xdotool
#     windowclose): the program never runs on without a window a person can
#     see or use; with none left it ends, with status 0, and the next start
#     shows its main window;
#   - another X client unmaps one of its windows (xdotool windowunmap): a
#     window comes back on screen, a message box or the about window is
#     dismissed;
#   - the settings file is a FIFO: the program starts all the same;
#   - the refer-a-friend form is filled to the limit of every box: the whole
#     address reaches the browser (a fake xdg-open that writes it down);
#   - stderr is a pipe whose reader has gone: the warnings Qt writes there (no
#     XDG_RUNTIME_DIR at start-up, no browser for a link) do not end the run.
#
# Each case starts the program afresh, with a home, configuration and runtime
# folder of its own, on an X display with a window manager of its own: when a
# run ends just as it maps a window (the farewell window, shown by the last
# unload), openbox can be left holding a window that died while it was taking
# it on, and the X server hands the same window ids to the next program, whose
# window of that id openbox then never maps. Every wait has a deadline; whatever the test started is
# stopped by its process id when it ends, passed or failed (session.sh).
#
# usage: faults.sh [--cmake CMAKE] --build-dir DIR [--site-address URL] [--case NAME]
#        faults.sh --prefix DIR [--site-address URL] [--case NAME]
# --case runs one case alone, by the name of its function below.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
SITE_ADDRESS=https://www.velmoraware.example
CASES=(main_window_destroyed result_window_destroyed hidden_main_window_destroyed about_window_destroyed
    main_window_unmapped result_window_unmapped farewell_window_unmapped update_question_unmapped
    modal_box_unmapped about_window_unmapped
    settings_file_is_a_fifo refer_a_friend_past_every_limit closed_stderr_at_start closed_stderr_mid_run)
arguments=()
while [ $# -gt 0 ]; do
    case "$1" in
    --case) CASES=("$2"); shift 2 ;;
    *) arguments+=("$1"); shift ;;
    esac
done
parse_arguments "${arguments[@]}"
need Xvfb openbox xdotool xwininfo xprop xclip
ABOUT_W=401 # the about window's client width

install_program
private_session
export QT_QPA_PLATFORM=xcb

# fresh_session: a home, configuration and runtime folder for the next run.
CASE=0
fresh_session() {
    CASE=$((CASE + 1))
    local home=$WORK/session$CASE
    mkdir -p "$home/home" "$home/config" "$home/runtime"
    chmod 0700 "$home/runtime"
    export HOME=$home/home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
    : >"$URLS"
}

# draw MAIN: ticks Indian, presses Find My Good luck Symbol, prints the id
# of the result window.
draw() {
    local menu
    menu=$(menu_height "$1" $MAIN_H)
    click "$1" 21 $((menu + 136))
    click "$1" 281 $((menu + 304))
    await $DISPLAY_W "the result window"
}

# --- another X client destroys our windows ---------------------------------

main_window_destroyed() {
    step "the main window destroyed: the run ends, and the next start shows its main window"
    start_program
    main=$(await $MAIN_W "the main window")
    xdotool windowclose "$main"
    ended_with 0 "main window destroyed"
    start_program
    main=$(await $MAIN_W "the main window of the next start")
    xdotool windowclose "$main"
    ended_with 0 "main window of the next start destroyed"
}

result_window_destroyed() {
    step "the result window destroyed: the run ends"
    start_program
    result=$(draw "$(await $MAIN_W "the main window")")
    xdotool windowclose "$result"
    ended_with 0 "result window destroyed"
}

hidden_main_window_destroyed() {
    step "the hidden main window destroyed during the results: Back shows it again"
    start_program
    main=$(await $MAIN_W "the main window")
    result=$(draw "$main")
    xdotool windowclose "$main"
    wait_for $TIMEOUT eval '! window_of_width $MAIN_W --all' || fail "the hidden main window was not destroyed"
    rmenu=$(menu_height "$result" $DISPLAY_H)
    click "$result" 458 $((rmenu + 431))
    main=$(await $MAIN_W "the main window after Back")
    keys "$main" alt+F4
    farewell=$(await $FAREWELL_W "the farewell window")
    xdotool windowclose "$farewell"
    ended_with 0 "farewell window destroyed"
}

about_window_destroyed() {
    step "the about window destroyed: the main window takes the mouse again"
    start_program
    main=$(await $MAIN_W "the main window")
    keys "$main" alt+h a
    about=$(await $ABOUT_W "the about window")
    xdotool windowclose "$about"
    wait_for $TIMEOUT eval '! window_of_width $ABOUT_W --all' || fail "the about window stayed"
    result=$(draw "$main")
    leave "$result"
}

# --- another X client unmaps our windows -------------------------------------
# box_window: the id of the program's message box (captioned with the
# program's name alone) on screen; fails when there is none.
box_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$APP_PID" --name 'QV Orbalin' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "QV Orbalin" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# unmap WINDOW: takes the window off the screen as another client would.
unmap() {
    xdotool windowunmap --sync "$1"
}

# leave WINDOW: closes a working window, then the farewell window it leads
# to; the run must end with status 0.
leave() {
    keys "$1" alt+F4
    local farewell
    farewell=$(await $FAREWELL_W "the farewell window")
    keys "$farewell" alt+F4
    ended_with 0 "closing the farewell window"
}

main_window_unmapped() {
    step "the main window unmapped: it comes back on screen"
    start_program
    main=$(await $MAIN_W "the main window")
    unmap "$main"
    leave "$(await $MAIN_W "the main window again")"
}

result_window_unmapped() {
    step "the result window unmapped: it comes back on screen"
    start_program
    result=$(draw "$(await $MAIN_W "the main window")")
    unmap "$result"
    result=$(await $DISPLAY_W "the result window again")
    leave "$result"
}

farewell_window_unmapped() {
    step "the farewell window unmapped: it comes back on screen"
    start_program
    keys "$(await $MAIN_W "the main window")" alt+F4
    unmap "$(await $FAREWELL_W "the farewell window")"
    keys "$(await $FAREWELL_W "the farewell window again")" alt+F4
    ended_with 0 "closing the farewell window"
}

update_question_unmapped() {
    step "the update question unmapped: it counts as No, and the main window comes"
    mkdir -p "$XDG_CONFIG_HOME/qv-orbalin"
    printf '[Settings]\nDuration=2000-01-01\n' >"$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini"
    start_program
    wait_for $TIMEOUT box_window || fail "the update question did not appear"
    unmap "$(box_window)"
    main=$(await $MAIN_W "the main window")
    [ ! -s "$URLS" ] || fail "a page was opened: $(cat "$URLS")"
    leave "$main"
}

modal_box_unmapped() {
    step "a message box unmapped: it is dismissed, and the main window takes the mouse again"
    start_program
    main=$(await $MAIN_W "the main window")
    click "$main" 281 $(($(menu_height "$main" $MAIN_H) + 304)) # Find, with nothing ticked
    wait_for $TIMEOUT box_window || fail "the message box did not appear"
    unmap "$(box_window)"
    # Gone for good once the main window takes the clicks of a draw again.
    result=$(draw "$main")
    leave "$result"
}

about_window_unmapped() {
    step "the about window unmapped: it is dismissed, and the main window takes the mouse again"
    start_program
    main=$(await $MAIN_W "the main window")
    keys "$main" alt+h a
    unmap "$(await $ABOUT_W "the about window")"
    wait_for $TIMEOUT eval '! window_of_width $ABOUT_W --all' || fail "the about window stayed"
    result=$(draw "$main")
    leave "$result"
}

# --- the settings file ------------------------------------------------------
settings_file_is_a_fifo() {
    step "the settings file is a FIFO: the program starts all the same"
    mkdir -p "$XDG_CONFIG_HOME/qv-orbalin"
    mkfifo "$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini"
    start_program
    main=$(await $MAIN_W "the main window")
    leave "$main"
    [ -p "$XDG_CONFIG_HOME/qv-orbalin/qv-orbalin.ini" ] || fail "the FIFO was replaced"
}

# --- a closed stderr ----------------------------------------------------------
# start_with_closed_stderr [ENV-ARGUMENTS...]: the program, in an environment
# with these changes and without a browser on PATH, its stderr a pipe whose
# reader has gone (a launcher or a terminal that went away).
start_with_closed_stderr() {
    local program
    program=$(command -v "${app_command[0]}")
    mkdir -p "$WORK/nobrowser"
    step "starting $program with stderr a pipe nobody reads"
    env "$@" PATH="$WORK/nobrowser" /usr/bin/perl -e \
        'pipe(my $r, my $w) or die "pipe: $!"; close $r; open(STDERR, ">&", $w) or die "dup: $!"; exec @ARGV' \
        "$program" "${app_command[@]:1}" >>"$WORK/app.log" &
    APP_PID=$!
}

closed_stderr_at_start() {
    step "stderr closed, no XDG_RUNTIME_DIR: the warning at start-up does not end the run"
    mkdir -p "$WORK/tmp$CASE"
    start_with_closed_stderr -u XDG_RUNTIME_DIR TMPDIR="$WORK/tmp$CASE"
    main=$(await $MAIN_W "the main window")
    leave "$main"
}

closed_stderr_mid_run() {
    step "stderr closed: a link that finds no browser does not end the run"
    start_with_closed_stderr
    main=$(await $MAIN_W "the main window")
    keys "$main" alt+h v # Visit Us Online
    app_running || fail "the program ended after the link"
    leave "$main"
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
    STOP_PIDS+=("$CLIP_PID")
    wait_for $TIMEOUT eval '[ "$(xclip -o -selection clipboard -t UTF8_STRING | head -c 3)" = ".@." ]' ||
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
    wait_for $TIMEOUT grep -q . "$URLS" || fail "no address reached xdg-open"

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
    ended_with 0 "closing the farewell window"
    stop "$CLIP_PID"
}

for case in "${CASES[@]}"; do
    fresh_session
    start_x >/dev/null
    "$case"
    stop_x
done
echo "faults: passed"
