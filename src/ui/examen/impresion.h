#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

class QPrinter;
class QWidget;

namespace tecladas {

/// Where the window goes on the printed page and how many pixels its image needs.
struct ColocacionImpresa {
    QRectF destino; ///< on the printable area, in the printer's dots, from its top-left corner
    QSize pixeles;  ///< size of the window's image
};

/// Places a window of `ventana` logical pixels on a printable area of `pagina` dots at
/// `resolucion` dots per inch: as wide as the area (never taller than it), centred. The image
/// has one pixel per printer dot; on printers finer than 600 dots per inch it has one pixel per
/// 2, 3, … dots instead, since paper shows no more and the image would take hundreds of
/// megabytes.
ColocacionImpresa colocarEnPagina(QSizeF pagina, QSize ventana, int resolucion);

/// Prints an image of `ventana` on one page of `impresora`, placed by `colocarEnPagina`.
/// Returns an empty string, or the reason the printing failed.
QString imprimirVentana(QPrinter& impresora, QWidget& ventana);

} // namespace tecladas
