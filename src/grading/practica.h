#pragma once

#include "grading/teclado_espanol.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tecladas {

/// Keys whose rate is shown (see `kIntentosMinimosTecla`) that the history must have before it
/// can tell which keys are weak.
inline constexpr std::size_t kTeclasMinimasPractica = 10;

/// Weak keys one practice text works on.
inline constexpr std::size_t kTeclasPractica = 5;

/// Why no practice text could be built.
enum class FaltaPractica {
    Nada,      ///< the text is built
    Historial, ///< fewer than `kTeclasMinimasPractica` keys have enough attempts
    Fallos,    ///< no key with enough attempts was ever missed
    Palabras,  ///< no word of the texts given uses a weak key
};

/// A practice text and the weak keys it works on.
struct Practica {
    std::u16string texto;
    std::vector<std::size_t> teclas; ///< indices in `tecladoEspanol()`, weakest first
    FaltaPractica falta = FaltaPractica::Nada;
};

/// Builds a practice text from the words of `textos` (UTF-16; words are what lies between
/// spaces, tabs and line breaks, punctuation included) that use the weakest keys of `uso` (one
/// entry a key, as `RecuentoTeclas::porTecla`). Of the weakest keys that some word uses, up to
/// `kTeclasPractica` are practised; words go round the keys, the weaker a key the more words it
/// brings, each key's words those with most practised keys first, then in the order they first
/// appear. Words with a character the keyboard cannot type are left out. The text is one
/// paragraph of words separated by single spaces, ending at the first word that makes it at
/// least `longitud` UTF-16 units long. The same input always gives the same text.
Practica construirPractica(const std::vector<std::u16string>& textos, const std::vector<UsoTecla>& uso,
                           std::size_t longitud);

} // namespace tecladas
