#pragma once

#include "ventana_real.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tecladas::banco {

/// The widget tests' window, with the longest exam so that no clock tick ends a run while it is
/// measured.
class VentanaBanco : public prueba::VentanaReal {
public:
    /// With `rutaHistorial`, the whole program with its history in that file.
    explicit VentanaBanco(const QString& rutaHistorial = {}) {
        abrir(rutaHistorial);
        caja("maskTiempo")->setText(QStringLiteral("99"));
    }

    /// Keeps measuring past the 16-bit counters: a run of 50,000 keystrokes would pass
    /// `aciertos`' limit and end. Only the benchmark resets them; the window never does.
    void reiniciarContadores() const {
        sesionModificable().aciertos = 0;
        sesionModificable().errores = 0;
    }
};

/// Spanish prose of `largo` characters in paragraphs of 200 to `maxParrafo` characters, joined
/// by "\n". The same seed always gives the same text.
QString textoEnParrafos(qsizetype largo, qsizetype maxParrafo = 1000);

/// Spanish prose of `largo` characters with no line break at all.
QString textoSinSaltos(qsizetype largo);

/// Durations in microseconds, for medians and percentiles.
class Muestras {
public:
    void anadir(double microsegundos) { valores_.push_back(microsegundos); }
    /// The value below which `p` percent of the samples lie (nearest rank).
    double percentil(double p) const;
    double mediana() const { return percentil(50); }
    double suma() const;
    double media() const { return valores_.empty() ? 0 : suma() / static_cast<double>(valores_.size()); }
    std::size_t cuantas() const { return valores_.size(); }

private:
    std::vector<double> valores_;
};

/// Microseconds elapsed since `desde`.
inline double microsDesde(std::chrono::steady_clock::time_point desde) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - desde).count();
}

/// Keeps a bound's figure for the summary printed after every benchmark has run. `valor` meets
/// the bound when it is below `limite` (or equal, when `admiteIgual`).
void anotarCota(const std::string& cota, double valor, double limite, const std::string& unidad,
                bool admiteIgual = false);

/// Keeps a figure that no bound covers, for the same summary.
void anotarDato(const std::string& dato, double valor, const std::string& unidad);

/// Prints the bounds and figures recorded so far; returns whether every bound was met.
bool imprimirResumen();

} // namespace tecladas::banco
