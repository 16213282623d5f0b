#!/usr/bin/env bash
# Regenerates the screenshots that the README shows: docs/ventana.png (scale 1) and
# docs/ventana-2x.png (scale 2), the real window under Xvfb during a run, a few words typed and
# one wrong key, with Spanish regional settings; docs/historial.png, the history window over
# thirty earlier runs on five days and two short exams typed now, in a history of their own;
# docs/historial-pdf.png, the first page of that history printed as a PDF; docs/historial-dias.png,
# the seeded text's runs by day; and docs/practica.png, the exam window with the practice text
# built from the weak keys. Needs the built program (scripts/run.sh builds it) and the Debian packages xvfb xauth
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

# Thirty runs over the last five days, in the history's current file version: steady progress
# with ups and downs, one run a day stopped after 40 seconds, and the keys a Spanish typist
# misses most (ñ, accented vowels, b and v) missed more often than the rest.
sembrar_historial() {
    mkdir -p "$1/Tecladas/Tecladas"
    python3 - "$1/Tecladas/Tecladas/historial.sqlite" <<'PY'
import collections, datetime, random, sqlite3, struct, sys
random.seed(19)
db = sqlite3.connect(sys.argv[1])
db.execute("""CREATE TABLE pruebas(id INTEGER PRIMARY KEY, fecha TEXT NOT NULL, texto TEXT NOT NULL,
    huella TEXT NOT NULL, minutos INTEGER NOT NULL, segundos INTEGER NOT NULL, aciertos INTEGER NOT NULL,
    errores INTEGER NOT NULL, aciertos_min REAL NOT NULL, netas_min REAL NOT NULL, nota REAL NOT NULL,
    punt_min INTEGER NOT NULL, punt_apr INTEGER NOT NULL, punt_max INTEGER NOT NULL,
    repetir INTEGER NOT NULL, fin INTEGER NOT NULL, intentos BLOB)""")
db.execute("""CREATE TABLE fallos(prueba INTEGER NOT NULL, caracter INTEGER NOT NULL,
    veces INTEGER NOT NULL, PRIMARY KEY(prueba, caracter)) WITHOUT ROWID""")
muestra = ("El señor alcalde informó ayer de que la próxima sesión del pleno se celebrará en el salón "
           "de actos. Según el acuerdo, también se votará la subvención para la biblioteca y la "
           "rehabilitación del viejo puente sobre el río.\r")
uso = collections.Counter(13 if c == "\r" else ord(c) for c in muestra)
debiles = {ord("ñ"): 0.2, ord("ó"): 0.12, ord("á"): 0.1, ord("é"): 0.08, ord("v"): 0.07, ord("b"): 0.06}
hoy = datetime.datetime.now(datetime.timezone.utc).replace(hour=9, minute=0, second=0, microsecond=0)
for i in range(30):
    dia, orden = divmod(i, 6)
    fecha = hoy - datetime.timedelta(days=5 - dia) + datetime.timedelta(minutes=25 * orden)
    segundos = 40 if orden == 3 else 600
    minutos = segundos / 60
    netas = 215 + 3 * i + random.uniform(-15, 15)
    intentos = {c: v * (5 if segundos == 600 else 1) for c, v in uso.items()}
    fallos = {c: round(v * debiles.get(c, 0.004) * random.uniform(0.5, 1.5)) for c, v in intentos.items()}
    fallos = {c: v for c, v in fallos.items() if v > 0}
    errores = sum(fallos.values())
    aciertos = round(netas * minutos) + errores
    netas_min = (aciertos - errores) / minutos
    u = round(netas_min)
    nota = ((u - 100) * 4.99 / 180 if u >= 100 else 0.0) if u < 280 else 10.0 if u > 480 else 5 + (u - 280) / 40
    # The attempts as the program keeps them: code and times, 32-bit little-endian each.
    bytes_intentos = b"".join(struct.pack("<Ii", c, v) for c, v in sorted(intentos.items()))
    db.execute("INSERT INTO pruebas VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
               (i + 1, fecha.strftime("%Y-%m-%dT%H:%M:%SZ"), "dictado.txt", "%016x" % 2, 10, segundos,
                aciertos, errores, aciertos / minutos, netas_min, nota, 100, 280, 480, 1,
                2 if segundos < 600 else 1, bytes_intentos))
    db.executemany("INSERT INTO fallos VALUES(?,?,?)", [(i + 1, c, v) for c, v in sorted(fallos.items())])
db.execute("PRAGMA user_version=4")
db.commit()
PY
}

capturar_historial() {
    local destino="$1" papel="$2" dias="$3" practica="$4" datos
    datos="$(mktemp -d)"
    sembrar_historial "$datos"
    HOME="$datos" XDG_DATA_HOME="$datos" xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
        set -euo pipefail
        LANG=es_ES.UTF-8 "$1" 2>/dev/null &
        pid=$!
        trap "kill $pid" EXIT
        principal="$(xdotool search --sync --onlyvisible --name "^Tecladas - " | head -1)"
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
        # The seeded text chosen (the list is newest first), then "Días", at the top right.
        xdotool key alt+t Down Down
        xdotool mousemove 1160 22 click 1
        sleep 1.5
        import -window "$historial" "$3"
        # "Practicar teclas débiles": the exam window comes up with the practice text.
        xdotool key alt+l
        sleep 1.5
        import -window "$principal" "$4"
        # "Imprimir", in the history window, right of the exam window: with no printer, the PDF
        # goes where the save dialog proposes, in $HOME.
        xdotool mousemove 1000 620 click 1
        sleep 0.5
        xdotool key alt+p
        sleep 1.5
        xdotool key Return
        sleep 2
    ' capturar "$programa" "$destino" "$dias" "$practica"
    pdftoppm -png -r 90 -f 1 -l 1 -singlefile "$datos"/Historial*.pdf "${papel%.png}"
    rm -rf "$datos"
}

capturar 1 docs/ventana.png
capturar 2 docs/ventana-2x.png
capturar_historial docs/historial.png docs/historial-pdf.png docs/historial-dias.png docs/practica.png
echo "docs/ventana.png docs/ventana-2x.png docs/historial.png docs/historial-pdf.png docs/historial-dias.png" \
    "docs/practica.png"
