#pragma once

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextLayout>

namespace tecladas::prueba {

/// The text of every wrapped line that `caja` shows, in order, as the box's own layout breaks it.
inline QStringList lineasVisuales(const QPlainTextEdit& caja) {
    QStringList lineas;
    const QTextDocument& documento = *caja.document();
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        documento.documentLayout()->blockBoundingRect(bloque); // lays the block out
        for (int i = 0; i < bloque.layout()->lineCount(); ++i) {
            const QTextLine linea = bloque.layout()->lineAt(i);
            lineas.append(bloque.text().mid(linea.textStart(), linea.textLength()));
        }
    }
    return lineas;
}

/// The lines of `texto` held whole in a box like `modelo`: same font, size and scroll bar.
inline QStringList lineasEnUnaCajaComo(const QPlainTextEdit& modelo, const QString& texto) {
    QPlainTextEdit gemela;
    gemela.setFont(modelo.font());
    gemela.setVerticalScrollBarPolicy(modelo.verticalScrollBarPolicy());
    gemela.setFixedSize(modelo.size());
    gemela.show();
    gemela.setPlainText(texto);
    return lineasVisuales(gemela);
}

} // namespace tecladas::prueba
