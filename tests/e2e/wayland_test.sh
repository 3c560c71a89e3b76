#!/usr/bin/env bash
# The real binary on Qt's own Wayland platform, under weston nested in Xvfb with
# a 1024x600 output and weston's 32 pixel panel: the whole window, the title bar
# that Qt draws included, fits the output at the first load and keeps its size
# after a restart; a click on the title bar's maximise button scales the board
# alike to the maximised window, centred, and another gives the window its own
# size back; the game runs on throughout; the Lost dialog is the board's
# child; the game says nothing on standard error. Sizes are read from the
# game's own protocol log (WAYLAND_DEBUG).
set -euo pipefail

game=${1:?usage: wayland_test.sh path/to/huecracker}
export XVFB_SCREEN=1280x800x24
# shellcheck source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"
# The game's own words, without its protocol log.
explain_failure() { { grep -v '^\[' "$work/game.out" 2>/dev/null || true; } | sed 's/^/game: /'; }

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
wait_for 10 test -S "$work/wayland-test" || fail "weston did not start: $(tail -3 "$work/weston.log")"
export WAYLAND_DISPLAY=wayland-test

QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$game" >/dev/null 2>"$work/game.out" &
pid=$!
background_pids+=("$pid")

# The protocol log with objects named as libwayland before 1.23 named them
# (xdg_toplevel@24, not xdg_toplevel#24). Readers take all of it: grep -q would
# end sed early, and pipefail counts that as a failure.
protocol() { sed -E 's/\b([a-z][a-z0-9_]*)#([0-9]+)/\1@\2/g' "$work/game.out"; }
# One line per load of the board's window: its last window geometry (the whole
# window, title bar included) and where the client area is in it (x y width
# height), which is the opaque region that Qt gives the surface, and the
# surface's id, which weston's scene graph names too. Not the size hints: Qt
# 6.4 gives the client size there, Qt 6.8 the whole window once it has its
# title bar. Protocol ids are reused, so a surface is followed from the
# toplevel that its title names.
loads() {
    protocol | awk '
        / -> [a-z_0-9]+@[0-9]+\.[a-z_]+\(/ {
            call = $0; sub(/.* -> /, "", call)
            object = call; sub(/\..*/, "", object)
            request = call; sub(/^[^.]*\./, "", request); sub(/\(.*/, "", request)
            args = call; sub(/^[^(]*\(/, "", args); sub(/\)[^)]*$/, "", args); gsub(/new id /, "", args); split(args, arg, /, /)
            if (request == "get_xdg_surface") { wl_surface_of[arg[1]] = arg[2]; opaque[arg[2]] = "" }
            else if (request == "get_toplevel") surface_of[arg[1]] = object
            else if (request == "add" && object ~ /^wl_region@/) region[object] = arg[1] " " arg[2] " " arg[3] " " arg[4]
            else if (request == "set_opaque_region") {
                opaque[object] = region[arg[1]]; if (n && object == wl_surface) client[n] = opaque[object]
            } else if (request == "set_title" && args == "\"Huecracker\"") {
                surface = surface_of[object]; wl_surface = wl_surface_of[surface]; n++; client[n] = opaque[wl_surface]
                id[n] = wl_surface; sub(/.*@/, "", id[n])
            } else if (request == "set_window_geometry" && n && object == surface) geometry[n] = arg[3] " " arg[4]
        }
        END { for (i = 1; i <= n; i++) if (geometry[i] != "" && client[i] != "") print geometry[i], client[i], id[i] }
    '
}
# Where weston shows the board: x0 y0 x1 y1 and its surface id.
view() {
    timeout 5 weston-debug scene-graph 2>/dev/null \
        | grep -A1 "PID $pid, surface ID [0-9]*, top-level window 'Huecracker'" \
        | sed -nE "s/.*surface ID ([0-9]+).*/\1/p; s/.*position: \((-?[0-9]+), (-?[0-9]+)\) -> \((-?[0-9]+), (-?[0-9]+)\).*/\1 \2 \3 \4/p" \
        | paste -sd ' ' | awk '{ print $2, $3, $4, $5, $1 }'
}
sizes() { loads | cut -d' ' -f1-6; }
loaded() { [[ $(loads | wc -l) -ge $1 ]]; }
# Weston shows the last load's surface (by id, for another window may still be
# there): sets x0 y0 x1 y1 to where, and client_area.
shown() {
    local load
    read -r -a load < <(loads | tail -1) && read -r x0 y0 x1 y1 surface < <(view) &&
        [[ -n ${x0:-} && $surface == "${load[6]}" ]] && client_area=($((x0 + load[2])) $((y0 + load[3])) "${load[@]:4:2}")
}
# after PATTERN COMMAND...: runs COMMAND, then waits until the protocol log has
# a new line that matches PATTERN.
seen() { protocol | grep -cE "$1" || true; }
more() { (($(seen "$2") > $1)); }
after() {
    local before
    before=$(seen "$1")
    "${@:2}" && wait_for 5 more "$before" "$1"
}
# tap CONTROL | tap X Y: a click. Weston's X window takes the pointer's place
# only as the pointer enters it: from outside, then one step, as the game is told.
tap() {
    local x=$1 y=${2:-}
    [[ -n $y ]] || read -r x y < <(centre "$1")
    xdotool mousemove 1270 790
    { after 'wl_pointer@[0-9]+\.enter\(' xdotool mousemove "$x" "$y" &&
        after 'wl_pointer@[0-9]+\.motion\(' xdotool mousemove $((x + 1)) "$y"; } || fail "the game was not told of the pointer at $x,$y"
    xdotool click 1
}
# The whole window fits the output and weston shows all of it.
fits() {
    local width height
    read -r width height _ < <(loads | tail -1)
    ((width <= 1024 && height <= 600)) || fail "$1: the window is ${width}x$height"
    ((x0 >= 0 && y0 >= 0 && x1 <= 1024 && y1 <= 600)) || fail "$1: weston shows it at ($x0,$y0)-($x1,$y1)"
    echo "$1: ${width}x$height at ($x0,$y0)-($x1,$y1)"
}

wait_for 10 loaded 1 || fail "no window"
wait_for 10 shown || fail "weston shows no window"
fits "first load"

tap Reset
wait_for 10 loaded 2 || fail "Reset! loaded no new window"
wait_for 10 shown || fail "weston shows no new window"
fits "after Reset!"
[[ $(sizes | sed -n 2p) == $(sizes | sed -n 1p) ]] || fail "the size changed: $(sizes | paste -sd '|')"

# Qt's title bar, alike in Qt 6.4 and 6.8: the maximise button left of the close button, 40 pixels from the right.
maximised() { protocol | grep -F "set_window_geometry(0, 0, 1024, 568)" >/dev/null; }
tap $((x1 - 40)) $((y0 + 15))
wait_for 10 maximised || { kill -0 "$pid" 2>/dev/null || fail "maximising ended the game"; fail "the window was not maximised"; }
# The compositor ends a client that answers the maximised state with another size at
# its next frame: hover the board, each move until the game has shown a frame.
hover() { after 'wl_callback@[0-9]+\.done\(' after 'wl_pointer@[0-9]+\.motion\(' xdotool mousemove "$1" "$2"; }
{ hover 300 300 && hover 400 400; } || ! kill -0 "$pid" 2>/dev/null || fail "the maximised game showed no frame under the pointer"
kill -0 "$pid" 2>/dev/null || fail "maximising ended the game"
wait_for 10 shown || fail "weston shows no maximised window"
# The board scaled alike to fit the imposed size, centred in it: the colours
# stand where such a board has them, and a click there chooses one.
for c in 0 11; do
    wait_colour "Color($c)" "${PALETTE[c]}" >/dev/null || fail "maximised, Color($c) is not where a centred board has it"
done
tap "Color(3)"
wait_colour Preview "${PALETTE[3]}" >/dev/null || fail "maximised, a click on yellow did not choose it"
echo "maximised: client ${client_area[*]}, the board centred in it"
tap $((x1 - 40)) $((y0 + 15))
restored() { [[ $(sizes | tail -1) == $(sizes | sed -n 1p) ]]; }
wait_for 10 restored || fail "restoring did not give the window back its size: $(sizes | tail -1)"
kill -0 "$pid" 2>/dev/null || fail "restoring ended the game"
wait_for 10 shown || fail "weston shows no restored window"
fits "maximised and restored"

tap GiveUp
# The parent that the last Lost dialog was given, and the board's toplevel.
parents() {
    protocol | awk '
        match($0, /get_toplevel\(new id xdg_toplevel@[0-9]+\)/) {
            t = substr($0, RSTART + 20, RLENGTH - 21); parent[t] = "none"
        }
        match($0, /xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@[0-9]+\)/) {
            p = substr($0, RSTART, RLENGTH); t = p; sub(/\..*/, "", t); sub(/.*\(/, "", p); sub(/\)/, "", p); parent[t] = p
        }
        match($0, /xdg_toplevel@[0-9]+\.set_title\("(Lost|Huecracker)"\)/) {
            t = substr($0, RSTART, RLENGTH); title = t; sub(/\..*/, "", t)
            if (title ~ /Lost/) lost = t; else board = t
        }
        END { if (lost != "") print parent[lost], board }
    '
}
asked() { read -r parent board < <(parents) && [[ -n ${parent:-} ]]; }
wait_for 10 asked || fail "Give Up! did not ask"
[[ $parent == "$board" ]] || fail "the Lost dialog's parent is $parent, not the board's $board"
kill -0 "$pid" 2>/dev/null || fail "the game ended"
echo "the Lost dialog is the board's child"
# Nothing but the protocol log on standard error.
! grep -qv '^\[' "$work/game.out" || fail "the game wrote to standard error"
