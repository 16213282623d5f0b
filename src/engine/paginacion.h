#pragma once

#include "engine/sesion_examen.h"

#include <cstddef>
#include <string_view>

namespace tecladas {

/// Measures the hidden buffer as the reference box would wrap it. Supplied by the window, which
/// knows the box's font and width; tests supply a fixed-width one.
class MedidorLineas {
public:
    virtual ~MedidorLineas() = default;
    /// The 1-based number of the wrapped line that holds the end of `buffer`, a CR being a
    /// line break. Between two calls the buffer only grows at its end or is emptied, so an
    /// implementation may measure incrementally.
    virtual int lineaDelFinal(std::u16string_view buffer) = 0;
};

/// What the paging step asks the window to show.
struct Paginacion {
    bool aviso = false;           ///< show the page notice; otherwise clear the status line
    bool paginaPasada = false;    ///< the reference box must show `textoReferencia` from `inicioPagina`
    std::size_t inicioPagina = 0; ///< 0-based position in `textoReferencia` where the new page starts
    bool limiteAlcanzado = false; ///< the turn was due but `paginasPasadas` is at its limit
};

/// The paging step, run after every accepted keystroke: measures the line the hidden buffer has
/// reached, raises the page notice on a boundary and turns the page the first time a boundary
/// is reached. Boundaries fall on measured lines 16, 31, 46, … because the turns made so far
/// are added to the measured line.
Paginacion pasoPaginacion(SesionExamen& sesion, MedidorLineas& medidor);

} // namespace tecladas
