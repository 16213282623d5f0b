// Bound 8: what one keystroke repaints, in character cells of the typing box (the width of its
// "M" by its line spacing). Whatever a key repaints is drawn again and then copied to the display
// server; a key used to repaint its whole paragraph, up to the whole box. Paint events and the
// pixels they cover are counted in the offscreen window, so the bound holds without a screen;
// the way to a real screen is measured by hand (README, Performance).
#include "apoyo.h"

#include "ui/textos.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>

#include <benchmark/benchmark.h>

namespace tecladas::banco {
namespace {

constexpr qsizetype kTeclasMedidas = 400;

/// Counts the paint events of the widgets of one window and the pixels they cover.
class ContadorPintado final : public QObject {
public:
    ContadorPintado(const QWidget& ventana, const QWidget& cajaEscritura)
        : ventana_(ventana)
        , caja_(cajaEscritura) {
        qApp->installEventFilter(this);
    }
    ~ContadorPintado() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY(ContadorPintado)

    void reiniciar() {
        eventos = 0;
        eventosCaja = 0;
        area = 0;
    }

    int eventos = 0;     ///< paint events of the widgets of the window
    int eventosCaja = 0; ///< those of the typing box's text area
    qint64 area = 0;     ///< pixels they covered

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::Paint || !objeto->isWidgetType()) {
            return false;
        }
        const auto* widget = static_cast<const QWidget*>(objeto);
        if (widget != &ventana_ && !ventana_.isAncestorOf(widget)) {
            return false;
        }
        ++eventos;
        eventosCaja += widget == &caja_ ? 1 : 0;
        for (const QRect& r : static_cast<const QPaintEvent*>(evento)->region()) {
            area += qint64(r.width()) * r.height();
        }
        return false;
    }

private:
    const QWidget& ventana_;
    const QWidget& caja_;
};

/// Bound 8 on `referencia`: types `antes` characters, then counts what each of the next keys
/// repaints, with the events a key leaves behind handled before the next one, as the event loop
/// would.
void pintadoPorTecla(benchmark::State& state, const QString& referencia, qsizetype antes,
                     const std::string& nombre) {
    QString teclas = referencia;
    teclas.remove(QLatin1Char('\r'));
    for (auto _ : state) {
        VentanaBanco banco;
        banco.iniciarCon(referencia);
        QCoreApplication::processEvents();
        for (qsizetype i = 0; i < antes; ++i) {
            banco.pulsar(teclas[i]);
            QCoreApplication::processEvents();
        }
        // A clock tick repaints the figures, not the key: it is measured on its own.
        banco.reloj()->setInterval(24 * 3600 * 1000);
        const QFontMetrics medidas(banco.textoact()->font()); // one cell
        const double celda = double(medidas.horizontalAdvance(QLatin1Char('M'))) * medidas.lineSpacing();
        ContadorPintado contador(*banco.ventana, *banco.textoact()->viewport());
        Muestras celdas;
        Muestras eventos;
        Muestras tiempos;
        int fueraDeUnaVez = 0; // keys whose typing box was not painted exactly once
        for (qsizetype i = antes; i < antes + kTeclasMedidas; ++i) {
            contador.reiniciar();
            const auto inicio = std::chrono::steady_clock::now();
            banco.pulsar(teclas[i]);
            QCoreApplication::processEvents();
            tiempos.anadir(microsDesde(inicio));
            celdas.anadir(double(contador.area) / celda);
            eventos.anadir(contador.eventos);
            fueraDeUnaVez += contador.eventosCaja == 1 ? 0 : 1;
        }
        contador.reiniciar();
        banco.ticks(1);
        QCoreApplication::processEvents();
        const double celdasTic = double(contador.area) / celda;
        if (banco.registro->pitidos != 0 || !banco.registro->mensajes.isEmpty()) {
            state.SkipWithError("a key was refused or the run ended");
            return;
        }
        state.SetIterationTime(tiempos.mediana() / 1e6);
        state.counters["key_median_us"] = tiempos.mediana();
        state.counters["cells_median"] = celdas.mediana();
        state.counters["cells_mean"] = celdas.media();
        state.counters["cells_p99"] = celdas.percentil(99);
        state.counters["cells_max"] = celdas.percentil(100);
        state.counters["paints_max"] = eventos.percentil(100);
        state.counters["box_not_once"] = fueraDeUnaVez;
        state.counters["cells_clock_tick"] = celdasTic;
        anotarCota("8. cells repainted per key, median, " + nombre, celdas.mediana(), 6, "", true);
        anotarCota("8. cells repainted per key, mean, " + nombre, celdas.media(), 16, "", true);
        anotarCota("8. keys not painting the typing box once, " + nombre, fueraDeUnaVez, 0, "", true);
        anotarDato("8. cells repainted by a clock tick, " + nombre, celdasTic, "");
    }
}

void BM_PintadoTecla_Bienvenida(benchmark::State& state) {
    pintadoPorTecla(state, textos::bienvenida(), 0, "welcome text");
}
void BM_PintadoTecla_50000Tras5000(benchmark::State& state) {
    pintadoPorTecla(state, textoEnParrafos(50000), 5000, "50000 chars, 5000 typed");
}

BENCHMARK(BM_PintadoTecla_Bienvenida)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PintadoTecla_50000Tras5000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tecladas::banco
