#!/usr/bin/env bash
# Start-up of the game against an empty Qt Widgets window of the same size, on
# one Xvfb display, alternating A B A B so that both see the same machine:
# median time from exec to the first painted window, median resident memory
# once shown, and instructions of a start-to-first-paint-to-quit run counted
# by callgrind, which repeats where times do not.
#   bench/startup.sh [BUILD-DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
empty=$build/bench/empty_window
game=$build/bench/game_first_paint
work=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR=$work

measure() {  # program -> "milliseconds rss_kib"
    local start out
    start=$(date +%s%N)
    out=$("$1")
    awk -v start="$start" '{ printf "%.2f %d\n", ($2 - start) / 1e6, $4 }' <<<"$out"
}
"$empty" >/dev/null; "$game" >/dev/null   # warm the caches once
for _ in $(seq "$runs"); do
    measure "$empty" >>"$work/empty"
    measure "$game" >>"$work/game"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Counts the program's own process, not the helper that Qt forks at start-up.
count() {
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p" "$1" >/dev/null 2>"$work/callgrind.log"
    awk '/Command:/ && !pid { pid = $1 } $1 == pid && /Collected/ { print $NF }' "$work/callgrind.log"
}

empty_ms=$(cut -d' ' -f1 "$work/empty" | median)
game_ms=$(cut -d' ' -f1 "$work/game" | median)
empty_rss=$(cut -d' ' -f2 "$work/empty" | median)
game_rss=$(cut -d' ' -f2 "$work/game" | median)
empty_ir=$(count "$empty")
game_ir=$(count "$game")

printf '%-34s %14s %14s %8s\n' "median of $runs runs each" "empty window" "game" "ratio"
printf '%-34s %14s %14s %8.2f\n' "exec to first paint (ms)" "$empty_ms" "$game_ms" "$(bc -l <<<"$game_ms / $empty_ms")"
printf '%-34s %14s %14s %8.2f\n' "resident memory once shown (KiB)" "$empty_rss" "$game_rss" "$(bc -l <<<"$game_rss / $empty_rss")"
printf '%-34s %14s %14s %8.2f\n' "instructions, start to quit" "$empty_ir" "$game_ir" "$(bc -l <<<"${game_ir//,/} / ${empty_ir//,/}")"
