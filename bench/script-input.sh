#!/bin/bash
# Prints how fast the shell starts and how fast it takes script lines from a pipe and from a file:
# many empty lines, and one long line (a Unix pipe cannot be looked into, so it is read byte by byte).
# Usage: bash bench/script-input.sh [LINES] [LONG_BYTES]   (run after scripts/test.sh or scripts/run.sh has built)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
tarvik="$root/build/bin/tarvik.exe"
lines=${1:-20000}
long_bytes=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"; "$run" --stop' EXIT

"$run" --start
printf 'exit\r\n' >"$work/exit.txt"
# Empty lines are read and echoed but run nothing: the figure is the reader's and the loop's own.
head -c "$lines" /dev/zero | tr '\0' '\n' >"$work/empty.txt"
# One long assignment, refused as too long: it runs nothing, so the figure is the reading.
{ printf 'set ZQBENCH='; head -c "$long_bytes" /dev/zero | tr '\0' 'x'; printf '\n'; } >"$work/long.txt"

source "$root/bench/common.sh"

rate() { awk -v n="$1" -v total="$2" -v base="$3" 'BEGIN { printf "%.0f", n / (total - base) }'; }

start_exit=$(best sh -c "'$run' '$tarvik' < '$work/exit.txt'")
from_file=$(best sh -c "'$run' '$tarvik' < '$work/empty.txt'")
from_pipe=$(best sh -c "cat '$work/empty.txt' | '$run' '$tarvik'")
long_file=$(best sh -c "'$run' '$tarvik' < '$work/long.txt' 2>/dev/null")
long_pipe=$(best sh -c "cat '$work/long.txt' | '$run' '$tarvik' 2>/dev/null")

printf 'start and exit:            %.3f s\n' "$start_exit"
printf '%d lines from a file:   %.3f s  (%s lines/s after start)\n' "$lines" "$from_file" \
  "$(rate "$lines" "$from_file" "$start_exit")"
printf '%d lines from a pipe:   %.3f s  (%s lines/s after start)\n' "$lines" "$from_pipe" \
  "$(rate "$lines" "$from_pipe" "$start_exit")"
printf 'one %d-byte line from a file: %.3f s\n' "$long_bytes" "$long_file"
printf 'one %d-byte line from a pipe: %.3f s  (%.1f us a byte after start)\n' "$long_bytes" "$long_pipe" \
  "$(awk -v n="$long_bytes" -v total="$long_pipe" -v base="$start_exit" 'BEGIN { printf "%.1f", (total - base) * 1e6 / n }')"
