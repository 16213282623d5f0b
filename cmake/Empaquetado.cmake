# The Debian package: cpack -G DEB in a build folder (see the README).
set(TECLADAS_CONTACTO "Equipo de Tecladas <tecladas@example.org>" CACHE STRING
    "Maintainer of the Debian package, as \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tecladas)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TECLADAS_CONTACTO}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulador del examen de mecanografía de Auxiliar Administrativo")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# CPack puts the summary first and indents these lines below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Muestra un texto de referencia y juzga cada tecla al copiarlo durante los
minutos fijados: una tecla equivocada pita y no se escribe. Cuenta aciertos,
errores y tecladas por minuto y califica la prueba de 0 a 10.")
# The Qt libraries the program links, found from the binary itself; then what it loads or reads
# at run time: Qt's SQLite driver for the history (a plugin, which no library search finds), the
# fonts its window is drawn with and Qt's Spanish texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-liberation, qt6-translations-l10n")

include(CPack)
