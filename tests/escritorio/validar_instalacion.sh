#!/usr/bin/env bash
# Installs a built tree into a temporary folder and checks what a Linux desktop reads from it:
# the menu entry, the software-centre entry and the icons.
# Usage: validar_instalacion.sh BUILD_DIR
set -euo pipefail
construido="$1"

for herramienta in desktop-file-validate appstreamcli file; do
    if ! command -v "$herramienta" >/dev/null; then
        echo "Falta $herramienta (paquetes desktop-file-utils, appstream, file: scripts/dependencias.sh --pruebas)" >&2
        exit 1
    fi
done

destino="$(mktemp -d)"
trap 'rm -rf "$destino"' EXIT
cmake --install "$construido" --prefix "$destino/usr" >/dev/null
compartido="$destino/usr/share"

entrada="$compartido/applications/tecladas.desktop"
informe="$(desktop-file-validate "$entrada" 2>&1)" || { echo "$informe" >&2; exit 1; }
if grep -Eq "error|warning" <<<"$informe"; then
    echo "$informe" >&2
    exit 1
fi
appstreamcli validate-tree --no-net --pedantic "$destino"

# The entry starts a program that is there, under an icon that is there.
ejecutable="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entrada")"
icono="$(sed -n 's/^Icon=//p' "$entrada")"
[ -x "$destino/usr/bin/$ejecutable" ] || { echo "Exec=$ejecutable is not installed" >&2; exit 1; }
[ -f "$compartido/icons/hicolor/scalable/apps/$icono.svg" ] || { echo "no scalable icon $icono" >&2; exit 1; }
for n in 16 22 24 32 48 64 128 256; do
    png="$compartido/icons/hicolor/${n}x${n}/apps/$icono.png"
    if ! file "$png" | grep -q "PNG image data, $n x $n,"; then
        echo "$png is not a $n x $n PNG: $(file "$png")" >&2
        exit 1
    fi
done
echo "Instalación válida"
