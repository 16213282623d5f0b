#include "grading/resumen_prueba.h"

#include "grading/calificacion.h"
#include "grading/estadisticas.h"

#include <algorithm>

namespace tecladas {

namespace {

FinPrueba comoTermino(const SesionExamen& sesion, bool repetir) {
    if (sesion.limiteAlcanzado) {
        return FinPrueba::LimiteAlcanzado;
    }
    if (sesion.tiempoMax > 0 && sesion.segundos >= 60 * sesion.tiempoMax) {
        return FinPrueba::TiempoAgotado;
    }
    // In repeat mode a typed text waits for Enter: only a stop ends such a run.
    if (!repetir && !sesion.textoObjetivo.empty() &&
        sesion.textoEscrito.size() == sesion.textoObjetivo.size()) {
        return FinPrueba::TextoCompletado;
    }
    return FinPrueba::Detenida;
}

bool esBlanco(char16_t c) {
    return c <= u' ' || c == u'\u00A0' || c == u'\u2028' || c == u'\u2029';
}

} // namespace

ResumenPrueba resumirPrueba(const SesionExamen& sesion, bool repetir) {
    const Estadisticas cifras = calcularEstadisticas(sesion);
    ResumenPrueba resumen;
    resumen.huella = huellaTexto(sesion.textoReferencia);
    resumen.minutos = sesion.tiempoMax;
    resumen.segundos = sesion.segundos;
    resumen.aciertos = sesion.aciertos;
    resumen.errores = sesion.errores;
    resumen.aciertosPorMinuto = cifras.aciertosPorMinuto;
    resumen.tecladasNetasMin = cifras.tecladasNetasMin;
    resumen.nota = notaDeLaPrueba(sesion);
    resumen.puntMin = sesion.puntMin;
    resumen.puntApr = sesion.puntApr;
    resumen.puntMax = sesion.puntMax;
    resumen.repetir = repetir;
    resumen.fin = comoTermino(sesion, repetir);
    for (const auto& [caracter, veces] : sesion.caracteresFallados) {
        resumen.fallados.push_back({caracter, veces});
    }
    for (const auto& [caracter, veces] : sesion.caracteresIntentados) {
        resumen.intentados.push_back({caracter, veces});
    }
    return resumen;
}

bool pruebaCorta(const ResumenPrueba& resumen) {
    return resumen.segundos < kSegundosPruebaValida;
}

std::string duracionMinutos(int segundos) {
    segundos = std::max(segundos, 0);
    const int resto = segundos % 60;
    return std::to_string(segundos / 60) + ':' + char('0' + resto / 10) + char('0' + resto % 10);
}

std::string duracionHoras(int segundos) {
    segundos = std::max(segundos, 0);
    const std::string minutos = duracionMinutos(segundos % 3600);
    return std::to_string(segundos / 3600) + (minutos.size() < 5 ? ":0" : ":") + minutos;
}

std::u16string primerasPalabras(std::u16string_view texto, std::size_t maximo) {
    std::u16string palabras;
    bool blanco = false;
    // One character past the limit tells whether the text goes on; the rest is never read.
    for (auto c = texto.begin(); c != texto.end() && palabras.size() <= maximo; ++c) {
        if (esBlanco(*c)) {
            blanco = !palabras.empty();
            continue;
        }
        if (blanco) {
            palabras += u' ';
            blanco = false;
        }
        palabras += *c;
    }
    if (palabras.size() <= maximo) {
        return palabras;
    }
    std::size_t corte = palabras.rfind(u' ', maximo);
    if (corte == std::u16string::npos) {
        // One long word: cut inside it, never between the halves of a surrogate pair.
        corte = (palabras[maximo] & 0xFC00) == 0xDC00 ? maximo - 1 : maximo;
    }
    return palabras.substr(0, corte) + u'…';
}

std::uint64_t huellaTexto(std::u16string_view texto) {
    std::uint64_t huella = 14695981039346656037ull;
    for (const char16_t unidad : texto) {
        for (const unsigned octeto : {unidad & 0xFFu, unsigned(unidad) >> 8}) {
            huella = (huella ^ octeto) * 1099511628211ull;
        }
    }
    return huella;
}

} // namespace tecladas
