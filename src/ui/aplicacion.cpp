#include "ui/aplicacion.h"

#include "ui/textos.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tecladas {

void prepararAplicacion(QApplication& aplicacion) {
    QApplication::setApplicationName(textos::tituloAplicacion());
    QApplication::setOrganizationName(textos::tituloAplicacion());
    QApplication::setDesktopFileName(QStringLiteral("tecladas"));
    // Qt's own folder on Linux; beside the program where Qt's deployment tools for Windows and
    // macOS put the translations.
    const QString carpetas[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QApplication::applicationDirPath() + QStringLiteral("/translations"),
        QApplication::applicationDirPath() + QStringLiteral("/../Resources/translations"),
    };
    auto* traductor = new QTranslator(&aplicacion);
    for (const QString& carpeta : carpetas) {
        if (traductor->load(QStringLiteral("qtbase_es"), carpeta) ||
            traductor->load(QStringLiteral("qt_es"), carpeta)) {
            QApplication::installTranslator(traductor);
            return;
        }
    }
    delete traductor;
}

} // namespace tecladas
