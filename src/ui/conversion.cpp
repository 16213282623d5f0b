#include "ui/conversion.h"

#include <QTextDocument>

namespace tecladas {

std::u16string textoConSaltosCrLf(const QTextDocument& documento) {
    // The raw text keeps non-breaking spaces, which toPlainText() would turn into blanks. Composing
    // catches a combining accent typed or pasted after its letter.
    const QString crudo = documento.toRawText().normalized(QString::NormalizationForm_C);
    std::u16string texto;
    texto.reserve(static_cast<std::size_t>(crudo.size()) + static_cast<std::size_t>(documento.blockCount()));
    for (const QChar c : crudo) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator) {
            texto += u"\r\n";
        } else {
            texto += u;
        }
    }
    return texto;
}

QString dosDecimales(double valor, const QLocale& local) {
    return local.toString(valor, 'f', 2);
}

} // namespace tecladas
