#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tecladas need, when any is missing.
# Safe to run again: it does nothing when everything is there.
set -euo pipefail

paquetes=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev libxkbcommon-dev
    libqt6sql6-sqlite
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
)
if [ "${1:-}" = "--pruebas" ]; then
    paquetes+=(clang libclang-rt-dev desktop-file-utils appstream dpkg-dev file poppler-utils python3 xvfb xauth xdotool)
fi

faltan=()
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        faltan+=("$p")
    fi
done
[ ${#faltan[@]} -eq 0 ] && exit 0

echo "Instalando paquetes que faltan: ${faltan[*]}"
como_root=()
if [ "$(id -u)" -ne 0 ]; then
    como_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${como_root[@]}" apt-get update -qq
"${como_root[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
