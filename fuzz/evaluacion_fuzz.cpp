// The judge fed arbitrary targets and key sequences, from any counter values: the typed text
// stays a prefix of the target, the counters move exactly by the verdicts and never pass their
// limit, and a page never starts outside the reference.
#include "engine/evaluacion.h"
#include "engine/utf16.h"
#include "exigir.h"
#include "support/medidor_fijo.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

/// A short target made of a few letters, accented ones, line breaks as CR LF and a character
/// outside the basic plane, so that random keys often hit it.
std::u16string objetivoAlAzar(FuzzedDataProvider& datos) {
    static constexpr char16_t kPiezas[][3] = {u"a",          u"b",  u"A",  u"Z",   u"{", u"z",
                                              u" ",          u"\t", u"á",  u"ñ",   u"€", u"\r\n",
                                              u"\U0001F600", u"\r", u"\n", u"\x7f"};
    std::u16string objetivo;
    const int piezas = datos.ConsumeIntegralInRange<int>(0, 40);
    for (int i = 0; i < piezas; ++i) {
        objetivo += kPiezas[datos.ConsumeIntegralInRange<std::size_t>(0, std::size(kPiezas) - 1)];
    }
    return objetivo;
}

char32_t teclaAlAzar(FuzzedDataProvider& datos, const tecladas::SesionExamen& sesion) {
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: { // the next unit of the target, which is usually right
        const std::size_t posicion = sesion.textoEscrito.size();
        if (posicion < sesion.textoObjetivo.size()) {
            const char16_t c = sesion.textoObjetivo[posicion];
            return c == u'\r' ? tecladas::kTeclaEnter : c;
        }
        return tecladas::kTeclaEnter;
    }
    case 1:
        return datos.PickValueInArray<char32_t>(
            {U'a', U'A', U'á', U'€', 13, 10, 8, 0, U'\U0001F600', 0xD800});
    default:
        return datos.ConsumeIntegral<char32_t>();
    }
}

/// The rules in their plainest form: a key is accepted when its text (CR LF for Enter, two units
/// beyond the basic plane) is what the target holds next, or when it is the Enter that starts a
/// repetition; a surrogate or anything past U+10FFFF is no character and is never accepted.
bool aceptable(const tecladas::SesionExamen& sesion, char32_t tecla) {
    const std::u16string& objetivo = sesion.textoObjetivo;
    const std::size_t posicion = sesion.textoEscrito.size();
    if (posicion == objetivo.size()) {
        // The Enter that extends the target (the window has ended the run before, unless
        // repetition is on).
        return tecla == tecladas::kTeclaEnter;
    }
    std::u16string unidades;
    if (tecla == tecladas::kTeclaEnter) {
        unidades = u"\r\n";
    } else if (!tecladas::utf16::esCaracter(tecla)) {
        return false;
    } else {
        tecladas::utf16::anadir(unidades, tecla);
    }
    return objetivo.compare(posicion, unidades.size(), unidades) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t tamano) {
    using namespace tecladas;
    FuzzedDataProvider datos(bytes, tamano);
    SesionExamen sesion;
    sesion.paginaPendiente = datos.ConsumeBool();
    const bool repetir = datos.ConsumeBool();
    prepararEjecucion(sesion, objetivoAlAzar(datos));
    sesion.aciertos = datos.ConsumeIntegralInRange<std::int16_t>(0, kMaximoContador);
    sesion.errores = datos.ConsumeIntegralInRange<std::int16_t>(0, kMaximoContador);
    sesion.paginasPasadas = datos.ConsumeIntegralInRange<std::int16_t>(0, kMaximoContador);
    prueba::MedidorFijo medidor(datos.ConsumeIntegralInRange<int>(1, 20));

    while (datos.remaining_bytes() > 0) {
        const std::int16_t aciertos = sesion.aciertos;
        const std::int16_t errores = sesion.errores;
        const std::size_t escritos = sesion.textoEscrito.size();
        const bool pegado = datos.ConsumeIntegralInRange<int>(0, 15) == 0;
        const char32_t tecla = pegado ? 0 : teclaAlAzar(datos, sesion);
        const bool debeAceptarse = !pegado && aceptable(sesion, tecla);
        const bool ultimaCorrecta = sesion.ultimaCorrecta;
        const Veredicto v = pegado ? rechazarTecla(sesion) : evaluarTecla(sesion, tecla, repetir, medidor);
        EXIGIR(sesion.textoObjetivo.compare(0, sesion.textoEscrito.size(), sesion.textoEscrito) == 0);
        EXIGIR(sesion.textoEscrito.size() <= sesion.textoObjetivo.size());
        EXIGIR(sesion.textoOculto.size() <= sesion.textoEscrito.size());
        EXIGIR(sesion.aciertos >= 0 && sesion.errores >= 0 && sesion.paginasPasadas >= 0);
        EXIGIR(sesion.aciertos == aciertos + v.peso);
        EXIGIR(sesion.errores == errores + (v.errorContado ? 1 : 0));
        if (v.resultado != Veredicto::Resultado::Ignorada) {
            EXIGIR((v.resultado == Veredicto::Resultado::Aceptada) == debeAceptarse);
            EXIGIR(v.errorContado == (!debeAceptarse && ultimaCorrecta));
        }
        switch (v.resultado) {
        case Veredicto::Resultado::Aceptada:
            EXIGIR(v.peso == pesoTecla(tecla) && sesion.textoEscrito.size() > escritos);
            EXIGIR(v.paginacion.inicioPagina <= sesion.textoReferencia.size());
            break;
        case Veredicto::Resultado::Rechazada:
        case Veredicto::Resultado::Ignorada:
            EXIGIR(sesion.textoEscrito.size() == escritos && v.peso == 0);
            break;
        }
        // The window ends the run on these; nothing is judged after them.
        if (v.limiteAlcanzado || v.fin == FinTexto::Terminado) {
            EXIGIR(v.resultado != Veredicto::Resultado::Ignorada || v.limiteAlcanzado);
            break;
        }
    }
    return 0;
}
