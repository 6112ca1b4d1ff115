#!/bin/bash
# Prints what typing costs the shell on a console of its own (bench/keytime.cpp drives the real
# tarvik.exe through the console's input and watches its cursor): one key typed and waited for, as a
# person types, and a paste of 1,000 keys queued at once. Each figure is the best (and for a single
# key also the median) over three runs inside the program, taken over three rounds. Given another
# tarvik.exe (an earlier build, say), it measures that one too, in turn with this build's in every
# round, so that both meet the same load.
# Usage: bash bench/keys.sh [OTHER_TARVIK_EXE]   (run after scripts/test.sh has built everything)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
bin="$root/build/bin"
trap '"$run" --stop' EXIT
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }

# Wine sees the Unix root as drive Z:.
shells=("Z:${bin//\//\\}\\tarvik.exe")
names=("this build")
if [ $# -ge 1 ]; then
  other=$(realpath "$1")
  shells+=("Z:${other//\//\\}")
  names+=("$1")
fi

"$run" --start
declare -a median best paste
for _ in 1 2 3; do
  for i in "${!shells[@]}"; do
    # Windows programs end their lines with CR LF.
    read -r m b p < <("$run" "$bin/keytime.exe" 1000 3 "${shells[i]}" | tr -d '\r')
    median[i]=$(smaller "$m" "${median[i]:-}")
    best[i]=$(smaller "$b" "${best[i]:-}")
    paste[i]=$(smaller "$p" "${paste[i]:-}")
  done
done
for i in "${!shells[@]}"; do
  awk -v n="${names[i]}" -v m="${median[i]}" -v b="${best[i]}" -v p="${paste[i]}" 'BEGIN {
    printf "%-32s typed key: median %.3f ms  best %.3f ms    paste of 1,000 keys: %.3f s (%.3f ms a key)\n",
      n ":", m * 1e3, b * 1e3, p, p }'
done
