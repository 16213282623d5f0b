#pragma once

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextLayout>

#include <string>

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

/// Paragraphs of every kind a reference may hold, joined by CR LF: short ones, empty lines, and
/// long ones with words wider than the box, runs of blanks and tabs.
inline std::u16string textoVariado(int largos, std::size_t largoParrafo) {
    std::u16string texto = u"Primera línea\r\n\r\nTras una línea vacía\r\n";
    for (int p = 0; p < largos; ++p) {
        std::u16string parrafo;
        for (int i = 0; parrafo.size() < largoParrafo; ++i) {
            parrafo += i % 40 == 7    ? std::u16string(300, u'x')
                       : i % 40 == 23 ? std::u16string(250, u' ')
                                      : u"";
            parrafo += u"El Ayuntamiento convoca, según las bases\t«Auxiliar» —1.234,56— ¿Qué? a ";
        }
        texto += parrafo + u"\r\ncorto\r\n";
    }
    return texto;
}

} // namespace tecladas::prueba
