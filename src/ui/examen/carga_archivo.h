#pragma once

#include "input/lectura_archivo.h"
#include "ui/examen/caja_referencia.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

class QWidget;

namespace tecladas {

class Entorno;

/// A text file read for the reference box.
struct CargaArchivo {
    ResultadoLectura lectura;      ///< the failure, if any; its text has moved to `texto`
    QString texto;                 ///< the decoded text, composed (NFC)
    std::vector<qsizetype> cortes; ///< where the box must split it (see `CajaReferencia::Partidor`)
};

/// Reads `ruta`, decodes it and finds where `partir` splits it, off the window's thread: a slow
/// disk, a source that never ends a read or a huge paragraph cannot freeze the window. Waits for
/// it through `entorno` (a progress box after half a second, with "Cancelar"). Nothing when the
/// user gave up waiting.
std::optional<CargaArchivo> cargarArchivo(const std::filesystem::path& ruta, CajaReferencia::Partidor partir,
                                          Entorno& entorno, QWidget* padre);

} // namespace tecladas
