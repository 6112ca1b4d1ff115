#!/bin/bash
# Builds tarvik.exe and starts it under Wine in this terminal. Standard input is the shell's:
#   bash scripts/run.sh                      an interactive session
#   printf 'exit\r\n' | bash scripts/run.sh  a one-line script
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
configure
build_targets tarvik
"$build/wine-run" --start
trap '"$build/wine-run" --stop' EXIT
# Wine's console starts drawing at the top-left corner, whatever the terminal shows.
[ -t 1 ] && clear
"$build/wine-run" "$build/bin/tarvik.exe"
