#!/usr/bin/env bash
# The installed program under the desktop's default colours and under a dark
# colour scheme (qt6ct's "darker" with the Fusion style), read back from the
# screen of a virtual X display:
#
#   every text of every window (main, result, about, farewell, the message
#   boxes, the menu bar) stands out from its background by a contrast ratio
#   of at least 4.5, or where the design's own colours give less, by that;
#   the designed colours (forms, frames, faces, designed
#   text colours) are exactly the same under both schemes, and so is every
#   text the design leaves to the system on a designed background; only the
#   menu bar, the message boxes and the text boxes follow the scheme;
#   disabled captions stay visibly fainter than enabled ones;
#   every window's frame, title bar included, is centred on the screen;
#   the window icon comes in every size drawn for it;
#   a second start while the farewell window shows: its message is the
#   topmost and the active window;
#   at twice the scale the icon boxes show the 64 x 64 picture, not the
#   32 x 32 one blown up, and lblHomePage keeps to one line at both scales.
#
# usage: themes.sh [--cmake CMAKE] --build-dir DIR --probe PROBE
#        themes.sh --prefix DIR --probe PROBE
# With QVO_SHOTS set to a folder, a picture of every window under each scheme
# is left there to look at.
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/session.sh"
parse_arguments "$@"
[ -n "$PROBE" ] || { echo "missing --probe" >&2; exit 2; }
ICON_2X=$here/../../assets/icon/hicolor/64x64/apps/qv-orbalin.png
[ -f "$ICON_2X" ] || fail "no 64 x 64 icon at $ICON_2X"

need Xvfb openbox xdotool xwininfo xprop
[ -x /usr/bin/import ] && [ -x /usr/bin/convert ] || fail "ImageMagick is not installed (scripts/packages.txt)"
[ -f /usr/share/qt6ct/colors/darker.conf ] || fail "qt6ct is not installed (scripts/packages.txt)"

install_program
private_session
export QT_QPA_PLATFORM=xcb
FAILED=0
# check CONDITION MESSAGE: notes a failure and goes on, so that one run
# shows every text that is hard to read.
check() {
    if ! eval "$1"; then
        echo "FAIL: $2" >&2
        FAILED=1
    fi
}

# --- the texts --------------------------------------------------------------
# One row per text: window, control, where its text lies (client
# coordinates, at scale 1), what colours the background and the text must
# be ("-": whatever the classic colours are, the same under both schemes;
# "scheme": the scheme's, only readable), and, where the design itself asks
# for less, the least contrast it gives (4.5 if not given): the main
# window's orange text on purple is the design's own pair of colours.
TEXTS="main Label61 10 10 540 26 #ffffff #400040
main Label1 12 58 537 44 #800080 #ff8000 3.7
main chkGoodLuck(0) 34 126 200 20 #ffffff #400040
main chkGoodLuck(6) 306 206 220 20 #ffffff #400040
main cmdNext 180 295 200 18 - -
main promotion 10 338 540 36 #ffffff #400040
main menuBar 2 - 130 - scheme scheme
result Label61 20 10 550 30 #ffffff #400040
result cmdGoodLuck(0) 14 84 157 25 - -
result fraIndian 190 41 140 11 #800080 #ffffff
result lblIndianName 332 176 40 13 #800080 #00ffff
result lblIndianDesc 200 220 370 60 #800080 #ffffff
result cmdOK 430 420 56 22 - -
result cmdExit 518 420 56 22 - -
result lblFullBrand 12 412 398 38 #ffffff #400040
result menuBar 2 - 130 - scheme scheme
about Label2 52 16 120 16 #800080 #ffffff
about Label1 16 64 370 55 #800080 #ffffc0
about lblHomePage 88 136 200 13 #800080 #ffffff
about Label3 16 168 360 42 #800080 #ffffc0
about lblCobrand 224 216 150 13 #800080 #ffffff
about cmdOK 330 244 48 17 - -
farewell lblFarewellCaption 72 16 200 28 #ffffff -
farewell Label2 8 56 450 60 #ffffff -
farewell Check1 100 140 280 29 - #0000c0
farewell cmdClose 410 187 63 19 - -
farewell Frame2 14 217 90 13 #000080 #ffffff
farewell txtName 16 242 100 15 scheme scheme
farewell cmdSubmit 170 290 150 15 - -
farewell Frame6 492 9 150 13 #000080 #ffffff
farewell Label3 496 32 230 130 #000080 #ffffff
farewell lblGoToHome 493 291 200 15 #000080 #ffff00"
# A disabled caption: fainter than the enabled one above it, yet there.
DISABLED="result cmdGoodLuck(1) 14 124 157 25"

