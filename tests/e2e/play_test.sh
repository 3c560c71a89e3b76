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

board=$(find_window Huecracker) || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$board")"
origin_x=$X origin_y=$Y
[[ $WIDTH == 524 && $HEIGHT == 629 ]] || fail "window is ${WIDTH}x$HEIGHT"
[[ $origin_x == 250 && $origin_y == 69 ]] || fail "window is at $origin_x,$origin_y, not centred"

click() { xdotool mousemove $((origin_x + $1)) $((origin_y + $2)) click 1; }
# expect X Y COLOUR... WHAT: the window shows one of the colours at X,Y.
expect() {
    local x=$1 y=$2 what=${*: -1} got
    got=$(wait_pixel $((origin_x + x)) $((origin_y + y)) "${@:3:$#-3}") || fail "$what shows $got"
}
colour_button() { click $((332 + 64 * ($1 % 3) + 32)) $((64 * ($1 / 3) + 32)); }
position_button() {
    local lefts=(332 380 429 476)
    click $((lefts[($1 - 1) % 4] + 24)) $((($1 <= 4 ? 256 : 296) + 20))
}
guess_x() { echo $((33 * (($1 - 1) % 8) + 16)); }
guess_y() { echo $((33 * (($1 - 1) / 8) + 16)); }
clue_x() { echo $((264 + 17 * (($1 - 1) % 4) + 8)); }
clue_y() { echo $((33 * (($1 - 1) / 8) + 17 * ((($1 - 1) % 8) / 4) + 8)); }
go() { click 428 435; }
give_up() { click 428 600; }

# A guess of red, orange, yellow, green, cyan, blue, navy, magenta.
for p in 1 2 3 4 5 6 7 8; do
    colour_button "$p"
    expect 488 352 "${PALETTE[p]}" "the swatch after colour $p"
    position_button "$p"
    expect "$(guess_x "$p")" "$(guess_y "$p")" "${PALETTE[p]}" "peg $p"
done
go
colour_button 0
expect 488 352 804000 "the swatch after brown"
position_button 1
expect "$(guess_x 9)" "$(guess_y 9)" 804000 "the first peg of row 2, once Go! moved on"
for k in 1 2 3 4 5 6 7 8; do
    expect "$(clue_x "$k")" "$(clue_y "$k")" 000000 FFFFFF "$EMPTY" "clue peg $k of row 1"
done

give_up
dialog=$(find_window Lost) || fail "no Lost dialog"
for p in 1 2 3 4 5 6 7 8; do
    expect "$(guess_x $((144 + p)))" "$(guess_y $((144 + p)))" "${PALETTE[@]}" "answer peg $p"
done

# Were Escape to answer, it would answer No and end the program before Return.
key_to "$dialog" Escape || fail "the dialog could not take the focus"
key_to "$dialog" Return || fail "the dialog could not take the focus"
window_gone Lost || fail "Return did not answer the dialog"
kill -0 "$game_pid" 2>/dev/null || fail "Escape answered the dialog: the program ended"

board=$(find_window Huecracker) || fail "no new board after Yes"
eval "$(xdotool getwindowgeometry --shell "$board")"
[[ $X == "$origin_x" && $Y == "$origin_y" ]] || fail "the new window is at $X,$Y, not centred"
for slot in 1 9; do
    expect "$(guess_x $slot)" "$(guess_y $slot)" "$EMPTY" "Guess($slot) on a fresh board"
done
expect "$(clue_x 1)" "$(clue_y 1)" "$EMPTY" "the first clue peg on a fresh board"
expect 488 352 804000 "the swatch on a fresh board"

give_up
dialog=$(find_window Lost) || fail "no Lost dialog the second time"
key_to "$dialog" n || fail "the dialog could not take the focus"
wait_exit "$game_pid" || fail "No did not end the program"
[[ $exit_status == 0 ]] || fail "the program ended with status $exit_status"
echo "played: pegs painted, Go! moved on, Escape ignored, Yes rebuilt the board, No ended with status 0"
