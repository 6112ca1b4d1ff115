#!/bin/bash
# Prints how fast the command engine runs programs, pipes and back-quoted output, each figure beside
# the floor the platform allows: a helper program doing the same job with nothing around it, and
# Wine's cmd.exe for program starts.
# Usage: bash bench/engine.sh   (run after scripts/test.sh has built everything)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
bin="$root/build/bin"
tarvik="$bin/tarvik.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"; "$run" --stop' EXIT
cd "$work"

"$run" --start
# Children are found by name through the search path, by the shell and by cmd.exe alike.
export WINEPATH="Z:${bin//\//\\}"
helper() { echo "Z:${bin//\//\\}\\$1.exe"; }

# Best of three wall-clock runs, in seconds.
best() {
  local times="" start end
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    times="$times $start $end"
  done
  echo "$times" | awk '{ best = 1e9; for (i = 1; i < NF; i += 2) if ($(i+1) - $i < best) best = $(i+1) - $i; print best }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
shell() { "$run" "$tarvik" <"$1"; }

# (1) 200 program starts, each waited for.
: >starts.txt
: >starts.bat
printf '@echo off\r\n' >starts.bat
for _ in $(seq 200); do
  printf 'exitwith 0\r\n' >>starts.txt
  printf 'exitwith 0\r\n' >>starts.bat
done
printf 'exit\r\n' >>starts.txt
t_starts=$(best shell starts.txt)
f_starts=$(best "$run" "$bin/floor.exe" spawn 200 "$(helper exitwith) 0")
c_starts=$(best "$run" cmd.exe /c starts.bat)

# (2) 256 MiB from one program to another through "|".
printf 'writen 268435456 | readall\r\nexit\r\n' >pipe.txt
t_pipe=$(best shell pipe.txt)
f_pipe=$(best "$run" "$bin/floor.exe" pipe "writen 268435456" "readall")

# (3) 16 MiB of lines folded from back-quotes, against reading them in the same 1024-byte pieces.
printf 'zqnone `writelines 16777216`\r\nexit\r\n' >fold.txt
t_fold=$(best sh -c "'$run' '$tarvik' <fold.txt 2>/dev/null")
f_fold=$(best "$run" "$bin/floor.exe" read 1024 "writelines 16777216")

# (4) 10,000 set lines, against 10,000 empty lines that run nothing.
: >set.txt
: >empty.txt
for i in $(seq 10000); do
  printf 'set ZQ_BENCH=value %d\r\n' "$i" >>set.txt
  printf '\r\n' >>empty.txt
done
printf 'exit\r\n' | tee -a set.txt >>empty.txt
t_set=$(best shell set.txt)
t_empty=$(best shell empty.txt)

printf '(1) 200 program starts:    tarvik %.3f s  floor %.3f s  cmd.exe %.3f s   tarvik/floor %s (target <= 1.10)  tarvik/cmd %s (target <= 1.00)\n' \
  "$t_starts" "$f_starts" "$c_starts" "$(ratio "$t_starts" "$f_starts")" "$(ratio "$t_starts" "$c_starts")"
printf '(2) 256 MiB through "|":   tarvik %.3f s  floor %.3f s   throughput tarvik/floor %s (target >= 0.95)\n' \
  "$t_pipe" "$f_pipe" "$(ratio "$f_pipe" "$t_pipe")"
printf '(3) 16 MiB back-quoted:    tarvik %.3f s  raw read %.3f s   tarvik/raw %s (target <= 1.50)\n' \
  "$t_fold" "$f_fold" "$(ratio "$t_fold" "$f_fold")"
printf '(4) 10,000 set lines:      tarvik %.3f s  (10,000 empty lines %.3f s; %.0f set lines/s after them)\n' \
  "$t_set" "$t_empty" "$(awk -v s="$t_set" -v e="$t_empty" 'BEGIN { print 10000 / (s - e) }')"
