#!/bin/bash
# Prints what typing costs the shell on a console of its own (bench/keytime.cpp drives the real
# tarvik.exe through the console's input and watches its cursor): one key typed and waited for, as a
# person types, and a paste of 1,000 keys queued at once. Each figure is the best (and for a single
# key also the median) over three runs inside the program, taken over three rounds.
# Usage: bash bench/keys.sh   (run after scripts/test.sh has built everything)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
bin="$root/build/bin"
trap '"$run" --stop' EXIT
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }

"$run" --start
median="" best="" paste=""
for _ in 1 2 3; do
  # Windows programs end their lines with CR LF.
  read -r m b p < <("$run" "$bin/keytime.exe" 1000 3 | tr -d '\r')
  median=$(smaller "$m" "$median")
  best=$(smaller "$b" "$best")
  paste=$(smaller "$p" "$paste")
done
awk -v m="$median" -v b="$best" -v p="$paste" 'BEGIN {
  printf "typed key: median %.3f ms  best %.3f ms    paste of 1,000 keys: %.3f s (%.3f ms a key)\n", m * 1e3, b * 1e3, p, p }'
