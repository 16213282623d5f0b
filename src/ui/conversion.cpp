#include "ui/conversion.h"

#include "ui/parrafos_partidos.h"

#include <QTextBlock>
#include <QTextDocument>

namespace tecladas {

std::u16string textoConSaltosCrLf(const QTextDocument& documento) {
    std::u16string texto;
    texto.reserve(static_cast<std::size_t>(documento.characterCount()) +
                  static_cast<std::size_t>(documento.blockCount()));
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        if (bloque != documento.begin() && !parrafos::esContinuacion(bloque)) {
            texto += u"\r\n";
        }
        // The raw text keeps non-breaking spaces, which toPlainText() would turn into blanks.
        for (const QChar c : bloque.text()) {
            if (c == QChar::LineSeparator) {
                texto += u"\r\n";
            } else {
                texto += c.unicode();
            }
        }
    }
    // Composing catches a combining accent typed or pasted after its letter.
    return QString::fromStdU16String(texto).normalized(QString::NormalizationForm_C).toStdU16String();
}

QString dosDecimales(double valor, const QLocale& local) {
    return local.toString(valor, 'f', 2);
}

} // namespace tecladas
