# Shared by the benchmarks (sourced): timing.

# Best of three wall-clock runs of a command, in seconds; its output is dropped.
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

# Runs the named commands (shell functions taking no arguments) in turn, three rounds, so that all
# of them meet the same load on a shared machine; prints the best wall-clock time of each, in seconds.
side_by_side() {
  local -a best_times=()
  local round index start end elapsed
  for round in 1 2 3; do
    for index in $(seq 0 $(($# - 1))); do
      local command_name=${*:index+1:1}
      start=$(date +%s.%N)
      "$command_name" >/dev/null
      end=$(date +%s.%N)
      elapsed=$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')
      if ((round == 1)) || awk -v a="$elapsed" -v b="${best_times[index]}" 'BEGIN { exit !(a < b) }'; then
        best_times[index]=$elapsed
      fi
    done
  done
  echo "${best_times[*]}"
}
