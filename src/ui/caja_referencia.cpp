#include "ui/caja_referencia.h"

#include <QMimeData>
#include <QTextCursor>

namespace tecladas {

CajaReferencia::CajaReferencia(QWidget* padre)
    : QPlainTextEdit(padre) {}

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
