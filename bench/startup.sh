#!/usr/bin/env bash
# Measures the real program under Xvfb side by side with a bare Qt6 window (one label) that
# the bench builds itself: the time from the start until the window is mapped and until it
# is fully drawn (the status bar's clock, which changes every second, left out), the
# resident and proportional memory once it has settled, the CPU and the wakes (voluntary
# context switches of all threads) while it idles, and the time from the close box to the
# end of the process. Each run starts both programs in turn (bench/startup/window_watch.cpp
# watches them through the X server); the medians of all runs are printed with their
# ratios, and held to the goals. Both are measured from a warm file cache: each counted
# start follows an uncounted one of the same program, since a machine whose memory manager
# pages out files left unused for a while (this one does, after about a minute) would
# otherwise read a varying part of each program from the disk, and the program with more
# files of its own would pay more of it.
# Usage: bench/startup.sh [RUNS] [IDLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
idle=${2:-20}
settle_ms=3000
build=build/default
watch=$build/bench/startup/tolvarin-window-watch
bare=$build/bench/startup/bare-qt-window
program=$build/bin/Tolvarin23

# The game's settings for the runs: straight to the main window, closed without asking.
write_settings() {
    mkdir -p "$1/tolvarin"
    printf '[HKEY_CURRENT_USER\\Software\\Tolvarin\\Tolvarin2.2]\n%s\t1\t%s\n%s\t1\t%s\n%s\t1\t%s\n%s\t1\t%s\n' \
        NumberOfDice 4 ShowDialog False ShowSplash False ConfirmOnExit False \
        >"$1/tolvarin/registry.txt"
}

# Inside the X server: RUNS of each, one line "game|bare NUMBERS" each, every one after an
# uncounted start of the same program (the first of the game registers the control library).
inside() {
    local home; home=$(mktemp -d)
    write_settings "$home"
    export XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home XDG_RUNTIME_DIR=$home SDL_AUDIODRIVER=dummy
    for _ in $(seq "$runs"); do
        "$watch" 500 0 "$program" >/dev/null 2>&1 || true
        echo "game $("$watch" "$settle_ms" "$idle" "$program" 2>/dev/null)"
        "$watch" 500 0 "$bare" >/dev/null 2>&1 || true
        echo "bare $("$watch" "$settle_ms" "$idle" "$bare" 2>/dev/null)"
    done
    rm -rf "$home"
}

if [ "${1:-}" = "--inside" ]; then
    runs=$2 idle=$3
    inside
    exit 0
fi

. scripts/deps.sh
tolvarin_need_packages "${TOLVARIN_BUILD_PACKAGES[@]}" xvfb xauth libxcb-damage0-dev
cmake --preset default >/dev/null
cmake --build --preset default --target Tolvarin23 tolvarin-window-watch bare-qt-window >/dev/null

results=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --inside "$runs" "$idle")
awk -v runs="$runs" -v idle="$idle" '
    function median(who, col,   n, i, j, t, v) {
        n = 0
        for (i = 1; i <= count[who]; i++) v[++n] = value[who, i, col]
        for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) {
            t = v[j]; v[j] = v[j - 1]; v[j - 1] = t
        }
        return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    NF == 9 { count[$1]++; for (c = 2; c <= 9; c++) value[$1, count[$1], c] = $c }
    END {
        if (!count["game"] || !count["bare"]) { print "no complete run" > "/dev/stderr"; exit 1 }
        split("start to window mapped (ms)|start to fully drawn (ms)|resident memory, RSS (MiB)|" \
              "proportional memory, PSS (MiB)|CPU while idle (% of a core)|" \
              "wakes while idle (per s)|close box to end of process (ms)", name, "|")
        printf "%d runs, %d s idle, medians   %12s %12s %8s\n", runs, idle, "Tolvarin23", "bare Qt6", "ratio"
        for (c = 2; c <= 8; c++) {
            g[c] = median("game", c); b[c] = median("bare", c)
            if (c == 4 || c == 5) { g[c] /= 1024; b[c] /= 1024 }
            ratio = b[c] > 0 ? sprintf("%.2f", g[c] / b[c]) : "-"
            printf "%-33s %12.3f %12.3f %8s\n", name[c - 1], g[c], b[c], ratio
        }
        printf "clock area left out of the drawing (px): %d\n", median("game", 9)
        printf "goals: fully drawn within 1.2x the bare window: %s; RSS within 8 MiB of it: %s;\n",
               (g[3] <= 1.2 * b[3] ? "met" : "MISSED"), (g[4] - b[4] <= 8 ? "met" : "MISSED")
        printf "       idle at most 1.5 wakes/s: %s, at most 0.05 %% of a core: %s; " \
               "gone within 200 ms of the close box: %s\n",
               (g[7] <= 1.5 ? "met" : "MISSED"), (g[6] <= 0.05 ? "met" : "MISSED"),
               (g[8] >= 0 && g[8] <= 200 ? "met" : "MISSED")
    }' <<<"$results"
