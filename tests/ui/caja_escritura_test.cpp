#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace tecladas {
namespace {

/// Every way into the typing box other than a judged key: none may change what it holds.
class CajaEscrituraTest : public prueba::VentanaPrueba {
protected:
    void SetUp() override {
        VentanaPrueba::SetUp();
        // The clipboard holds exactly what comes next, so a paste that got through would fit.
        QGuiApplication::clipboard()->setText(QStringLiteral("bc"));
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        VentanaPrueba::TearDown();
    }
    QString escrito() const { return textoact()->toPlainText(); }
    void componer(const QString& confirmado, const QString& preedicion = {}) {
        QInputMethodEvent evento(preedicion, {});
        evento.setCommitString(confirmado);
        QApplication::sendEvent(textoact(), &evento);
    }
};

struct Atajo {
    const char* nombre;
    int tecla;
    Qt::KeyboardModifiers modificadores;
    const char16_t* texto; ///< what a real X11 keyboard sends with it
    bool juzgado;          ///< reaches the judge as a (wrong) character
};

TEST_F(CajaEscrituraTest, EditingShortcutsNeverChangeTheBox) {
    const Atajo atajos[] = {
        {"ctrl_v", Qt::Key_V, Qt::ControlModifier, u"\x16", false},
        {"shift_insert", Qt::Key_Insert, Qt::ShiftModifier, u"", false},
        {"paste_key", Qt::Key_Paste, Qt::NoModifier, u"", false},
        {"ctrl_x", Qt::Key_X, Qt::ControlModifier, u"\x18", false},
        {"shift_delete", Qt::Key_Delete, Qt::ShiftModifier, u"", false},
        {"cut_key", Qt::Key_Cut, Qt::NoModifier, u"", false},
        {"delete", Qt::Key_Delete, Qt::NoModifier, u"\x7f", false},
        {"ctrl_z", Qt::Key_Z, Qt::ControlModifier, u"\x1a", false},
        {"ctrl_y", Qt::Key_Y, Qt::ControlModifier, u"\x19", false},
        {"undo_key", Qt::Key_Undo, Qt::NoModifier, u"", false},
        {"ctrl_backspace", Qt::Key_Backspace, Qt::ControlModifier, u"\b", false},
        {"ctrl_delete", Qt::Key_Delete, Qt::ControlModifier, u"", false},
        {"ctrl_a", Qt::Key_A, Qt::ControlModifier, u"\x01", false},
        {"page_up", Qt::Key_PageUp, Qt::NoModifier, u"", false},
        // These carry a control character on a real keyboard, so they are judged and refused.
        {"ctrl_shift_z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, u"\x1a", true},
        {"ctrl_shift_b", Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier, u"B", true},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, u"\b", true},
    };
    iniciarCon(QStringLiteral("aBbc"));
    pulsar(QLatin1Char('a'));
    for (const Atajo& a : atajos) {
        SCOPED_TRACE(a.nombre);
        const int pitidos = registro->pitidos;
        tecla(textoact(), a.tecla, a.modificadores, QString::fromUtf16(a.texto));
        QCoreApplication::processEvents();
        EXPECT_EQ(escrito(), QStringLiteral("a"));
        EXPECT_EQ(ventana->sesion().aciertos, 1);
        EXPECT_EQ(registro->pitidos, pitidos + (a.juzgado ? 1 : 0));
    }
    EXPECT_EQ(ventana->sesion().errores, 1) << "the judged ones make one run of errors";
    EXPECT_TRUE(reloj()->isActive());
}

TEST_F(CajaEscrituraTest, NoContextMenuOpens) {
    iniciarCon(QStringLiteral("abc"));
    pulsar(QLatin1Char('a'));
    bool menuAbierto = false;
    // A menu would run its own loop: close it from inside and remember that it opened.
    QTimer::singleShot(0, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuAbierto = true;
            menu->close();
        }
    });
    const QPoint punto(10, 10);
    QContextMenuEvent raton(QContextMenuEvent::Mouse, punto, textoact()->viewport()->mapToGlobal(punto));
    QApplication::sendEvent(textoact()->viewport(), &raton);
    QContextMenuEvent teclado(QContextMenuEvent::Keyboard, punto, textoact()->mapToGlobal(punto));
    QApplication::sendEvent(textoact(), &teclado);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menuAbierto);
    EXPECT_EQ(escrito(), QStringLiteral("a"));
}

