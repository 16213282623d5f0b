#!/usr/bin/env bash
# Builds Tecladas with warnings as errors and runs every test. Fails when a test fails or when
# no test ran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh --pruebas
export QT_QPA_PLATFORM=offscreen

cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci -j "$(nproc)"
