#pragma once

#include "ui/examen/frm_principal.h"
#include "ui/historial/historial.h"

#include <QString>

#include <memory>

namespace tecladas {

class Entorno;

/// Builds the program: the exam window, and the history that keeps each of its runs in the file
/// at `rutaHistorial` and opens from its "Historial" button. The window talks to the user through
/// `entorno` and owns the rest.
std::unique_ptr<frm_principal> crearPrograma(std::unique_ptr<Entorno> entorno,
                                             const QString& rutaHistorial = Historial::rutaPredeterminada());

} // namespace tecladas
