#pragma once

#include "engine/sesion_examen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tecladas {

/// The four settings as their boxes show them, with a blank in each empty place.
struct AjustesMostrados {
    std::u16string_view tiempo;
    std::u16string_view puntMin;
    std::u16string_view puntApr;
    std::u16string_view puntMax;
};

/// The three grading thresholds as the settings hold them; a box that holds no number gives none.
struct Umbrales {
    std::optional<std::int16_t> minimo;
    std::optional<std::int16_t> aprobado;
    std::optional<std::int16_t> maximo;
    friend bool operator==(const Umbrales&, const Umbrales&) = default;
};

/// Reads a threshold box as shown: blanks at either end are ignored and the rest must be
/// digits. A blank box, or one with a blank between its digits, is not a number.
std::optional<std::int16_t> leerUmbral(std::u16string_view mostrado);

/// Why Start refuses to begin a run; the checks are made in this order.
enum class RechazoInicio {
    Ninguno,
    SinTexto,         ///< the reference text is empty
    SinTiempo,        ///< the time reads 0
    SinPuntMin,       ///< the minimum to score is not a number
    SinPuntApr,       ///< the pass mark is not a number
    SinPuntMax,       ///< the top mark is not a number
    MinNoInferiorApr, ///< puntMin >= puntApr
    AprNoInferiorMax, ///< puntApr >= puntMax
};

/// Start: reads the settings, checks them and the reference text (its line breaks already CR LF)
/// in the order of `RechazoInicio`, and when no check fails writes the settings into `sesion` and
/// prepares a new run on the text (`prepararEjecucion`). A refused Start leaves `sesion` untouched.
///
/// The time box loses every blank and its leading digits make the number, so " 1" and "1 " are 1
/// and a blank box is 0; each threshold box is read by `leerUmbral`.
RechazoInicio iniciarEjecucion(SesionExamen& sesion, const AjustesMostrados& ajustes,
                               std::u16string textoReferencia);

} // namespace tecladas
