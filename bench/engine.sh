#!/bin/bash
# Prints how fast the command engine runs programs, a pipe, back-quoted output and set lines, each
# beside its floor: a helper program (tests/helpers/floor.cpp) doing the same job with nothing around
# it, and Wine's cmd.exe for program starts. Each figure is the best of three wall-clock runs; the
# ratios are also given with each program's own start-up (tarvik: start and exit; floor: start)
# taken off, which is what the engine adds.
# Usage: bash bench/engine.sh   (run after scripts/test.sh has built everything)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
bin="$root/build/bin"
tarvik="$bin/tarvik.exe"
floor="$bin/floor.exe"
work=$(mktemp -d)
trap 'cd /; rm -rf "$work"; "$run" --stop' EXIT
cd "$work"
source "$root/bench/common.sh"

"$run" --start
# Children are found by name through the search path, by the shell and by cmd.exe alike.
export WINEPATH="Z:${bin//\//\\}"

shell() { "$run" "$tarvik" <"$1" 2>/dev/null; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
less() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a - b }'; }
lines() { local count=$1 line=$2; for _ in $(seq "$count"); do printf '%s\r\n' "$line"; done; }

printf 'exit\r\n' >exit.txt
t_start=$(best shell exit.txt)
f_start=$(best "$run" "$floor" spawn 0 none)

# (1) 200 program starts, each waited for.
{ lines 200 'exitwith 0'; printf 'exit\r\n'; } >starts.txt
{ printf '@echo off\r\n'; lines 200 'exitwith 0'; } >starts.bat
t_starts=$(best shell starts.txt)
f_starts=$(best "$run" "$floor" spawn 200 "Z:${bin//\//\\}\\exitwith.exe 0")
c_starts=$(best "$run" cmd.exe /c starts.bat)

# (2) 256 MiB from one program to another through "|".
printf 'writen 268435456 | readall\r\nexit\r\n' >pipe.txt
t_pipe=$(best shell pipe.txt)
f_pipe=$(best "$run" "$floor" pipe "writen 268435456" "readall")

# (3) 16 MiB of text lines folded from back-quotes (the line then names no program), against reading
# the same output in the same 1024-byte pieces.
printf 'zqnone `writelines 16777216`\r\nexit\r\n' >fold.txt
t_fold=$(best shell fold.txt)
f_fold=$(best "$run" "$floor" read 1024 "writelines 16777216")

# (4) 10,000 set lines, against 10,000 empty lines that run nothing.
{ lines 10000 'set ZQ_BENCH=some value'; printf 'exit\r\n'; } >set.txt
{ lines 10000 ''; printf 'exit\r\n'; } >empty.txt
t_set=$(best shell set.txt)
t_empty=$(best shell empty.txt)

a_starts=$(less "$t_starts" "$t_start"); b_starts=$(less "$f_starts" "$f_start")
a_pipe=$(less "$t_pipe" "$t_start"); b_pipe=$(less "$f_pipe" "$f_start")
a_fold=$(less "$t_fold" "$t_start"); b_fold=$(less "$f_fold" "$f_start")
printf 'start-up:                 tarvik %.3f s  floor %.3f s\n' "$t_start" "$f_start"
printf '(1) 200 program starts:   tarvik %.3f s  floor %.3f s  cmd.exe %.3f s  tarvik/floor %s (after start-up %s; target <= 1.10)  tarvik/cmd %s (target <= 1.00)\n' \
  "$t_starts" "$f_starts" "$c_starts" "$(ratio "$t_starts" "$f_starts")" "$(ratio "$a_starts" "$b_starts")" "$(ratio "$t_starts" "$c_starts")"
printf '(2) 256 MiB through "|":  tarvik %.3f s  floor %.3f s  throughput tarvik/floor %s (after start-up %s; target >= 0.95)\n' \
  "$t_pipe" "$f_pipe" "$(ratio "$f_pipe" "$t_pipe")" "$(ratio "$b_pipe" "$a_pipe")"
printf '(3) 16 MiB back-quoted:   tarvik %.3f s  raw read %.3f s  tarvik/raw %s (after start-up %s; target <= 1.50)\n' \
  "$t_fold" "$f_fold" "$(ratio "$t_fold" "$f_fold")" "$(ratio "$a_fold" "$b_fold")"
printf '(4) 10,000 set lines:     tarvik %.3f s  10,000 empty lines %.3f s  set lines/empty lines %s\n' \
  "$t_set" "$t_empty" "$(ratio "$t_set" "$t_empty")"
