#include "lineas_visuales.h"
#include "ventana_prueba.h"

#include "ui/examen/caja_escritura.h"
#include "ui/textos.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace tecladas {
namespace {

class CajaEscrituraTest : public prueba::VentanaPrueba {
protected:
    void componer(const QString& confirmado, const QString& preedicion = {}, int reemplazar = 0) {
        QInputMethodEvent evento(preedicion, {});
        evento.setCommitString(confirmado, -reemplazar, reemplazar);
        QApplication::sendEvent(textoact(), &evento);
    }
    /// A key with the text a real X11 keyboard sends with it.
    std::function<void()> conTecla(int clave, Qt::KeyboardModifiers modificadores, const char* texto) {
        return [=, this] {
            tecla(textoact(), clave, modificadores, QString::fromLatin1(texto));
        };
    }
};

TEST_F(CajaEscrituraTest, NothingButAJudgedKeyChangesTheBox) {
    QMimeData arrastrado; // what a file manager drags
    arrastrado.setText(QStringLiteral("bc"));
    arrastrado.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/bc.txt"))});
    const struct {
        const char* nombre;
        std::function<void()> hacer;
        bool juzgado; ///< reaches the judge as one (wrong) character: one beep
    } intentos[] = {
        {"ctrl_v", conTecla(Qt::Key_V, Qt::ControlModifier, "\x16"), false},
        {"shift_insert", conTecla(Qt::Key_Insert, Qt::ShiftModifier, ""), false},
        {"ctrl_x", conTecla(Qt::Key_X, Qt::ControlModifier, "\x18"), false},
        {"shift_delete", conTecla(Qt::Key_Delete, Qt::ShiftModifier, ""), false},
        {"delete", conTecla(Qt::Key_Delete, Qt::NoModifier, "\x7f"), false},
        {"ctrl_z", conTecla(Qt::Key_Z, Qt::ControlModifier, "\x1a"), false},
        {"ctrl_backspace", conTecla(Qt::Key_Backspace, Qt::ControlModifier, "\b"), false},
        {"alt_x", conTecla(Qt::Key_X, Qt::AltModifier, "x"), false},
        {"home", conTecla(Qt::Key_Home, Qt::NoModifier, ""), false},
        {"shift_left", conTecla(Qt::Key_Left, Qt::ShiftModifier, ""), false},
        {"menu_key", conTecla(Qt::Key_Menu, Qt::NoModifier, ""), false},
        {"escape", conTecla(Qt::Key_Escape, Qt::NoModifier, "\x1b"), true},
        {"control_character", conTecla(Qt::Key_unknown, Qt::NoModifier, "\x01"), true},
        {"ctrl_shift_z", conTecla(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a"), true},
        {"backspace", conTecla(Qt::Key_Backspace, Qt::NoModifier, "\b"), true},
        {"dead_key_and_preedit",
         [this] { tecla(textoact(), Qt::Key_Dead_Acute), componer({}, QStringLiteral("´")); }, false},
        {"commit_replacing_typed_text", [this] { componer({}, {}, 1); }, false},
        {"commit_of_two_characters", [this] { componer(QStringLiteral("bc")); }, true},
        {"key_of_two_characters", conTecla(Qt::Key_unknown, {}, "bc"), true},
        {"context_menu",
         [this] {
             QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(10, 10));
             QApplication::sendEvent(textoact()->viewport(), &menu);
         },
         false},
        {"drop",
         [&] {
             QDragEnterEvent entrar(QPoint(20, 10), Qt::CopyAction, &arrastrado, Qt::LeftButton, {});
             QApplication::sendEvent(textoact()->viewport(), &entrar);
             EXPECT_FALSE(entrar.isAccepted()) << "the pointer shows no-drop";
             QDropEvent soltar(QPointF(20, 10), Qt::CopyAction, &arrastrado, Qt::LeftButton, {});
             QApplication::sendEvent(textoact()->viewport(), &soltar);
         },
         false},
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("bc")); // what a paste that got through would fit
    iniciarCon(QStringLiteral("abc"));
    pulsar(QLatin1Char('a'));
    for (const auto& intento : intentos) {
        SCOPED_TRACE(intento.nombre);
        const int pitidos = registro->pitidos;
        // A menu would wait in its own loop: close it from inside.
        QTimer::singleShot(0, [] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menu->close();
                ADD_FAILURE() << "a menu opened";
            }
        });
        intento.hacer();
        QCoreApplication::processEvents();
        EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("a"));
        EXPECT_EQ(ventana->sesion().aciertos, 1);
        EXPECT_EQ(registro->pitidos, pitidos + (intento.juzgado ? 1 : 0));
    }
    QGuiApplication::clipboard()->clear();
}

