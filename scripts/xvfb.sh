# shellcheck shell=bash
# Sourced by scripts that need an X display of their own. Makes a scratch folder
# $work, starts Xvfb (a screen of XVFB_SCREEN, 1024x768x24 if unset) and exports
# its DISPLAY and a UTF-8 locale; on exit it ends every process in
# background_pids, Xvfb last, waits for each, and removes $work.
work=$(mktemp -d)
background_pids=()
# A fresh Debian root sets no locale, and Qt 6.8 then warns at every start that "C" is not UTF-8.
export LC_ALL=C.UTF-8

# wait_for SECONDS COMMAND...: polls COMMAND until it succeeds, for at most SECONDS.
wait_for() {
    local tries
    for ((tries = $1 * 20; tries > 0; tries--)); do
        "${@:2}" && return 0
        sleep 0.05
    done
    return 1
}
not() { ! "$@"; }
# running PID: whether PID runs; a zombie has ended.
running() { [[ $(ps -o stat= -p "$1" 2>/dev/null) == [^Z]* ]]; }
# stop PID...: asks them to end, insists after 5 s, and reaps those this shell started.
stop() {
    local pid
    (($#)) || return 0
    kill "$@" 2>/dev/null || true
    for pid in "$@"; do
        wait_for 5 not running "$pid" || kill -KILL "$pid" 2>/dev/null || true
        { wait "$pid" || true; } 2>/dev/null
    done
}
stop_background() {
    local i
    for ((i = ${#background_pids[@]} - 1; i >= 0; i--)); do stop "${background_pids[i]}"; done
    rm -rf "$work"
}
trap stop_background EXIT

exec 3>"$work/display"
# Without -noreset the server resets each time its last client leaves, which
# find_window's short-lived xdotool calls bring about again and again while
# the game is connecting.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
background_pids+=($!)
exec 3>&-
wait_for 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export XDG_RUNTIME_DIR=$work
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# visible_window NAME: prints the id of a visible window titled exactly NAME.
visible_window() {
    local ids
    ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) || return 1
    echo "${ids%%$'\n'*}"
}
# find_window NAME: the same, waiting up to 10 s for one.
find_window() { wait_for 10 visible_window "$1"; }