# read_texts WINDOW NAME TOP: measures the texts of one window; TOP is the
# height of its menu bar. Writes "control ratio background text" lines to
# $WORK/<scheme>-<NAME>.txt and checks them against the table.
read_texts() {
    local window=$1 name=$2 top=$3 out="$WORK/$SCHEME-$2.txt"
    local w control x y wd ht bg fg least seen ratio sbg sfg
    : >"$out"
    # No control under the pointer is lit up for it.
    xdotool mousemove 0 0
    [ -z "${QVO_SHOTS:-}" ] || /usr/bin/import -window "$window" "$QVO_SHOTS/$SCHEME-$name.png"
    while read -r w control x y wd ht bg fg least; do
        [ "$w" = "$name" ] || continue
        least=${least:-4.5}
        if [ "$control" = menuBar ]; then
            y=2 ht=$((top - 4))
        else
            y=$((y + top))
        fi
        seen=$("$PROBE" "$window" contrast "$x" "$y" "$wd" "$ht") || fail "could not read $name's $control"
        read -r ratio sbg sfg <<<"$seen"
        echo "$control $ratio $sbg $sfg" >>"$out"
        check "awk -v r=$ratio 'BEGIN { exit !(r >= $least) }'" \
            "$SCHEME: $name's $control: contrast $ratio ($sfg on $sbg), less than $least"
        [ "$bg" = - ] || [ "$bg" = scheme ] || check '[ "$sbg" = "$bg" ]' \
            "$SCHEME: $name's $control: background $sbg, designed $bg"
        [ "$fg" = - ] || [ "$fg" = scheme ] || check '[ "$sfg" = "$fg" ]' \
            "$SCHEME: $name's $control: text $sfg, designed $fg"
    done <<<"$TEXTS"
}

# message_texts WINDOW WHAT: a message box's text against its background.
message_texts() {
    local ratio bg fg width
    width=$(xwininfo -id "$1" | sed -n 's/^ *Width: *//p')
    [ -z "${QVO_SHOTS:-}" ] || /usr/bin/import -window "$1" "$QVO_SHOTS/$SCHEME-${3:-message}.png"
    read -r ratio bg fg < <("$PROBE" "$1" contrast 60 10 $((width - 70)) 26)
    echo "   $2: contrast $ratio ($fg on $bg)"
    check "awk -v r=$ratio 'BEGIN { exit !(r >= 4.5) }'" "$SCHEME: $2: contrast $ratio ($fg on $bg)"
}

# --- placement --------------------------------------------------------------
# frame_centred WINDOW: whether the window with its frame (from the window
# manager's _NET_FRAME_EXTENTS) lies as far from the left of the screen as
# from the right, and from the top as from the bottom, to 2 pixels.
frame_centred() {
    local x y w h l r t b sw sh
    read -r x y w h < <(geometry "$1")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
    [ -n "$b" ] || return 1
    read -r sw sh < <(xwininfo -root | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w, h }')
    gaps="left $((x - l)), right $((sw - x - w - r)), top $((y - t)), bottom $((sh - y - h - b))"
    local dx=$(((x - l) - (sw - x - w - r))) dy=$(((y - t) - (sh - y - h - b)))
    [ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ]
}

