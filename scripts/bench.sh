#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them offscreen: every figure, then a summary of the
# performance bounds. Takes a few minutes; arguments go to Google Benchmark, for instance
# --benchmark_filter=PasoPagina. Exits non-zero when a bound is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh
export QT_QPA_PLATFORM=offscreen

cmake --preset bench >/dev/null
cmake --build --preset bench -j 2
exec build-bench/bench/tecladas_bench "$@"
