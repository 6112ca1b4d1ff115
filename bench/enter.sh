#!/bin/bash
# Prints how long Enter at an empty prompt takes in the real shell on a console of its own with a
# 9,001-row buffer (the buffer Windows gives a console): while the window still moves down the buffer,
# and once the buffer is full and the prompt sits on its last row, where each Enter moves the whole
# buffer up. Driven through the console driver by bench/entertime.cpp, the Enters typed at once; the
# best of three rounds, in
# which the shells given take turns so that all meet the same load (a build of an earlier change, for
# a before and after). Then what the console itself takes to move the full buffer up a row, the work
# it does afterwards counted, by a line feed written at its last row and by a scroll of the whole
# buffer (bench/buffermove.cpp), the two ways the editor could move it.
# Usage: bash bench/enter.sh [ENTERS [SHELL.exe...]]   (run after scripts/test.sh has built everything;
#        the shell built here unless others are given, as Windows paths or paths Wine sees under Z:)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
bin="$root/build/bin"
enters=${1:-40}
shells=("${@:2}")
((${#shells[@]})) || shells=("$(cd "$bin" && echo "Z:${PWD//\//\\}\\tarvik.exe")")
trap '"$run" --stop' EXIT
"$run" --start

smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }
declare -A middle full
for _ in 1 2 3; do
  for shell in "${shells[@]}"; do
    # Windows programs end their lines with CR LF.
    read -r m f < <("$run" "$bin/entertime.exe" 9001 "$enters" "$shell" | tr -d '\r')
    middle[$shell]=$(smaller "$m" "${middle[$shell]:-}")
    full[$shell]=$(smaller "$f" "${full[$shell]:-}")
  done
done
for shell in "${shells[@]}"; do
  printf '%s\n' "$shell"
  awk -v n="$enters" -v m="${middle[$shell]}" -v f="${full[$shell]}" 'BEGIN {
    printf "  %d Enters, window moving down the buffer:  %.3f s (%.1f ms each)\n", n, m, m * 1000 / n
    printf "  %d Enters on the last row of a full buffer: %.3f s (%.1f ms each)\n", n, f, f * 1000 / n }'
done
lineFeed="" scroll=""
for _ in 1 2 3; do
  read -r l s < <("$run" "$bin/buffermove.exe" 9001 40 | tr -d '\r')
  lineFeed=$(smaller "$l" "$lineFeed")
  scroll=$(smaller "$s" "$scroll")
done
awk -v l="$lineFeed" -v s="$scroll" 'BEGIN {
  printf "the console moving a full 9,001-row buffer up a row: line feed %.2f ms, scroll %.2f ms (mean of 40)\n", l * 1000, s * 1000 }'
