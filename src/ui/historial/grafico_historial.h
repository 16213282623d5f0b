#pragma once

#include "engine/ajustes.h"

#include <QChartView>

#include <vector>

namespace tecladas {

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
