#pragma once

#include "engine/ajustes.h"
#include "grading/resumen_prueba.h"
#include "grading/teclado_espanol.h"

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
    QString progreso;  ///< the sentence under the chart, and the chosen text's summary
    QString tituloFallos;
    std::vector<CaracterFallado> masFallados;
    QString tituloTeclado;
    std::vector<UsoTecla> teclas; ///< one entry a key, as the window's keyboard shows them
};

/// Prints the history as the window shows it: a heading with the report's date, the text
/// filter, the thresholds and a summary; the chart, drawn as lines, and the progress sentence;
/// every row of `tabla` with its headings, numbers aligned as the model aligns them and no word
/// broken; then the most missed characters and the keyboard of weak keys, drawn as lines, on as
/// many pages as it takes. Returns an empty string, or the reason the printing
/// failed.
QString imprimirHistorial(QPrinter& impresora, const InformeHistorial& informe, const DatosGrafico& grafico,
                          const QAbstractItemModel& tabla);

} // namespace tecladas
