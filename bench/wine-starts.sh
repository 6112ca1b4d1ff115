#!/bin/bash
# Starts a program that does nothing many times under Wine and counts the starts that failed: the check
# that no Wine start dies by chance before its program runs.
# Usage: bash bench/wine-starts.sh [COUNT] [--plain]   (run after scripts/test.sh has built)
#   COUNT    starts, 30000 unless told
#   --plain  start Wine directly, as Debian runs it (address-space randomisation on), for comparison
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
program="$root/build/bin/exitwith.exe"
count=${1:-30000}
starter=("$run")
if [ "${2:-}" = --plain ]; then
  starter=(env WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all,err+virtual /usr/lib/wine/wine64)
fi
work=$(mktemp -d)
trap 'rm -rf "$work"; "$run" --stop' EXIT
"$run" --start

# Two starters at a time, one per core; each start that does not end with status 0 leaves a line.
start_one() { "$@" "$program" 0 </dev/null >/dev/null 2>>"$work/err.$BASHPID" || echo "$?" >>"$work/failed.$BASHPID"; }
export -f start_one
export program work
begin=$(date +%s)
seq "$count" | xargs -P 2 -n 1000 bash -c 'for _ in "$@"; do start_one '"$(printf '%q ' "${starter[@]}")"'; done' _
end=$(date +%s)

failed=$(cat "$work"/failed.* 2>/dev/null | wc -l || true)
printf '%d starts in %d s: %d failed\n' "$count" "$((end - begin))" "$failed"
if ((failed > 0)); then
  echo "exit statuses: $(sort "$work"/failed.* | uniq -c | tr -s ' ' | paste -sd,)"
  grep -h 'err:' "$work"/err.* | sed 's/^[0-9a-f]*://' | sort | uniq -c | head -5
fi
