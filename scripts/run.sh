#!/usr/bin/env bash
# Builds Tecladas and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/src/tecladas "$@"
