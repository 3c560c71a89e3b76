# shellcheck shell=bash
# PALETTE, EMPTY and exit_status are read by the scripts that source this file.
# shellcheck disable=SC2034
# Sourced by the end-to-end tests: a display of their own (scripts/xvfb.sh),
# failure with the logs of what ran, bounded waits, and the screen's pixels.
# A test writes the logs it wants shown on failure as $work/NAME.log.
# shellcheck source=../../scripts/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

# The twelve peg colours in palette order, and the empty slot, as the screen shows them.
PALETTE=(804000 FF0000 FF8000 FFFF00 00FF00 00FFFF 0000FF 000080 FF00FF 800080 FFFFFF 000000)
EMPTY=C0C0C0

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

# window_gone NAME: waits up to 5 s until no visible window is titled NAME.
window_gone() { wait_for 5 not visible_window "$1" >/dev/null; }

# wm_ready: whether the window manager has listed the windows it manages, the
# last thing openbox does as it starts.
wm_ready() { [[ $(xprop -root _NET_CLIENT_LIST 2>/dev/null) == *'window id'* ]]; }

# pixel X Y: the colour on the screen at X,Y now, as RRGGBB.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | head -n 1
}

# wait_pixel X Y COLOUR...: waits up to 5 s until the screen shows one of the
# colours at X,Y, and prints it; fails, printing what it shows, if none comes.
wait_pixel() {
    local x=$1 y=$2 got
    shift 2
    for _ in $(seq 50); do
        got=$(pixel "$x" "$y")
        [[ " $* " == *" $got "* ]] && { echo "$got"; return 0; }
        sleep 0.1
    done
    echo "$got"
    return 1
}

# key_to WINDOW KEY: gives WINDOW the keyboard focus, as a window manager
# would on a click, then presses KEY.
key_to() {
    timeout 5 xdotool windowfocus --sync "$1" || return 1
    xdotool key "$2"
}
