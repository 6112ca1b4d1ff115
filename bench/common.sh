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
