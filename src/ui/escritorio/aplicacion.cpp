#include "ui/escritorio/aplicacion.h"

#include "ui/textos.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

namespace tecladas {

namespace {

/// Texts of the file dialog that Qt's Spanish catalogue (Qt 6.4) leaves in English: the kind
/// of each entry ("Folder") moved to a class the catalogue does not know yet.
class TextosQtQueFaltan final : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* contexto, const char* texto, const char*, int) const override {
        if (qstrcmp(contexto, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        static const std::pair<const char*, const char*> traducciones[] = {
            {"Drive", "Unidad"},        {"File", "Fichero"}, {"Folder", "Carpeta"},
            {"File Folder", "Carpeta"}, {"Alias", "Alias"},  {"Shortcut", "Acceso directo"},
            {"Unknown", "Desconocido"},
        };
        for (const auto& [ingles, espanol] : traducciones) {
            if (qstrcmp(texto, ingles) == 0) {
                return QString::fromUtf8(espanol);
            }
        }
        return {};
    }
};

} // namespace

void prepararPlataforma() {
    // Qt's X11 backing store hands its pixels over in shared memory, and before it paints again
    // where the display server may still be reading, it waits for the server's answer: a round
    // trip at every key, whose wait was most of a key's time to the screen on a busy machine.
    // The few hundred pixels a key repaints travel faster over the connection itself, with
    // nothing to wait for; a setting the user made stays.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

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
            QApplication::installTranslator(new TextosQtQueFaltan(&aplicacion));
            return;
        }
    }
    delete traductor;
}

} // namespace tecladas
