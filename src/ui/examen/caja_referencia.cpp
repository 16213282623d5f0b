#include "ui/examen/caja_referencia.h"

#include "ui/examen/barra_desplazamiento.h"
#include "ui/escritorio/conversion.h"
#include "ui/examen/parrafos_partidos.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace tecladas {

namespace {

/// The characters that end a paragraph when a text is put into a text box (CR LF counts once).
bool esSalto(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
           c == QChar(0xFDD1);
}

/// Characters laid out at a time while a run is split: enough for many lines, few enough that the
/// layout stays small.
constexpr qsizetype kTrozo = 8192;

/// Qt lays a paragraph out whole at every edit and keeps about 40 bytes a character of it: one
/// longer than this is split about every `kTrozoProsa` characters.
constexpr qsizetype kParrafoEnorme = 65536;
constexpr qsizetype kTrozoProsa = 16384;

/// Where each wrapped line of `trozo` starts.
std::vector<int> iniciosDeLinea(QStringView trozo, const QFont& fuente, const QTextOption& opciones,
                                double ancho) {
    std::vector<int> inicios;
    QTextLayout disposicion(trozo.toString(), fuente);
    disposicion.setTextOption(opciones);
    disposicion.setCacheEnabled(false);
    disposicion.beginLayout();
    for (QTextLine linea = disposicion.createLine(); linea.isValid(); linea = disposicion.createLine()) {
        linea.setLineWidth(ancho);
        inicios.push_back(linea.textStart());
    }
    disposicion.endLayout();
    return inicios;
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
    connect(document(), &QTextDocument::contentsChange, this, &CajaReferencia::seguirCortes);
}

CajaReferencia::Partidor CajaReferencia::partidor() const {
    return {document()->defaultFont(), document()->defaultTextOption(),
            viewport()->width() - 2 * document()->documentMargin()};
}

void CajaReferencia::ponerTexto(const QString& texto) {
    ponerTexto(texto, partidor()(texto));
}

void CajaReferencia::ponerTexto(const QString& texto, const std::vector<qsizetype>& cortes) {
    cortes_.clear();
    if (cortes.empty()) {
        setPlainText(texto);
        document()->setUndoRedoEnabled(true);
        return;
    }
    QString partido;
    partido.reserve(texto.size() + static_cast<qsizetype>(cortes.size()));
    qsizetype desde = 0;
    for (const qsizetype corte : cortes) {
        partido.append(QStringView(texto).mid(desde, corte - desde)).append(QChar::ParagraphSeparator);
        desde = corte;
    }
    partido.append(QStringView(texto).mid(desde));
    setPlainText(partido);
    document()->setUndoRedoEnabled(false);

    // The block after each split continues its paragraph; line breaks are counted to find it.
    QTextBlock bloque = document()->begin();
    qsizetype posicion = 0;
    for (const qsizetype corte : cortes) {
        for (; posicion < corte; ++posicion) {
            const QChar c = texto[posicion];
            if (esSalto(c) && !(c == u'\r' && posicion + 1 < texto.size() && texto[posicion + 1] == u'\n')) {
                bloque = bloque.next();
            }
        }
        bloque = bloque.next();
        bloque.setUserState(parrafos::kContinuacion);
        cortes_.push_back(bloque.position());
    }
}

QString CajaReferencia::toPlainText() const {
    return parrafos::textoSinCortes(*document(), 0, document()->characterCount() - 1);
}

std::vector<qsizetype> CajaReferencia::Partidor::operator()(QStringView texto,
                                                            const std::function<bool()>& seguir) const {
    std::vector<qsizetype> cortes;
    auto abandonar = [&seguir] {
        return seguir && !seguir();
    };
    QTextOption cualquiera = opciones;
    cualquiera.setWrapMode(QTextOption::WrapAnywhere);
    qsizetype inicioParrafo = 0;
    while (inicioParrafo < texto.size()) {
        qsizetype finParrafo = inicioParrafo;
        while (finParrafo < texto.size() && !esSalto(texto[finParrafo])) {
            ++finParrafo;
        }
        const QStringView parrafo = texto.mid(inicioParrafo, finParrafo - inicioParrafo);
        const qsizetype base = inicioParrafo;
        inicioParrafo = finParrafo + 1;
        if (parrafo.size() <= static_cast<qsizetype>(parrafos::kLargoMaximo)) {
            continue;
        }
        qsizetype ultimoCorte = 0;
        auto cortar = [&](qsizetype inicio, qsizetype separacion) {
            if (inicio - ultimoCorte >= separacion) {
                ultimoCorte = inicio;
                cortes.push_back(base + inicio);
            }
        };
        // Text from a line start is laid out in pieces: every line of a piece but its last ends
        // where it does in the whole paragraph.
        qsizetype linea = 0;
        auto medirHasta = [&](qsizetype hasta) {
            while (parrafo.size() > kParrafoEnorme && hasta - linea > kTrozoProsa && !abandonar()) {
                const std::vector<int> inicios =
                    iniciosDeLinea(parrafo.mid(linea, kTrozoProsa), fuente, opciones, ancho);
                if (inicios.size() < 2) {
                    break;
                }
                linea += inicios.back();
                cortar(linea, kTrozoProsa / 2);
            }
        };
        // A run between two places where a line may break, wider than a line, starts a line of
        // its own and is broken anywhere: laid out alone it breaks where it does in its paragraph,
        // and at no cost beyond its length. Every line start in it is a place to split.
        QTextBoundaryFinder limites(QTextBoundaryFinder::Line, parrafo.data(), parrafo.size());
        qsizetype inicioTramo = 0;
        QStringView anterior;
        std::vector<int> inicios;
        for (qsizetype fin = limites.toNextBoundary(); fin != -1; fin = limites.toNextBoundary()) {
            const qsizetype tramo = inicioTramo;
            inicioTramo = fin;
            if (fin - tramo <= static_cast<qsizetype>(parrafos::kLargoMaximo)) {
                continue;
            }
            medirHasta(tramo);
            for (qsizetype pieza = tramo;;) {
                const QStringView trozo = parrafo.mid(pieza, std::min(kTrozo, fin - pieza));
                // A piece that starts a line breaks the same wherever it stands: a run that
                // repeats itself is laid out once.
                if (trozo != anterior) {
                    anterior = trozo;
                    inicios = iniciosDeLinea(trozo, fuente, cualquiera, ancho);
                }
                if (inicios.size() < 2 || abandonar()) {
                    break; // what is left of it fits in one line, or the load was given up
                }
                for (const int inicio : inicios) {
                    if (inicio > 0) {
                        cortar(pieza + inicio, static_cast<qsizetype>(parrafos::kLargoMaximo) / 2);
                    }
                }
                // The last line may go on past this piece: the next piece starts with it.
                const bool ultimoTrozo = pieza + trozo.size() >= fin;
                pieza += inicios.back();
                linea = pieza;
                if (ultimoTrozo) {
                    break;
                }
            }
        }
        medirHasta(parrafo.size());
    }
    return cortes;
}

void CajaReferencia::seguirCortes(int desde, int quitados, int anadidos) {
    if (cortes_.empty()) {
        return;
    }
    // Qt gives two merged blocks the state of the later one and a new block none: the splits are
    // followed here by position, and the blocks the edit touched get their state again.
    const auto primero = std::upper_bound(cortes_.begin(), cortes_.end(), desde);
    const auto ultimo = std::upper_bound(primero, cortes_.end(), desde + quitados);
    for (auto it = cortes_.erase(primero, ultimo); it != cortes_.end(); ++it) {
        *it += anadidos - quitados;
    }
    for (QTextBlock bloque = document()->findBlock(desde);
         bloque.isValid() && bloque.position() <= desde + anadidos; bloque = bloque.next()) {
        const bool corte = std::binary_search(cortes_.begin(), cortes_.end(), bloque.position());
        bloque.setUserState(corte ? parrafos::kContinuacion : -1);
    }
}

void CajaReferencia::keyPressEvent(QKeyEvent* evento) {
    // A split is no character: Backspace just after one and Delete just before one act on the
    // character beyond it, as they would on a wrapped line.
    QTextCursor cursor = textCursor();
    if (!isReadOnly() && !cursor.hasSelection()) {
        if (evento->key() == Qt::Key_Backspace && cursor.atBlockStart() &&
            parrafos::esContinuacion(cursor.block())) {
            cursor.movePosition(QTextCursor::PreviousCharacter);
            setTextCursor(cursor);
        } else if (evento->key() == Qt::Key_Delete && cursor.atBlockEnd() &&
                   parrafos::esContinuacion(cursor.block().next())) {
            cursor.movePosition(QTextCursor::NextCharacter);
            setTextCursor(cursor);
        }
    }
    QPlainTextEdit::keyPressEvent(evento);
}

QMimeData* CajaReferencia::createMimeDataFromSelection() const {
    return parrafos::copiaSinCortes(*document(), textCursor());
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
    if (canInsertFromMimeData(datos)) {
        pegar(datos->text());
    }
}

void CajaReferencia::pegar(QString pegado) {
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
