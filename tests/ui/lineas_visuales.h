#pragma once

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextLayout>

namespace tecladas::prueba {

/// The text of every wrapped line that `caja` shows, in order, as the box's own layout breaks
/// its blocks.
inline QStringList lineasVisuales(const QPlainTextEdit& caja) {
    QStringList lineas;
    const QTextDocument& documento = *caja.document();
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        documento.documentLayout()->blockBoundingRect(bloque); // lays the block out
        const QTextLayout& disposicion = *bloque.layout();
        for (int i = 0; i < disposicion.lineCount(); ++i) {
            const QTextLine linea = disposicion.lineAt(i);
            lineas.append(bloque.text().mid(linea.textStart(), linea.textLength()));
        }
    }
    return lineas;
}

} // namespace tecladas::prueba
