#!/bin/bash
# The shell in a real terminal: tmux runs it under Wine, send-keys types, capture-pane reads the screen.
# Usage: console-session.sh WINE-RUN TARVIK.EXE
set -u
wine_run=$1
tarvik=$2
socket=$(mktemp -u /tmp/tarvik-tmux.XXXXXX)
# A folder for completion: one folder name with a blank, two files sharing a prefix.
work=$(mktemp -d /tmp/tarvik-tab.XXXXXX)
mkdir "$work/Tab Folder"
touch "$work/Tab Folder/twin1.txt" "$work/Tab Folder/twin2.txt"

tm() { tmux -S "$socket" "$@"; }
cleanup() { tm kill-server >/dev/null 2>&1; rm -f "$socket"; rm -rf "$work"; }
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

# Waits until the pane's title (the console title) is the text; false if it never becomes it.
title_becomes() {
  for _ in $(seq 1 100); do
    [ "$(tm display -p '#{pane_title}')" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Wine's console starts at the top-left corner: the shell is the pane's own command.
tm new-session -d -x 80 -y 24 "'$wine_run' '$tarvik'; echo \"SHELL ENDED: \$?\"; sleep 60"

wait_for '^Tarvik Version 1, 3, 0, 0$'
wait_for '^ .+$'
wait_for '^[A-Z]:\\.*>$'

# Typed lines run when Enter is pressed; the unknown word comes back in the not-recognized message,
# so the message shows the line the editor handed over.
ran() { wait_for "^'$1' is not recognized as an internal or external command,$"; }
home() { tm send-keys -l $'\e[H'; }
end() { tm send-keys -l $'\e[F'; }

tm send-keys 'hello world' Enter
ran hello
wait_for '^operable program or batch file\.$'
tm send-keys midlne Left Left i Enter
ran midline
tm send-keys backsXpace Left Left Left Left BSpace Enter
ran backspace
tm send-keys ome; home; tm send-keys h; end; tm send-keys run Enter
ran homerun
tm send-keys overwrXXX Left Left Left IC ite Enter
ran overwrite
tm send-keys arrow Up Down keys Enter
ran arrowkeys
# Longer than the pane: the line wraps on the screen and runs whole.
tm send-keys "$(printf 'x%.0s' $(seq 87))END" Enter
wait_for "^x{8}END' is not recognized as an internal or external command,$"
title_becomes Tarvik || fail "the title at the prompt is not Tarvik"

# A program started from the console writes to that console through the handles it inherits.
tm send-keys 'printargs on screen' Enter
wait_for '^2:\[screen\]$'

# Tab completes a folder with a blank in quotes and Enter runs the completed line; a second Tab
# steps to the second of two matches. Wine sees the Unix root as Z:.
tm send-keys -l "cd Z:${work//\//\\}"
tm send-keys Enter
tm send-keys -l 'cd "Tab F'
tm send-keys Tab Enter
wait_for '\\Tab Folder>$'
tm send-keys -l 'printargs tw'
tm send-keys Tab Enter
wait_for '^1:\[twin1\.txt\]$'
tm send-keys -l 'printargs tw'
tm send-keys Tab Tab Enter
wait_for '^1:\[twin2\.txt\]$'

# An empty line gives the next prompt at once and nothing else.
prompts=$(tm capture-pane -p | grep -Ec '^[A-Z]:\\.*>$')
tm send-keys Enter
for _ in $(seq 1 100); do
  [ "$(tm capture-pane -p | grep -Ec '^[A-Z]:\\.*>$')" -gt "$prompts" ] && break
  sleep 0.1
done
[ "$(tm capture-pane -p | grep -Ec '^[A-Z]:\\.*>$')" -gt "$prompts" ] || fail "Enter on an empty line gave no new prompt"

# Ctrl+C at the prompt leaves the shell running.
tm send-keys C-c
sleep 0.5
screen_has 'SHELL ENDED' && fail "Ctrl+C ended the shell"

# A program started from the line: the title shows the line while it runs, and Ctrl+C ends it while
# the shell goes on.
tm send-keys 'sleepms 30000' Enter
title_becomes 'sleepms 30000' || fail "the title did not show the running line"
tm send-keys C-c
# The program sleeps 30 s; the prompt's title is back well before unless Ctrl+C failed to end it.
title_becomes Tarvik || fail "Ctrl+C did not end the running program"
tm send-keys afterbreak Enter
ran afterbreak

tm send-keys 'exit' Enter
wait_for '^SHELL ENDED: 0$'
echo "console session: ok"
