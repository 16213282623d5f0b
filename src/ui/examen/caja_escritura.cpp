#include "ui/examen/caja_escritura.h"

#include "engine/evaluacion.h"
#include "ui/examen/barra_desplazamiento.h"
#include "ui/examen/parrafos_partidos.h"
#include "ui/examen/teclado.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tecladas {

namespace {

bool esNavegacion(int tecla) {
    return tecla == Qt::Key_End || tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown;
}

/// Draws the glyphs of `linea` that may reach into `zona`, a few cells wide: those of the
/// characters under it and, for the glyphs that overhang their cells, one more each side.
void dibujarGlifosEn(QPainter& pintor, const QTextLine& linea, const QPointF& origen, const QRect& zona,
                     int margen) {
    const int inicio = linea.textStart();
    const int fin = inicio + linea.textLength();
    const int desde = std::max(inicio, linea.xToCursor(zona.left() - margen - origen.x()) - 1);
    const int hasta = std::min(fin, linea.xToCursor(zona.right() + 1 + margen - origen.x()) + 1);
    if (hasta <= desde) {
        return;
    }
    for (const QGlyphRun& glifos : linea.glyphRuns(desde, hasta - desde)) {
        pintor.drawGlyphRun(origen, glifos);
    }
}

} // namespace

CajaEscritura::CajaEscritura(QWidget* padre)
    : QPlainTextEdit(padre) {
    // Read-only to Qt, so that no paste, drop, cut, undo or delete can change the text; the
    // caret stays visible and the keys come to keyPressEvent.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Where the box composes its dead keys itself, no input method: Qt's own compose hands a
    // composed letter over ahead of the keys typed before it whenever the window was busy.
    setAttribute(Qt::WA_InputMethodEnabled, !composicion_.compone());
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    setTabChangesFocus(false);
    setVerticalScrollBar(new BarraDesplazamiento);
    // A click does not place the caret where the text goes on (see `anadirAlFinal`).
    viewport()->setCursor(Qt::ForbiddenCursor);
}

void CajaEscritura::anadirAlFinal(char32_t caracter) {
    terminarEscritura(Repintado::Ahora);
    QTextCursor cursor = cursorAlFinal();
    // Right-to-left text changes its order as it grows, and its characters are not shown in the
    // order they are held: Qt repaints its paragraphs itself.
    if (parrafos::esDerechaIzquierda(caracter) || hayDerechaIzquierda()) {
        escribir(cursor, caracter);
        setTextCursor(cursor);
        return;
    }
    // Qt repaints the whole paragraph at every character, and the whole box when a line is
    // added, and the display server then copies all of it: only what changed is repainted here.
    const QRect caretAntes = cursorRect(cursor);
    if (const std::optional<int> corrido = pintarAntesDeEscribir(cursor, caracter, caretAntes)) {
        // The display has the letter; the text takes it in a moment later, once the display
        // server has had the processor to show it, rather than contending with it for the
        // processor. Whatever reads or paints the box before takes it in first.
        pendiente_ =
            Pendiente{caracter, caretAntes, *corrido, document()->revision(), document()->characterCount()};
        esperaParaEscribir_.start(kEsperaParaEscribir, Qt::PreciseTimer, this);
        return;
    }
    escribirYMostrar(cursor, caracter, caretAntes, std::nullopt, Repintado::Ahora);
}

void CajaEscritura::terminarEscritura(Repintado repintado) {
    esperaParaEscribir_.stop();
    const std::optional<Pendiente> pendiente = std::exchange(pendiente_, std::nullopt);
    // A text cleared or replaced since is not the one the letter was typed into; it was
    // repainted whole.
    if (!pendiente || document()->revision() != pendiente->revision ||
        document()->characterCount() != pendiente->caracteres) {
        return;
    }
    QTextCursor cursor = cursorAlFinal();
    escribirYMostrar(cursor, pendiente->caracter, pendiente->caretAntes, pendiente->corrido, repintado);
}

