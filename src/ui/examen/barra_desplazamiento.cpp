#include "ui/examen/barra_desplazamiento.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace tecladas {

BarraDesplazamiento::BarraDesplazamiento(QWidget* padre)
    : QScrollBar(Qt::Vertical, padre) {}

void BarraDesplazamiento::paintEvent(QPaintEvent* evento) {
    // What QScrollBar::paintEvent draws, with the pressed and hovered parts tracked here.
    QStyleOptionSlider opcion;
    initStyleOption(&opcion);
    opcion.subControls = QStyle::SC_All;
    if (pulsado_ != QStyle::SC_None) {
        opcion.activeSubControls = pulsado_;
        opcion.state |= QStyle::State_Sunken;
    } else if (underMouse()) {
        opcion.activeSubControls = style()->hitTestComplexControl(QStyle::CC_ScrollBar, &opcion,
                                                                  mapFromGlobal(QCursor::pos()), this);
    }
    const qreal escala = devicePixelRatioF();
    const Estado estado{size(),
                        escala,
                        opcion.minimum,
                        opcion.maximum,
                        opcion.sliderPosition,
                        opcion.pageStep,
                        static_cast<int>(opcion.activeSubControls),
                        static_cast<int>(opcion.state),
                        palette().cacheKey(),
                        style()};
    if (imagen_.isNull() || !(estado == dibujado_)) {
        imagen_ = QImage(size() * escala, QImage::Format_ARGB32_Premultiplied);
        imagen_.setDevicePixelRatio(escala);
        imagen_.fill(Qt::transparent);
        QPainter pintor(&imagen_);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &opcion, &pintor, this);
        dibujado_ = estado;
    }

    const int franja = std::max(1, static_cast<int>(kFilasPorFranja / std::ceil(std::max(escala, 1.0))));
    const QRect zona = evento->rect();
    QPainter pintor(this);
    for (int y = zona.top(); y <= zona.bottom(); y += franja) {
        const QRect destino(zona.left(), y, zona.width(), std::min(franja, zona.bottom() + 1 - y));
        const QRectF origen(destino.left() * escala, destino.top() * escala, destino.width() * escala,
                            destino.height() * escala);
        pintor.drawImage(destino, imagen_, origen);
    }
}

void BarraDesplazamiento::mousePressEvent(QMouseEvent* evento) {
    QStyleOptionSlider opcion;
    initStyleOption(&opcion);
    pulsado_ =
        style()->hitTestComplexControl(QStyle::CC_ScrollBar, &opcion, evento->position().toPoint(), this);
    QScrollBar::mousePressEvent(evento);
}

void BarraDesplazamiento::mouseReleaseEvent(QMouseEvent* evento) {
    pulsado_ = QStyle::SC_None;
    QScrollBar::mouseReleaseEvent(evento);
    update();
}

} // namespace tecladas
