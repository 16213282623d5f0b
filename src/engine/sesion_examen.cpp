#include "engine/sesion_examen.h"

#include <utility>

namespace tecladas {

void prepararEjecucion(SesionExamen& sesion, std::u16string textoReferencia) {
    sesion.segundos = 0;
    sesion.errores = 0;
    sesion.aciertos = 0;
    sesion.paginasPasadas = 0;
    sesion.textoObjetivo = textoReferencia;
    sesion.textoReferencia = std::move(textoReferencia);
    sesion.textoEscrito.clear();
    sesion.textoOculto.clear();
    sesion.ultimaCorrecta = false;
    sesion.caracteresFallados.clear();
    sesion.caracteresIntentados.clear();
    sesion.limiteAlcanzado = false;
}

bool incrementarContador(std::int16_t& contador, int cantidad) {
    if (static_cast<int>(contador) + cantidad > kMaximoContador) {
        return false;
    }
    contador = static_cast<std::int16_t>(contador + cantidad);
    return true;
}

} // namespace tecladas
