#pragma once

#include "engine/sesion_examen.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tecladas {

/// How a run ended. The numbers are what the history keeps: never change one.
enum class FinPrueba : int {
    TiempoAgotado = 1,   ///< the clock reached the exam's minutes
    Detenida = 2,        ///< the user stopped it (or closed the window during it)
    TextoCompletado = 3, ///< the whole text was typed with repetition off
    LimiteAlcanzado = 4, ///< a 16-bit counter reached its limit
};

/// A character the typing missed and how many counted errors it cost.
struct CaracterFallado {
    char32_t caracter = 0; ///< a line break as 13, the code of Enter
    int veces = 0;
    friend bool operator==(const CaracterFallado&, const CaracterFallado&) = default;
};

/// A character the text expected and how many times the run reached it, typed right or missed.
struct CaracterIntentado {
    char32_t caracter = 0; ///< a line break as 13, the code of Enter
    int veces = 0;
    friend bool operator==(const CaracterIntentado&, const CaracterIntentado&) = default;
};

/// What the history keeps of a run that has ended, besides its date and its text's name.
struct ResumenPrueba {
    std::uint64_t huella = 0; ///< of the reference text, so runs of one text group together
    std::int16_t minutos = 0; ///< set for the exam
    std::int16_t segundos = 0;
    std::int16_t aciertos = 0;
    std::int16_t errores = 0;
    double aciertosPorMinuto = 0;
    double tecladasNetasMin = 0;
    double nota = 0;
    std::int16_t puntMin = 0;
    std::int16_t puntApr = 0;
    std::int16_t puntMax = 0;
    bool repetir = false;
    FinPrueba fin = FinPrueba::Detenida;
    std::vector<CaracterFallado> fallados; ///< in the order of their codes
    /// In the order of their codes; each missed character is among them, with at least as many
    /// attempts as misses. Empty for runs recorded before attempts were kept.
    std::vector<CaracterIntentado> intentados;
};

/// Sums up a run that has just ended, with the repeat setting it ran with. The ending is read
/// off the record: a counter's limit, then the time, then a completed text; otherwise a stop.
ResumenPrueba resumirPrueba(const SesionExamen& sesion, bool repetir);

/// A run that lasted under a minute: its rates are extrapolated from too few keystrokes to compare
/// with full runs.
bool pruebaCorta(const ResumenPrueba& resumen);
/// A run shorter than this many seconds is short: it stays in the history but counts in no
/// summary figure.
inline constexpr int kSegundosPruebaValida = 60;

/// Elapsed seconds as minutes and seconds, "m:ss" ("0:02", "10:00", "125:30").
std::string duracionMinutos(int segundos);

/// Elapsed seconds as "h:mm:ss", the form spreadsheet programs read as a duration (they read
/// "m:ss" as hours and minutes).
std::string duracionHoras(int segundos);

/// The opening words of a text, to tell apart texts that have no name: every run of blanks and line
/// breaks becomes one space, and a longer text is cut at the last word boundary within `maximo`
/// characters (inside a first word longer than that) and ended by "…".
std::u16string primerasPalabras(std::u16string_view texto, std::size_t maximo);

/// A 64-bit fingerprint (FNV-1a) of a text's UTF-16 units. Equal texts give equal fingerprints.
std::uint64_t huellaTexto(std::u16string_view texto);

} // namespace tecladas
