#pragma once

#include <QImage>
#include <QScrollBar>
#include <QStyle>

namespace tecladas {

/// The vertical scroll bar of the two large text boxes. Qt 6's raster engine hands any gradient
/// or blended fill of 96 pixel rows or more to its thread pool and waits for it; on a busy
/// machine that wait costs milliseconds, more than the rest of a keystroke, and the tall bars of
/// the two boxes are repainted with the window. This bar draws itself once per state into an
/// image and copies it to the screen in strips shorter than that, so that repainting it costs
/// a copy on the window's own thread.
class BarraDesplazamiento final : public QScrollBar {
    Q_OBJECT
    Q_DISABLE_COPY(BarraDesplazamiento)

public:
    explicit BarraDesplazamiento(QWidget* padre = nullptr);

    /// Tallest strip copied at once, in device pixels.
    static constexpr int kFilasPorFranja = 88;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    /// Everything the drawing of the bar depends on.
    struct Estado {
        QSize tamano;
        qreal escala = 0;
        int minimo = 0, maximo = 0, posicion = 0, paso = 0;
        int activos = 0;
        int estado = 0;
        qint64 paleta = 0;
        const QStyle* estilo = nullptr;
        bool operator==(const Estado&) const = default;
    };

    QStyle::SubControl pulsado_ = QStyle::SC_None;
    Estado dibujado_;
    QImage imagen_;
};

} // namespace tecladas
