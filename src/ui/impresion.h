#pragma once

#include <QString>

class QImage;
class QPrinter;

namespace tecladas {

/// Prints `imagen` on one page of `impresora`, scaled to the page width (never beyond the page
/// height) and centred. Returns an empty string, or the reason the printing failed.
QString imprimirImagen(QPrinter& impresora, const QImage& imagen);

} // namespace tecladas
