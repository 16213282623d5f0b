#pragma once

#include <QPlainTextEdit>

namespace tecladas {

/// The reference box. Outside a run the user may type or paste a text into it; a paste or a drop
/// inserts plain text only, composed (NFC) and without the null characters that no key can type,
/// and never goes through Qt's own paste, which crashes on X11 when the clipboard is empty. Tab
/// moves the focus on, as in any standard multi-line box.
class CajaReferencia final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY(CajaReferencia)

public:
    explicit CajaReferencia(QWidget* padre = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    bool canInsertFromMimeData(const QMimeData* datos) const override;
    void insertFromMimeData(const QMimeData* datos) override;

private:
    /// Hands on a button release that a drag or a menu took for itself, so that whoever waits
    /// for it (the window gives the focus back to the typing box during a run) still gets it.
    void devolverSoltar(const QPointF& posicion, Qt::KeyboardModifiers modificadores);
};

} // namespace tecladas