void CajaEscritura::escribirYMostrar(QTextCursor& cursor, char32_t caracter, const QRect& caretAntes,
                                     std::optional<int> corrido, Repintado repintado) {
    {
        const QSignalBlocker sinRepintar(document()->documentLayout());
        escribir(cursor, caracter);
    }
    // Qt's caret went on with the text, to where the letter was painted ahead; were it not so,
    // what was painted is put right as for any other key.
    if (corrido && textCursor().position() == cursor.position() &&
        cursorRect(cursor).topLeft() == caretAntes.topLeft() + QPoint(*corrido, 0)) {
        return;
    }
    viewport()->update(zonaCambiada(caretAntes, cursor, caracter));
    if (repintado == Repintado::AlVolver) {
        // Called from a paint: the box scrolls to the caret once it is over.
        QMetaObject::invokeMethod(
            this, [this] { seguirAlFinal(); }, Qt::QueuedConnection);
        return;
    }
    seguirAlFinal();
    // Painted and sent to the display now, where the box may have scrolled since, rather than on
    // the next turn of the event loop: the caret is part of what is to be painted already.
    viewport()->repaint(cursorRect());
}

void CajaEscritura::seguirAlFinal() {
    // What Qt does on the signal held back while the text took the character: the scroll bar and
    // the first line shown follow the text. The caret goes to the end, wherever it was put.
    QAbstractTextDocumentLayout& disposicion = *document()->documentLayout();
    Q_EMIT disposicion.documentSizeChanged(disposicion.documentSize());
    setTextCursor(cursorAlFinal());
}

