#pragma once

#include "ui/medidor_lineas_texto.h"

#include <QObject>

#include <cstddef>
#include <string_view>

class QPlainTextEdit;
class QTextCursor;
class QTextDocument;

namespace tecladas {

/// What the reference box shows during a run: the reference text from the start of the current
/// page, in a document of its own, while the user's document (with its undo history) waits
/// untouched for the end of the run.
///
/// A page turn must not cost a pass over a text of megabytes: the page takes in a few screens of
/// text at a time, and more as the box is scrolled towards its end. Long paragraphs are split
/// where the box wraps them anyway (see `parrafos`), so the box looks exactly as if it held the
/// rest of the reference in one piece.
class PaginaReferencia final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(PaginaReferencia)

public:
    /// Lines taken in at a time: about three screens of the reference box.
    static constexpr int kLineasPorTanda = 64;

    /// Works on `caja` and follows its vertical scroll bar, which must be the one it keeps.
    explicit PaginaReferencia(QPlainTextEdit& caja);

    /// Shows `referencia` from position `desde`, from its first line. The text is not copied: it
    /// must stay alive and unchanged until `restaurar` or the next `mostrar`.
    void mostrar(std::u16string_view referencia, std::size_t desde);

    /// Gives the box back the document it had before the first `mostrar`.
    void restaurar();

    /// Whether the box shows a page rather than its own document.
    bool activa() const;

    /// How much of the reference the page has taken in: it holds the reference from `desde` up
    /// to this position.
    std::size_t finCargado() const { return siguiente_; }

private:
    enum class Separador { Ninguno, Parrafo, Continuacion };

    void completar();
    void anadirLineas(int minimo);
    void escribirSeparador(QTextCursor& cursor);

    QPlainTextEdit& caja_;
    QTextDocument* pagina_;
    QTextDocument* propio_ = nullptr; ///< the box's own document while a page is shown
    MedidorLineasTexto medidor_;

    std::u16string_view referencia_;
    std::size_t siguiente_ = 0;    ///< first position of the reference not yet in the page
    std::size_t finParrafo_ = 0;   ///< where the paragraph being taken in ends
    std::size_t largoSalto_ = 0;   ///< length of the line break that ends it (0 at the end)
    bool dentroDeParrafo_ = false; ///< `siguiente_` lies inside a paragraph that was split
    Separador pendiente_ = Separador::Ninguno;
    bool mostrando_ = false;
};

} // namespace tecladas
