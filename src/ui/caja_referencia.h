#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QTextOption>

#include <functional>
#include <vector>

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

    /// Finds where a text must be split to be shown at once, as the box wraps now; it may be used
    /// on any thread. Qt wraps a run with no place to break a line (a "word" of thousands of
    /// letters) in a time that grows with the square of its length, and lays out and keeps a whole
    /// paragraph at every edit: such runs, and paragraphs of tens of thousands of characters, are
    /// held as several blocks, split where they wrap anyway (see `parrafos`).
    struct Partidor {
        QFont fuente;
        QTextOption opciones;
        double ancho = 0;
        /// Positions in `texto` where a block continues a paragraph, in order. Gives up, with
        /// some of them, as soon as `seguir` says no.
        std::vector<qsizetype> operator()(QStringView texto, const std::function<bool()>& seguir = {}) const;
    };
    Partidor partidor() const;

    /// Replaces the text, as `setPlainText` does, split at `cortes` (found by `partidor()`). While
    /// the text holds splits, edits cannot be undone: an undo would not know them.
    void ponerTexto(const QString& texto, const std::vector<qsizetype>& cortes);
    void ponerTexto(const QString& texto);

    /// What the box shows as the user reads it, the page during a run: a line break between
    /// paragraphs and for each forced one, none where a long paragraph was only split. It hides
    /// Qt's, which gives each split as a line break: called through a QPlainTextEdit it is Qt's.
    QString toPlainText() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    bool canInsertFromMimeData(const QMimeData* datos) const override;
    void insertFromMimeData(const QMimeData* datos) override;

private:
    /// Hands on a button release that a drag or a menu took for itself, so that whoever waits
    /// for it (the window gives the focus back to the typing box during a run) still gets it.
    void devolverSoltar(const QPointF& posicion, Qt::KeyboardModifiers modificadores);
    void seguirCortes(int desde, int quitados, int anadidos);

    std::vector<int> cortes_; ///< positions of the blocks that continue a paragraph, in order
};

} // namespace tecladas
