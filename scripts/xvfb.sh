# shellcheck shell=bash
# Sourced by scripts that need an X display of their own. Makes a scratch folder
# $work, starts Xvfb (a screen of XVFB_SCREEN, 1024x768x24 if unset) and exports
# its DISPLAY and a UTF-8 locale; on exit it ends every process in
# background_pids, Xvfb last, waits for each, and removes $work.
work=$(mktemp -d)
background_pids=()
# A fresh Debian root sets no locale, and Qt 6.8 then warns at every start that "C" is not UTF-8.
export LC_ALL=C.UTF-8

# stop PID: asks it to end, insists after 5 s, and reaps it.
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
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
for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.05; done
exec 3>&-
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export XDG_RUNTIME_DIR=$work
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Prints the id of the visible window titled exactly NAME, waiting up to 10 s.
find_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}
