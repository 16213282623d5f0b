#include "ui/caja_referencia.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

namespace tecladas {

CajaReferencia::CajaReferencia(QWidget* padre)
    : QPlainTextEdit(padre) {}

void CajaReferencia::mouseMoveEvent(QMouseEvent* evento) {
    const bool conBoton = evento->buttons() != Qt::NoButton;
    QPlainTextEdit::mouseMoveEvent(evento);
    // Dragging the selection runs the whole drag inside this move, and the drag takes the
    // button's release: pass the release on, so that whoever waits for it (the window gives the
    // focus back to the typing box during a run) still gets it.
    if (conBoton && QGuiApplication::mouseButtons() == Qt::NoButton) {
        QMouseEvent suelta(QEvent::MouseButtonRelease, evento->position(), evento->globalPosition(),
                           Qt::LeftButton, Qt::NoButton, evento->modifiers());
        QCoreApplication::sendEvent(viewport(), &suelta);
    }
}

bool CajaReferencia::canInsertFromMimeData(const QMimeData* datos) const {
    return !isReadOnly() && datos != nullptr && datos->hasText();
}

void CajaReferencia::insertFromMimeData(const QMimeData* datos) {
    // Qt 6.4 on X11 hands over clipboard data with no formats when the clipboard is empty, and
    // its own insertion then crashes: only a text is ever inserted here.
    if (!canInsertFromMimeData(datos)) {
        return;
    }
    QString pegado = datos->text();
    pegado.remove(QChar(u'\0'));
    if (pegado.isEmpty()) {
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.insertText(pegado);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace tecladas
