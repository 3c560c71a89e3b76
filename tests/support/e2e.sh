# shellcheck shell=bash
# PALETTE, EMPTY, client_area, frame and exit_status are shared with the scripts that source this file.
# shellcheck disable=SC2034
# Sourced by the end-to-end tests: a display of their own and bounded waits
# (scripts/xvfb.sh), failure with the logs of what ran, the places of the
# controls, and the screen's pixels. A test writes the logs it wants shown on
# failure as $work/NAME.log.
# shellcheck source=../../scripts/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

# The twelve peg colours in palette order, and the empty slot, as the screen shows them.
PALETTE=(804000 FF0000 FF8000 FFFF00 00FF00 00FFFF 0000FF 000080 FF00FF 800080 FFFFFF 000000)
EMPTY=C0C0C0
# The window's client area on the screen, as x y width height: where centre
# finds the controls. The frame round it, as left right top bottom, is a window
# manager's.
client_area=()
frame=(0 0 0 0)

# A test that has more to say on failure than its logs defines explain_failure.
fail() {
    local shown
    echo "FAIL: $*" >&2
    if declare -F explain_failure >/dev/null; then explain_failure >&2; fi
    for shown in "$work"/*.log; do
        [[ -s $shown ]] && sed "s/^/$(basename "$shown" .log): /" "$shown" >&2
    done
    exit 1
}

# wait_exit PID [SECONDS]: once PID has ended (within SECONDS, 10 if unset),
# sets exit_status to its status; fails if it is still running then. Not in a
# subshell: only the shell that started PID can reap it.
wait_exit() {
    wait_for "${2:-10}" not running "$1" || return 1
    exit_status=0
    wait "$1" || exit_status=$?
}

# wm_ready: whether the window manager has listed the windows it manages, the
# last thing openbox does as it starts.
wm_ready() { [[ $(xprop -root _NET_CLIENT_LIST 2>/dev/null) == *'window id'* ]]; }

# client_of WINDOW: sets client_area to WINDOW's place on the screen and size.
client_of() {
    mapfile -t client_area < <(xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left [XY]:|Width:|Height:/ { print $NF }')
    ((${#client_area[@]} == 4))
}

# centred: whether the client area, in its frame, is on the screen and in its
# middle, an odd pixel left over going right and down.
centred() {
    local screen spare_x spare_y
    screen=$(xdotool getdisplaygeometry)
    spare_x=$((${screen% *} - client_area[2] - frame[0] - frame[1]))
    spare_y=$((${screen#* } - client_area[3] - frame[2] - frame[3]))
    ((spare_x >= 0 && spare_y >= 0 && client_area[0] - frame[0] == spare_x / 2 && client_area[1] - frame[2] == spare_y / 2))
}

# centre CONTROL: prints "X Y", the pixel on the screen in the middle of
# CONTROL (Go, Reset, GiveUp, Preview, Color(c), Button(b), Guess(slot) or
# Clue(slot)), from its place in twips on the board of 7860 by 9435 twips,
# which fills the client area or, where that has another shape, the largest
# part of it that it fits, centred.
centre() {
    local i=${1//[!0-9]/} place lefts=(4980 5700 6430 7140) width=${client_area[2]} height=${client_area[3]}
    if ((width * 9435 > height * 7860)); then width=$((height * 7860 / 9435)); else height=$((width * 9435 / 7860)); fi
    case $1 in
        Go) place=(4980 5520 2895 2025) ;;
        Reset) place=(4980 7560 2895 975) ;;
        GiveUp) place=(4980 8520 2895 975) ;;
        Preview) place=(6840 5040 975 495) ;;
        Color\(*) place=($((4980 + 960 * (i % 3))) $((960 * (i / 3))) 975 975) ;;
        Button\(*) place=("${lefts[(i - 1) % 4]}" $((i <= 4 ? 3840 : 4440)) 735 615) ;;
        Guess\(*) place=($((495 * ((i - 1) % 8))) $((495 * ((i - 1) / 8))) 495 495) ;;
        Clue\(*) place=($((3960 + 255 * ((i - 1) % 4))) $((495 * ((i - 1) / 8) + 255 * ((i - 1) % 8 / 4))) 255 255) ;;
        *) return 1 ;;
    esac
    echo $((client_area[0] + (client_area[2] - width) / 2 + width * (2 * place[0] + place[2]) / (2 * 7860))) \
        $((client_area[1] + (client_area[3] - height) / 2 + height * (2 * place[1] + place[3]) / (2 * 9435)))
}

# click CONTROL: a click in the middle of CONTROL.
click() { local x y; read -r x y < <(centre "$1") && xdotool mousemove "$x" "$y" click 1; }

# shows CONTROL COLOUR...: whether the middle of CONTROL shows one of the
# colours (RRGGBB) now; leaves what it shows in $shown.
shows() {
    shown=$(import -window root -crop "1x1+$(centre "$1" | tr ' ' +)" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')
    [[ " ${*:2} " == *" $shown "* ]]
}
# wait_colour CONTROL COLOUR...: waits up to 5 s until the middle of CONTROL
# shows one of the colours, and prints it; fails, printing what it shows, if none comes.
wait_colour() {
    local status=0
    wait_for 5 shows "$@" || status=1
    echo "$shown"
    return "$status"
}

# key_to WINDOW KEY: gives WINDOW the keyboard focus, as a window manager
# would on a click, then presses KEY.
key_to() {
    timeout 5 xdotool windowfocus --sync "$1" || return 1
    xdotool key "$2"
}
