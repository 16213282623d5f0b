#pragma once

#include "grading/resumen_prueba.h"

#include <QString>

#include <vector>

class QAbstractItemModel;
class QImage;
class QPrinter;

namespace tecladas {

/// Prints the history as the window shows it: the chart, every row of `tabla` with its
/// headings, then the most missed characters under the heading `tituloFallos`, on as many pages
/// as it takes. Returns an empty string, or the reason the printing failed.
QString imprimirHistorial(QPrinter& impresora, const QImage& grafico, const QAbstractItemModel& tabla,
                          const QString& tituloFallos, const std::vector<CaracterFallado>& masFallados);

} // namespace tecladas