TEST_F(CajaEscrituraTest, DeadKeysInputMethodCommitsCtrlAltAltGrAndTabAreTyped) {
    iniciarCon(QStringLiteral("á\t@€\t\tno"));
    tecla(textoact(), Qt::Key_Dead_Acute); // left pending by a stopped run: forgotten by the next
    ventana->cmdDetener_Click();
    iniciar();
#if defined(Q_OS_WIN)
    pulsar(u'á'); // Windows hands a dead key's letter over composed
#else
    tecla(textoact(), Qt::Key_Dead_Acute);
    pulsar(u'a'); // judged once: an "a", or a "´" first, would be wrong
#endif
    // Ctrl+Alt+I is a tab on X11; AltGr comes as its own modifier, or as Ctrl+Alt.
    tecla(textoact(), Qt::Key_I, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("\t"));
    tecla(textoact(), Qt::Key_At, Qt::GroupSwitchModifier, QStringLiteral("@"));
    tecla(textoact(), Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("€"));
    tecla(textoact(), Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    tecla(textoact(), Qt::Key_Backtab, Qt::ShiftModifier, QStringLiteral("\t"));
    EXPECT_TRUE(textoact()->hasFocus());
    componer(QStringLiteral("n"), QStringLiteral("o"));
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("á\t@€\t\tn"));
    EXPECT_TRUE(textoact()->document()->lastBlock().layout()->preeditAreaText().isEmpty());
    componer(QStringLiteral("o"));
    EXPECT_EQ(registro->pitidos, 0);
    EXPECT_EQ(registro->mensajes, (QStringList{textos::detenido(), textos::textoCompletado()}));
}

TEST_F(CajaEscrituraTest, AKeyRepaintsAllThatItChangesOnScreen) {
    // Lines that fill the box and scroll it, lines that wrap, a tab, a mark on the letter before
    // it, a glyph of another font that makes its line taller and then goes on to the next one,
    // and right-to-left text, which turns its paragraph round or takes a digit after it in.
    QString texto = QStringLiteral("a\nb\nc\nd\ne\nf\ng\n");
    while (texto.size() < 220) {
        texto += QStringLiteral("según las bases, ");
    }
    texto += QStringLiteral("\tx\u0301 y\nsegún las bases, según las bases, según las bases, ✓") +
             QString(60, u'x') + QStringLiteral("\n12 א\nabc אבג 12");
    iniciarCon(texto);
    const QWidget& area = *textoact()->viewport();
    const QRect caja(area.mapTo(ventana.get(), QPoint()), area.size());
    const auto enPantalla = [&] {
        return ventana->screen()->grabWindow(ventana->winId(), caja.x(), caja.y(), caja.width(),
                                             caja.height());
    };
    const auto repintado = [&](const std::function<void()>& pintar) {
        pintar();
        QCoreApplication::processEvents();
        const QImage mostrado = enPantalla().toImage();
        textoact()->viewport()->repaint();
        return mostrado == enPantalla().toImage();
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (i == 9) { // letters typed before are drawn again in the new size
            QFont mayor = textoact()->font();
            mayor.setPointSizeF(mayor.pointSizeF() * 1.5);
            textoact()->setFont(mayor);
        }
        ASSERT_TRUE(repintado([&] { pulsar(texto[i]); })) << "after " << texto.left(i + 1).toStdString();
    }
    // A caret put back by a click blinks over its line and the one below.
    textoact()->setEnabled(true);
    textoact()->setFocus();
    EXPECT_TRUE(repintado([&] { textoact()->moveCursor(QTextCursor::Start); }));
    const QRect caret = textoact()->cursorRect();
    EXPECT_TRUE(
        repintado([&] { textoact()->viewport()->repaint(caret.adjusted(-2, 0, 2, caret.height())); }));
    EXPECT_TRUE(area.rect().contains(textoact()->cursorRect())) << "the box follows the caret";
    EXPECT_EQ(registro->pitidos, 0);
}

