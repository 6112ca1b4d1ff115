#!/bin/bash
# The shell in a real terminal: tmux runs it under Wine, send-keys types, capture-pane reads the screen.
# Usage: console-session.sh WINE-RUN TARVIK.EXE
set -u
wine_run=$1
tarvik=$2
socket=$(mktemp -u /tmp/tarvik-tmux.XXXXXX)

tm() { tmux -S "$socket" "$@"; }
cleanup() { tm kill-server >/dev/null 2>&1; rm -f "$socket"; }
trap cleanup EXIT

fail() {
  echo "FAIL: $1"
  echo "--- screen ---"
  tm capture-pane -p
  exit 1
}

# Waits until the screen shows a line matching the pattern (grep -E).
wait_for() {
  for _ in $(seq 1 200); do
    tm capture-pane -p | grep -Eq -- "$1" && return 0
    sleep 0.1
  done
  fail "the screen never showed /$1/"
}

screen_has() { tm capture-pane -p | grep -Eq -- "$1"; }

# Wine's console starts at the top-left corner: the shell is the pane's own command.
tm new-session -d -x 80 -y 24 "'$wine_run' '$tarvik'; echo \"SHELL ENDED: \$?\"; sleep 60"

wait_for '^Tarvik Version 1, 3, 0, 0$'
wait_for '^ .+$'
wait_for '^[A-Z]:\\.*>$'

tm send-keys 'hello world' Enter
wait_for "^'hello' is not recognized as an internal or external command,$"
wait_for '^operable program or batch file\.$'

# A program started from the console writes to that console through the handles it inherits.
tm send-keys 'printargs on screen' Enter
wait_for '^2:\[screen\]$'

# An empty line gives the next prompt at once and nothing else.
prompts=$(tm capture-pane -p | grep -Ec '^[A-Z]:\\.*>$')
tm send-keys Enter
for _ in $(seq 1 100); do
  [ "$(tm capture-pane -p | grep -Ec '^[A-Z]:\\.*>$')" -gt "$prompts" ] && break
  sleep 0.1
done
[ "$(tm capture-pane -p | grep -Ec '^[A-Z]:\\.*>$')" -gt "$prompts" ] || fail "Enter on an empty line gave no new prompt"

# Ctrl+C leaves the shell running.
tm send-keys C-c
sleep 0.5
screen_has 'SHELL ENDED' && fail "Ctrl+C ended the shell"

tm send-keys 'exit' Enter
wait_for '^SHELL ENDED: 0$'
echo "console session: ok"
