#!/usr/bin/env bash
# Regenera todos los PNG de Tecladas a partir de los dos SVG:
#   data/icons/tecladas.svg   -> data/icons/hicolor/<N>x<N>/apps/tecladas.png
#                                y src/ui/examen/recursos/tecladas.png (256 px, icono de ventana)
#                                y data/icons/tecladas.ico (16 a 256 px, icono del .exe de Windows)
#   src/ui/examen/recursos/logo.svg  -> src/ui/examen/recursos/logo.png (1252 x 162, el doble de 626 x 81)
# Requiere rsvg-convert (paquete librsvg2-bin) e icotool (paquete icoutils).
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
icono="$raiz/data/icons/tecladas.svg"
logo="$raiz/src/ui/examen/recursos/logo.svg"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "generar.sh: falta rsvg-convert (apt-get install librsvg2-bin)" >&2
    exit 1
fi
if ! command -v icotool >/dev/null 2>&1; then
    echo "generar.sh: falta icotool (apt-get install icoutils)" >&2
    exit 1
fi

for n in 16 22 24 32 48 64 128 256; do
    destino="$raiz/data/icons/hicolor/${n}x${n}/apps"
    mkdir -p "$destino"
    rsvg-convert -w "$n" -h "$n" "$icono" -o "$destino/tecladas.png"
    echo "  ${n}x${n}/apps/tecladas.png"
done

cp "$raiz/data/icons/hicolor/256x256/apps/tecladas.png" "$raiz/src/ui/examen/recursos/tecladas.png"
echo "  src/ui/examen/recursos/tecladas.png"

# Windows shows the 256 px image stored as PNG, the smaller ones as they are.
png() { echo "$raiz/data/icons/hicolor/${1}x${1}/apps/tecladas.png"; }
icotool -c -o "$raiz/data/icons/tecladas.ico" "$(png 16)" "$(png 24)" "$(png 32)" "$(png 48)" "$(png 64)" \
    "$(png 128)" -r "$(png 256)"
echo "  data/icons/tecladas.ico"

rsvg-convert -w 1252 -h 162 "$logo" -o "$raiz/src/ui/examen/recursos/logo.png"
echo "  src/ui/examen/recursos/logo.png"
