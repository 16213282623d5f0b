#!/usr/bin/env bash
# Regenerates the screenshots that the README shows: docs/ventana.png (scale 1) and
# docs/ventana-2x.png (scale 2), the real window under Xvfb during a run, a few words typed and
# one wrong key, with Spanish regional settings; and docs/historial.png, the history window after
# four exams typed at different speeds, kept in a history of their own. Needs the built program (scripts/run.sh builds it) and the Debian packages
# xvfb xauth xdotool imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
programa="${1:-build/src/tecladas}"

capturar() {
    local escala="$1" destino="$2"
    QT_SCALE_FACTOR="$escala" xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
        set -euo pipefail
        LANG=es_ES.UTF-8 "$1" 2>/dev/null &
        pid=$!
        trap "kill $pid" EXIT
        ventana="$(xdotool search --sync --onlyvisible --name "^Tecladas - ")"
        sleep 1
        # "Iniciar", in logical pixels, scaled as the screen scales the window.
        xdotool mousemove "$(awk "BEGIN{print int(631*$2)}")" "$(awk "BEGIN{print int(83*$2)}")" click 1
        sleep 0.5
        xdotool type --delay 80 "Este programa es una simul"
        xdotool type "x"
        sleep 2.5
        import -window "$ventana" "$3"
    ' capturar "$programa" "$escala" "$destino"
}

capturar_historial() {
    local destino="$1" datos
    datos="$(mktemp -d)"
    XDG_DATA_HOME="$datos" xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
        set -euo pipefail
        LANG=es_ES.UTF-8 "$1" 2>/dev/null &
        pid=$!
        trap "kill $pid" EXIT
        xdotool search --sync --onlyvisible --name "^Tecladas - " >/dev/null
        sleep 1
        # An exam: "Iniciar", some seconds of typing at one pace with one wrong key, "Detener",
        # and its message closed.
        for pausa in 330 220 160 120; do
            xdotool mousemove 631 83 click 1
            sleep 0.5
            timeout 6 env LC_ALL=C.UTF-8 xdotool type --delay "$pausa"                 "Este programa es una simulación de la prueba de velocidad en tecladas" || true
            xdotool type "q"
            sleep 1.2
            xdotool mousemove 689 83 click 1
            sleep 0.7
            xdotool key Return
            sleep 0.5
        done
        # "Historial", at the bottom right.
        xdotool mousemove 688 528 click 1
        historial="$(xdotool search --sync --onlyvisible --name "^Historial de pruebas$")"
        sleep 1.5
        import -window "$historial" "$2"
    ' capturar "$programa" "$destino"
    rm -rf "$datos"
}

capturar 1 docs/ventana.png
capturar 2 docs/ventana-2x.png
capturar_historial docs/historial.png
echo "docs/ventana.png docs/ventana-2x.png docs/historial.png"
