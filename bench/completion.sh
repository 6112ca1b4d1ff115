#!/bin/bash
# Prints how fast Tab completes a file name in the line editor, beside its floor: listing the same
# names with the platform's find calls and nothing around them (tests/helpers/floor.cpp). The editor is
# driven on an in-memory console by bench/tabtime.cpp, which times each key alone. Every figure is the
# best of five runs inside its program, over three rounds in which the programs take turns, so that all
# meet the same load. One word matches every entry of the folder; a later Tab steps to the next match
# and should not touch the file system again.
# Usage: bash bench/completion.sh   (run after scripts/test.sh has built everything)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run="$root/build/wine-run"
bin="$root/build/bin"
work=$(mktemp -d)
trap 'cd /; rm -rf "$work"; "$run" --stop' EXIT
runs=5

# A folder of the given number of entries, one in fifty a folder, every name starting with "f".
make_folder() {
  local folder=$1 count=$2
  mkdir "$folder"
  (cd "$folder" && seq -f 'fdir%05g' 1 50 "$count" | xargs mkdir)
  (cd "$folder" && seq -f 'file%05g.txt' 2 "$count" | awk 'NR % 50' | xargs touch)
}

# Wine sees the Unix root as drive Z:.
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }

"$run" --start

# Prints one line of figures for a folder of the given number of entries.
measure() {
  local count=$1 folder="$work/folder$1"
  make_folder "$folder" "$count"
  local word
  word="$(windows_path "$folder")\\f"
  local entries floor_time first_time later_time line _ list_time first later
  floor_time="" first_time="" later_time=""
  for _ in 1 2 3; do
    # Windows programs end their lines with CR LF.
    read -r entries list_time < <("$run" "$bin/floor.exe" list "$word*" "$runs" | tr -d '\r')
    read -r first later line < <("$run" "$bin/tabtime.exe" "$word" "$runs" | tr -d '\r')
    if [ "$entries" != "$count" ]; then
      echo "The listing found $entries entries in $word*, not $count." >&2
      exit 1
    fi
    floor_time=$(smaller "$list_time" "$floor_time")
    first_time=$(smaller "$first" "$first_time")
    later_time=$(smaller "$later" "$later_time")
  done
  local note=""
  [ "$line" = "$word" ] && note="  (Tab left the word as it was: no completion)"
  awk -v n="$entries" -v f="$floor_time" -v t="$first_time" -v l="$later_time" -v note="$note" 'BEGIN {
    printf "%6d entries:  floor listing %.4f s  first Tab %.4f s  first Tab/floor %.2f (target <= 1.20)  later Tab %.1f us (target: microseconds)%s\n",
      n, f, t, t / f, l * 1e6, note }'
  rm -rf "$folder"
}

measure 50000
measure 1000
