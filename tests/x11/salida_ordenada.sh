#!/usr/bin/env bash
# The program ($1) is ended from outside during a run, on an X server of its own: by SIGTERM, by
# SIGHUP, and by its X server dying. Each time the run must be in the history file, stopped
# ("fin" 2), once the program has ended. Exits 77 (skipped) when Xvfb, xdotool or python3 lack.
set -u
programa=$1
for falta in Xvfb xdotool python3; do
    command -v "$falta" >/dev/null || { echo "falta $falta"; exit 77; }
done
carpeta=$(mktemp -d)
trap 'kill $xvfb $pid 2>/dev/null; rm -rf "$carpeta"' EXIT
xvfb= pid= fallos=0
for como in TERM HUP pantalla; do
    rm -rf "$carpeta/datos" "$carpeta/pantalla"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$carpeta/pantalla" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$carpeta/pantalla" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$carpeta/pantalla")
    XDG_DATA_HOME="$carpeta/datos" QT_QPA_PLATFORM=xcb "$programa" 2>"$carpeta/salida" &
    pid=$!
    ventana=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tecladas - ' | head -1)
    xdotool windowfocus --sync "$ventana" key --window "$ventana" alt+i && sleep 0.5
    xdotool type --delay 50 "Es" && sleep 0.5
    if [ "$como" = pantalla ]; then kill "$xvfb"; else kill -"$como" "$pid"; fi
    timeout 20 tail --pid="$pid" -f /dev/null
    kill "$xvfb" 2>/dev/null
    fin=$(python3 -c 'import sqlite3, sys
print([r[0] for r in sqlite3.connect(sys.argv[1]).execute("SELECT fin FROM pruebas")])' \
        "$carpeta/datos/Tecladas/Tecladas/historial.sqlite" 2>&1)
    echo "$como: $fin"
    [ "$fin" = "[2]" ] || { fallos=1; cat "$carpeta/salida"; }
done
exit $fallos
