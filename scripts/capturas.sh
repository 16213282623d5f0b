#!/usr/bin/env bash
# Regenerates the screenshots that the README shows: docs/ventana.png (scale 1) and
# docs/ventana-2x.png (scale 2), the real window under Xvfb during a run, a few words typed and
# one wrong key, with Spanish regional settings; docs/historial.png, the history window over ten
# earlier runs graded against two settings of the thresholds and two short exams typed now, in a
# history of their own; and docs/historial-pdf.png, the first page of that history printed as a
# PDF. Needs the built program (scripts/run.sh builds it) and the Debian packages xvfb xauth
# xdotool imagemagick poppler-utils python3.
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

# Ten runs over ten days, written as the history's first file version (which the program brings
# up to date on opening): steady progress, the thresholds changed after the fourth run, one run
# stopped after 20 seconds.
sembrar_historial() {
    mkdir -p "$1/Tecladas/Tecladas"
    python3 - "$1/Tecladas/Tecladas/historial.sqlite" <<'PY'
import datetime, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("""CREATE TABLE pruebas(id INTEGER PRIMARY KEY, fecha TEXT NOT NULL, texto TEXT NOT NULL,
    huella TEXT NOT NULL, minutos INTEGER NOT NULL, segundos INTEGER NOT NULL, aciertos INTEGER NOT NULL,
    errores INTEGER NOT NULL, aciertos_min REAL NOT NULL, netas_min REAL NOT NULL, nota REAL NOT NULL,
    punt_min INTEGER NOT NULL, punt_apr INTEGER NOT NULL, punt_max INTEGER NOT NULL,
    repetir INTEGER NOT NULL, fin INTEGER NOT NULL, fallados TEXT NOT NULL DEFAULT '')""")
hoy = datetime.datetime.now().replace(hour=18, minute=30, second=0, microsecond=0)
netas = [172, 198, 215, 241, 236, 264, 312, 288, 305, 331]
for i, n in enumerate(netas):
    umbral = (120, 300, 450) if i < 4 else (100, 280, 480)
    segundos = 20 if i == 6 else 600
    minutos = segundos / 60
    errores = 3 + i % 4
    aciertos = round(n * minutos) + errores
    netas_min = (aciertos - errores) / minutos
    # The program's grade: 0 under the minimum, under 5 up to the pass mark, 5 to 10 above it.
    bajo, aprobado, alto = umbral
    u = round(netas_min)
    nota = (0.0 if u < bajo else (u - bajo) * 4.99 / (aprobado - bajo)) if u < aprobado else \
        10.0 if u > alto else 5 + (u - aprobado) * 5 / (alto - aprobado)
    texto, huella = ("dictado.txt", 2) if i % 3 == 0 else ("Texto de bienvenida", 1)
    db.execute("INSERT INTO pruebas VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
               (i + 1, (hoy - datetime.timedelta(days=10 - i)).isoformat(), texto, "%016x" % huella,
                10, segundos, aciertos, errores, aciertos / minutos, netas_min, nota,
                *umbral, 1, 2 if i == 6 else 1, "101:2 97:1 13:1 241:1"))
db.execute("PRAGMA user_version=1")
db.commit()
PY
}

capturar_historial() {
    local destino="$1" papel="$2" datos
    datos="$(mktemp -d)"
    sembrar_historial "$datos"
    HOME="$datos" XDG_DATA_HOME="$datos" xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
        set -euo pipefail
        LANG=es_ES.UTF-8 "$1" 2>/dev/null &
        pid=$!
        trap "kill $pid" EXIT
        xdotool search --sync --onlyvisible --name "^Tecladas - " >/dev/null
        sleep 1
        # An exam: "Iniciar", some seconds of typing at one pace with one wrong key, "Detener",
        # and its message closed.
        for pausa in 330 220; do
            xdotool mousemove 631 83 click 1
            sleep 1
            timeout 6 env LC_ALL=C.UTF-8 xdotool type --delay "$pausa" \
                "Este programa es una simulación de la prueba de velocidad en tecladas" || true
            xdotool type "q"
            sleep 1.2
            xdotool mousemove 689 83 click 1
            sleep 1.5
            xdotool key Return
            sleep 1
        done
        # "Historial", at the bottom right.
        xdotool mousemove 688 528 click 1
        historial="$(xdotool search --sync --onlyvisible --name "^Historial de pruebas$")"
        sleep 1.5
        import -window "$historial" "$2"
        # "Imprimir": with no printer, the PDF goes where the save dialog proposes, in $HOME.
        xdotool key alt+p
        sleep 1.5
        xdotool key Return
        sleep 2
    ' capturar "$programa" "$destino"
    pdftoppm -png -r 90 -f 1 -l 1 -singlefile "$datos"/Historial*.pdf "${papel%.png}"
    rm -rf "$datos"
}

capturar 1 docs/ventana.png
capturar 2 docs/ventana-2x.png
capturar_historial docs/historial.png docs/historial-pdf.png
echo "docs/ventana.png docs/ventana-2x.png docs/historial.png docs/historial-pdf.png"
