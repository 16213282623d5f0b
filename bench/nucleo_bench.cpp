// Bound 1: the judge plus the paging step with the real line measurer, per keystroke.
#include "apoyo.h"

#include "engine/evaluacion.h"
#include "engine/sesion_examen.h"
#include "ui/escritorio/conversion.h"
#include "ui/examen/medidor_lineas_texto.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace tecladas::banco {
namespace {

/// The keys that type `texto`: its code points, "\n" as Enter.
std::vector<char32_t> teclasDe(const QString& texto) {
    std::vector<char32_t> teclas;
    for (const char32_t c : texto.toUcs4()) {
        teclas.push_back(c == U'\n' ? kTeclaEnter : c);
    }
    return teclas;
}

constexpr std::size_t kVentanaMedida = 208; // two wrapped lines: every length of the last line
constexpr int kRondas = 40;

/// The judge and the paging step of keys `desde` .. `desde + kVentanaMedida`, each timed alone,
/// from a copy of the state reached after typing `desde` keys.
void medirVentana(const SesionExamen& sesion, const MedidorLineasTexto& medidor,
                  const std::vector<char32_t>& teclas, std::size_t desde, Muestras& muestras) {
    SesionExamen copia = sesion;
    MedidorLineasTexto medidorCopia = medidor;
    for (std::size_t i = desde; i < desde + kVentanaMedida; ++i) {
        copia.aciertos = 0; // see VentanaBanco::reiniciarContadores
        const auto inicio = std::chrono::steady_clock::now();
        const Veredicto v = evaluarTecla(copia, teclas[i], false, medidorCopia);
        muestras.anadir(microsDesde(inicio));
        benchmark::DoNotOptimize(v);
    }
}

void juicioPorTecla(benchmark::State& state, const QString& referencia, const std::string& cota) {
    VentanaBanco banco;
    const std::vector<char32_t> teclas = teclasDe(referencia);
    for (auto _ : state) {
        SesionExamen sesion;
        prepararEjecucion(sesion,
                          aU16(QString(referencia).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))));
        MedidorLineasTexto medidor;
        medidor.ajustarA(*banco.texto());

        auto teclearHasta = [&, i = std::size_t{0}](std::size_t hasta) mutable {
            for (; i < hasta; ++i) {
                sesion.aciertos = 0;
                benchmark::DoNotOptimize(evaluarTecla(sesion, teclas[i], false, medidor));
            }
        };
        teclearHasta(100);
        const SesionExamen sesionAl100 = sesion;
        const MedidorLineasTexto medidorAl100 = medidor;
        teclearHasta(50000);
        // Rounds at both lengths alternate, so that both see the same load on the machine.
        Muestras a100;
        Muestras a50000;
        for (int ronda = 0; ronda < kRondas; ++ronda) {
            medirVentana(sesionAl100, medidorAl100, teclas, 100, a100);
            medirVentana(sesion, medidor, teclas, 50000, a50000);
        }

        const double razon = a50000.mediana() / a100.mediana();
        state.SetIterationTime(a50000.mediana() / 1e6);
        state.counters["median_at_100_us"] = a100.mediana();
        state.counters["median_at_50000_us"] = a50000.mediana();
        state.counters["ratio"] = razon;
        anotarCota(cota, razon, 1.5, "x", true);
    }
}

void BM_JuicioPorTecla_Parrafos(benchmark::State& state) {
    juicioPorTecla(state, textoEnParrafos(60000),
                   "1. judge+paging per key, median@50000 / median@100, paragraphs");
}

void BM_JuicioPorTecla_UnParrafo(benchmark::State& state) {
    juicioPorTecla(state, textoSinSaltos(60000),
                   "1. judge+paging per key, median@50000 / median@100, one paragraph");
}

BENCHMARK(BM_JuicioPorTecla_Parrafos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JuicioPorTecla_UnParrafo)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tecladas::banco
