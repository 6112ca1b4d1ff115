#!/bin/bash
# Holds every `#include "folder/...` line under src/ against the floors: a folder includes only its
# own headers and those of the folders listed for it below. The word scanner is the one header a lower
# floor may take from higher up. Prints each offending file and line and fails when there is one.
set -euo pipefail
src="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/src"

declare -A may_include=(
  [core]="editor command builtins platform"
  [command]="builtins platform"
  [builtins]="launch platform"
  [launch]="platform"
  [editor]="platform"
  [platform]=""
)
allowed_upward="command/Scanner.h"

failures=0
for folder in "$src"/*/; do
  folder=$(basename "$folder")
  if [[ ! -v may_include[$folder] ]]; then
    echo "check-floors: src/$folder is not in the table of floors" >&2
    failures=$((failures + 1))
    continue
  fi
  while IFS=: read -r file line text; do
    header=$(sed -E 's/^#include "([^"]*)".*/\1/' <<<"$text")
    target=${header%%/*}
    [[ $target == "$folder" ]] && continue
    [[ " ${may_include[$folder]} " == *" $target "* ]] && continue
    [[ $header == "$allowed_upward" && $folder != platform && $folder != editor ]] && continue
    echo "check-floors: ${file#"$src/../"}:$line: src/$folder may not include $header" >&2
    failures=$((failures + 1))
  done < <(cd "$src/.." && grep -Hn -E '^#include "[a-z]+/' "src/$folder"/* || true)
done
if ((failures > 0)); then
  echo "check-floors: $failures include(s) cross the floors" >&2
  exit 1
fi
echo "check-floors: every include keeps to its floor" >&2