TEST_F(CajaEscrituraTest, ALetterPaintedAheadReachesTheTextBeforeAnythingReadsOrChangesTheBox) {
    const struct {
        const char* nombre;
        std::function<void()> hacer;
        QString texto; ///< what the box's text holds then
    } casos[] = {
        {"a_moment_later", [] { QTest::qWait(50); }, QStringLiteral("ab")},
        {"next_key", [this] { pulsar(QLatin1Char('c')); }, QStringLiteral("ab")},
        {"paint", [this] { textoact()->viewport()->repaint(); }, QStringLiteral("ab")},
        {"font_change",
         [this] {
             QFont mayor = textoact()->font();
             mayor.setPointSizeF(mayor.pointSizeF() * 1.5);
             textoact()->setFont(mayor);
         },
         QStringLiteral("ab")},
        {"end_of_run", [this] { ventana->cmdDetener_Click(); }, QStringLiteral("ab")},
        {"box_cleared",
         [this] {
             textoact()->clear();
             QTest::qWait(50);
         },
         QString()},
    };
    for (const auto& caso : casos) {
        iniciarCon(QStringLiteral("abcdef"));
        escribir(QStringLiteral("ab"));
        ASSERT_EQ(textoact()->document()->toPlainText(), QStringLiteral("a")) << "b painted ahead";
        EXPECT_EQ(textoact()->contenido(), QStringLiteral("ab"));
        caso.hacer();
        EXPECT_EQ(textoact()->document()->toPlainText(), caso.texto) << caso.nombre;
        if (reloj()->isActive()) {
            ventana->cmdDetener_Click();
        }
    }
}

TEST_F(CajaEscrituraTest, ALongParagraphIsSplitWhereItWrapsWithoutShowingOrCopyingTheSplits) {
    QString texto; // long paragraphs with a word wider than the box and a run of blanks
    for (int i = 0; texto.size() < 8500; ++i) {
        texto += i == 150       ? QStringLiteral("\nfin\n")
                 : i % 97 == 40 ? QString(160, QLatin1Char('z'))
                 : i % 89 == 7  ? QString(130, QLatin1Char(' '))
                                : QStringLiteral("según las bases, ");
    }
    iniciarCon(QStringLiteral("según")); // tools read the box alike during a run and after it
    for (const char32_t c : texto.toUcs4()) {
        textoact()->anadirAlFinal(c == U'\n' ? kTeclaEnter : c);
    }
    textoact()->moveCursor(QTextCursor::Start); // as a click would put it
    textoact()->anadirAlFinal(U'.');
    QTest::qWait(20); // a letter painted ahead reaches the text a moment later
    texto += QLatin1Char('.');
    EXPECT_GT(textoact()->document()->blockCount(), 3) << "three paragraphs held in more blocks";
    EXPECT_EQ(prueba::lineasVisuales(*textoact()), prueba::lineasEnUnaCajaComo(*textoact(), texto));
    QAccessibleInterface* lector = QAccessible::queryAccessibleInterface(textoact());
    QAccessibleTextInterface* leido = lector->textInterface();
    for (const bool enCurso : {true, false}) {
        EXPECT_EQ(reloj()->isActive(), enCurso);
        EXPECT_EQ(QStringList({textoact()->contenido(), textoact()->toPlainText(),
                               lector->text(QAccessible::Value), leido->text(0, leido->characterCount())}),
                  QStringList(4, texto))
            << enCurso;
        ventana->cmdDetener_Click();
    }
    EXPECT_EQ(textoact()->textCursor().position(), textoact()->document()->characterCount() - 1);
    leido->setSelection(0, 1, 2000);
    EXPECT_EQ(textoact()->textCursor().selectedText().remove(QChar::ParagraphSeparator), texto.mid(1, 1999))
        << "1999 characters and the splits among them";

    textoact()->selectAll();
    textoact()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), texto);
    QGuiApplication::clipboard()->clear();
}

} // namespace
} // namespace tecladas
