#include "ui/parrafos_partidos.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace tecladas::parrafos {

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

} // namespace tecladas::parrafos
