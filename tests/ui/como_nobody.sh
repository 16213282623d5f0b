#!/usr/bin/env bash
# Runs a test program as the user nobody, for the checks that root passes whatever the program
# does (root reads every file). Run by anyone else, it runs the program as it is. Exits 77, which
# the test counts as skipped, when nobody cannot reach the program.
set -u
programa=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$programa" "$@"
fi
if ! command -v setpriv >/dev/null; then
    echo "setpriv no está disponible: no se puede probar como otro usuario"
    exit 77
fi
como_nobody=(env HOME=/tmp XDG_RUNTIME_DIR= setpriv --reuid=65534 --regid=65534 --clear-groups)
if ! "${como_nobody[@]}" test -x "$programa"; then
    echo "el usuario nobody no llega a $programa: no se puede probar como otro usuario"
    exit 77
fi
exec "${como_nobody[@]}" "$programa" "$@"
