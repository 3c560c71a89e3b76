#!/usr/bin/env bash
# The real binary on a real X server, each case on an Xvfb of its own: where the
# natural size fits, the window has it exactly; on a small screen under a window
# manager it is scaled alike in both directions to fit, frame included, and the
# answer row that Give Up! uncovers is on the screen. Centred, frame included,
# at the first load and after every restart.
set -euo pipefail

game=${1:?usage: fit_test.sh path/to/huecracker}
support=$(cd "$(dirname "$0")/../support" && pwd)

# SCREEN WM RESTARTS: one screen; WM is openbox or none.
check() (
    local screen=$1 wm=$2 restarts=$3
    export XVFB_SCREEN=${screen}x24
    # shellcheck source=../support/e2e.sh
    source "$support/e2e.sh"
    echo "$screen, window manager $wm:" >"$work/case.log"
    if [[ $wm == openbox ]]; then
        openbox >/dev/null 2>&1 &
        background_pids+=($!)
        # Ready once it says what it supports, the frame request among it.
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_REQUEST_FRAME_EXTENTS && break
            sleep 0.05
        done
    fi
    "$game" >"$work/game.log" 2>&1 &
    local pid=$!
    background_pids+=("$pid")
    local screen_width=${screen%x*} screen_height=${screen#*x}
    local window x y width height left=0 right=0 top=0 bottom=0 sizes=()

    # Waits for a window other than the one given, then reads its place and frame.
    measure() {
        local old=${1:-} info
        for _ in $(seq 200); do
            window=$(find_window Huecracker) || fail "the window never showed"
            [[ $window != "$old" ]] && break
            sleep 0.05
        done
        [[ $window != "$old" ]] || fail "no new window after Reset!"
        # The manager has framed it once it has said with what.
        if [[ $wm != none ]]; then
            for _ in $(seq 100); do
                xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
                sleep 0.05
            done
        fi
        # and placed it once two looks a tenth of a second apart agree.
        local last=
        for _ in $(seq 50); do
            info=$(xwininfo -id "$window")
            [[ $info == "$last" ]] && break
            last=$info
            sleep 0.1
        done
        x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
        y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
        width=$(awk '/Width:/ { print $NF }' <<<"$info")
        height=$(awk '/Height:/ { print $NF }' <<<"$info")
        if [[ $wm != none ]]; then
            read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | xargs)
        fi
        local outer_left=$((x - left)) outer_top=$((y - top))
        local outer_right=$((screen_width - (x + width + right))) outer_bottom=$((screen_height - (y + height + bottom)))
        local where="window ${width}x$height at $x,$y with frame $left,$right,$top,$bottom"
        ((outer_left >= 0 && outer_top >= 0 && outer_right >= 0 && outer_bottom >= 0)) || fail "$where is not on the screen"
        ((outer_left - outer_right <= 1 && outer_right - outer_left <= 1)) || fail "$where: not centred across"
        ((outer_top - outer_bottom <= 1 && outer_bottom - outer_top <= 1)) || fail "$where: not centred down"
        sizes+=("${width}x$height+$x+$y")
    }

    measure
    for _ in $(seq "$restarts"); do
        # Reset! is at 4980,7560 and 2895 by 975 twips.
        xdotool mousemove $((x + width * 6427 / 7860)) $((y + height * 8047 / 9435)) click 1
        measure "$window"
    done
    for size in "${sizes[@]}"; do
        [[ ${size%%+*} == "${sizes[0]%%+*}" ]] || fail "the size changed between loads: ${sizes[*]}"
    done
    if [[ $screen == 1280x1024 ]]; then
        [[ $width == 524 && $height == 629 ]] || fail "natural size expected, got ${width}x$height"
    else
        # 7860 by 9435 twips
        awk -v w="$width" -v h="$height" 'BEGIN { r = (w / h) / (7860 / 9435); exit !(r > 0.985 && r < 1.015) }' \
            || fail "aspect ratio of ${width}x$height is off"
    fi

    # Give Up! is at 4980,8520 and 2895 by 975 twips; the answer row at 8910, 495 high.
    xdotool mousemove $((x + width * 6427 / 7860)) $((y + height * 9007 / 9435)) click 1
    local dialog
    dialog=$(find_window Lost) || fail "Give Up! did not ask"
    local p peg_x peg_y colour
    for p in 1 2 3 4 5 6 7 8; do
        peg_x=$((x + width * (495 * p - 247) / 7860)) peg_y=$((y + height * 9157 / 9435))
        ((peg_y < screen_height)) || fail "answer peg $p lies below the screen"
        colour=$(wait_pixel "$peg_x" "$peg_y" "${PALETTE[@]}") || fail "answer peg $p shows $colour, not a peg colour"
    done
    key_to "$dialog" n || fail "the dialog could not take the focus"
    wait_exit "$pid" || fail "No did not end the program"
    [[ $exit_status == 0 ]] || fail "No ended the program with status $exit_status"
    echo "$screen $wm: ${sizes[*]}, frame $left,$right,$top,$bottom"
)

check 1280x1024 none 1
check 1024x600 openbox 3
