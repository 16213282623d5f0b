#!/usr/bin/env bash
# Builds the Debian package from an already built tree and checks its contents and dependencies.
# Usage: comprobar_paquete.sh BUILD_DIR VERSION
set -euo pipefail
construido="$1"
version="$2"

for herramienta in cpack dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$herramienta" >/dev/null; then
        echo "Falta $herramienta (paquete dpkg-dev: scripts/dependencias.sh --pruebas)" >&2
        exit 1
    fi
done

salida="$(mktemp -d)"
trap 'rm -rf "$salida"' EXIT
cpack --config "$construido/CPackConfig.cmake" -G DEB -B "$salida" >"$salida/cpack.log" 2>&1 ||
    { cat "$salida/cpack.log" >&2; exit 1; }
paquete="$salida/tecladas_${version}_$(dpkg --print-architecture).deb"
[ -f "$paquete" ] || { echo "no package named $(basename "$paquete")" >&2; ls "$salida" >&2; exit 1; }

fallos=0
falla() {
    echo "$*" >&2
    fallos=$((fallos + 1))
}

campo() { dpkg-deb -f "$paquete" "$1"; }
[ "$(campo Package)" = tecladas ] || falla "Package: $(campo Package)"
[ "$(campo Version)" = "$version" ] || falla "Version: $(campo Version)"
[ "$(campo Section)" = education ] || falla "Section: $(campo Section)"

# Every library the program links, and what it reads at run time.
dependencias=",$(campo Depends | tr -d ' '),"
for necesaria in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6sql6 \
    libqt6sql6-sqlite fonts-liberation qt6-translations-l10n; do
    [[ "$dependencias" == *",$necesaria("* || "$dependencias" == *",$necesaria,"* ]] ||
        falla "Depends lacks $necesaria: $(campo Depends)"
done
# The program draws its own chart: no Qt module beyond those above, nor OpenGL.
for ajena in libqt6charts6 libqt6opengl6 libqt6openglwidgets6; do
    [[ "$dependencias" != *",$ajena"* ]] || falla "Depends names $ajena: $(campo Depends)"
done

# Exactly these files, and nothing of the build (libraries, tests) with them.
esperados="./usr/bin/tecladas
./usr/share/applications/tecladas.desktop
./usr/share/icons/hicolor/128x128/apps/tecladas.png
./usr/share/icons/hicolor/16x16/apps/tecladas.png
./usr/share/icons/hicolor/22x22/apps/tecladas.png
./usr/share/icons/hicolor/24x24/apps/tecladas.png
./usr/share/icons/hicolor/256x256/apps/tecladas.png
./usr/share/icons/hicolor/32x32/apps/tecladas.png
./usr/share/icons/hicolor/48x48/apps/tecladas.png
./usr/share/icons/hicolor/64x64/apps/tecladas.png
./usr/share/icons/hicolor/scalable/apps/tecladas.svg
./usr/share/metainfo/es.tecladas.tecladas.metainfo.xml"
listado="$(dpkg-deb -c "$paquete")"
archivos="$(awk '$1 !~ /^d/ {print $6}' <<<"$listado" | sort)"
if [ "$archivos" != "$esperados" ]; then
    falla "Contents differ:"
    diff <(echo "$esperados") <(echo "$archivos") >&2 || true
fi
grep -q '^-rwxr-xr-x root/root .* ./usr/bin/tecladas$' <<<"$listado" ||
    falla "./usr/bin/tecladas is not an executable owned by root"

# The software-centre entry names the version being packaged.
dpkg-deb -x "$paquete" "$salida/raiz"
grep -q "<release version=\"$version\"" "$salida/raiz/usr/share/metainfo/es.tecladas.tecladas.metainfo.xml" ||
    falla "the metainfo does not name release $version"

[ "$fallos" -eq 0 ] || exit 1
echo "Paquete $(basename "$paquete") correcto"