QTextCursor CajaEscritura::cursorAlFinal() const {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

std::optional<int> CajaEscritura::pintarAntesDeEscribir(const QTextCursor& cursor, char32_t caracter,
                                                        const QRect& caretAntes) {
    // Most keys append one letter that fits on the line being typed: it is painted, with the
    // caret after it, before the text takes it in, so that the layout of the line, which costs
    // more than the painting, comes after the display has the key. Only a letter of the box's
    // font that needs no shaping, drawn after a visible caret at the end of a one-line block;
    // anything else goes the common way.
    const bool simple = QChar::isPrint(caracter) && caracter < kPrimeroConForma && !QChar::isMark(caracter) &&
                        fontMetrics().inFontUcs4(caracter);
    // Not into an empty box: `pintarCeldas` leaves that to Qt.
    if (!simple || document()->isEmpty() || textCursor().position() != cursor.position() ||
        !viewport()->rect().contains(caretAntes)) {
        return std::nullopt;
    }
    const QAbstractTextDocumentLayout::PaintContext contexto = getPaintContext();
    const QTextLayout* disposicion = cursor.block().layout();
    if (contexto.cursorPosition != cursor.position() || !contexto.selections.isEmpty() ||
        disposicion == nullptr || disposicion->lineCount() != 1) {
        return std::nullopt;
    }
    const QTextLine linea = disposicion->lineAt(0);
    const LetraSola& letra = letraSola(caracter);
    const QTextLine sola = letra.disposicion.lineAt(0);
    const qreal x = linea.cursorToX(cursor.positionInBlock());
    const qreal ancho = sola.cursorToX(1);
    // A letter that would take the line to its edge may send a word on to the next line.
    if (x + ancho + 1 >= linea.width() || sola.ascent() != linea.ascent() ||
        sola.descent() != linea.descent()) {
        return std::nullopt;
    }
    auto& anticipado = anticipado_.emplace();
    anticipado.glifo = &letra;
    // The zone reaches no further than the line and the block above it, whose places are known.
    const QPointF origenBloque = blockBoundingGeometry(cursor.block()).topLeft() + contentOffset();
    anticipado.origen = origenBloque + disposicion->position() + QPointF(x, linea.y());
    anticipado.tinta = contexto.palette.text().color();
    if (const QTextBlock anterior = cursor.block().previous(); anterior.isValid()) {
        anticipado.bloques.emplace_back(anterior,
                                        origenBloque - QPointF(0, blockBoundingRect(anterior).height()));
    }
    anticipado.bloques.emplace_back(cursor.block(), origenBloque);
    const int corrido = qRound(x + ancho) - qRound(x);
    // Qt asks for no repaint of its own here, so the zone is the two carets and the letter
    // between them, with the margin of a glyph that overhangs its cell.
    const int margen = margenDeGlifo();
    viewport()->repaint(
        caretAntes.united(caretAntes.translated(corrido, 0)).adjusted(-margen, -margen, margen, margen));
    // Painted only if nothing else was waiting to be painted around it (see `pintarCeldas`).
    const bool pintado = anticipado_->pintado;
    anticipado_.reset();
    return pintado ? std::optional(corrido) : std::nullopt;
}

const CajaEscritura::LetraSola& CajaEscritura::letraSola(char32_t caracter) {
    std::unique_ptr<LetraSola>& letra = letras_[caracter];
    if (!letra) {
        letra = std::make_unique<LetraSola>();
        QTextLayout& disposicion = letra->disposicion;
        disposicion.setText(QString::fromUcs4(&caracter, 1));
        disposicion.setFont(document()->defaultFont());
        disposicion.setTextOption(document()->defaultTextOption());
        disposicion.setCacheEnabled(true);
        disposicion.beginLayout();
        disposicion.createLine();
        disposicion.endLayout();
        letra->glifos = disposicion.glyphRuns();
    }
    return *letra;
}

bool CajaEscritura::hayDerechaIzquierda() {
    // Known from the characters appended, and read again only when the text changed otherwise
    // (cleared for a new run).
    if (document()->revision() != revisionLeida_) {
        const QString texto = document()->toRawText();
        derechaIzquierda_ = std::any_of(texto.cbegin(), texto.cend(),
                                        [](QChar c) { return parrafos::esDerechaIzquierda(c.unicode()); });
        revisionLeida_ = document()->revision();
    }
    return derechaIzquierda_;
}

QRegion CajaEscritura::zonaCambiada(const QRect& caretAntes, const QTextCursor& cursor,
                                    char32_t caracter) const {
    const QRect caret = cursorRect(cursor);
    const int margen = margenDeGlifo();
    // Qt repaints the old and the new caret with 5 pixels either side, and rounds outwards: a
    // margin one wider makes one rectangle of it all, which reaches the display in one request.
    const int lados = std::max(margen, 6);
    if (caretAntes.top() == caret.top()) {
        // A glyph of another font that makes its line taller moves the text around it: Qt then
        // repaints the whole box. One that does not may still reach further than those of the
        // box's font; a mark is drawn over the character before it.
        if (caretAntes.height() != caret.height()) {
            return viewport()->rect();
        }
        if (!fontMetrics().inFontUcs4(caracter) || QChar::isMark(caracter)) {
            return QRect(0, caretAntes.top() - margen, viewport()->width(), caretAntes.height() + 2 * margen);
        }
        return caretAntes.united(caret).adjusted(-lados, -margen, lados, margen);
    }
    // On to a new line: the old one loses what went on with the character (a word that no longer
    // fits), from where its text now ends; the new one is drawn up to the caret.
    const QTextCursor inicioAntes = cursorForPosition(QPoint(0, caretAntes.center().y()));
    const QTextBlock bloque = inicioAntes.block();
    const QTextLine linea = bloque.layout()->lineForTextPosition(inicioAntes.positionInBlock());
    if (!linea.isValid() || qRound(linea.height()) != caretAntes.height()) {
        return viewport()->rect();
    }
    const QPointF origen = blockBoundingGeometry(bloque).topLeft() + contentOffset();
    const int finAntes = std::min(caretAntes.left(), int(origen.x() + linea.x() + linea.naturalTextWidth()));
    return QRegion(QRect(QPoint(finAntes, caretAntes.top()), caretAntes.bottomRight())
                       .adjusted(-lados, -margen, lados, margen)) +
           QRect(QPoint(0, caret.top()), caret.bottomRight()).adjusted(0, -margen, lados, margen);
}

int CajaEscritura::margenDeGlifo() const {
    // A glyph may reach past its own cell by its bearing; one pixel more for the smoothing.
    const QFontMetrics medidas = fontMetrics();
    return 1 + std::max({1, -medidas.minLeftBearing(), -medidas.minRightBearing()});
}

void CajaEscritura::escribir(QTextCursor& cursor, char32_t caracter) {
    const bool alDia = document()->revision() == revisionLeida_;
    if (caracter == kTeclaEnter) {
        cursor.insertBlock();
    } else {
        cursor.insertText(QString::fromUcs4(&caracter, 1));
        partirEnLineas(cursor.block());
        cursor.movePosition(QTextCursor::End);
    }
    parrafos::conservarGlifos(cursor.block());
    if (alDia) {
        derechaIzquierda_ = derechaIzquierda_ || parrafos::esDerechaIzquierda(caracter);
        revisionLeida_ = document()->revision();
    }
}

void CajaEscritura::partirEnLineas(const QTextBlock& bloque) {
    document()->documentLayout()->blockBoundingRect(bloque); // lays the block out if it is not
    const QTextLayout* disposicion = bloque.layout();
    if (disposicion == nullptr || disposicion->lineCount() < 2) {
        return;
    }
    QTextCursor corte(document());
    corte.setPosition(bloque.position() + disposicion->lineAt(disposicion->lineCount() - 1).textStart());
    corte.insertBlock();
    corte.block().setUserState(parrafos::kContinuacion);
    // Both halves are laid out again at once, so that the line count the scroll bar reads from is
    // right before anything asks for it.
    document()->documentLayout()->blockBoundingRect(corte.block().previous());
    document()->documentLayout()->blockBoundingRect(corte.block());
}

QString CajaEscritura::contenido() const {
    QString texto = parrafos::textoSinCortes(*document(), 0, document()->characterCount() - 1);
    if (pendiente_) {
        texto += QString::fromUcs4(&pendiente_->caracter, 1);
    }
    return texto;
}

QMimeData* CajaEscritura::createMimeDataFromSelection() const {
    return parrafos::copiaSinCortes(*document(), textCursor());
}

QVariant CajaEscritura::inputMethodQuery(Qt::InputMethodQuery consulta) const {
    if (consulta == Qt::ImEnabled) {
        return isEnabled() && !composicion_.compone();
    }
    return QPlainTextEdit::inputMethodQuery(consulta);
}

bool CajaEscritura::event(QEvent* evento) {
    // A character typed in the box is no shortcut of the window's: saying so at once spares Qt
    // asking each widget up to the window and searching its shortcuts at every key.
    if (evento->type() == QEvent::ShortcutOverride) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool conModificador =
            tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!conModificador && !tecla->text().isEmpty() && tecla->text().front().isPrint()) {
            tecla->accept();
            return true;
        }
    }
    // Tab and Shift+Tab are typed, not used to move the focus: a text may hold tabs.
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool tab = tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab;
        if (tab && !(tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(tecla);
            return true;
        }
    }
    return QPlainTextEdit::event(evento);
}

