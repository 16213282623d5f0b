#include "ui/impresion.h"

#include "ui/textos.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace tecladas {

QString imprimirImagen(QPrinter& impresora, const QImage& imagen) {
    if (imagen.isNull()) {
        return textos::impresionFallida();
    }
    QPainter pintor;
    if (!pintor.begin(&impresora)) {
        return textos::impresionFallida();
    }
    const QRectF pagina = impresora.pageLayout().paintRectPixels(impresora.resolution());
    const QSizeF tamano = QSizeF(imagen.size()).scaled(pagina.width(), pagina.height(), Qt::KeepAspectRatio);
    // The painter's origin is the top-left corner of the printable area.
    const QRectF destino(
        QPointF((pagina.width() - tamano.width()) / 2, (pagina.height() - tamano.height()) / 2), tamano);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(destino, imagen);
    if (!pintor.end()) {
        return textos::impresionFallida();
    }
    return {};
}

} // namespace tecladas