TEST_F(CajaEscrituraTest, MiddleClickDoesNotPaste) {
    iniciarCon(QStringLiteral("abc"));
    pulsar(QLatin1Char('a'));
    QGuiApplication::clipboard()->setText(QStringLiteral("bc"), QClipboard::Selection);
    QTest::mouseClick(textoact()->viewport(), Qt::MiddleButton, {}, QPoint(30, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(escrito(), QStringLiteral("a"));
    pulsar(QLatin1Char('b'));
    EXPECT_EQ(escrito(), QStringLiteral("ab")) << "the caret went back to the end";
}

TEST_F(CajaEscrituraTest, TextAndFilesCannotBeDropped) {
    iniciarCon(QStringLiteral("abc"));
    pulsar(QLatin1Char('a'));
    // The viewport refuses drops, so a drag over it shows the no-drop pointer.
    EXPECT_FALSE(textoact()->acceptDrops());
    EXPECT_FALSE(textoact()->viewport()->acceptDrops());

    QMimeData texto;
    texto.setText(QStringLiteral("bc"));
    QMimeData archivo;
    archivo.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/texto.txt"))});
    for (const QMimeData* datos : {&texto, &archivo}) {
        QDragEnterEvent entrar(QPoint(20, 10), Qt::CopyAction | Qt::MoveAction, datos, Qt::LeftButton, {});
        QApplication::sendEvent(textoact()->viewport(), &entrar);
        EXPECT_FALSE(entrar.isAccepted());
        QDropEvent soltar(QPointF(20, 10), Qt::CopyAction | Qt::MoveAction, datos, Qt::LeftButton, {});
        QApplication::sendEvent(textoact()->viewport(), &soltar);
        EXPECT_EQ(escrito(), QStringLiteral("a"));
    }
    EXPECT_EQ(registro->pitidos, 0);
}

TEST_F(CajaEscrituraTest, InputMethodCommitsAreJudgedOncePerCharacter) {
    iniciarCon(QStringLiteral("ánimo ñu"));
    tecla(textoact(), Qt::Key_Dead_Acute);
    componer({}, QStringLiteral("´"));
    EXPECT_TRUE(escrito().isEmpty()) << "neither the dead key nor the pre-edit text enters the box";
    EXPECT_EQ(registro->pitidos, 0);

    componer(QStringLiteral("á"));
    EXPECT_EQ(escrito(), QStringLiteral("á"));
    EXPECT_EQ(ventana->sesion().aciertos, 2);
    componer(QStringLiteral("nimo"), QStringLiteral("ñ"));
    EXPECT_EQ(escrito(), QStringLiteral("ánimo"));
    EXPECT_EQ(ventana->sesion().aciertos, 6);

    componer(QStringLiteral("xyzw"));
    EXPECT_EQ(registro->pitidos, 4) << "four characters can be typed at once: each one is judged";
    EXPECT_EQ(ventana->sesion().errores, 1);
    componer(QStringLiteral(" "));
    componer(QStringLiteral(" ñu  "));
    EXPECT_EQ(escrito(), QStringLiteral("ánimo ")) << "five at once are a paste";
    EXPECT_EQ(registro->pitidos, 5);
    EXPECT_EQ(ventana->sesion().errores, 2);

    QInputMethodEvent borrar(QString(), {});
    borrar.setCommitString(QString(), -3, 3);
    QApplication::sendEvent(textoact(), &borrar);
    EXPECT_EQ(escrito(), QStringLiteral("ánimo ")) << "a commit cannot replace typed text";
}

TEST_F(CajaEscrituraTest, AltOrCtrlAloneIsFilteredWhileCtrlAltAndAltGrAreJudged) {
    iniciarCon(QStringLiteral("x\t@€"));
    tecla(textoact(), Qt::Key_X, Qt::AltModifier, QStringLiteral("x"));
    tecla(textoact(), Qt::Key_X, Qt::ControlModifier, QStringLiteral("x"));
    EXPECT_TRUE(escrito().isEmpty());
    EXPECT_EQ(registro->pitidos, 0);

    pulsar(QLatin1Char('x'));
    // Ctrl+Alt+I is a tab on X11; AltGr comes as its own modifier, not as Ctrl+Alt.
    tecla(textoact(), Qt::Key_I, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("\t"));
    tecla(textoact(), Qt::Key_At, Qt::GroupSwitchModifier, QStringLiteral("@"));
    tecla(textoact(), Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("€"));
    EXPECT_EQ(escrito(), QStringLiteral("x\t@€"));
    EXPECT_EQ(ventana->sesion().aciertos, 1 + 1 + 1 + 2);
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
}

TEST_F(CajaEscrituraTest, TabIsTypedAndKeepsTheFocus) {
    iniciarCon(QStringLiteral("a\tb\t"));
    pulsar(QLatin1Char('a'));
    tecla(textoact(), Qt::Key_Backtab, Qt::ShiftModifier, QStringLiteral("\t"));
    EXPECT_TRUE(textoact()->hasFocus());
    EXPECT_EQ(escrito(), QStringLiteral("a\t"));
    pulsar(QLatin1Char('b'));
    QTest::keyClick(textoact(), Qt::Key_Tab);
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
    EXPECT_EQ(ventana->sesion().errores, 0);
}

} // namespace
} // namespace tecladas