void CajaEscritura::paintEvent(QPaintEvent* evento) {
    terminarEscritura(Repintado::AlVolver);
    if (!pintarCeldas(evento->rect())) {
        QPlainTextEdit::paintEvent(evento);
    }
}

bool CajaEscritura::pintarCeldas(const QRect& zona) {
    // Qt draws every glyph of each line a repaint touches, and a line may hold a hundred; a key
    // changes two or three cells, and then only their glyphs are drawn. What Qt would draw
    // besides text and caret (a selection, an input method's pre-edit, the placeholder, a block
    // cursor) and right-to-left lines, whose characters are not in the order they are shown, are
    // left to Qt.
    if (zona.width() > kCeldasPintadasAParte * fontMetrics().averageCharWidth() || overwriteMode() ||
        document()->isEmpty() || hayDerechaIzquierda()) {
        return false;
    }
    // The letter painted ahead has its blocks and its ink (see `pintarAntesDeEscribir`) unless
    // the zone took in more than what it changed.
    std::vector<std::pair<QTextBlock, QPointF>> tocados;
    QColor tinta;
    int posicionCaret = -1;
    if (anticipado_ && zona.top() >= anticipado_->bloques.front().second.y()) {
        tocados = anticipado_->bloques;
        tinta = anticipado_->tinta;
    } else {
        const QAbstractTextDocumentLayout::PaintContext contexto = getPaintContext();
        if (!contexto.selections.isEmpty() || contexto.cursorPosition < -1) {
            return false;
        }
        tinta = contexto.palette.text().color();
        posicionCaret = contexto.cursorPosition;
        QPointF origen = contentOffset();
        for (QTextBlock bloque = firstVisibleBlock(); bloque.isValid() && origen.y() <= zona.bottom();
             bloque = bloque.next()) {
            const QRectF rectangulo = blockBoundingRect(bloque).translated(origen);
            if (bloque.isVisible() && rectangulo.bottom() >= zona.top()) {
                tocados.emplace_back(bloque, origen);
            }
            origen.ry() += rectangulo.height();
        }
    }
    QPainter pintor(viewport());
    pintor.setClipRect(zona);
    pintor.setPen(tinta);
    const int margen = margenDeGlifo();
    for (const auto& [bloque, origenBloque] : tocados) {
        const QTextLayout& disposicion = *bloque.layout();
        const QPointF origenTexto = origenBloque + disposicion.position();
        for (int i = 0; i < disposicion.lineCount(); ++i) {
            const QTextLine linea = disposicion.lineAt(i);
            const QRectF rectangulo = linea.rect().translated(origenTexto);
            if (rectangulo.bottom() >= zona.top() && rectangulo.top() <= zona.bottom()) {
                dibujarGlifosEn(pintor, linea, origenTexto, zona, margen);
            }
        }
        const int caret = posicionCaret - bloque.position();
        if (!anticipado_ && posicionCaret >= 0 && caret >= 0 && caret < bloque.length()) {
            disposicion.drawCursor(&pintor, origenBloque, caret, cursorWidth());
        }
    }
    if (anticipado_) {
        for (const QGlyphRun& glifos : anticipado_->glifo->glifos) {
            pintor.drawGlyphRun(anticipado_->origen, glifos);
        }
        anticipado_->glifo->disposicion.drawCursor(&pintor, anticipado_->origen, 1, cursorWidth());
        anticipado_->pintado = true;
    }
    return true;
}

