// Bound 7: the history. Recording a run as it ends, opening the history window on 10,000
// recorded runs, and ending a run with the window open on 100,000, through the real window and a
// real SQLite file.
#include "apoyo.h"

#include "ui/historial/frm_historial.h"
#include "ui/historial/historial.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tecladas::banco {
namespace {

constexpr int kPruebasGuardadas = 10000;

/// A history file of its own that holds `cuantas` runs of ten texts, each with a few missed
/// characters and the attempts of some thirty. Written without waiting for the disk after each
/// run, which only the filling needs.
class HistorialLleno {
public:
    explicit HistorialLleno(int cuantas) {
        Historial historial(ruta());
        (void)historial.abrir();
        QSqlQuery(QSqlDatabase::database(historial.conexion()))
            .exec(QStringLiteral("PRAGMA synchronous=OFF"));
        for (int i = 0; i < cuantas; ++i) {
            ResumenPrueba r;
            r.huella = static_cast<std::uint64_t>(i % 10 + 1);
            r.minutos = 10;
            r.segundos = 600;
            r.aciertos = static_cast<std::int16_t>(2000 + i % 1500);
            r.errores = static_cast<std::int16_t>(i % 40);
            r.tecladasNetasMin = (r.aciertos - r.errores) / 10.0;
            r.aciertosPorMinuto = r.aciertos / 10.0;
            r.nota = 5;
            r.fallados = {{13, 1}, {U'a' + static_cast<char32_t>(i % 26), 1 + i % 3}, {U'ñ', 2}};
            // A text's worth of characters reached, as a run of ten minutes has them.
            r.intentados = {{13, 8}, {U' ', 300}, {U',', 20}, {U'.', 15}};
            for (char32_t c = U'a'; c <= U'z'; ++c) {
                r.intentados.push_back({c, 40});
            }
            r.intentados.push_back({U'ñ', 12});
            (void)historial.guardar(QDateTime::currentDateTime().addSecs(i - cuantas),
                                    QStringLiteral("texto %1.txt").arg(i % 10), r);
        }
    }
    QString ruta() const { return datos_.filePath(QStringLiteral("historial.sqlite")); }

private:
    QTemporaryDir datos_;
};

void BM_RegistrarPrueba(benchmark::State& state) {
    for (auto _ : state) {
        const HistorialLleno lleno(kPruebasGuardadas);
        VentanaBanco banco(lleno.ruta());
        banco.iniciarCon(QStringLiteral("Una prueba corta, con algún fallo."));
        for (const QChar c : QStringLiteral("Una prxueba corxta")) {
            banco.pulsar(c);
        }
        banco.ventana->cmdDetener_Click(); // the first record opens the file
        const PruebaTerminada terminada = banco.terminadas.back();
        Muestras registros;
        for (int i = 0; i < 20; ++i) {
            const auto inicio = std::chrono::steady_clock::now();
            Q_EMIT banco.ventana->pruebaTerminada(terminada);
            registros.anadir(microsDesde(inicio));
        }
        state.SetIterationTime(registros.mediana() / 1e6);
        state.counters["median_ms"] = registros.mediana() / 1000;
        state.counters["max_ms"] = registros.percentil(100) / 1000;
        anotarCota("7. record a run into a history of 10000 (median of 20)", registros.mediana() / 1000, 50,
                   "ms");
        anotarDato("7. record a run, slowest of 20", registros.percentil(100) / 1000, "ms");
    }
}

void BM_AbrirHistorial10000(benchmark::State& state) {
    for (auto _ : state) {
        const HistorialLleno lleno(kPruebasGuardadas);
        VentanaBanco banco(lleno.ruta());
        auto* boton = banco.control<QPushButton>("cmdHistorial");
        Muestras aperturas;
        for (int i = 0; i < 5; ++i) {
            delete banco.ventana->findChild<frm_historial*>(); // each time a new window, as the first time
            const auto inicio = std::chrono::steady_clock::now();
            boton->click();
            auto* frm = banco.ventana->findChild<frm_historial*>();
            if (frm == nullptr || !QTest::qWaitForWindowExposed(frm)) {
                state.SkipWithError("the history window did not open");
                return;
            }
            frm->repaint();
            QCoreApplication::processEvents();
            aperturas.anadir(microsDesde(inicio));
        }
        state.SetIterationTime(aperturas.mediana() / 1e6);
        state.counters["median_ms"] = aperturas.mediana() / 1000;
        state.counters["max_ms"] = aperturas.percentil(100) / 1000;
        anotarCota("7. open the history window on 10000 runs until painted (median of 5)",
                   aperturas.mediana() / 1000, 300, "ms");
    }
}

void BM_FinConHistorialAbierto100000(benchmark::State& state) {
    for (auto _ : state) {
        const HistorialLleno lleno(100000);
        VentanaBanco banco(lleno.ruta());
        banco.control<QPushButton>("cmdHistorial")->click();
        auto* frm = banco.ventana->findChild<frm_historial*>();
        if (frm == nullptr || !QTest::qWaitForWindowExposed(frm)) {
            state.SkipWithError("the history window did not open");
            return;
        }
        auto aviso = std::chrono::steady_clock::now();
        banco.registro->alMostrar = [&aviso](const QString&) {
            aviso = std::chrono::steady_clock::now();
        };
        Muestras avisos, ocupado;
        for (int i = 0; i < 5; ++i) {
            banco.iniciarCon(QStringLiteral("Una prueba corta."));
            for (const QChar c : QStringLiteral("Una prxueba")) {
                banco.pulsar(c);
            }
            const auto inicio = std::chrono::steady_clock::now();
            banco.ventana->cmdDetener_Click(); // ends the run, keeps it, then says it ended
            avisos.anadir(std::chrono::duration<double, std::micro>(aviso - inicio).count());
            frm->repaint();
            QCoreApplication::processEvents();
            ocupado.anadir(microsDesde(inicio));
        }
        state.SetIterationTime(avisos.mediana() / 1e6);
        state.counters["median_ms"] = avisos.mediana() / 1000;
        anotarCota("7. end message of a run, 100000 runs, history window open (median of 5)",
                   avisos.mediana() / 1000, 100, "ms");
        anotarDato("7. the same, until the history window has repainted", ocupado.mediana() / 1000, "ms");
    }
}

} // namespace

BENCHMARK(BM_FinConHistorialAbierto100000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegistrarPrueba)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbrirHistorial10000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace tecladas::banco
