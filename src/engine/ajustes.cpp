#include "engine/ajustes.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace tecladas {

namespace {

bool esDigito(char16_t c) {
    return c >= u'0' && c <= u'9';
}

/// Accumulates a digit without passing the 16-bit limit; the boxes hold at most three digits,
/// so saturation only guards against a caller that passes more.
std::int16_t anadirDigito(std::int16_t valor, char16_t digito) {
    const int siguiente = valor * 10 + (digito - u'0');
    return static_cast<std::int16_t>(siguiente > kMaximoContador ? kMaximoContador : siguiente);
}

std::int16_t leerTiempo(std::u16string_view mostrado) {
    std::int16_t valor = 0;
    for (const char16_t c : mostrado) {
        if (c == u' ') {
            continue;
        }
        if (!esDigito(c)) {
            break;
        }
        valor = anadirDigito(valor, c);
    }
    return valor;
}

} // namespace

std::optional<std::int16_t> leerUmbral(std::u16string_view mostrado) {
    const auto primero = mostrado.find_first_not_of(u' ');
    if (primero == std::u16string_view::npos) {
        return std::nullopt;
    }
    const auto ultimo = mostrado.find_last_not_of(u' ');
    std::int16_t valor = 0;
    for (const char16_t c : mostrado.substr(primero, ultimo - primero + 1)) {
        if (!esDigito(c)) {
            return std::nullopt;
        }
        valor = anadirDigito(valor, c);
    }
    return valor;
}

RechazoInicio iniciarEjecucion(SesionExamen& sesion, const AjustesMostrados& ajustes,
                               std::u16string textoReferencia) {
    const std::int16_t tiempoMax = leerTiempo(ajustes.tiempo);
    const std::optional<std::int16_t> puntMin = leerUmbral(ajustes.puntMin);
    const std::optional<std::int16_t> puntApr = leerUmbral(ajustes.puntApr);
    const std::optional<std::int16_t> puntMax = leerUmbral(ajustes.puntMax);
    if (textoReferencia.empty()) {
        return RechazoInicio::SinTexto;
    }
    if (tiempoMax == 0) {
        return RechazoInicio::SinTiempo;
    }
    if (!puntMin) {
        return RechazoInicio::SinPuntMin;
    }
    if (!puntApr) {
        return RechazoInicio::SinPuntApr;
    }
    if (!puntMax) {
        return RechazoInicio::SinPuntMax;
    }
    if (*puntMin >= *puntApr) {
        return RechazoInicio::MinNoInferiorApr;
    }
    if (*puntApr >= *puntMax) {
        return RechazoInicio::AprNoInferiorMax;
    }
    sesion.tiempoMax = tiempoMax;
    sesion.puntMin = *puntMin;
    sesion.puntApr = *puntApr;
    sesion.puntMax = *puntMax;
    prepararEjecucion(sesion, std::move(textoReferencia));
    return RechazoInicio::Ninguno;
}

} // namespace tecladas
