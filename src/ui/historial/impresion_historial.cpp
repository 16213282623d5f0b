#include "ui/historial/impresion_historial.h"

#include "ui/historial/textos_historial.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace tecladas {

QString imprimirHistorial(QPrinter& impresora, const QImage& grafico, const QAbstractItemModel& tabla,
                          const QString& tituloFallos, const std::vector<CaracterFallado>& masFallados) {
    QTextDocument documento;
    documento.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("grafico")), grafico);
    QString html = QStringLiteral("<h2>%1</h2><p><img src=\"grafico\" width=\"640\"></p>")
                       .arg(textos::tituloHistorial().toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>");
    for (int columna = 0; columna < tabla.columnCount(); ++columna) {
        html += QStringLiteral("<th>%1</th>")
                    .arg(tabla.headerData(columna, Qt::Horizontal).toString().toHtmlEscaped());
    }
    html += QStringLiteral("</tr></thead>");
    for (int fila = 0; fila < tabla.rowCount(); ++fila) {
        html += QStringLiteral("<tr>");
        for (int columna = 0; columna < tabla.columnCount(); ++columna) {
            html += QStringLiteral("<td>%1</td>")
                        .arg(tabla.index(fila, columna).data().toString().toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><h3>%1</h3><p>").arg(tituloFallos.toHtmlEscaped());
    QStringList fallados;
    for (const CaracterFallado& f : masFallados) {
        fallados << QStringLiteral("%1: %2").arg(textos::textoCaracter(f.caracter),
                                                 QLocale().toString(f.veces));
    }
    html += fallados.join(QStringLiteral(" · ")).toHtmlEscaped() + QStringLiteral("</p>");
    documento.setHtml(html);
    documento.print(&impresora);
    // Printing reports nothing: a PDF that was not written is the one failure to be seen.
    if (impresora.outputFormat() == QPrinter::PdfFormat && !QFileInfo(impresora.outputFileName()).size()) {
        return textos::impresionFallida();
    }
    return {};
}

} // namespace tecladas
