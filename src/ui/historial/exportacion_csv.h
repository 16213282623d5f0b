#pragma once

#include "ui/historial/prueba_guardada.h"

#include <QString>

#include <vector>

namespace tecladas {

/// Writes `pruebas`, in their order, to a CSV file at `ruta` that Spanish spreadsheet programs
/// open as it is: UTF-8 with a byte-order mark, ";" between fields, decimal commas. The file is
/// replaced whole or not at all. Returns an empty string, or why it failed.
QString exportarCsv(const QString& ruta, const std::vector<const PruebaGuardada*>& pruebas);

} // namespace tecladas
