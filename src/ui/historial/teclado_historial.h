#pragma once

#include "grading/teclado_espanol.h"

#include <QColor>
#include <QWidget>

#include <vector>

class QPainter;
class QRectF;

namespace tecladas {

/// The colour of a key at `escala` on the error rate scale (0, no miss, to 1); keys whose rate is
/// not shown yet are grey.
QColor colorDeTecla(std::optional<double> escala);

/// Draws the Spanish keyboard into `marco` with the painter's font, as large as fits, each key
/// coloured by its error rate in `uso` (one entry a key, as `RecuentoTeclas::porTecla`), and the
/// colour legend under it. The window and the printout both draw it here.
void dibujarTeclado(QPainter& pintor, const QRectF& marco, const std::vector<UsoTecla>& uso);

/// The keyboard of the history window: the keys of the runs chosen, coloured by error rate. A
/// key's tooltip gives its attempts and misses.
class TecladoHistorial final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(TecladoHistorial)

public:
    explicit TecladoHistorial(QWidget* padre = nullptr);

    void mostrar(std::vector<UsoTecla> uso);
    const std::vector<UsoTecla>& uso() const { return uso_; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<UsoTecla> uso_ = std::vector<UsoTecla>(tecladoEspanol().size());
};

} // namespace tecladas
