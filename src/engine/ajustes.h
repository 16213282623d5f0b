#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tecladas {

/// Reads the exam-time box as shown (blanks in the empty places): every blank is dropped and
/// the leading digits make the number, so " 1" and "1 " are 1 and a blank box is 0.
std::int16_t leerTiempo(std::u16string_view mostrado);

/// Reads a threshold box as shown: blanks at either end are ignored and the rest must be
/// digits. A blank box, or one with a blank between its digits, is not a number.
std::optional<std::int16_t> leerUmbral(std::u16string_view mostrado);

/// The four settings as Start reads them.
struct AjustesLeidos {
    std::int16_t tiempoMax = 0;
    std::optional<std::int16_t> puntMin;
    std::optional<std::int16_t> puntApr;
    std::optional<std::int16_t> puntMax;
};

/// Why Start refuses to begin a run; the checks are made in this order.
enum class RechazoInicio {
    Ninguno,
    SinTexto,         ///< the reference box is empty
    SinTiempo,        ///< the time reads 0
    SinPuntMin,       ///< the minimum to score is not a number
    SinPuntApr,       ///< the pass mark is not a number
    SinPuntMax,       ///< the top mark is not a number
    MinNoInferiorApr, ///< puntMin >= puntApr
    AprNoInferiorMax, ///< puntApr >= puntMax
};

/// The first check of Start that fails, or `Ninguno` when a run may begin.
RechazoInicio comprobarInicio(bool textoVacio, const AjustesLeidos& ajustes);

} // namespace tecladas
