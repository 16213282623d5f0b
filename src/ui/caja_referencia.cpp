#include "ui/caja_referencia.h"

#include "ui/barra_desplazamiento.h"
#include "ui/conversion.h"
#include "ui/parrafos_partidos.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace tecladas {

namespace {

/// The characters that end a paragraph when a text is put into a text box (CR LF counts once).
bool esSalto(char16_t c) {
    return c == u'\r' || c == u'\n' || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

} // namespace

CajaReferencia::CajaReferencia(QWidget* padre)
    : QPlainTextEdit(padre)
    , pagina_(new QTextDocument(this)) {
    // As in the platform's standard multi-line box, Tab moves on; a loaded text keeps its tabs.
    setTabChangesFocus(true);
    setVerticalScrollBar(new BarraDesplazamiento);
    pagina_->setDocumentLayout(new QPlainTextDocumentLayout(pagina_));
    pagina_->setUndoRedoEnabled(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CajaReferencia::completarPagina);
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

void CajaReferencia::mostrar(std::u16string_view referencia, std::size_t desde) {
    mostrando_ = true;
    if (!paginaActiva()) {
        propio_ = document();
        // Qt deletes a document that the box created itself as soon as another one replaces it.
        propio_->setParent(this);
        medidor_.ajustarA(*this);
    }
    pagina_->clear();
    pagina_->setDefaultFont(propio_->defaultFont());
    pagina_->setDefaultTextOption(propio_->defaultTextOption());
    pagina_->setDocumentMargin(propio_->documentMargin());

    referencia_ = referencia;
    siguiente_ = std::min(desde, referencia.size());
    dentroDeParrafo_ = false;
    pendiente_ = Separador::Ninguno;
    anadirLineas(kLineasPorTanda);

    if (!paginaActiva()) {
        setDocument(pagina_);
    }
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    mostrando_ = false;
}

void CajaReferencia::restaurar() {
    if (paginaActiva()) {
        setDocument(propio_);
        propio_ = nullptr;
        referencia_ = {};
        pagina_->clear();
    }
    moveCursor(QTextCursor::Start);
}

void CajaReferencia::completarPagina() {
    if (mostrando_ || !paginaActiva() || siguiente_ >= referencia_.size()) {
        return;
    }
    // Near the end of what is loaded: take in more before the user reaches it.
    const QScrollBar& barra = *verticalScrollBar();
    if (barra.value() + 2 * barra.pageStep() >= barra.maximum()) {
        anadirLineas(kLineasPorTanda);
    }
}

void CajaReferencia::escribirSeparador(QTextCursor& cursor) {
    if (pendiente_ == Separador::Ninguno) {
        return;
    }
    cursor.insertBlock();
    parrafos::conservarGlifos(cursor.block());
    if (pendiente_ == Separador::Continuacion) {
        cursor.block().setUserState(parrafos::kContinuacion);
    }
    pendiente_ = Separador::Ninguno;
}

void CajaReferencia::anadirLineas(int minimo) {
    QTextCursor cursor(pagina_);
    cursor.movePosition(QTextCursor::End);
    parrafos::conservarGlifos(cursor.block());
    cursor.beginEditBlock();
    // Counted low: a paragraph that is not measured counts as one line.
    int lineas = 0;
    while (lineas < minimo && siguiente_ < referencia_.size()) {
        if (!dentroDeParrafo_) {
            finParrafo_ = siguiente_;
            while (finParrafo_ < referencia_.size() && !esSalto(referencia_[finParrafo_])) {
                ++finParrafo_;
            }
            largoSalto_ = 0;
            if (finParrafo_ < referencia_.size()) {
                const bool crlf = referencia_[finParrafo_] == u'\r' && finParrafo_ + 1 < referencia_.size() &&
                                  referencia_[finParrafo_ + 1] == u'\n';
                largoSalto_ = crlf ? 2 : 1;
            }
        }
        std::size_t corte = finParrafo_;
        int lineasTrozo = 1;
        const std::size_t resto = finParrafo_ - siguiente_;
        // A piece of the paragraph wraps as the whole would, but for its last line.
        for (std::size_t largo = parrafos::kLargoMaximo; largo < resto; largo *= 2) {
            const MedidorLineasTexto::Medida medida =
                medidor_.medirParrafo(referencia_.substr(siguiente_, largo));
            if (medida.inicioUltimaLinea > 0) {
                corte = siguiente_ + medida.inicioUltimaLinea;
                lineasTrozo = medida.lineas - 1;
                break;
            }
        }

        escribirSeparador(cursor);
        cursor.insertText(aQString(referencia_.substr(siguiente_, corte - siguiente_)));
        lineas += lineasTrozo;
        if (corte < finParrafo_) {
            siguiente_ = corte;
            dentroDeParrafo_ = true;
            pendiente_ = Separador::Continuacion;
        } else {
            siguiente_ = finParrafo_ + largoSalto_;
            dentroDeParrafo_ = false;
            pendiente_ = largoSalto_ > 0 ? Separador::Parrafo : Separador::Ninguno;
        }
    }
    // A text that ends with a line break ends with an empty line.
    if (siguiente_ >= referencia_.size() && pendiente_ == Separador::Parrafo) {
        escribirSeparador(cursor);
    }
    cursor.endEditBlock();
}

} // namespace tecladas