void CajaEscritura::keyPressEvent(QKeyEvent* evento) {
    evento->accept();
    bool cancelada = false;
    Q_EMIT teclaPulsada(codigoTecla(evento->key()), estadoMayusculas(evento->modifiers()), &cancelada);
    if (cancelada) {
        return;
    }
    if (esNavegacion(evento->key())) {
        QPlainTextEdit::keyPressEvent(evento);
        return;
    }
    juzgar(composicion_.teclear(*evento));
}

void CajaEscritura::inputMethodEvent(QInputMethodEvent* evento) {
    // The pre-edit text of a composition is never shown: only committed characters are judged.
    evento->accept();
    juzgar(puntosDeCodigo(evento->commitString().normalized(QString::NormalizationForm_C)));
}

void CajaEscritura::juzgar(const std::vector<char32_t>& caracteres) {
    if (caracteres.size() > 1) {
        Q_EMIT pegadoRechazado();
    } else if (!caracteres.empty()) {
        Q_EMIT caracterEscrito(caracteres.front());
    }
}

void CajaEscritura::changeEvent(QEvent* evento) {
    // In the font, the size and the state the letter was painted with.
    terminarEscritura(Repintado::Ahora);
    if (evento->type() == QEvent::FontChange) {
        letras_.clear();
        glifosPreparados_ = false;
    }
    // A dead key or a pre-edit left from one run must not change the first key of the next.
    if (evento->type() == QEvent::EnabledChange) {
        composicion_.olvidar();
        QGuiApplication::inputMethod()->reset();
    }
    QPlainTextEdit::changeEvent(evento);
    if (evento->type() == QEvent::EnabledChange && isEnabled() && !glifosPreparados_) {
        prepararGlifos();
    }
}

void CajaEscritura::prepararGlifos() {
    // Qt renders a glyph the first time it is drawn at each quarter of a pixel, and a key that
    // does waits for it: the letters a text may hold are drawn once, off screen, at each quarter,
    // when a run starts.
    QString letras;
    for (const auto& [desde, hasta] : {std::pair(u' ', u'\u00ff'), std::pair(u'\u2010', u'\u2027')}) {
        for (char16_t c = desde; c <= hasta; ++c) {
            if (QChar::isPrint(c)) {
                letras += QChar(c);
            }
        }
    }
    letras += u'€';
    const QRawFont fuente = QRawFont::fromFont(document()->defaultFont());
    QGlyphRun glifos;
    glifos.setRawFont(fuente);
    glifos.setGlyphIndexes(fuente.glyphIndexesForString(letras));
    const qreal escala = devicePixelRatioF();
    QImage lienzo(QSize(64, 64) * escala, QImage::Format_ARGB32_Premultiplied);
    lienzo.setDevicePixelRatio(escala);
    QPainter pintor(&lienzo);
    for (int cuarto = 0; cuarto < 4; ++cuarto) {
        // All in one place: what is kept is the rendered glyph, not the picture.
        const QPointF punto(8 + cuarto / (4 * escala), 32);
        glifos.setPositions(QList<QPointF>(glifos.glyphIndexes().size(), punto));
        pintor.drawGlyphRun(QPointF(), glifos);
    }
    glifosPreparados_ = true;
}

void CajaEscritura::timerEvent(QTimerEvent* evento) {
    if (evento->timerId() == esperaParaEscribir_.timerId()) {
        terminarEscritura(Repintado::Ahora);
        return;
    }
    QPlainTextEdit::timerEvent(evento);
}

bool CajaEscritura::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

void CajaEscritura::insertFromMimeData(const QMimeData*) {}

void CajaEscritura::contextMenuEvent(QContextMenuEvent* evento) {
    evento->accept();
}

} // namespace tecladas