placed() {
    if wait_for 5 frame_centred "$1"; then
        echo "   $2 centred with its frame"
    else
        frame_centred "$1" || true
        check false "$SCHEME: the $2 is not centred with its frame: $gaps"
    fi
}

# the_box: the id of a message box of the program on view (caption "QV
# Orbalin"), of whichever copy.
the_box() { xdotool search --onlyvisible --name '^QV Orbalin$' 2>/dev/null | head -n 1 | grep .; }

# --- twice the scale --------------------------------------------------------
# icon_sharp WINDOW X Y WHAT: the 64 x 64 picture at (X, Y), pixel for pixel.
icon_sharp() {
    local differing
    differing=$("$PROBE" "$1" match "$2" "$3" "$ICON_2X") || fail "could not read the $4"
    echo "   $4: $differing of 4096 pixels differ from the 64 x 64 picture"
    check '[ "$differing" -le 16 ]' "$SCHEME, scale 2: the $4 is not the 64 x 64 picture ($differing pixels differ)"
}

# one_line WINDOW SCALE: lblHomePage's white text, between Label1 above and
# Label3 below it, is one line high.
one_line() {
    local shot="$WORK/about-$2.png" height
    /usr/bin/import -window "$1" "$shot"
    /usr/bin/convert "$shot" -crop "$((401 * $2))x$((34 * $2))+0+$((131 * $2))" +repage "$shot.band.png"
    read -r _ _ _ height < <("$PROBE" "$shot.band.png" extent '#ffffff') || fail "no white text where lblHomePage lies"
    echo "   lblHomePage at scale $2: $height px high"
    check "[ $height -le $((16 * $2)) ]" "$SCHEME, scale $2: lblHomePage takes $height px, more than one line"
}

# --- one session ------------------------------------------------------------
use_scheme() {
    SCHEME=$1
    rm -rf "$XDG_CONFIG_HOME/qt6ct"
    unset QT_QPA_PLATFORMTHEME
    if [ "$SCHEME" = dark ]; then
        mkdir -p "$XDG_CONFIG_HOME/qt6ct"
        printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
            >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
        export QT_QPA_PLATFORMTHEME=qt6ct
    fi
}

