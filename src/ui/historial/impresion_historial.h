#pragma once

#include "engine/ajustes.h"
#include "grading/resumen_prueba.h"

#include <QDateTime>
#include <QString>

#include <vector>

class QAbstractItemModel;
class QPrinter;

namespace tecladas {

struct DatosGrafico;

/// What the printed history says besides its chart and table.
struct InformeHistorial {
    QDateTime fecha;   ///< when it is printed
    QString filtro;    ///< the choice of text, as the window shows it
    Umbrales umbrales; ///< today's thresholds
    QString tituloFallos;
    std::vector<CaracterFallado> masFallados;
};

/// Prints the history as the window shows it: a heading with the report's date, the text
/// filter, the thresholds and a summary; the chart, drawn as lines; every row of `tabla` with its
/// headings, numbers aligned as the model aligns them and no word broken; then the most missed
/// characters, on as many pages as it takes. Returns an empty string, or the reason the printing
/// failed.
QString imprimirHistorial(QPrinter& impresora, const InformeHistorial& informe, const DatosGrafico& grafico,
                          const QAbstractItemModel& tabla);

} // namespace tecladas
