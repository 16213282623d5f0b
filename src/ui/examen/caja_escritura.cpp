#include "ui/examen/caja_escritura.h"

#include "engine/evaluacion.h"
#include "ui/examen/barra_desplazamiento.h"
#include "ui/examen/parrafos_partidos.h"
#include "ui/examen/teclado.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace tecladas {

namespace {

bool esNavegacion(int tecla) {
    return tecla == Qt::Key_End || tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown;
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
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (caracter == kTeclaEnter) {
        cursor.insertBlock();
    } else {
        cursor.insertText(QString::fromUcs4(&caracter, 1));
        partirSiEsLargo(cursor.block());
        cursor.movePosition(QTextCursor::End);
    }
    parrafos::conservarGlifos(cursor.block());
    setTextCursor(cursor);
}

void CajaEscritura::partirSiEsLargo(const QTextBlock& bloque) {
    if (static_cast<std::size_t>(bloque.length() - 1) <= parrafos::kLargoMaximo) {
        return;
    }
    document()->documentLayout()->blockBoundingRect(bloque); // lays the block out if it is not
    const QTextLayout* disposicion = bloque.layout();
    if (disposicion == nullptr || disposicion->lineCount() < 2) {
        return;
    }
    QTextCursor corte(document());
    corte.setPosition(bloque.position() + disposicion->lineAt(disposicion->lineCount() - 1).textStart());
    corte.insertBlock();
    corte.block().setUserState(parrafos::kContinuacion);
}

QString CajaEscritura::contenido() const {
    return parrafos::textoSinCortes(*document(), 0, document()->characterCount() - 1);
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
    // A dead key or a pre-edit left from one run must not change the first key of the next.
    if (evento->type() == QEvent::EnabledChange) {
        composicion_.olvidar();
        QGuiApplication::inputMethod()->reset();
    }
    QPlainTextEdit::changeEvent(evento);
}

bool CajaEscritura::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

void CajaEscritura::insertFromMimeData(const QMimeData*) {}

void CajaEscritura::contextMenuEvent(QContextMenuEvent* evento) {
    evento->accept();
}

} // namespace tecladas
