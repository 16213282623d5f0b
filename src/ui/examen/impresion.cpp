#include "ui/examen/impresion.h"

#include "ui/textos.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <cmath>

namespace tecladas {

namespace {

constexpr int kResolucionMaxima = 600;

} // namespace

ColocacionImpresa colocarEnPagina(QSizeF pagina, QSize ventana, int resolucion) {
    if (pagina.isEmpty() || ventana.isEmpty() || resolucion <= 0) {
        return {};
    }
    const QSizeF tamano = QSizeF(ventana).scaled(pagina, Qt::KeepAspectRatio);
    const QRectF destino(
        QPointF((pagina.width() - tamano.width()) / 2, (pagina.height() - tamano.height()) / 2), tamano);
    const int puntosPorPixel = (resolucion + kResolucionMaxima - 1) / kResolucionMaxima;
    const QSize pixeles(static_cast<int>(std::lround(tamano.width() / puntosPorPixel)),
                        static_cast<int>(std::lround(tamano.height() / puntosPorPixel)));
    return {destino, pixeles};
}

QString imprimirVentana(QPrinter& impresora, QWidget& ventana) {
    const int resolucion = impresora.resolution();
    const QRectF pagina = impresora.pageLayout().paintRectPixels(resolucion);
    const ColocacionImpresa colocacion = colocarEnPagina(pagina.size(), ventana.size(), resolucion);
    if (colocacion.pixeles.isEmpty()) {
        return textos::impresionFallida();
    }
    // A null image is what is left when the memory for it cannot be had.
    QImage imagen(colocacion.pixeles, QImage::Format_ARGB32_Premultiplied);
    if (imagen.isNull()) {
        return textos::impresionFallida();
    }
    imagen.setDevicePixelRatio(static_cast<qreal>(colocacion.pixeles.width()) / ventana.width());
    imagen.fill(ventana.palette().color(QPalette::Window));
    ventana.ensurePolished();
    ventana.render(&imagen);

    QPainter pintor;
    if (!pintor.begin(&impresora)) {
        return textos::impresionFallida();
    }
    // The painter's origin is the top-left corner of the printable area.
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(colocacion.destino, imagen);
    if (!pintor.end()) {
        return textos::impresionFallida();
    }
    return {};
}

} // namespace tecladas
