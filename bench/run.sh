#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures as one table.
#   bench/run.sh [build folder]      (default: build, as scripts/dev.sh makes it)
# The start-up is measured from outside: the process is started ten times
# (after one run to warm the disk cache) in a working folder with a full
# 101-word results.dat, offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=10

# The benchmarks are built with the tests, whose fakes they use.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON > /dev/null
cmake --build "$build" -j"$(nproc)" --target tapmeter_bench tapmeter_startup > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$work/run" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

echo "Running the benchmarks (about two minutes)..." >&2
"$build/bench/tapmeter_bench" --benchmark_out="$work/bench.json" --benchmark_out_format=json >&2

cp "$build"/run/*.wav "$build"/run/*.txt "$work/run/"
awk 'BEGIN { for (i = 0; i < 101; i++)
    printf ":::word%d\r\n%d.%d\r\n05/12/2026 18:22:05\r\nTypist\r\n", i, 2 + i % 9, i % 10 }' > "$work/run/results.dat"
probe="$PWD/$build/bench/tapmeter_startup"
# In English unless a language is given: the windows' language follows
# LANGUAGE first.
startup() {
    (cd "$1" && export LANGUAGE="${2:-en}" && TAPMETER_BENCH_START_NS=$(date +%s%N) &&
        export TAPMETER_BENCH_START_NS && exec "$probe")
}
startup "$work/run" > /dev/null
for _ in $(seq "$runs"); do startup "$work/run"; done > "$work/startup.txt"
# The same in German: the program's catalogue and Qt's own are loaded.
for _ in $(seq "$runs"); do startup "$work/run" de; done > "$work/startup-de.txt"
grep -q "words 101$" "$work/startup.txt" || { echo "the start-up did not load the 101 words" >&2; exit 1; }

# Once each with a hostile results.dat: how long and how much memory the
# load of such a file takes.
mkdir -p "$work/garbage" "$work/crs"
head -c 100M /dev/urandom | tr ':' ';' > "$work/garbage/results.dat"
head -c 10M /dev/zero | tr '\0' '\r' > "$work/crs/results.dat"
startup "$work/garbage" > "$work/garbage.txt"
startup "$work/crs" > "$work/crs.txt"

figure() { jq -r --arg name "$1" --arg field "$2" \
    '.benchmarks[] | select(.name | startswith($name)) | .[$field]' "$work/bench.json"; }
startupMs=$(awk '{ print $2 }' "$work/startup.txt" | sort -n)
startupDeMs=$(awk '{ print $2 }' "$work/startup-de.txt" | sort -n)
peakMib=$(awk '{ print $4 }' "$work/startup.txt" | sort -n | tail -1)

row() { printf '| %-60s | %-24s | %-16s |\n' "$1" "$2" "$3"; }
row "Figure" "Measured" "Goal"
row "$(printf -- '-%.0s' {1..60})" "$(printf -- '-%.0s' {1..24})" "$(printf -- '-%.0s' {1..16})"
row "Clock drift, Label17 against QElapsedTimer" \
    "$(printf '%+.3f %% over %.1f s' "$(figure clockDrift drift_pct)" "$(figure clockDrift elapsed_s)")" "below 0.5 %"
row "Keystroke, 5-letter word: median / p99" \
    "$(printf '%.1f / %.1f us' "$(figure keystroke/box:4/ median_us)" "$(figure keystroke/box:4/ p99_us)")" \
    "median < 50 us"
row "Keystroke, 30,000-character box: median / p99" \
    "$(printf '%.0f / %.0f us' "$(figure keystroke/box:30000/ median_us)" "$(figure keystroke/box:30000/ p99_us)")" "-"
row "  of which Text1_Change itself: median / p99" \
    "$(printf '%.0f / %.0f us' "$(figure changeHandlerOnly median_us)" "$(figure changeHandlerOnly p99_us)")" "-"
row "Start-up to main window shown: median / slowest of $runs" \
    "$(printf '%.0f / %.0f ms' "$(echo "$startupMs" | sed -n "$(( (runs + 1) / 2 ))p")" "$(echo "$startupMs" | tail -1)")" \
    "below 300 ms"
row "Start-up in German, LANGUAGE=de: median / slowest of $runs" \
    "$(printf '%.0f / %.0f ms' "$(echo "$startupDeMs" | sed -n "$(( (runs + 1) / 2 ))p")" "$(echo "$startupDeMs" | tail -1)")" \
    "below 300 ms"
row "Start-up peak memory (largest of $runs)" "$(printf '%.1f MiB' "$peakMib")" "below 60 MB"
hostile() { awk '{ printf "%.0f ms, %.0f MiB", $2, $4 }' "$1"; }
row "Start-up with 100 MB of garbage as results.dat: time, peak" "$(hostile "$work/garbage.txt")" "-"
row "Start-up with 10 MB of CRs only as results.dat: time, peak" "$(hostile "$work/crs.txt")" "-"
row "Load: full 101-word file into a table" "$(printf '%.0f us' "$(figure loadFile real_time)")" "-"
row "Load: \"Load\" button, file into table and list" "$(printf '%.0f us' "$(figure loadResults real_time)")" "-"
row "Save: SaveAll, settings and results.dat" "$(printf '%.0f us' "$(figure saveAll real_time)")" "-"
row "Merge: two full files read, merged, Source 2 rewritten" "$(printf '%.0f us' "$(figure mergeFiles real_time)")" "-"
row "History: one finished word appended: median / p99" \
    "$(printf '%.0f / %.0f us' "$(figure historyAppend median_us)" "$(figure historyAppend p99_us)")" "-"
row "History: 100,000 lines read into figures and totals" "$(printf '%.0f ms' "$(figure historyFigures real_time)")" \
    "well below 1 s"
# The Progress rows give processor time, which other work on the machine
# does not stretch, and the peak memory while the window was made.
progress() { printf '%.0f ms, %.0f MiB' "$(figure "progressWindowOpen/$1/" cpu_time)" \
    "$(figure "progressWindowOpen/$1/" peak_MiB)"; }
row "Progress opened and drawn, 100,000 lines: CPU, peak" "$(progress 100000)" "below 150 ms"
row "Progress opened and drawn, 1,000,000 lines: CPU, peak" "$(progress 1000000)" "below 1 s, 150 MB"
ms() { awk -v us="$(figure progressFinishedWord "$1")" 'BEGIN { printf "%.0f", us / 1000 }'; }
row "One finished word, Progress open on 1,000,000 lines: median / p99" "$(ms median_us) / $(ms p99_us) ms" \
    "no pause felt"
row "Practice ranking and mistake tables, 100,000 lines" \
    "$(printf '%.1f ms' "$(figure progressRankingAndMistakes cpu_time)")" "-"