session() {
    step "$SCHEME colours: every window"
    SCREEN=1280x1024x24 start_x
    start_program
    local main result about farewell menu rmenu box second
    main=$(await $MAIN_W "the main window")
    settle "$main"
    placed "$main" "main window"
    local sizes
    # Qt puts no picture over 128 x 128 into the window's icon property.
    sizes=$(xprop -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -dc '0-9x\n' | sort -n | tr '\n' ' ')
    echo "   window icon sizes: $sizes"
    check '[ "$sizes" = "16x16 24x24 32x32 48x48 64x64 128x128 " ]' \
        "$SCHEME: the window icon comes in the sizes $sizes, not in every size drawn"
    menu=$(menu_height "$main" $MAIN_H)
    frame_fills "$main" 0 "$menu" "$MAIN_FRAMES"
    read_texts "$main" main "$menu"

    # Nothing ticked: the draw's message.
    click "$main" 281 $((menu + 304))
    wait_for $TIMEOUT the_box || fail "no message for a draw with nothing ticked"
    box=$(the_box)
    settle "$box"
    message_texts "$box" "the message of a draw with nothing ticked" nothing-ticked
    keys "$box" Return
    wait_for $TIMEOUT eval '! the_box' || fail "the message stayed"

    click "$main" 21 $((menu + 136))
    click "$main" 281 $((menu + 304))
    result=$(await $DISPLAY_W "the result window")
    settle "$result"
    placed "$result" "result window"
    rmenu=$(menu_height "$result" $DISPLAY_H)
    read_texts "$result" result "$rmenu"
    local w control x y wd ht enabled disabled
    read -r w control x y wd ht <<<"$DISABLED"
    read -r enabled _ < <("$PROBE" "$result" contrast 14 $((rmenu + 84)) 157 25)
    read -r disabled _ < <("$PROBE" "$result" contrast "$x" $((rmenu + y)) "$wd" "$ht")
    echo "   disabled caption $disabled, enabled $enabled"
    check "awk -v d=$disabled -v e=$enabled 'BEGIN { exit !(d >= 1.3 && d < e / 2) }'" \
        "$SCHEME: the disabled $control (contrast $disabled) does not look disabled beside an enabled one ($enabled)"

    keys "$result" alt+h a
    about=$(await 401 "the about window")
    settle "$about"
    placed "$about" "about window"
    read_texts "$about" about 0
    one_line "$about" 1
    keys "$about" Escape
    wait_for $TIMEOUT eval '! window_of_width 401' || fail "the about window did not close"

    keys "$result" alt+F4
    farewell=$(await $FAREWELL_W "the farewell window")
    settle "$farewell"
    placed "$farewell" "farewell window"
    frame_fills "$farewell" 0 0 "$FAREWELL_FRAMES"
    read_texts "$farewell" farewell 0

    step "$SCHEME colours: a second start while the farewell window shows"
    "${app_command[@]}" >>"$WORK/second.log" 2>&1 &
    second=$!
    STOP_PIDS+=("$second")
    wait_for $TIMEOUT the_box || fail "the second start showed no message"
    box=$(the_box)
    local stacking active top
    wait_for $TIMEOUT eval '[ "$(xdotool getactivewindow)" = "$box" ]' ||
        check false "$SCHEME: the second start's message is not the active window"
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //')
    top=$(printf '%d' "${stacking##*, }")
    echo "   top of the stack $top, the message $box"
    check '[ "$top" = "$box" ]' "$SCHEME: the second start's message lies under another window"
    message_texts "$box" "the second start's message" second-start
    keys "$box" Return
    wait_for $TIMEOUT eval '! kill -0 $second 2>/dev/null' || fail "the second copy did not end"

    keys "$farewell" alt+F4
    ended_with 0 "closing the farewell window"
    stop_x
}

# The same at twice the scale: the icon boxes and the about window's link.
session_at_2x() {
    step "$SCHEME colours at twice the scale"
    SCREEN=1600x1200x24 start_x
    QT_SCALE_FACTOR=2 start_program
    local main about farewell
    main=$(await $((MAIN_W * 2)) "the main window")
    keys "$main" alt+h a
    about=$(await 802 "the about window")
    settle "$about"
    # The box's border is a pixel wide, two at this scale.
    icon_sharp "$about" 22 22 "about window's icon"
    one_line "$about" 2
    keys "$about" Escape
    wait_for $TIMEOUT eval '! window_of_width 802' || fail "the about window did not close"
    keys "$main" alt+F4
    farewell=$(await $((FAREWELL_W * 2)) "the farewell window")
    settle "$farewell"
    icon_sharp "$farewell" 48 16 "farewell window's icon"
    keys "$farewell" alt+F4
    ended_with 0 "closing the farewell window"
    stop_x
}

for scheme in default dark; do
    use_scheme $scheme
    session
    session_at_2x
done

step "comparing the schemes: designed and classic colours the same"
while read -r w control _ _ _ _ bg _ _; do
    [ "$bg" = scheme ] && continue
    d=$(grep "^$control " "$WORK/default-$w.txt" | cut -d' ' -f3-)
    k=$(grep "^$control " "$WORK/dark-$w.txt" | cut -d' ' -f3-)
    check '[ "$d" = "$k" ]' "$w's $control: '$d' under the default colours, '$k' under the dark scheme"
done <<<"$TEXTS"

[ $FAILED -eq 0 ] || fail "see above"
echo "themes: passed"
