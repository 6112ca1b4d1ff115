#!/bin/bash
# Prints how fast the shell starts and how fast it takes script lines from a pipe and from a file.
# Usage: bash bench/script-input.sh [LINES]   (run after scripts/test.sh or scripts/run.sh has built)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
tarvik="$root/build/bin/tarvik.exe"
lines=${1:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"; "$run" --stop' EXIT

"$run" --start
printf 'exit\r\n' >"$work/exit.txt"
# Empty lines are read and echoed but run nothing: the figure is the reader's and the loop's own.
head -c "$lines" /dev/zero | tr '\0' '\n' >"$work/empty.txt"

source "$root/bench/common.sh"

rate() { awk -v n="$1" -v total="$2" -v base="$3" 'BEGIN { printf "%.0f", n / (total - base) }'; }

start_exit=$(best sh -c "'$run' '$tarvik' < '$work/exit.txt'")
from_file=$(best sh -c "'$run' '$tarvik' < '$work/empty.txt'")
from_pipe=$(best sh -c "cat '$work/empty.txt' | '$run' '$tarvik'")

printf 'start and exit:            %.3f s\n' "$start_exit"
printf '%d lines from a file:   %.3f s  (%s lines/s after start)\n' "$lines" "$from_file" \
  "$(rate "$lines" "$from_file" "$start_exit")"
printf '%d lines from a pipe:   %.3f s  (%s lines/s after start)\n' "$lines" "$from_pipe" \
  "$(rate "$lines" "$from_pipe" "$start_exit")"
