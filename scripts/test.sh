#!/usr/bin/env bash
# Builds Tecladas with warnings as errors and runs every test; then runs them again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs each fuzz target for a few seconds.
# Fails when a test fails or when no test ran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh --pruebas
export QT_QPA_PLATFORM=offscreen

cmake --preset ci >/dev/null
cmake --build --preset ci -j "$(nproc)"
ctest --preset ci -j "$(nproc)"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
ctest --preset fuzz -j "$(nproc)"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$(nproc)"
ctest --preset sanitize -j "$(nproc)"
