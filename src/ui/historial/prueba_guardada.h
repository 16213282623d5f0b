#pragma once

#include "grading/resumen_prueba.h"

#include <QDateTime>
#include <QString>

namespace tecladas {

/// A run as the history keeps it.
struct PruebaGuardada {
    qint64 id = 0;
    QDateTime fecha; ///< local date and time the run ended
    QString texto;   ///< the text's name: a file's name, or the welcome or a pasted text
    ResumenPrueba resumen;
};

} // namespace tecladas
