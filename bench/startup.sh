#!/usr/bin/env bash
# Start-up of the game against an empty Qt Widgets window of the same size, on
# one Xvfb display, alternating A B A B so that both see the same machine
# (the empty window run with --label, showing one line of text, tells what
# text alone costs):
# median time from exec to the first painted window, median resident memory
# once shown, and instructions of a start-to-first-paint-to-quit run counted
# by callgrind, which repeats where times do not.
#   bench/startup.sh [BUILD-DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
empty=$build/bench/empty_window
game=$build/bench/game_first_paint
# shellcheck source=../scripts/xvfb.sh
source "$(dirname "$0")/../scripts/xvfb.sh"

measure() {  # command -> "milliseconds rss_kib"
    local start out
    start=$(date +%s%N)
    out=$("$@")
    awk -v start="$start" '{ printf "%.2f %d\n", ($2 - start) / 1e6, $4 }' <<<"$out"
}
"$empty" >/dev/null; "$game" >/dev/null; "$empty" --label >/dev/null   # warm the caches once
for _ in $(seq "$runs"); do
    measure "$empty" >>"$work/empty"
    measure "$game" >>"$work/game"
    measure "$empty" --label >>"$work/text"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Counts the program's own process, not the helper that Qt forks at start-up.
count() {
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p" "$@" >/dev/null 2>"$work/callgrind.log"
    awk '/Command:/ && !pid { pid = $1 } $1 == pid && /Collected/ { print $NF }' "$work/callgrind.log"
}

column() { cut -d' ' -f"$2" "$work/$1" | median; }
empty_ms=$(column empty 1) game_ms=$(column game 1) text_ms=$(column text 1)
empty_rss=$(column empty 2) game_rss=$(column game 2) text_rss=$(column text 2)
empty_ir=$(count "$empty") game_ir=$(count "$game") text_ir=$(count "$empty" --label)
ratio() { printf '%.2f' "$(bc -l <<<"$1 / $2")"; }

printf '| median of %s runs | empty window | game | game / empty | empty + one label | game / label |\n' "$runs"
printf '|---|---:|---:|---:|---:|---:|\n'
printf '| exec to first paint (ms) | %s | %s | %s | %s | %s |\n' "$empty_ms" "$game_ms" "$(ratio "$game_ms" "$empty_ms")" \
    "$text_ms" "$(ratio "$game_ms" "$text_ms")"
printf '| resident memory once shown (KiB) | %s | %s | %s | %s | %s |\n' "$empty_rss" "$game_rss" \
    "$(ratio "$game_rss" "$empty_rss")" "$text_rss" "$(ratio "$game_rss" "$text_rss")"
printf '| instructions, start to quit | %s | %s | %s | %s | %s |\n' "$empty_ir" "$game_ir" \
    "$(ratio "$game_ir" "$empty_ir")" "$text_ir" "$(ratio "$game_ir" "$text_ir")"
