#include "servidor_x.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace tecladas::prueba {
/// The display the tests run on; they skip when it could not be started.
const ServidorX* servidorX = nullptr;
} // namespace tecladas::prueba

// The real X11 tests run on their own Xvfb, with Qt's xcb platform. Without an X server they
// are skipped, and the program exits with 77 so that the test run reports them as skipped.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    tecladas::prueba::ServidorX servidor;
    tecladas::prueba::servidorX = &servidor;
    qputenv("QT_QPA_PLATFORM", servidor.arrancado() ? "xcb" : "offscreen");
    int resultado;
    {
        QApplication aplicacion(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Tecladas"));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        resultado = RUN_ALL_TESTS();
    }
    return servidor.arrancado() || resultado != 0 ? resultado : 77;
}
