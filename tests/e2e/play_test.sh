#!/usr/bin/env bash
# Plays the real binary on its own Xvfb display with real X input, and reads
# the screen back as pixels: choose colours, paint pegs, Go!, Give Up!, the Lost
# dialog (Escape must not answer it, Return answers Yes), a fresh board, then
# No ends the program with status 0.
set -euo pipefail

game=${1:?usage: play_test.sh path/to/huecracker}
# shellcheck source=../../scripts/xvfb.sh
source "$(dirname "$0")/../../scripts/xvfb.sh"
fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/game.log ]] && sed "s/^/game: /" "$work/game.log" >&2
    exit 1
}

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
background_pids+=("$game_pid")

window_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

board=$(find_window Huecracker) || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$board")"
origin_x=$X origin_y=$Y
[[ $WIDTH == 524 && $HEIGHT == 629 ]] || fail "window is ${WIDTH}x$HEIGHT"
[[ $origin_x == 250 && $origin_y == 69 ]] || fail "window is at $origin_x,$origin_y, not centred"

click() {  # x y, relative to the window
    xdotool mousemove $((origin_x + $1)) $((origin_y + $2)) click 1
    sleep 0.1
}
shot() { import -window root "$work/screen.png"; }
pixel() {  # x y -> RRGGBB of the last shot, relative to the window
    convert "$work/screen.png" -crop "1x1+$((origin_x + $1))+$((origin_y + $2))" -depth 8 txt:- \
        | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | head -n 1
}
colour_button() { click $((332 + 64 * ($1 % 3) + 32)) $((64 * ($1 / 3) + 32)); }
position_button() {
    local lefts=(332 380 429 476)
    click $((lefts[($1 - 1) % 4] + 24)) $(( ($1 <= 4 ? 256 : 296) + 20 ))
}
guess_x() { echo $((33 * (($1 - 1) % 8) + 16)); }
guess_y() { echo $((33 * (($1 - 1) / 8) + 16)); }
clue_x() { echo $((264 + 17 * (($1 - 1) % 4) + 8)); }
clue_y() { echo $((33 * (($1 - 1) / 8) + 17 * ((($1 - 1) % 8) / 4) + 8)); }

palette=(804000 FF0000 FF8000 FFFF00 00FF00 00FFFF 0000FF 000080 FF00FF 800080 FFFFFF 000000)
empty=C0C0C0

# A guess of red, orange, yellow, green, cyan, blue, navy, magenta.
guess=(1 2 3 4 5 6 7 8)
for p in 1 2 3 4 5 6 7 8; do
    colour_button "${guess[p - 1]}"
    position_button "$p"
done
shot
[[ $(pixel 488 352) == FF00FF ]] || fail "the swatch does not show magenta"
for p in 1 2 3 4 5 6 7 8; do
    got=$(pixel "$(guess_x "$p")" "$(guess_y "$p")")
    [[ $got == "${palette[guess[p - 1]]}" ]] || fail "peg $p shows $got"
done
click 428 435                           # Go!
colour_button 0
position_button 1                       # now paints row 2
click 428 600                           # Give Up!
dialog=$(find_window Lost) || fail "no Lost dialog"

shot
secret=()
for p in 1 2 3 4 5 6 7 8; do
    got=$(pixel "$(guess_x $((144 + p)))" "$(guess_y $((144 + p)))")
    for i in "${!palette[@]}"; do [[ ${palette[i]} == "$got" ]] && secret+=("$i"); done
done
[[ ${#secret[@]} == 8 ]] || fail "the answer row is not uncovered"
[[ $(pixel "$(guess_x 9)" "$(guess_y 9)") == 804000 ]] || fail "row 2 peg 1 is not brown"

# The first row's clue pegs against a score worked out here.
black=0 white=0
declare -A guess_count=() secret_count=()
for p in 0 1 2 3 4 5 6 7; do
    if [[ ${guess[p]} == "${secret[p]}" ]]; then
        black=$((black + 1))
    fi
    guess_count[${guess[p]}]=$(( ${guess_count[${guess[p]}]:-0} + 1 ))
    secret_count[${secret[p]}]=$(( ${secret_count[${secret[p]}]:-0} + 1 ))
done
shared=0
for c in "${!guess_count[@]}"; do
    s=${secret_count[$c]:-0} g=${guess_count[$c]}
    shared=$((shared + (s < g ? s : g)))
done
white=$((shared - black))
for k in 1 2 3 4 5 6 7 8; do
    want=$empty
    ((k <= black)) && want=000000
    ((k > black && k <= black + white)) && want=FFFFFF
    got=$(pixel "$(clue_x "$k")" "$(clue_y "$k")")
    [[ $got == "$want" ]] || fail "clue $k shows $got, expected $want (black $black, white $white)"
done

xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
sleep 0.3
xdotool search --onlyvisible --name '^Lost$' >/dev/null || fail "Escape answered the dialog"
xdotool key Return
window_gone Lost || fail "Return did not answer the dialog"

board=$(find_window Huecracker) || fail "no new board after Yes"
eval "$(xdotool getwindowgeometry --shell "$board")"
[[ $X == "$origin_x" && $Y == "$origin_y" ]] || fail "the new window is not centred"
sleep 0.2
shot
for slot in 1 9 145; do
    got=$(pixel "$(guess_x $slot)" "$(guess_y $slot)")
    [[ $got == "$empty" ]] || fail "Guess($slot) shows $got on a fresh board"
done
[[ $(pixel "$(clue_x 1)" "$(clue_y 1)") == "$empty" ]] || fail "a clue peg is lit on a fresh board"
[[ $(pixel 488 352) == 804000 ]] || fail "the swatch is not brown again"

click 428 600                           # Give Up! again, and answer No
dialog=$(find_window Lost) || fail "no Lost dialog the second time"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key n
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$game_pid" 2>/dev/null; then fail "No did not end the program"; fi
status=0
wait "$game_pid" || status=$?
[[ $status == 0 ]] || fail "the program ended with status $status"
echo "played: clues $black black, $white white; Escape ignored; Yes rebuilt the board; No ended with status 0"
