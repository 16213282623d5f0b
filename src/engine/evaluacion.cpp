#include "engine/evaluacion.h"

#include "engine/utf16.h"

#include <cstddef>
#include <string>

namespace tecladas {

namespace {

constexpr char16_t kCR = u'\r';
constexpr char16_t kLF = u'\n';

/// The UTF-16 units of a key as it enters the typed text: CR LF for Enter, none for a code point
/// that is no character.
std::u16string unidadesDeTecla(char32_t tecla) {
    if (tecla == kTeclaEnter) {
        return {kCR, kLF};
    }
    std::u16string unidades;
    if (utf16::esCaracter(tecla)) {
        utf16::anadir(unidades, tecla);
    }
    return unidades;
}

bool siguePrefijo(const std::u16string& objetivo, std::size_t posicion, const std::u16string& unidades) {
    return objetivo.size() - posicion >= unidades.size() &&
           objetivo.compare(posicion, unidades.size(), unidades) == 0;
}

/// The character the typing must produce next: Enter for a line break or past the end.
char32_t caracterEsperado(const SesionExamen& sesion) {
    const std::u16string& objetivo = sesion.textoObjetivo;
    const std::size_t posicion = sesion.textoEscrito.size();
    if (posicion >= objetivo.size() || objetivo[posicion] == kCR) {
        return kTeclaEnter;
    }
    const char16_t c = objetivo[posicion];
    if (utf16::esSustitutoAlto(c) && posicion + 1 < objetivo.size() &&
        utf16::esSustitutoBajo(objetivo[posicion + 1])) {
        return utf16::combinar(c, objetivo[posicion + 1]);
    }
    return c;
}

} // namespace

int pesoTecla(char32_t tecla) {
    return (tecla >= U'A' && tecla <= U'Z') || tecla >= 123 ? 2 : 1;
}

Veredicto rechazarTecla(SesionExamen& sesion) {
    Veredicto veredicto;
    // Only the first key of a run of wrong keys counts, and none before the first right one.
    if (sesion.ultimaCorrecta) {
        if (!incrementarContador(sesion.errores)) {
            veredicto.resultado = Veredicto::Resultado::Ignorada;
            veredicto.limiteAlcanzado = true;
            sesion.limiteAlcanzado = true;
            return veredicto;
        }
        sesion.ultimaCorrecta = false;
        veredicto.errorContado = true;
        veredicto.esperado = caracterEsperado(sesion);
        // Never more than `errores`, so it stays within 16 bits.
        ++sesion.caracteresFallados[veredicto.esperado];
        ++sesion.caracteresIntentados[veredicto.esperado];
    }
    return veredicto;
}

Veredicto evaluarTecla(SesionExamen& sesion, char32_t tecla, bool repetir, MedidorLineas& medidor) {
    Veredicto veredicto;
    const std::size_t posicion = sesion.textoEscrito.size();
    const bool textoCompleto = posicion >= sesion.textoObjetivo.size();
    const bool esEnter = tecla == kTeclaEnter;
    const std::u16string unidades = unidadesDeTecla(tecla);

    bool aceptada;
    if (textoCompleto) {
        // Once the whole target is typed only Enter goes on, and it always fits, since it is
        // followed by a line break and a new copy of the reference.
        aceptada = esEnter;
        veredicto.ampliado = esEnter;
    } else {
        // A surrogate code point is half of a character: it could only match half of one.
        aceptada = utf16::esCaracter(tecla) && siguePrefijo(sesion.textoObjetivo, posicion, unidades);
    }

    if (!aceptada) {
        return rechazarTecla(sesion);
    }

    const int peso = pesoTecla(tecla);
    if (!incrementarContador(sesion.aciertos, peso)) {
        veredicto.resultado = Veredicto::Resultado::Ignorada;
        veredicto.ampliado = false;
        veredicto.limiteAlcanzado = true;
        sesion.limiteAlcanzado = true;
        return veredicto;
    }
    veredicto.resultado = Veredicto::Resultado::Aceptada;
    veredicto.peso = peso;
    // After the first accepted key only a counted error clears `ultimaCorrecta`, and that error
    // already counted this place's attempt.
    if (sesion.ultimaCorrecta || posicion == 0) {
        ++sesion.caracteresIntentados[tecla];
    }
    sesion.ultimaCorrecta = true;

    if (veredicto.ampliado) {
        sesion.textoObjetivo.reserve(sesion.textoObjetivo.size() + 2 + sesion.textoReferencia.size());
        sesion.textoObjetivo += kCR;
        sesion.textoObjetivo += kLF;
        sesion.textoObjetivo += sesion.textoReferencia;
    } else if (esEnter) {
        sesion.textoOculto += kCR;
    } else {
        sesion.textoOculto += unidades;
    }
    sesion.textoEscrito += unidades;

    veredicto.paginacion = pasoPaginacion(sesion, medidor);
    veredicto.limiteAlcanzado = veredicto.paginacion.limiteAlcanzado;

    if (sesion.textoEscrito.size() == sesion.textoObjetivo.size()) {
        if (repetir) {
            veredicto.fin = FinTexto::RepeticionOfrecida;
            sesion.textoOculto.clear();
        } else {
            veredicto.fin = FinTexto::Terminado;
        }
    }
    return veredicto;
}

} // namespace tecladas
