#pragma once

#include "ui/examen/prueba_terminada.h"

#include <QString>

#include <deque>

namespace tecladas {

/// The file beside the history at `rutaHistorial` that keeps the runs not yet in it
/// ("historial-pendientes.json" beside "historial.sqlite").
QString rutaPendientes(const QString& rutaHistorial);

/// The runs the pending file at `ruta` holds, oldest first; none when there is no such file. A
/// run the file holds damaged is left out.
std::deque<PruebaTerminada> leerPendientes(const QString& ruta);

/// Replaces the pending file at `ruta` with `pruebas`, whole or not at all, or removes it when
/// there are none. False when it cannot be written.
bool escribirPendientes(const QString& ruta, const std::deque<PruebaTerminada>& pruebas);

} // namespace tecladas
