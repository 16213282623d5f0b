#include "ui/escritorio/aplicacion.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests need one application for the whole run, set up as the program sets up its own
// (Qt's Spanish texts included); numbers are shown as in Spain. The runs the windows record go to
// a history of their own, never the user's: on Windows, where no variable moves the data folder,
// Qt's test folder under %APPDATA% stands in for it.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir datos;
    qputenv("XDG_DATA_HOME", datos.path().toLocal8Bit());
#if defined(Q_OS_WIN)
    QStandardPaths::setTestModeEnabled(true);
#endif
    QApplication aplicacion(argc, argv);
    tecladas::prepararAplicacion(aplicacion);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
