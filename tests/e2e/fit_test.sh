#!/usr/bin/env bash
# The real binary on a real X server, each case on an Xvfb of its own: where the
# natural size fits, the window has it exactly; on a small screen under a window
# manager it is scaled alike in both directions to fit, frame included, and the
# answer row that Give Up! uncovers is on the screen. Centred, frame included,
# at the first load and after every restart, also where the manager answers
# the first load's question for its frame late.
set -euo pipefail

game=${1:?usage: fit_test.sh path/to/huecracker}
support=$(cd "$(dirname "$0")/../support" && pwd)

# Root window events, the game's request for its frame among them, as xev
# prints them; a change to a property of the root window, which wakes openbox.
nudge() { xprop -root -f HUECRACKER_TEST 8s -set HUECRACKER_TEST 1; }
listening() { nudge && grep -q HUECRACKER_TEST "$work/root.events"; }
asked() {
    asker=$(awk '/^ClientMessage/ { w = $NF } /\(_NET_REQUEST_FRAME_EXTENTS\)/ { print w; exit }' "$work/root.events")
    [[ -n $asker ]]
}
# Openbox may leave what came while it was held unread until something else wakes it.
answered() { nudge && [[ $(xprop -id "${asker%,}" _NET_FRAME_EXTENTS) == *=* ]]; }

new_window() { window=$(visible_window Huecracker) && [[ $window != "$1" ]]; }
framed() { [[ $(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null) == *=* ]]; }
settled() { local last=${client_area[*]}; client_of "$window" && [[ ${client_area[*]} == "$last" ]]; }
# Waits for a window other than the last, framed once the manager has said with
# what and placed once two looks agree, and checks that it is centred.
measure() {
    wait_for 10 new_window "$window" || fail "no new window after ${#sizes[@]} loads"
    if [[ $wm != none ]]; then
        wait_for 5 framed || fail "the window was never framed"
        read -r -a frame < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9 \n')
    fi
    client_area=()
    wait_for 5 settled || fail "the window never came to rest"
    sizes+=("${client_area[2]}x${client_area[3]}+${client_area[0]}+${client_area[1]}")
    centred || fail "the window ${sizes[-1]} in a frame of ${frame[*]} is not on the screen and centred"
}

# SCREEN WM RESTARTS: one screen; WM is openbox or none.
check() (
    local screen=$1 wm=$2 restarts=$3
    export XVFB_SCREEN=${screen}x24
    # shellcheck source=../support/e2e.sh
    source "$support/e2e.sh"
    echo "$screen, window manager $wm:" >"$work/case.log"
    local wm_pid asker window='' sizes=()
    if [[ $wm == openbox ]]; then
        xev -root -event substructure -event property >"$work/root.events" &
        background_pids+=($!)
        wait_for 5 listening || fail "xev heard nothing"
        openbox >/dev/null 2>&1 &
        wm_pid=$!
        background_pids+=("$wm_pid")
        wait_for 5 wm_ready || fail "openbox did not start"
        # Held until the game has asked for its frame, so that the answer comes
        # late, as from a manager still starting with its session.
        kill -STOP "$wm_pid"
    fi
    "$game" >"$work/game.log" 2>&1 &
    local pid=$!
    background_pids+=("$pid")
    if [[ $wm == openbox ]]; then
        wait_for 10 asked || fail "the game did not ask for its frame"
        kill -CONT "$wm_pid"
        wait_for 1 answered || fail "openbox did not answer the game's request for its frame"
    fi

    measure
    for _ in $(seq "$restarts"); do
        click Reset
        measure
    done
    for size in "${sizes[@]}"; do
        [[ ${size%%+*} == "${sizes[0]%%+*}" ]] || fail "the size changed between loads: ${sizes[*]}"
    done
    local width=${client_area[2]} height=${client_area[3]}
    if [[ $screen == 1280x1024 ]]; then
        [[ $width == 524 && $height == 629 ]] || fail "natural size expected, got ${width}x$height"
    else
        # 7860 by 9435 twips
        awk -v w="$width" -v h="$height" 'BEGIN { r = (w / h) / (7860 / 9435); exit !(r > 0.985 && r < 1.015) }' \
            || fail "aspect ratio of ${width}x$height is off"
    fi

    click GiveUp
    local dialog p colour
    dialog=$(find_window Lost) || fail "Give Up! did not ask"
    for p in 1 2 3 4 5 6 7 8; do
        colour=$(wait_colour "Guess($((144 + p)))" "${PALETTE[@]}") || fail "answer peg $p shows $colour, not a peg colour"
    done
    key_to "$dialog" n || fail "the dialog could not take the focus"
    wait_exit "$pid" || fail "No did not end the program"
    [[ $exit_status == 0 ]] || fail "No ended the program with status $exit_status"
    echo "$screen $wm: ${sizes[*]}, frame ${frame[*]}"
)

check 1280x1024 none 1
check 1024x600 openbox 3
