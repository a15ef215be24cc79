#!/usr/bin/env bash
# Plays the full soak: GAMES random games (default 100000) over every setting, split over
# PROCESSES niced processes (default the cores), each with a seed of its own:
#   bash bench/soak.sh [GAMES [PROCESSES]]
# Builds tolvarin-soak in the default preset first. Ends non-zero when any process found a
# fault; its line names the seed, the game and the step.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-100000}
processes=${2:-$(nproc)}
cmake --preset default >/dev/null && cmake --build --preset default --target tolvarin-soak >/dev/null
share=$(((games + processes - 1) / processes))
pids=()
for seed in $(seq 1 "$processes"); do
  nice build/default/bin/tolvarin-soak -games="$share" -seed="$seed" & pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
