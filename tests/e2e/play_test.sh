#!/usr/bin/env bash
# The real binary on its own Xvfb display, played with real X input and read
# back as pixels: colours chosen, pegs painted, Go! moving on to the next row
# and lighting clue pegs, Give Up! uncovering the secret in the Lost dialog,
# which Escape does not answer and Return answers Yes with a fresh board, then
# No ends the program with status 0. How rows score is the rule tests' business.
set -euo pipefail

game=${1:?usage: play_test.sh path/to/huecracker}
# shellcheck source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
background_pids+=("$game_pid")

# board WHAT: finds the board's window, which must stand in the middle of the screen.
board() {
    local window
    { window=$(find_window Huecracker) && client_of "$window"; } || fail "$1"
    centred || fail "the window, at ${client_area[*]}, is not centred"
}
# expect CONTROL COLOUR... WHAT: the middle of CONTROL shows one of the colours.
expect() {
    local got
    got=$(wait_colour "${@:1:$#-1}") || fail "${*: -1} shows $got"
}

board "the window never showed"
# A guess of red, orange, yellow, green, cyan, blue, navy, magenta.
for p in 1 2 3 4 5 6 7 8; do
    click "Color($p)"
    expect Preview "${PALETTE[p]}" "the swatch after colour $p"
    click "Button($p)"
    expect "Guess($p)" "${PALETTE[p]}" "peg $p"
done
click Go
click "Color(0)"
expect Preview 804000 "the swatch after brown"
click "Button(1)"
expect "Guess(9)" 804000 "the first peg of row 2, once Go! moved on"
for k in 1 2 3 4 5 6 7 8; do
    expect "Clue($k)" 000000 FFFFFF "$EMPTY" "clue peg $k of row 1"
done

click GiveUp
dialog=$(find_window Lost) || fail "no Lost dialog"
for p in 1 2 3 4 5 6 7 8; do
    expect "Guess($((144 + p)))" "${PALETTE[@]}" "answer peg $p"
done

# Were Escape to answer, it would answer No and end the program before Return.
key_to "$dialog" Escape || fail "the dialog could not take the focus"
key_to "$dialog" Return || fail "the dialog could not take the focus"
wait_for 5 not visible_window Lost >/dev/null || fail "Return did not answer the dialog"
kill -0 "$game_pid" 2>/dev/null || fail "Escape answered the dialog: the program ended"

board "no new board after Yes"
for slot in 1 9; do
    expect "Guess($slot)" "$EMPTY" "Guess($slot) on a fresh board"
done
expect "Clue(1)" "$EMPTY" "the first clue peg on a fresh board"
expect Preview 804000 "the swatch on a fresh board"

click GiveUp
dialog=$(find_window Lost) || fail "no Lost dialog the second time"
key_to "$dialog" n || fail "the dialog could not take the focus"
wait_exit "$game_pid" || fail "No did not end the program"
[[ $exit_status == 0 ]] || fail "the program ended with status $exit_status"
echo "played: pegs painted, Go! moved on, Escape ignored, Yes rebuilt the board, No ended with status 0"
