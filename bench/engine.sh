#!/bin/bash
# Prints how fast the command engine runs programs, a pipe, back-quoted output and set lines, each
# beside its floor: a helper program (tests/helpers/floor.cpp) doing the same job with nothing around
# it, and Wine's cmd.exe for program starts. Each figure is the best of three wall-clock runs, taken
# in turn with the runs it is compared with so that all meet the same load. The ratios are also given
# with each program's own start-up taken off (tarvik: start and exit; floor: start), which leaves what
# the engine adds.
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
minus() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a - b }'; }
lines() { local count=$1 line=$2; for _ in $(seq "$count"); do printf '%s\r\n' "$line"; done; }

printf 'exit\r\n' >exit.txt
t_start_job() { shell exit.txt; }
f_start_job() { "$run" "$floor" spawn 0 none; }
read -r t_start f_start < <(side_by_side t_start_job f_start_job)

# (1) 200 program starts, each waited for.
{ lines 200 'exitwith 0'; printf 'exit\r\n'; } >starts.txt
{ printf '@echo off\r\n'; lines 200 'exitwith 0'; } >starts.bat
t_starts_job() { shell starts.txt; }
f_starts_job() { "$run" "$floor" spawn 200 "Z:${bin//\//\\}\\exitwith.exe 0"; }
c_starts_job() { "$run" cmd.exe /c starts.bat; }
read -r t_starts f_starts c_starts < <(side_by_side t_starts_job f_starts_job c_starts_job)

# (2) 256 MiB from one program to another through "|".
printf 'writen 268435456 | readall\r\nexit\r\n' >pipe.txt
t_pipe_job() { shell pipe.txt; }
f_pipe_job() { "$run" "$floor" pipe "writen 268435456" "readall"; }
read -r t_pipe f_pipe < <(side_by_side t_pipe_job f_pipe_job)

# (3) 16 MiB of text lines folded from back-quotes (the line then names no program), against reading
# the same output in the same 1024-byte pieces.
printf 'zqnone `writelines 16777216`\r\nexit\r\n' >fold.txt
t_fold_job() { shell fold.txt; }
f_fold_job() { "$run" "$floor" read 1024 "writelines 16777216"; }
read -r t_fold f_fold < <(side_by_side t_fold_job f_fold_job)

# (4) 10,000 set lines, against 10,000 empty lines that run nothing.
{ lines 10000 'set ZQ_BENCH=some value'; printf 'exit\r\n'; } >set.txt
{ lines 10000 ''; printf 'exit\r\n'; } >empty.txt
t_set_job() { shell set.txt; }
t_empty_job() { shell empty.txt; }
read -r t_set t_empty < <(side_by_side t_set_job t_empty_job)

a_starts=$(minus "$t_starts" "$t_start"); b_starts=$(minus "$f_starts" "$f_start")
a_pipe=$(minus "$t_pipe" "$t_start"); b_pipe=$(minus "$f_pipe" "$f_start")
a_fold=$(minus "$t_fold" "$t_start"); b_fold=$(minus "$f_fold" "$f_start")
printf 'start-up:                 tarvik %.3f s  floor %.3f s\n' "$t_start" "$f_start"
printf '(1) 200 program starts:   tarvik %.3f s  floor %.3f s  cmd.exe %.3f s  tarvik/floor %s (after start-up %s; target <= 1.10)  tarvik/cmd %s (target <= 1.00)\n' \
  "$t_starts" "$f_starts" "$c_starts" "$(ratio "$t_starts" "$f_starts")" "$(ratio "$a_starts" "$b_starts")" "$(ratio "$t_starts" "$c_starts")"
printf '(2) 256 MiB through "|":  tarvik %.3f s  floor %.3f s  throughput tarvik/floor %s (after start-up %s; target >= 0.95)\n' \
  "$t_pipe" "$f_pipe" "$(ratio "$f_pipe" "$t_pipe")" "$(ratio "$b_pipe" "$a_pipe")"
printf '(3) 16 MiB back-quoted:   tarvik %.3f s  raw read %.3f s  tarvik/raw %s (after start-up %s; target <= 1.50)\n' \
  "$t_fold" "$f_fold" "$(ratio "$t_fold" "$f_fold")" "$(ratio "$a_fold" "$b_fold")"
printf '(4) 10,000 set lines:     tarvik %.3f s  10,000 empty lines %.3f s  set lines/empty lines %s\n' \
  "$t_set" "$t_empty" "$(ratio "$t_set" "$t_empty")"
