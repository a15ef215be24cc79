#!/usr/bin/env bash
# Measures the real program under Xvfb: the time from start until the main window is
# mapped, the resident memory once it is up, and the CPU it uses over 30 s of idling.
# Prints the median of several runs. Usage: bench/startup.sh [RUNS] [IDLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
idle=${2:-30}
program=build/default/bin/Tolvarin23

# One run inside the X server: prints "ms-to-map rss-KiB idle-cpu-percent".
one_run() {
    local home; home=$(mktemp -d)
    local start; start=$(date +%s%N)
    XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" SDL_AUDIODRIVER=dummy "$program" >/dev/null 2>&1 &
    local pid=$!
    xdotool search --sync --onlyvisible --name '^Tolvarin' >/dev/null
    local mapped; mapped=$(date +%s%N)
    sleep 1
    local rss; rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    local ticks before after
    ticks=$(getconf CLK_TCK)
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$idle"
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill -9 "$pid"; wait "$pid" 2>/dev/null || true
    rm -rf "$home"
    awk -v ms=$(( (mapped - start) / 1000000 )) -v rss="$rss" -v d=$((after - before)) \
        -v t="$ticks" -v s="$idle" 'BEGIN {printf "%d %d %.2f\n", ms, rss, 100 * d / t / s}'
}

if [ "${1:-}" = "--inside" ]; then
    runs=$2 idle=$3
    for _ in $(seq "$runs"); do one_run; done
    exit 0
fi

. scripts/deps.sh
tolvarin_need_packages "${TOLVARIN_BUILD_PACKAGES[@]}" xvfb xauth xdotool
cmake --preset default >/dev/null
cmake --build --preset default --target Tolvarin23 >/dev/null

median() { sort -n | awk '{a[NR]=$1} END {m=int((NR+1)/2); print (NR%2 ? a[m] : (a[m]+a[m+1])/2)}'; }
results=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside "$runs" "$idle")
echo "runs: $runs, idle: ${idle}s"
echo "start to window mapped (ms), median: $(cut -d' ' -f1 <<<"$results" | median)"
echo "resident memory after start (KiB), median: $(cut -d' ' -f2 <<<"$results" | median)"
echo "CPU while idle (% of one core), median: $(cut -d' ' -f3 <<<"$results" | median)"
