#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tecladas {

/// Highest value a 16-bit counter of the run may hold. An increment beyond it is never made:
/// the run ends instead (see `LimiteAlcanzado` in the verdicts).
inline constexpr std::int16_t kMaximoContador = 32767;

/// The one record of an exam run. The window owns it for its whole life; a new run resets the
/// per-run fields in place (`prepararEjecucion`), the others keep their values. The page length
/// and the three grades are constants of the exam and never change.
///
/// Texts are UTF-16, the same units the window's text boxes use, so that positions agree.
/// Every line break of `textoObjetivo` and `textoReferencia` is CR LF.
struct SesionExamen {
    std::int16_t aciertos = 0;       ///< weighted count of accepted keystrokes
    std::int16_t errores = 0;        ///< error runs: consecutive refused keys count once
    std::int16_t segundos = 0;       ///< elapsed seconds (clock ticks) of the run
    std::int16_t tiempoMax = 0;      ///< length of the exam in minutes
    std::int16_t lineasPagina = 16;  ///< lines per page of the reference view
    bool ultimaCorrecta = false;     ///< the last judged key was accepted
    bool paginaPendiente = false;    ///< a page turn is due at the next boundary
    std::u16string textoObjetivo;    ///< what the typing must reproduce; grows in repeat mode
    std::u16string textoReferencia;  ///< the reference text as it stood when the run started
    std::int16_t puntMin = 0;        ///< net keystrokes a minute below which the grade is 0
    std::int16_t puntApr = 0;        ///< net keystrokes a minute that pass
    std::int16_t puntMax = 0;        ///< net keystrokes a minute for the top grade
    std::int16_t paginasPasadas = 0; ///< page turns made in this run
    double notaAprobado = 5;         ///< grade at `puntApr`
    double notaMaxima = 10;          ///< grade at `puntMax` and above
    double notaTopeSuspenso = 4.99;  ///< grade that a rate just under `puntApr` approaches

    /// What the typing box holds: always a prefix of `textoObjetivo`, since only accepted keys
    /// are appended to it, at its end.
    std::u16string textoEscrito;
    /// The hidden measuring buffer: what was accepted in the current repetition, with each
    /// Enter as CR alone. Its wrapped line count drives the paging of the reference box.
    std::u16string textoOculto;
    /// For each character the text expected where an error was counted, how many such errors it
    /// cost (a line break as 13, the code of Enter).
    std::map<char32_t, std::int16_t> caracteresFallados;
    /// For each character, how many times the typing reached it in the text: typed right at
    /// once, or missed (an error counted there, whatever came after it). A character's misses
    /// never pass its attempts. Bounded by the accepted keys plus one, so 32 bits never overflow.
    std::map<char32_t, std::int32_t> caracteresIntentados;
    /// A counter could not be incremented: the run ends at its limit.
    bool limiteAlcanzado = false;
};

/// Resets the per-run fields for a new run on `textoReferencia` (its line breaks already CR LF):
/// counters to 0, both texts to the reference, typed text, hidden buffer, missed and attempted
/// characters emptied, and `ultimaCorrecta` and `limiteAlcanzado` false. The settings, the constants and
/// `paginaPendiente` are not touched.
void prepararEjecucion(SesionExamen& sesion, std::u16string textoReferencia);

/// Adds `cantidad` (non-negative) to a 16-bit counter unless the sum would pass
/// `kMaximoContador`; returns whether the increment was made.
bool incrementarContador(std::int16_t& contador, int cantidad = 1);

} // namespace tecladas
