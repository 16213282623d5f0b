#include "ui/pagina_referencia.h"

#include "ui/conversion.h"
#include "ui/parrafos_partidos.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tecladas {

namespace {

/// The characters that end a paragraph when a text is put into a text box (CR LF counts once).
bool esSalto(char16_t c) {
    return c == u'\r' || c == u'\n' || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

} // namespace

PaginaReferencia::PaginaReferencia(QPlainTextEdit& caja)
    : QObject(&caja)
    , caja_(caja)
    , pagina_(new QTextDocument(&caja)) {
    pagina_->setDocumentLayout(new QPlainTextDocumentLayout(pagina_));
    pagina_->setUndoRedoEnabled(false);
    connect(caja_.verticalScrollBar(), &QScrollBar::valueChanged, this, &PaginaReferencia::completar);
}

bool PaginaReferencia::activa() const {
    return caja_.document() == pagina_;
}

void PaginaReferencia::mostrar(std::u16string_view referencia, std::size_t desde) {
    mostrando_ = true;
    if (!activa()) {
        propio_ = caja_.document();
        // Qt deletes a document that the box created itself as soon as another one replaces it.
        propio_->setParent(&caja_);
    }
    medidor_.ajustarA(caja_);
    pagina_->clear();
    pagina_->setDefaultFont(propio_->defaultFont());
    pagina_->setDefaultTextOption(propio_->defaultTextOption());
    pagina_->setDocumentMargin(propio_->documentMargin());

    referencia_ = referencia;
    siguiente_ = std::min(desde, referencia.size());
    dentroDeParrafo_ = false;
    pendiente_ = Separador::Ninguno;
    anadirLineas(kLineasPorTanda);

    if (!activa()) {
        caja_.setDocument(pagina_);
    }
    caja_.moveCursor(QTextCursor::Start);
    caja_.verticalScrollBar()->setValue(0);
    caja_.horizontalScrollBar()->setValue(0);
    mostrando_ = false;
}

void PaginaReferencia::restaurar() {
    if (!activa()) {
        return;
    }
    caja_.setDocument(propio_);
    propio_ = nullptr;
    referencia_ = {};
    pagina_->clear();
}

void PaginaReferencia::completar() {
    if (mostrando_ || !activa() || siguiente_ >= referencia_.size()) {
        return;
    }
    // Near the end of what is loaded: take in more before the user reaches it.
    const QScrollBar& barra = *caja_.verticalScrollBar();
    if (barra.value() + 2 * barra.pageStep() >= barra.maximum()) {
        anadirLineas(kLineasPorTanda);
    }
}

void PaginaReferencia::escribirSeparador(QTextCursor& cursor) {
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

void PaginaReferencia::anadirLineas(int minimo) {
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
