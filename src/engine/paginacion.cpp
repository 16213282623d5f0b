#include "engine/paginacion.h"

#include "engine/utf16.h"

#include <cstdint>

namespace tecladas {

Paginacion pasoPaginacion(SesionExamen& sesion, MedidorLineas& medidor) {
    Paginacion resultado;
    if (sesion.lineasPagina <= 0) {
        return resultado;
    }
    const std::int32_t linea = medidor.lineaDelFinal(sesion.textoOculto) + sesion.paginasPasadas;
    const bool enFrontera = linea % sesion.lineasPagina == 0;
    if (!enFrontera) {
        sesion.paginaPendiente = true;
        return resultado;
    }
    resultado.aviso = true;
    if (!sesion.paginaPendiente) {
        return resultado;
    }
    if (!incrementarContador(sesion.paginasPasadas)) {
        resultado.limiteAlcanzado = true;
        sesion.limiteAlcanzado = true;
        return resultado;
    }
    sesion.paginaPendiente = false;
    resultado.paginaPasada = true;
    // The page starts at the character just typed, counted in the hidden buffer, where each Enter
    // is one character against the two of a CR LF in the reference: after m line breaks the
    // page starts m characters early. The first Enter of a repetition leaves the buffer empty.
    const std::size_t longitudOculto = sesion.textoOculto.size();
    std::size_t inicio = longitudOculto == 0 ? 0 : longitudOculto - 1;
    if (inicio > sesion.textoReferencia.size()) {
        inicio = sesion.textoReferencia.size();
    }
    // Never start a page on the second half of a surrogate pair.
    if (inicio > 0 && inicio < sesion.textoReferencia.size()) {
        if (utf16::esSustitutoBajo(sesion.textoReferencia[inicio]) &&
            utf16::esSustitutoAlto(sesion.textoReferencia[inicio - 1])) {
            --inicio;
        }
    }
    resultado.inicioPagina = inicio;
    return resultado;
}

} // namespace tecladas
