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
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(traductor);
    }
}

} // namespace tecladas
