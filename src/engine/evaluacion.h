#pragma once

#include "engine/paginacion.h"
#include "engine/sesion_examen.h"

namespace tecladas {

/// The Enter key as the judge receives it. It is judged as the line break CR LF.
inline constexpr char32_t kTeclaEnter = 13;

/// Weight of an accepted key: 2 for "A" to "Z" and for every character from code 123 up
/// (accented letters among them), 1 for the rest, Enter included.
int pesoTecla(char32_t tecla);

/// What an accepted key did to the end of the text.
enum class FinTexto {
    Ninguno,            ///< the text goes on
    Terminado,          ///< the whole text is typed and repetition is off: end the run
    RepeticionOfrecida, ///< the whole text is typed in repeat mode: ask for Enter
};

/// Everything the window must show for one keystroke, in the order it shows it.
struct Veredicto {
    enum class Resultado {
        Rechazada, ///< beep, error mark, red reference text; nothing reaches the typing box
        Aceptada,  ///< the key was appended to `textoEscrito`; the window appends it to the box
        Ignorada,  ///< nothing was judged because a counter is at its limit
    };
    Resultado resultado = Resultado::Rechazada;
    bool errorContado = false; ///< a refused key that started a new error run
    /// With a counted error, the character the text expected there (`kTeclaEnter` for a line
    /// break, or for the Enter awaited at the end of the text in repeat mode).
    char32_t esperado = 0;
    int peso = 0;          ///< what an accepted key added to `aciertos`
    bool ampliado = false; ///< the Enter that started a new repetition of the text
    Paginacion paginacion; ///< the paging step of an accepted key
    FinTexto fin = FinTexto::Ninguno;
    /// A 16-bit counter would have passed its limit: the run must end now, with its results.
    bool limiteAlcanzado = false;
};

/// Refuses a keystroke without comparing it: a text that arrived at once (a paste) cannot have
/// been typed. Counts an error under the same rule as a wrong key, and the expected character
/// in `caracteresFallados`.
Veredicto rechazarTecla(SesionExamen& sesion);

/// Judges one keystroke of a run: `tecla` is the typed character (a Unicode code point, Enter
/// as `kTeclaEnter`); `repetir` is the repeat setting of the run. An accepted key is appended
/// to the typed text and, but for the Enter that starts a repetition, to the hidden buffer; it
/// then runs the paging step with `medidor`. Since the typed text is always a prefix of the
/// target, only the next one or two characters of the target are compared.
Veredicto evaluarTecla(SesionExamen& sesion, char32_t tecla, bool repetir, MedidorLineas& medidor);

} // namespace tecladas
