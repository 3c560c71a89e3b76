#!/usr/bin/env bash
# The tree a screen reader walks in the real binary: on a display, session bus
# and accessibility bus of its own, an AT-SPI client (a11y_client.py) checks its
# shape, gives up through the button's action and finds the secret; its answer
# No in the Lost dialog must end the program with status 0.
set -euo pipefail

game=${1:?usage: a11y_test.sh path/to/huecracker}
here=$(dirname "$0")
# shellcheck source-path=SCRIPTDIR source=../support/e2e.sh
source "$here/../support/e2e.sh"
owner_pid() {  # bus-address well-known-name
    dbus-send --bus="$1" --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" 2>/dev/null | awk '{print $2}' || true
}
# The bus launcher, its own bus and the registry are started by D-Bus
# activation, not by this script: find them through the buses and stop them
# with the rest, so that the test leaves nothing running.
stop_buses() {
    local pids=(${game_pid:+"$game_pid"}) pid
    pid=$(owner_pid "$a11y" org.a11y.atspi.Registry)
    if [[ -n $pid ]]; then pids+=("$pid"); fi
    pid=$(owner_pid "$bus" org.a11y.Bus)
    if [[ -n $pid ]]; then mapfile -t -O "${#pids[@]}" pids < <(echo "$pid"; pgrep -P "$pid"); fi
    stop "${pids[@]}" "$bus_pid"
}

# Not forked: a test that times out is ended with its whole process tree, and
# the bus and what it started must go with it.
dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" --print-address=3 \
    3>"$work/bus.address" >/dev/null 2>&1 &
bus_pid=$!
wait_for 5 test -s "$work/bus.address" || { echo "FAIL: the session bus did not start" >&2; exit 1; }
bus=$(head -n 1 "$work/bus.address")
a11y=
trap 'stop_buses; stop_background' EXIT
export DBUS_SESSION_BUS_ADDRESS=$bus
a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
a11y=${a11y//[[:space:]]/}

# Qt 6.4 stays off the accessibility bus when it is given the bus's address.
env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.log" 2>&1 &
game_pid=$!
background_pids+=("$game_pid")
xvfb_state() { running "${background_pids[0]}" && echo alive || echo gone; }
board=$(find_window Huecracker) || fail "no window on $DISPLAY (Xvfb $(xvfb_state))"
xdotool windowfocus --sync "$board"  # as a window manager would

client=0
summary=$(AT_SPI_BUS_ADDRESS=$a11y /usr/bin/python3 "$here/a11y_client.py") || client=$?
outcome="is still running"
if wait_exit "$game_pid" 5; then outcome="ended with status $exit_status"; fi
((client == 0)) || fail "the screen reader's view is wrong (above); the program $outcome"
[[ $outcome == "ended with status 0" ]] || fail "after No the program $outcome"
echo "$summary; No ended the program with status 0"
