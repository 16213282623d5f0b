// Bounds 2, 3, 4 and 6: keystrokes, page turns, loading and Start through the real window.
#include "apoyo.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tecladas::banco {
namespace {

constexpr qsizetype kEscritos = 50000;
constexpr qsizetype kMuestrasAl100 = 500;
constexpr qsizetype kMuestrasAl50000 = 2000;

/// One keystroke as the user feels it: the key handled and the window painted.
double teclaPintada(VentanaBanco& banco, QChar caracter) {
    const auto inicio = std::chrono::steady_clock::now();
    banco.pulsar(caracter);
    banco.ventana->repaint();
    QCoreApplication::processEvents();
    return microsDesde(inicio);
}

/// Bounds 2 and 6 on `referencia`: the whole replay of the first 50,000 keys, the per-key times
/// after 50,000, and the per-key time over the 500 keys from the 100th, in two runs.
void teclaVentana(benchmark::State& state, const QString& referencia, const std::string& nombre,
                  double limiteP99) {
    for (auto _ : state) {
        VentanaBanco banco;
        banco.iniciarCon(referencia);
        Muestras a100;
        const auto inicioRepeticion = std::chrono::steady_clock::now();
        for (qsizetype i = 0; i < kEscritos; ++i) {
            if (i % 8000 == 0) {
                banco.reiniciarContadores();
            }
            const double us = teclaPintada(banco, referencia[i]);
            if (i >= 100 && i < 100 + kMuestrasAl100) {
                a100.anadir(us);
            }
        }
        const double repeticionUs = microsDesde(inicioRepeticion);
        banco.reiniciarContadores();
        Muestras a50000;
        for (qsizetype i = kEscritos; i < kEscritos + kMuestrasAl50000; ++i) {
            a50000.anadir(teclaPintada(banco, referencia[i]));
        }
        if (banco.registro->pitidos != 0 || !banco.registro->mensajes.isEmpty()) {
            state.SkipWithError("a key was refused or the run ended");
            return;
        }
        // The keys at 100 once more in a new run, so that they are not timed at one moment only.
        banco.ventana->cmdDetener_Click();
        banco.iniciarCon(referencia);
        for (qsizetype i = 0; i < 100 + kMuestrasAl100; ++i) {
            const double us = teclaPintada(banco, referencia[i]);
            if (i >= 100) {
                a100.anadir(us);
            }
        }
        // Mean against mean: the replay's total holds every slow key, so the keys at 100 count theirs.
        const double razonRepeticion = repeticionUs / (double(kEscritos) * a100.media());
        state.SetIterationTime(a50000.percentil(99) / 1e6);
        state.counters["mean_at_100_us"] = a100.media();
        state.counters["median_at_100_us"] = a100.mediana();
        state.counters["p99_at_100_us"] = a100.percentil(99);
        state.counters["median_at_50000_us"] = a50000.mediana();
        state.counters["p99_at_50000_us"] = a50000.percentil(99);
        state.counters["max_at_50000_us"] = a50000.percentil(100);
        state.counters["replay_50000_s"] = repeticionUs / 1e6;
        state.counters["replay_ratio"] = razonRepeticion;
        anotarCota("2. keystroke+repaint p99 @50000, " + nombre, a50000.percentil(99) / 1000, limiteP99,
                   "ms");
        anotarCota("6. replay of 50000 keys / (50000 x mean@100), " + nombre, razonRepeticion, 2, "x", true);
    }
}

void BM_TeclaVentana_Parrafos(benchmark::State& state) {
    teclaVentana(state, textoEnParrafos(60000), "paragraphs <= 1000", 2);
}
void BM_TeclaVentana_UnParrafo(benchmark::State& state) {
    teclaVentana(state, textoSinSaltos(60000), "one 60000-char paragraph", 16);
}
void BM_TeclaVentana_1MBSinSaltos(benchmark::State& state) {
    teclaVentana(state, textoSinSaltos(1000000), "1 MB with no line break", 16);
}

BENCHMARK(BM_TeclaVentana_Parrafos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeclaVentana_UnParrafo)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeclaVentana_1MBSinSaltos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr int kPasosMedidos = 8;

/// Bound 3: the keystrokes that turn the page of a 1 MB reference, each with its repaint.
void pasoPagina(benchmark::State& state, const QString& referencia, const std::string& nombre,
                double limiteMs) {
    for (auto _ : state) {
        VentanaBanco banco;
        banco.iniciarCon(referencia);
        Muestras pasos;
        for (qsizetype i = 0; pasos.cuantas() < kPasosMedidos && i < referencia.size(); ++i) {
            const int antes = banco.ventana->sesion().paginasPasadas;
            const double us = teclaPintada(banco, referencia[i]);
            if (banco.ventana->sesion().paginasPasadas != antes) {
                pasos.anadir(us);
            }
        }
        state.SetIterationTime(pasos.percentil(100) / 1e6);
        state.counters["turns"] = double(pasos.cuantas());
        state.counters["median_ms"] = pasos.mediana() / 1000;
        state.counters["max_ms"] = pasos.percentil(100) / 1000;
        anotarCota("3. page turn (slowest of 8), " + nombre, pasos.percentil(100) / 1000, limiteMs, "ms");
    }
}

void BM_PasoPagina_1MBParrafos(benchmark::State& state) {
    pasoPagina(state, textoEnParrafos(1000000), "1 MB of paragraphs", 16);
}
void BM_PasoPagina_1MBUnParrafo(benchmark::State& state) {
    pasoPagina(state, textoSinSaltos(1000000), "1 MB in one paragraph", 100);
}

BENCHMARK(BM_PasoPagina_1MBParrafos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasoPagina_1MBUnParrafo)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr int kCargas = 5;

/// Bound 4: `cmdCargar_Click` with the dialog answered in advance, until the reference box is
/// painted with the file; then the Start that follows, until the window is painted.
void cargaEInicio(benchmark::State& state, const QString& contenido, const std::string& nombre,
                  bool medirInicio, double limiteMs = 1000) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("texto.txt"));
    QFile archivo(ruta);
    (void)archivo.open(QIODevice::WriteOnly);
    const qint64 bytes = archivo.write(contenido.toUtf8());
    archivo.close();
    for (auto _ : state) {
        VentanaBanco banco;
        banco.registro->archivoElegido = ruta;
        QPushButton* const cargar = banco.boton("cmdCargar");
        QPushButton* const iniciar = banco.boton("cmdIniciar");
        Muestras cargas;
        Muestras inicios;
        for (int i = 0; i < kCargas; ++i) {
            banco.texto()->setPlainText(QStringLiteral("otro"));
            QCoreApplication::processEvents();
            auto inicio = std::chrono::steady_clock::now();
            cargar->click();
            banco.ventana->repaint();
            QCoreApplication::processEvents();
            cargas.anadir(microsDesde(inicio));
            if (banco.texto()->document()->characterCount() < contenido.size() / 2) {
                state.SkipWithError("the file was not loaded");
                return;
            }
            if (medirInicio) {
                inicio = std::chrono::steady_clock::now();
                iniciar->click();
                banco.ventana->repaint();
                QCoreApplication::processEvents();
                inicios.anadir(microsDesde(inicio));
                banco.ventana->cmdDetener_Click();
            }
        }
        state.SetIterationTime(cargas.mediana() / 1e6);
        state.counters["file_MB"] = double(bytes) / 1e6;
        state.counters["load_median_ms"] = cargas.mediana() / 1000;
        state.counters["load_max_ms"] = cargas.percentil(100) / 1000;
        anotarCota("4. load through cmdCargar_Click (median of 5), " + nombre, cargas.mediana() / 1000,
                   limiteMs, "ms");
        if (medirInicio) {
            state.counters["start_median_ms"] = inicios.mediana() / 1000;
            state.counters["start_max_ms"] = inicios.percentil(100) / 1000;
            anotarCota("4. Start after the load (median of 5), " + nombre, inicios.mediana() / 1000, 200,
                       "ms");
        }
    }
}

void BM_Carga_10MBParrafos(benchmark::State& state) {
    cargaEInicio(state, textoEnParrafos(10000000), "10 MB of paragraphs", true);
}
void BM_Carga_1MBSinSaltos(benchmark::State& state) {
    cargaEInicio(state, textoSinSaltos(1000000), "1 MB with no line break", false);
}

// Qt wraps a run with no place to break a line in a time that grows with the square of its length.
void BM_Carga_16MiBUnaLetra(benchmark::State& state) {
    cargaEInicio(state, QString(16 * 1024 * 1024, u'a'), "16 MiB of one letter", false, 2000);
}

BENCHMARK(BM_Carga_10MBParrafos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Carga_1MBSinSaltos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Carga_16MiBUnaLetra)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tecladas::banco
