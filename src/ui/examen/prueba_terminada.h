#pragma once

#include "grading/resumen_prueba.h"

#include <QDateTime>
#include <QString>

namespace tecladas {

/// A run that has just ended, as the exam window hands it on: all that whoever keeps runs needs,
/// with nothing of the window itself.
struct PruebaTerminada {
    QDateTime fecha; ///< when the run ended, local time
    QString texto;   ///< the text's name: a file's name, or the welcome or a pasted text
    /// Figures and grade, the thresholds and the repeat setting it ran with, how it ended, the
    /// text's fingerprint and the characters it missed.
    ResumenPrueba resumen;
};

} // namespace tecladas
