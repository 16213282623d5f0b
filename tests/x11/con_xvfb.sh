#!/usr/bin/env bash
# Runs the X11 tests ("$@") on a private Xvfb, so that their synthetic keys never reach the
# user's own desktop, with the Spanish layout as the keyboard's default: Xvfb keeps the layout it
# started with whatever setxkbmap or xkbcomp send it, and the dead keys must be where a Spanish
# keyboard has them. Exits with 77 (skipped) when no X server can be started.
set -u
sistema=/usr/share/X11/xkb
if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null || [ ! -d "$sistema" ]; then
    echo "No se pudo arrancar un servidor X: faltan Xvfb, xauth o $sistema"
    exit 77
fi
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
xkb="$carpeta/xkb"
mkdir -p "$xkb/symbols" "$carpeta/datos"
for f in "$sistema"/*; do [ "${f##*/}" = symbols ] || ln -s "$f" "$xkb/"; done
for f in "$sistema"/symbols/*; do [ "${f##*/}" = us ] || ln -s "$f" "$xkb/symbols/"; done
echo 'default xkb_symbols "basic" { include "es(basic)" };' >"$xkb/symbols/us"
# The runs the tests end go to a history of their own, never the user's.
XDG_DATA_HOME="$carpeta/datos" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset -xkbdir $xkb" "$@"
