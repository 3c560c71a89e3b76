#!/usr/bin/env bash
# The real binary without a window system ends with status 1 and one line on
# standard error that carries Qt's own reason; with one, it ignores its
# arguments, Qt's own options included, and still prints Qt's start-up warnings.
set -euo pipefail

game=${1:?usage: cli_test.sh path/to/huecracker path/to/x_close}
x_close=${2:?usage: cli_test.sh path/to/huecracker path/to/x_close}
# shellcheck source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"
cd "$work"
ulimit -c 0

# no_window REASON [VARIABLE=VALUE...]: the game, with only the given display
# variables set, must fail with one line on standard error that carries REASON.
no_window() {
    local reason=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM "$@" "$game" >out 2>err || status=$?
    [[ $status == 1 ]] || fail "${*:-no display}: status $status; stderr: $(cat err)"
    [[ ! -s out ]] || fail "${*:-no display}: wrote to standard output"
    [[ $(wc -l <err) == 1 ]] || fail "${*:-no display}: stderr is not one line: $(cat err)"
    grep -qF "$reason" err || fail "${*:-no display}: stderr does not say \"$reason\": $(cat err)"
}
no_window "could not connect to display"
dead=99
while [[ -e /tmp/.X$dead-lock || -e /tmp/.X11-unix/X$dead ]]; do dead=$((dead + 1)); done
no_window "could not connect to display :$dead" "DISPLAY=:$dead"
no_window 'platform plugin "nowhere"' QT_QPA_PLATFORM=nowhere

# shows_window NAME [ARGUMENT...]: starts the game, checks that its window is
# centred, keeps its place as geometry[NAME] and a picture of it once painted
# as NAME.png, then closes it as a close box would.
declare -A geometry
shows_window() {
    local name=$1 window pid
    shift
    "$game" "$@" >game.log 2>&1 &
    pid=$!
    background_pids+=("$pid")
    { window=$(find_window Huecracker) && client_of "$window"; } || fail "$*: no window titled Huecracker"
    geometry[$name]="${client_area[2]}x${client_area[3]}+${client_area[0]}+${client_area[1]}"
    centred || fail "$*: the window, ${geometry[$name]}, is not centred"
    # The brown button, then the swatch: painted in one go with the rest.
    { wait_colour "Color(0)" 804000 && wait_colour Preview 804000; } >/dev/null || fail "$*: the window was never painted"
    import -window root -crop "${geometry[$name]}" "$name.png"
    "$x_close" "$window"
    wait_exit "$pid" || fail "$*: closing the window did not end the game"
    [[ $exit_status == 0 ]] || fail "$*: ended with status $exit_status"
}
# A style that does not exist makes Qt warn while it starts, a message that
# must still reach standard error.
QT_STYLE_OVERRIDE=nonexistent shows_window options -reverse -qwindowtitle Foo -geometry 100x100+0+0 \
    -qwindowgeometry 100x100+0+0 -style fusion
grep -q "invalid style override" game.log || fail "Qt's start-up warning was lost: $(cat game.log)"
shows_window plain
[[ ! -s game.log ]] || fail "a plain start wrote to standard error: $(cat game.log)"
# A Wayland session that names no compositor: Qt's own choice, Wayland, could only fail.
XDG_SESSION_TYPE=wayland shows_window session
[[ ! -s game.log ]] || fail "a Wayland session without a compositor printed: $(cat game.log)"
[[ ${geometry[options]} == "${geometry[plain]}" ]] || fail "the options made the window ${geometry[options]}, not ${geometry[plain]}"
# -reverse would mirror the captions: "!Go".
differing=$(compare -metric AE options.png plain.png null: 2>&1) || fail "the options changed $differing pixels"
echo "no display: status 1 and one line with Qt's reason; options ignored; start-up warnings kept; quiet starts"
