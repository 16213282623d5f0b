#pragma once

#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

namespace tecladas {

/// Draws the style's focus frame `margen` pixels inside `widget` while it has the focus: for the
/// widgets that paint themselves and are reached from the keyboard.
inline void dibujarMarcoDeFoco(QStylePainter& pintor, const QWidget& widget, int margen) {
    if (!widget.hasFocus()) {
        return;
    }
    QStyleOptionFocusRect opcion;
    opcion.initFrom(&widget);
    opcion.rect = widget.rect().adjusted(margen, margen, -margen, -margen);
    pintor.drawPrimitive(QStyle::PE_FrameFocusRect, opcion);
}

} // namespace tecladas
