#include "ui/escritorio/destino_documento.h"

#include "ui/escritorio/entorno.h"
#include "ui/textos.h"

#include <QDateTime>
#include <QDir>
#include <QPrinter>
#include <QStandardPaths>

namespace tecladas {

QString rutaPropuesta(const QString& nombre, const QString& extension) {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) {
        carpeta = QDir::homePath();
    }
    // No colons: they are not allowed in file names everywhere.
    const QString sello = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    return QDir(carpeta).filePath(QStringLiteral("%1 %2.%3").arg(nombre, sello, extension));
}

std::unique_ptr<QPrinter> elegirImpresora(Entorno& entorno, QWidget* padre, const QString& nombre) {
    if (std::unique_ptr<QPrinter> impresora = entorno.impresoraPredeterminada()) {
        return impresora;
    }
    QString ruta = entorno.elegirDestino(padre, textos::guardarComoPdf(),
                                         rutaPropuesta(nombre, QStringLiteral("pdf")), textos::filtroPdf());
    if (ruta.isEmpty()) {
        return nullptr;
    }
    if (!ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        ruta += QStringLiteral(".pdf");
    }
    auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    impresora->setOutputFormat(QPrinter::PdfFormat);
    impresora->setOutputFileName(ruta);
    return impresora;
}

} // namespace tecladas
