#pragma once

#include <QChartView>

#include <cstdint>
#include <optional>
#include <vector>

namespace tecladas {

/// The three grading thresholds of the exam window; a box that holds no number gives none.
struct Umbrales {
    std::optional<std::int16_t> minimo;
    std::optional<std::int16_t> aprobado;
    std::optional<std::int16_t> maximo;
};

/// The progress chart of the history: net keystrokes a minute run after run, against the
/// thresholds drawn as labelled horizontal lines. Many runs are drawn as the means of groups of
/// consecutive runs, so that the line stays readable.
class GraficoHistorial final : public QChartView {
    Q_OBJECT
    Q_DISABLE_COPY(GraficoHistorial)

public:
    /// Most points the line is drawn with.
    static constexpr std::size_t kPuntosMaximos = 200;

    explicit GraficoHistorial(QWidget* padre = nullptr);

    /// Draws `netas`, oldest run first, and the thresholds.
    void mostrar(const std::vector<double>& netas, const Umbrales& umbrales);
};

} // namespace tecladas
