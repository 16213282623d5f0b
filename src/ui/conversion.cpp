#include "ui/conversion.h"

#include "ui/parrafos_partidos.h"

#include <QTextBlock>
#include <QTextDocument>

namespace tecladas {

std::u16string textoConSaltosCrLf(const QTextDocument& documento) {
    // Built in one QString, so that a text of megabytes is held at most twice on its way out.
    QString texto;
    texto.reserve(documento.characterCount() + documento.blockCount());
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        if (bloque != documento.begin() && !parrafos::esContinuacion(bloque)) {
            texto += QStringLiteral("\r\n");
        }
        // The block's raw text keeps non-breaking spaces, which toPlainText() would turn into blanks.
        texto += bloque.text();
    }
    texto.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    // Composing catches a combining accent typed or pasted after its letter.
    return texto.normalized(QString::NormalizationForm_C).toStdU16String();
}

QString dosDecimales(double valor, const QLocale& local) {
    return local.toString(valor, 'f', 2);
}

} // namespace tecladas
