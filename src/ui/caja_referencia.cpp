#include "ui/caja_referencia.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

#include <memory>

namespace tecladas {

CajaReferencia::CajaReferencia(QWidget* padre)
    : QPlainTextEdit(padre) {
    // As in the platform's standard multi-line box, Tab moves on; a loaded text keeps its tabs.
    setTabChangesFocus(true);
}

void CajaReferencia::mouseMoveEvent(QMouseEvent* evento) {
    const bool conBoton = evento->buttons() != Qt::NoButton;
    QPlainTextEdit::mouseMoveEvent(evento);
    // Dragging the selection runs the whole drag inside this move, and the drag takes the release.
    if (conBoton && QGuiApplication::mouseButtons() == Qt::NoButton) {
        devolverSoltar(evento->position(), evento->modifiers());
    }
}

void CajaReferencia::contextMenuEvent(QContextMenuEvent* evento) {
    // The menu waits here for its answer, and the button's release goes to it.
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(evento->pos()));
    menu->exec(evento->globalPos());
    devolverSoltar(evento->pos(), evento->modifiers());
}

void CajaReferencia::devolverSoltar(const QPointF& posicion, Qt::KeyboardModifiers modificadores) {
    QMouseEvent suelta(QEvent::MouseButtonRelease, posicion, viewport()->mapToGlobal(posicion),
                       Qt::LeftButton, Qt::NoButton, modificadores);
    QCoreApplication::sendEvent(viewport(), &suelta);
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
    pegado = pegado.normalized(QString::NormalizationForm_C);
    if (pegado.isEmpty()) {
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.insertText(pegado);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace tecladas
