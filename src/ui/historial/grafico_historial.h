#pragma once

#include "engine/ajustes.h"
#include "grading/geometria_grafico.h"

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QPainter;
class QRectF;

namespace tecladas {

/// What the progress chart shows: its geometry and the names its legend gives.
struct DatosGrafico {
    GeometriaGrafico geometria;
    QString serie;                   ///< the line's name
    std::array<QString, 3> umbrales; ///< the threshold lines' names, with today's values
    ResumenSerie resumen;            ///< of the runs drawn
};

/// The chart of `pruebas`, oldest first, its threshold lines named with `actuales`.
DatosGrafico datosGrafico(const std::vector<PruebaGrafico>& pruebas, const Umbrales& actuales);

/// Draws the chart into `marco` with the painter's font: axes with the user's number format, the
/// line of net keystrokes a minute (short runs as hollow points), each threshold as the steps
/// its runs were graded with, and the legend below. The window and the printout both draw it here.
void dibujarGrafico(QPainter& pintor, const QRectF& marco, const DatosGrafico& datos);

/// The progress chart of the history window.
class GraficoHistorial final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(GraficoHistorial)

public:
    /// Most points the line is drawn with: many runs are drawn as group means, to stay readable.
    static constexpr std::size_t kPuntosMaximos = 200;

    explicit GraficoHistorial(QWidget* padre = nullptr);

    /// Shows `pruebas`, oldest first; the legend names the thresholds `actuales`.
    void mostrar(const std::vector<PruebaGrafico>& pruebas, const Umbrales& actuales);
    /// What it shows, for the printout.
    const DatosGrafico& datos() const { return datos_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    DatosGrafico datos_;
};

} // namespace tecladas
