#pragma once

#include "ui/examen/teclado.h"

#include <QBasicTimer>
#include <QGlyphRun>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

class QTextCursor;

namespace tecladas {

/// The typing box. It only ever shows what the judge accepted: the user's keys, one character a
/// key at most, go out as signals, and nothing reaches the text by any other way (paste, drop,
/// cut, undo, delete). The window appends accepted characters with `anadirAlFinal`.
class CajaEscritura final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY(CajaEscritura)

public:
    explicit CajaEscritura(QWidget* padre = nullptr);

    /// Appends an accepted character at the end of the text, whatever the caret, and leaves
    /// the caret after it. Enter starts a new line. The paragraph being typed is held one
    /// wrapped line a block (see `parrafos`), so that a key lays out only the line it lands on
    /// and repaints only what it changed. A letter that fits on its line is on screen at once and
    /// in the text a moment later; `contenido()`, a paint or any change of the box takes it in
    /// first.
    void anadirAlFinal(char32_t caracter);

    /// What the box holds as the user reads it: the accepted text, each Enter as "\n". Unlike
    /// `toPlainText()`, it has no line break where a long paragraph was only split.
    QString contenido() const;
    /// `contenido()`, for tools that read any text box. It hides Qt's, which gives each split as a
    /// line break: called through a QPlainTextEdit it is still Qt's.
    QString toPlainText() const { return contenido(); }

    QVariant inputMethodQuery(Qt::InputMethodQuery consulta) const override;

Q_SIGNALS:
    /// A key was pressed, with its key code and shift state (see `teclaCancelada`). A receiver
    /// that sets `*cancelada` keeps it from being typed.
    void teclaPulsada(int codigoTecla, int estadoMayusculas, bool* cancelada);
    /// One character typed, to be judged (Enter as 13).
    void caracterEscrito(char32_t caracter);
    /// Several characters from one key or one input-method commit, which no key types.
    void pegadoRechazado();

protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void timerEvent(QTimerEvent* evento) override;
    bool canInsertFromMimeData(const QMimeData* datos) const override;
    void insertFromMimeData(const QMimeData* datos) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    /// Whether what a character changed on screen is painted at once, or, from inside a paint,
    /// once it is over.
    enum class Repintado { Ahora, AlVolver };
    /// Takes into the text the letter `anadirAlFinal` painted ahead, if one is still waiting.
    void terminarEscritura(Repintado repintado);
    /// Appends `caracter` at `cursor` and repaints what it changed on screen, but for the letter
    /// painted ahead `corrido` pixels on from `caretAntes` where the text puts it there too.
    void escribirYMostrar(QTextCursor& cursor, char32_t caracter, const QRect& caretAntes,
                          std::optional<int> corrido, Repintado repintado);
    void seguirAlFinal();
    QTextCursor cursorAlFinal() const;
    void escribir(QTextCursor& cursor, char32_t caracter);
    /// What appending `caracter` changed on screen, in the viewport: the character and the
    /// caret, and the line the text left when it went on to a new one; the whole box when a
    /// line changed its height.
    QRegion zonaCambiada(const QRect& caretAntes, const QTextCursor& cursor, char32_t caracter) const;
    int margenDeGlifo() const;
    /// Paints `caracter`, to be appended at `cursor`, and the caret after it, before the text
    /// takes it in, and tells how many pixels the caret went on; nothing, having painted nothing,
    /// where it cannot be told beforehand where the letter goes.
    std::optional<int> pintarAntesDeEscribir(const QTextCursor& cursor, char32_t caracter,
                                             const QRect& caretAntes);
    /// `caracter` laid out alone as the box lays out its text, and its glyphs, kept for the next
    /// time it is typed.
    struct LetraSola {
        QTextLayout disposicion;
        QList<QGlyphRun> glifos;
    };
    const LetraSola& letraSola(char32_t caracter);
    void prepararGlifos();
    /// Whether the box holds right-to-left text.
    bool hayDerechaIzquierda();
    /// Paints `zona`, when it is a few cells wide, drawing only the glyphs that reach into it;
    /// false, having painted nothing, where Qt's own painting is needed.
    bool pintarCeldas(const QRect& zona);
    void partirEnLineas(const QTextBlock& bloque);
    void juzgar(const std::vector<char32_t>& caracteres);

    /// How many cells wide a repainted zone may be for `pintarCeldas`; a key's is two or three.
    static constexpr int kCeldasPintadasAParte = 8;

    /// The letter `pintarAntesDeEscribir` paints (see `letraSola`) and where its line will show it.
    struct Anticipado {
        const LetraSola* glifo = nullptr;
        QPointF origen;
        QColor tinta;
        /// The block above the letter's, if any, and the letter's, each with its place.
        std::vector<std::pair<QTextBlock, QPointF>> bloques;
        bool pintado = false;
    };
    std::optional<Anticipado> anticipado_;
    /// A letter painted ahead and not yet in the text, with the text it was typed into.
    struct Pendiente {
        char32_t caracter;
        QRect caretAntes;
        int corrido;
        int revision;
        int caracteres;
    };
    std::optional<Pendiente> pendiente_;
    QBasicTimer esperaParaEscribir_;
    /// Milliseconds: time enough for the display server to show a letter, far less than the
    /// time between two keys of the fastest typist.
    static constexpr int kEsperaParaEscribir = 2;
    /// The letters `letraSola` laid out, forgotten when the font changes.
    std::unordered_map<char32_t, std::unique_ptr<LetraSola>> letras_;
    bool glifosPreparados_ = false;
    /// What `hayDerechaIzquierda` found, and for which revision of the text.
    bool derechaIzquierda_ = false;
    int revisionLeida_ = -1;
    /// Letters from here on (Hebrew, Arabic, the scripts of India...) may need shaping.
    static constexpr char32_t kPrimeroConForma = 0x0590;

    Composicion composicion_;
};

} // namespace tecladas
