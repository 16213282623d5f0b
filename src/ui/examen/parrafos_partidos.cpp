#include "ui/examen/parrafos_partidos.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace tecladas::parrafos {

bool esDerechaIzquierda(char32_t c) {
    switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirRLI:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirLRI:
    case QChar::DirFSI:
    case QChar::DirPDF:
    case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

bool esContinuacion(const QTextBlock& bloque) {
    return bloque.userState() == kContinuacion;
}

void conservarGlifos(const QTextBlock& bloque) {
    if (QTextLayout* disposicion = bloque.layout()) {
        disposicion->setCacheEnabled(true);
    }
}

QString textoSinCortes(const QTextDocument& documento, int desde, int hasta) {
    QString texto;
    for (QTextBlock bloque = documento.findBlock(desde); bloque.isValid() && bloque.position() <= hasta;
         bloque = bloque.next()) {
        if (bloque.position() > desde && !esContinuacion(bloque)) {
            texto += QLatin1Char('\n');
        }
        const int inicio = std::max(desde - bloque.position(), 0);
        const int fin = std::min(hasta - bloque.position(), bloque.length() - 1);
        if (fin > inicio) {
            texto += bloque.text().mid(inicio, fin - inicio).replace(QChar::LineSeparator, QLatin1Char('\n'));
        }
    }
    return texto;
}

QMimeData* copiaSinCortes(const QTextDocument& documento, const QTextCursor& cursor) {
    auto* datos = new QMimeData;
    datos->setText(textoSinCortes(documento, cursor.selectionStart(), cursor.selectionEnd()));
    return datos;
}

int enTexto(const QTextDocument& documento, int posicion) {
    int cortes = 0;
    for (QTextBlock bloque = documento.begin(); bloque.isValid() && bloque.position() <= posicion;
         bloque = bloque.next()) {
        cortes += esContinuacion(bloque) ? 1 : 0;
    }
    return posicion - cortes;
}

int enDocumento(const QTextDocument& documento, int posicion) {
    int cortes = 0;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        // A block that continues a paragraph starts in the text where the block before it ends.
        const int corte = esContinuacion(bloque) ? 1 : 0;
        if (bloque.position() - cortes - corte > posicion) {
            break;
        }
        cortes += corte;
    }
    return posicion + cortes;
}

std::u16string textoConSaltosCrLf(const QTextDocument& documento) {
    // Built in one QString, so that a text of megabytes is held at most twice on its way out.
    QString texto;
    texto.reserve(documento.characterCount() + documento.blockCount());
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        if (bloque != documento.begin() && !esContinuacion(bloque)) {
            texto += QStringLiteral("\r\n");
        }
        // The block's raw text keeps non-breaking spaces, which toPlainText() would turn into blanks.
        texto += bloque.text();
    }
    texto.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    // Composing catches a combining accent typed or pasted after its letter.
    return texto.normalized(QString::NormalizationForm_C).toStdU16String();
}

} // namespace tecladas::parrafos
