#!/usr/bin/env bash
# Builds Tecladas and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ ! -x build/src/tecladas ]; then
    echo "La ventana de Tecladas todavía no está construida." >&2
    exit 1
fi
exec build/src/tecladas "$@"
