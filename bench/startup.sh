#!/usr/bin/env bash
# Measures the real program under Xvfb: the time from start until the main window is
# mapped, the resident memory once it is up, and the CPU it uses over 30 s of idling.
# Prints the median of several runs. Usage: bench/startup.sh [RUNS] [IDLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tolvarin_need_packages "${TOLVARIN_BUILD_PACKAGES[@]}" xvfb xauth xdotool

runs=${1:-5}
idle=${2:-30}
cmake --preset default >/dev/null
cmake --build --preset default --target Tolvarin23 >/dev/null
program=build/default/bin/Tolvarin23

median() { sort -n | awk '{a[NR]=$1} END {m=(NR+1)/2; print (NR%2 ? a[m] : (a[m-0.5]+a[m+0.5])/2)}'; }

one_run() {
    local home; home=$(mktemp -d)
    # A fresh settings folder each run, with the welcome dialog off, so the main window is
    # the first window.
    XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" SDL_AUDIODRIVER=dummy \
        "$program" >/dev/null 2>&1 &
    local pid=$! start; start=$(date +%s%N)
    xdotool search --sync --onlyvisible --name '^Tolvarin' >/dev/null
    local mapped; mapped=$(date +%s%N)
    sleep 1
    local rss; rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    local before after ticks; ticks=$(getconf CLK_TCK)
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$idle"
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    rm -rf "$home"
    echo "$(( (mapped - start) / 1000000 )) $rss $(awk -v d=$((after - before)) -v t="$ticks" -v s="$idle" 'BEGIN {printf "%.2f", 100 * d / t / s}')"
}

export -f one_run median
export program idle
results=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "for i in \$(seq $runs); do one_run; done")
echo "runs: $runs, idle: ${idle}s"
echo "start to window mapped (ms), median: $(cut -d' ' -f1 <<<"$results" | median)"
echo "resident memory after start (KiB), median: $(cut -d' ' -f2 <<<"$results" | median)"
echo "CPU while idle (% of one core), median: $(cut -d' ' -f3 <<<"$results" | median)"
