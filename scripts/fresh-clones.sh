#!/bin/bash
# Runs the README's test command in fresh clones of this repository's HEAD, one after another, and
# tells how many passed: the check that the test command does not fail by chance.
# Usage: bash scripts/fresh-clones.sh [N]   (N clones, 5 unless told; each builds from nothing)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
count=${1:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
for i in $(seq "$count"); do
  git clone -q "$root" "$work/clone"
  if (cd "$work/clone" && bash scripts/test.sh) </dev/null >"$work/log" 2>&1; then
    passed=$((passed + 1))
    echo "clone $i: passed ($(grep -o '[0-9]*% tests passed.*' "$work/log" | tail -1))"
  else
    echo "clone $i: failed; the end of its log:"
    tail -25 "$work/log"
  fi
  rm -rf "$work/clone"
done
echo "$passed of $count fresh clones passed"
((passed == count))
