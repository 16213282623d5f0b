#include "ui/caja_referencia.h"

#include "ui/parrafos_partidos.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
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

} // namespace

CajaReferencia::CajaReferencia(QWidget* padre)
    : QPlainTextEdit(padre) {
    connect(document(), &QTextDocument::contentsChange, this, &CajaReferencia::seguirCortes);
}

void CajaReferencia::ponerTexto(const QString& texto) {
    cortes_.clear();
    const std::vector<qsizetype> cortes = cortesDeTramosLargos(texto);
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

std::vector<qsizetype> CajaReferencia::cortesDeTramosLargos(QStringView texto) const {
    std::vector<qsizetype> cortes;
    const double ancho = viewport()->width() - 2 * document()->documentMargin();
    QTextOption cualquiera = document()->defaultTextOption();
    cualquiera.setWrapMode(QTextOption::WrapAnywhere);
    qsizetype inicioParrafo = 0;
    while (inicioParrafo < texto.size()) {
        qsizetype finParrafo = inicioParrafo;
        while (finParrafo < texto.size() && !esSalto(texto[finParrafo])) {
            ++finParrafo;
        }
        const QStringView parrafo = texto.mid(inicioParrafo, finParrafo - inicioParrafo);
        inicioParrafo = finParrafo + 1;
        if (parrafo.size() <= static_cast<qsizetype>(parrafos::kLargoMaximo)) {
            continue;
        }
        // A run between two places where a line may break, wider than a line, starts a line of
        // its own and is broken anywhere: laid out alone it breaks where it does in its paragraph,
        // and at no cost beyond its length. Every line start in it is a place to split.
        QTextBoundaryFinder limites(QTextBoundaryFinder::Line, parrafo.data(), parrafo.size());
        qsizetype ultimoCorte = 0;
        qsizetype inicioTramo = 0;
        QStringView anterior;
        std::vector<int> inicios;
        for (qsizetype fin = limites.toNextBoundary(); fin != -1; fin = limites.toNextBoundary()) {
            qsizetype linea = inicioTramo;
            inicioTramo = fin;
            while (fin - linea > static_cast<qsizetype>(parrafos::kLargoMaximo)) {
                const QStringView trozo = parrafo.mid(linea, std::min(kTrozo, fin - linea));
                // A piece that starts a line breaks the same wherever it stands: a run that
                // repeats itself is laid out once.
                if (trozo != anterior) {
                    anterior = trozo;
                    inicios.clear();
                    QTextLayout disposicion(trozo.toString(), document()->defaultFont());
                    disposicion.setTextOption(cualquiera);
                    disposicion.setCacheEnabled(false);
                    disposicion.beginLayout();
                    for (QTextLine l = disposicion.createLine(); l.isValid(); l = disposicion.createLine()) {
                        l.setLineWidth(ancho);
                        inicios.push_back(l.textStart());
                    }
                    disposicion.endLayout();
                }
                for (const int inicio : inicios) {
                    if (inicio > 0 &&
                        linea + inicio - ultimoCorte >= static_cast<qsizetype>(parrafos::kLargoMaximo) / 2) {
                        ultimoCorte = linea + inicio;
                        cortes.push_back(parrafo.data() - texto.data() + ultimoCorte);
                    }
                }
                // The last line may go on past this piece: the next piece starts with it.
                if (linea + trozo.size() >= fin || inicios.size() < 2) {
                    break;
                }
                linea += inicios.back();
            }
        }
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
    const QTextCursor seleccion = textCursor();
    auto* datos = new QMimeData;
    datos->setText(
        parrafos::textoSinCortes(*document(), seleccion.selectionStart(), seleccion.selectionEnd()));
    return datos;
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
    if (pegado.isEmpty()) {
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.insertText(pegado);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace tecladas
