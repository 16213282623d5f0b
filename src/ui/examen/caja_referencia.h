#pragma once

#include "ui/examen/medidor_lineas_texto.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextOption>

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

class QTextCursor;
class QTextDocument;

namespace tecladas {

/// The reference box. Outside a run the user may type or paste a text into it; a paste or a drop
/// inserts plain text only, composed (NFC) and without the null characters that no key can type,
/// and never goes through Qt's own paste, which crashes on X11 when the clipboard is empty. Tab
/// moves the focus on, as in any standard multi-line box.
///
/// During a run it shows pages: the reference from the start of the current page, in a document
/// of its own, while the user's document (with its undo history) waits untouched for the end of
/// the run. A page turn must not cost a pass over a text of megabytes: the page takes in a few
/// screens of text at a time, and more as the box is scrolled towards its end. Long paragraphs
/// are split where the box wraps them anyway (see `parrafos`), so the box looks exactly as if it
/// held the rest of the reference in one piece.
class CajaReferencia final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY(CajaReferencia)

public:
    /// Lines taken in at a time: about three screens of the box.
    static constexpr int kLineasPorTanda = 64;

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

    /// Pastes `texto` over the selection, as a paste from the clipboard does.
    void pegar(QString texto);

    /// What the box shows as the user reads it, the page during a run: a line break between
    /// paragraphs and for each forced one, none where a long paragraph was only split. It hides
    /// Qt's, which gives each split as a line break: called through a QPlainTextEdit it is Qt's.
    QString toPlainText() const;

    /// Shows `referencia` from position `desde`, from its first line. The text is not copied: it
    /// must stay alive and unchanged until `restaurar` or the next `mostrar`. The first page after
    /// the user's document also starts `medidor` afresh, as a new run needs.
    void mostrar(std::u16string_view referencia, std::size_t desde);

    /// Gives the box back the document it had before the first `mostrar`, caret at its start.
    void restaurar();

    /// Counts lines exactly as this box wraps its text: the paging step of a run measures with it.
    MedidorLineas& medidor() { return medidor_; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    bool canInsertFromMimeData(const QMimeData* datos) const override;
    void insertFromMimeData(const QMimeData* datos) override;

private:
    enum class Separador { Ninguno, Parrafo, Continuacion };

    /// Hands on a button release that a drag or a menu took for itself, so that whoever waits
    /// for it (the window gives the focus back to the typing box during a run) still gets it.
    void devolverSoltar(const QPointF& posicion, Qt::KeyboardModifiers modificadores);
    void seguirCortes(int desde, int quitados, int anadidos);
    bool paginaActiva() const { return document() == pagina_; }
    void completarPagina();
    void anadirLineas(int minimo);
    void escribirSeparador(QTextCursor& cursor);

    MedidorLineasTexto medidor_;
    std::vector<int> cortes_; ///< positions of the blocks that continue a paragraph, in order
    QTextDocument* pagina_;
    QTextDocument* propio_ = nullptr; ///< the user's document while a page is shown

    std::u16string_view referencia_;
    std::size_t siguiente_ = 0;    ///< first position of the reference not yet in the page
    std::size_t finParrafo_ = 0;   ///< where the paragraph being taken in ends
    std::size_t largoSalto_ = 0;   ///< length of the line break that ends it (0 at the end)
    bool dentroDeParrafo_ = false; ///< `siguiente_` lies inside a paragraph that was split
    Separador pendiente_ = Separador::Ninguno;
    bool mostrando_ = false;
};

} // namespace tecladas
