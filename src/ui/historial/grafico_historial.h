#pragma once

#include "engine/ajustes.h"
#include "grading/geometria_grafico.h"
#include "ui/historial/prueba_guardada.h"

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
    std::vector<bool> resaltadas;    ///< one a run: the points of those that are true stand out
};

/// The chart of `pruebas`, oldest first, its threshold lines named with `actuales`.
DatosGrafico datosGrafico(const std::vector<PruebaGrafico>& pruebas, const Umbrales& actuales,
                          VistaGrafico vista = VistaGrafico::Pruebas);

/// Draws the chart into `marco` with the painter's font: dates on the x axis, net keystrokes a
/// minute with the user's number format on the y axis, the line of runs or of day means (short
/// runs as hollow points), each day's best, the trend, each threshold as the steps its runs were
/// graded with, and the legend below. The window and the printout both draw it here. Returns the
/// area the axes span.
QRectF dibujarGrafico(QPainter& pintor, const QRectF& marco, const DatosGrafico& datos);

/// The progress chart of the history window.
class GraficoHistorial final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(GraficoHistorial)

public:
    /// Most points the line is drawn with: many runs are drawn as group means, to stay readable.
    static constexpr std::size_t kPuntosMaximos = 200;

    explicit GraficoHistorial(QWidget* padre = nullptr);

    /// Shows `pruebas`, oldest first, which must stay alive until the next call; the legend names
    /// the thresholds `actuales`.
    void mostrar(const std::vector<const PruebaGuardada*>& pruebas, const Umbrales& actuales,
                 VistaGrafico vista);
    /// Makes the points of `pruebas` stand out, and no other.
    void resaltar(const std::vector<const PruebaGuardada*>& pruebas);
    /// What it shows, for the printout.
    const DatosGrafico& datos() const { return datos_; }
    /// Where `punto` was last drawn in the widget.
    QPointF sitioDe(const PuntoGrafico& punto) const;

Q_SIGNALS:
    /// A point was clicked: the runs behind it.
    void pruebasPulsadas(const std::vector<const PruebaGuardada*>& pruebas);

protected:
    bool event(QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    /// The point drawn nearest to `sitio`, when it is near enough to be the one meant.
    const PuntoGrafico* puntoEn(const QPointF& sitio) const;
    QString descripcion(const PuntoGrafico& punto) const;

    DatosGrafico datos_;
    std::vector<const PruebaGuardada*> pruebas_;
    QRectF area_; ///< where the axes were last drawn
};

} // namespace tecladas
