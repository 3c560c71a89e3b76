#!/usr/bin/env bash
# Makes docs/screenshot.png from the real binary: a game three rows in, on its own Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/huecracker}
out=${2:-docs/screenshot.png}
# shellcheck source=xvfb.sh
source scripts/xvfb.sh
"$game" >/dev/null 2>&1 &
background_pids+=($!)
window=$(find_window Huecracker)
eval "$(xdotool getwindowgeometry --shell "$window")"

click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.05; }
lefts=(332 380 429 476)
for row in "1 1 2 2 3 3 4 4" "5 6 7 8 9 10 11 0" "2 1 4 3 6 5 8 7"; do
    p=1
    for colour in $row; do
        click $((332 + 64 * (colour % 3) + 32)) $((64 * (colour / 3) + 32))
        click $((lefts[(p - 1) % 4] + 24)) $(((p <= 4 ? 256 : 296) + 20))
        p=$((p + 1))
    done
    click 428 435
done
click $((332 + 64 * 1 + 32)) 32
sleep 0.3
import -window "$window" "$out"
echo "wrote $out"
