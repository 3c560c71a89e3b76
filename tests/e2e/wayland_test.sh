#!/usr/bin/env bash
# The real binary on Qt's own Wayland platform, under weston nested in Xvfb with
# a 1024x600 output and weston's 32 pixel panel: the whole window, the title bar
# that Qt draws included, fits the output at the first load and keeps its size
# after a restart; a click on the title bar's maximise button, and another to
# restore, leave the game running at its size; the Lost dialog is the board's
# child; the game says nothing on standard error. Sizes are read from the
# game's own protocol log (WAYLAND_DEBUG).
set -euo pipefail

game=${1:?usage: wayland_test.sh path/to/huecracker}
export XVFB_SCREEN=1280x800x24
# shellcheck source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"
# Polls COMMAND... for up to 10 s.
wait_for() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

cat >"$work/weston.ini" <<EOF
[core]
idle-time=0
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
EOF
weston --backend=x11-backend.so --width=1024 --height=600 --use-pixman --socket=wayland-test --idle-time=0 \
    --debug --config="$work/weston.ini" --log="$work/weston.log" >/dev/null 2>&1 &
background_pids+=($!)
wait_for test -S "$work/wayland-test" || fail "weston did not start: $(tail -3 "$work/weston.log")"
export WAYLAND_DISPLAY=wayland-test

QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$game" >/dev/null 2>"$work/game.out" &
pid=$!
background_pids+=("$pid")

# One line per load of the board's window: its last window geometry (the whole
# window, title bar included) and its client size. Protocol ids are reused, so
# a surface is followed from the toplevel that its title names.
loads() {
    awk '
        match($0, /xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel@[0-9]+\)/) {
            split(substr($0, RSTART, RLENGTH), part, /[@.(]/); surface_of["xdg_toplevel@" part[5]] = "xdg_surface@" part[2]
        }
        match($0, /xdg_toplevel@[0-9]+\.set_min_size\([1-9][0-9]*, [0-9]+\)/) {
            c = substr($0, RSTART, RLENGTH); t = c; sub(/\..*/, "", t); sub(/.*\(/, "", c); sub(/\)/, "", c); sub(/, /, " ", c)
            client_of[t] = c; if (n && t == toplevel) client[n] = c
        }
        match($0, /xdg_toplevel@[0-9]+\.set_title\("Huecracker"\)/) {
            toplevel = substr($0, RSTART, RLENGTH); sub(/\..*/, "", toplevel); surface = surface_of[toplevel]; n++
            client[n] = client_of[toplevel]
        }
        n && index($0, surface ".set_window_geometry(") {
            g = $0; sub(/.*set_window_geometry\(/, "", g); sub(/\).*/, "", g); split(g, v, /, /); geometry[n] = v[3] " " v[4]
        }
        END { for (i = 1; i <= n; i++) if (geometry[i] != "" && client[i] != "") print geometry[i], client[i] }
    ' "$work/game.out"
}
# Where weston shows the board: x0 y0 x1 y1 and its surface id.
view() {
    timeout 5 weston-debug scene-graph 2>/dev/null \
        | grep -A1 "PID $pid, surface ID [0-9]*, top-level window 'Huecracker'" \
        | sed -nE "s/.*surface ID ([0-9]+).*/\1/p; s/.*position: \((-?[0-9]+), (-?[0-9]+)\) -> \((-?[0-9]+), (-?[0-9]+)\).*/\1 \2 \3 \4/p" \
        | paste -sd ' ' | awk '{ print $2, $3, $4, $5, $1 }'
}
loaded() { [[ $(loads | wc -l) -ge $1 ]]; }
shown() { read -r x0 y0 x1 y1 surface < <(view) && [[ -n ${x0:-} && $surface != "${1:-}" ]]; }
# weston's X window takes the pointer's place only as the pointer enters it.
click() {
    xdotool mousemove 1270 790
    sleep 0.1
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool mousemove "$(($1 + 1))" "$2" click 1
}
# The whole window fits the output and weston shows all of it.
fits() {
    local width height
    read -r width height _ < <(loads | tail -1)
    ((width <= 1024 && height <= 600)) || fail "$1: the window is ${width}x$height"
    ((x0 >= 0 && y0 >= 0 && x1 <= 1024 && y1 <= 600)) || fail "$1: weston shows it at ($x0,$y0)-($x1,$y1)"
    echo "$1: ${width}x$height at ($x0,$y0)-($x1,$y1)"
}

wait_for loaded 1 || fail "no window"
wait_for shown || fail "weston shows no window"
fits "first load"
read -r width height client_width client_height < <(loads | tail -1)
frame_left=$(((width - client_width) / 2)) frame_top=$((height - client_height - (width - client_width) / 2))

# Reset! is at 4980,7560 and 2895 by 975 twips.
click $((x0 + frame_left + client_width * 6427 / 7860)) $((y0 + frame_top + client_height * 8047 / 9435))
wait_for loaded 2 || fail "Reset! loaded no new window"
wait_for shown "$surface" || fail "weston shows no new window"
fits "after Reset!"
[[ $(loads | sed -n 2p) == $(loads | sed -n 1p) ]] || fail "the size changed: $(loads | paste -sd '|')"

# Qt 6.4's title bar: the maximise button left of the close button, 40 pixels from the right.
maximised() { grep -q "set_window_geometry(0, 0, 1024, 568)" "$work/game.out"; }
click $((x1 - 40)) $((y0 + 15))
wait_for maximised || { kill -0 "$pid" 2>/dev/null || fail "maximising ended the game"; fail "the window was not maximised"; }
# The compositor ends a client that answers the maximised state with another size at
# its next frame: hover the board for a few frames.
xdotool mousemove 300 300 sleep 0.3 mousemove 400 400 sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "maximising ended the game"
wait_for shown || fail "weston shows no maximised window"
click $((x1 - 40)) $((y0 + 15))
restored() { [[ $(loads | tail -1) == $(loads | sed -n 1p) ]]; }
wait_for restored || fail "restoring did not give the window back its size: $(loads | tail -1)"
kill -0 "$pid" 2>/dev/null || fail "restoring ended the game"
wait_for shown || fail "weston shows no restored window"
fits "maximised and restored"

# Give Up! is at 4980,8520 and 2895 by 975 twips.
click $((x0 + frame_left + client_width * 6427 / 7860)) $((y0 + frame_top + client_height * 9007 / 9435))
dialog() { grep -qE 'xdg_toplevel@[0-9]+\.set_title\("Lost"\)' "$work/game.out"; }
wait_for dialog || fail "Give Up! did not ask"
lost=$(grep -oE 'xdg_toplevel@[0-9]+\.set_title\("Lost"\)' "$work/game.out" | tail -1 | cut -d. -f1)
grep -qE "$lost\.set_parent\(xdg_toplevel@[0-9]+\)" "$work/game.out" || fail "the Lost dialog has no parent"
kill -0 "$pid" 2>/dev/null || fail "the game ended"
echo "the Lost dialog is the board's child"
# Nothing but the protocol log on standard error.
! grep -qv '^\[' "$work/game.out" || fail "the game wrote to standard error: $(grep -v '^\[' "$work/game.out")"
