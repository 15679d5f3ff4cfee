#!/usr/bin/env bash
# Builds Trevalo's benchmarks in Release, runs them all and prints their
# results as one table: bench/run.sh [BUILD_DIR]
#   MODEL_ARGS    extra flags for the model benchmark (Google Benchmark's)
#   STARTUP_ROUNDS  runs of each start-up pairing (default 15)
#   LATENCY_ROUNDS  rounds of the latency session (default 15)
#   WINE_STARTUP_ROUNDS  runs of each Windows start-up pairing under Wine (default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
jobs=${JOBS:-2}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTREVALO_BENCH=ON >/dev/null
cmake --build "$build" -j "$jobs" --target trevalo_model_bench trevalo_startup_bench trevalo_latency_bench \
    trevalo_disc_bench trevalo_vm_bench >/dev/null

rows=$(mktemp)
log=$(mktemp)
trap 'rm -f "$rows" "$log"' EXIT
run() {
    echo "running $(basename "$1") ..." >&2
    if ! "$@" >>"$rows" 2>>"$log"; then
        cat "$log" >&2
        exit 1
    fi
}
# shellcheck disable=SC2086
run "$build/bench/trevalo_model_bench" ${MODEL_ARGS:-}
run "$build/bench/trevalo_disc_bench"
run "$build/bench/trevalo_vm_bench"
run "$build/bench/trevalo_startup_bench" "${STARTUP_ROUNDS:-15}"
QT_QPA_PLATFORM=offscreen run "$build/bench/trevalo_latency_bench" "${LATENCY_ROUNDS:-15}"
# The Windows build under Wine, where Wine and MinGW-w64 are (make windows-deps).
if command -v wine >/dev/null 2>&1 && command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
    windows=${WINDOWS_DIR:-build-windows}
    cmake -S . -B "$windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DTREVALO_GUI=OFF -DTREVALO_WIN32=ON >/dev/null
    cmake --build "$windows" -j "$jobs" --target trevalo_startup_probe bare_window_probe \
        bare_common_controls_probe >/dev/null
    cmake --build "$build" -j "$jobs" --target trevalo_wine_startup_bench >/dev/null
    run "$build/bench/trevalo_wine_startup_bench" "${WINE_STARTUP_ROUNDS:-9}" "$windows"
fi

echo "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end; min / median / max over repetitions"
awk -F'\t' '
    BEGIN { n = split("group|measurement|min|median|max|unit|compared with|ratio|target|met", head, "|") }
    { rows[NR] = $0; for (i = 1; i <= NF; i++) if (length($i) > w[i]) w[i] = length($i) }
    END {
        for (i = 1; i <= n; i++) if (length(head[i]) > w[i]) w[i] = length(head[i])
        line = ""
        for (i = 1; i <= n; i++) { line = line sprintf(i <= 2 || i >= 7 ? "%-*s  " : "%*s  ", w[i], head[i]) }
        print line
        rule = ""
        for (i = 1; i <= n; i++) { r = sprintf("%*s", w[i], ""); gsub(/ /, "-", r); rule = rule r "  " }
        print rule
        for (r = 1; r <= NR; r++) {
            split(rows[r], f, "\t"); line = ""
            for (i = 1; i <= n; i++) { line = line sprintf(i <= 2 || i >= 7 ? "%-*s  " : "%*s  ", w[i], f[i]) }
            print line
        }
    }' "$rows"
