#!/usr/bin/env bash
# The real binary without a window system ends with status 1 and one line on
# standard error; with one, it ignores its arguments, Qt's own options included.
set -euo pipefail

game=${1:?usage: cli_test.sh path/to/huecracker path/to/x_close}
x_close=${2:?usage: cli_test.sh path/to/huecracker path/to/x_close}
# shellcheck source=../../scripts/xvfb.sh
source "$(dirname "$0")/../../scripts/xvfb.sh"
fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/game.log ]] && sed "s/^/game: /" "$work/game.log" >&2
    exit 1
}
cd "$work"
ulimit -c 0

# no_window WORD [VARIABLE=VALUE...]: the game, with only the given display
# variables set, must fail with one line on standard error that names WORD.
no_window() {
    local word=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM "$@" "$game" >out 2>err || status=$?
    [[ $status == 1 ]] || fail "${*:-no display}: status $status; stderr: $(cat err)"
    [[ ! -s out ]] || fail "${*:-no display}: wrote to standard output"
    [[ $(wc -l <err) == 1 ]] || fail "${*:-no display}: stderr is not one line: $(cat err)"
    grep -qF "$word" err || fail "${*:-no display}: stderr does not name $word: $(cat err)"
}
no_window DISPLAY
dead=99
while [[ -e /tmp/.X$dead-lock || -e /tmp/.X11-unix/X$dead ]]; do dead=$((dead + 1)); done
no_window "DISPLAY=:$dead" "DISPLAY=:$dead"
no_window Wayland WAYLAND_DISPLAY=wayland-0

# shows_window PNG [ARGUMENT...]: starts the game, checks its window and saves
# a picture of it, then closes it as a close box would.
shows_window() {
    local picture=$1 status=0
    shift
    "$game" "$@" >game.log 2>&1 &
    local pid=$!
    background_pids+=("$pid")
    local window
    window=$(find_window Huecracker) || fail "$*: no window titled Huecracker"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [[ $WIDTH == 524 && $HEIGHT == 629 ]] || fail "$*: the window is ${WIDTH}x$HEIGHT"
    [[ $X == 250 && $Y == 69 ]] || fail "$*: the window is at $X,$Y, not centred"
    sleep 0.3
    import -window root -crop 524x629+250+69 "$picture"
    "$x_close" "$window"
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$pid" 2>/dev/null && fail "$*: closing the window did not end the game"
    wait "$pid" || status=$?
    [[ $status == 0 ]] || fail "$*: ended with status $status"
}
# A style that does not exist makes Qt warn while it starts, a message that
# must still reach standard error.
QT_STYLE_OVERRIDE=NoSuchStyle shows_window options.png -reverse -qwindowtitle Foo -geometry 100x100+0+0 \
    -qwindowgeometry 100x100+0+0
grep -q "invalid style override 'NoSuchStyle'" game.log || fail "Qt's start-up warning was lost: $(cat game.log)"
shows_window plain.png
# -reverse would mirror the captions: "!Go".
differing=$(compare -metric AE options.png plain.png null: 2>&1) || fail "the options changed $differing pixels"
echo "no display: status 1 and one line each; options ignored"
