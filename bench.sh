#!/usr/bin/env bash
# Builds TERRAFLOT in Release in build-bench/ and prints the table of timings.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependances.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTERRAFLOT_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_terraflot >/dev/null
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_terraflot --benchmark_out=/dev/null "$@" 2>/dev/null
