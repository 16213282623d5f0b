#include "servidor_x.h"
#include "ui/textos.h"
#include "ventana_prueba.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTimer>

#include <functional>

namespace tecladas::prueba {
extern const ServidorX* servidorX;
}

namespace tecladas {
namespace {

/// The real window on a real X11 server, driven by keys and clicks that go through the server
/// (xdotool), as a user's would: X11 gives keys other texts than the offscreen platform, and its
/// clipboard and selection paste by other paths.
class X11Test : public prueba::VentanaPrueba {
protected:
    void SetUp() override {
        if (!prueba::servidorX->arrancado()) {
            GTEST_SKIP() << "No se pudo arrancar un servidor X para la prueba: "
                         << prueba::servidorX->fallo().toStdString();
        }
        VentanaPrueba::SetUp();
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
        VentanaPrueba::TearDown();
    }

    /// Lets the window handle what the server sent until `hecho`, at most a few seconds.
    static bool esperarA(const std::function<bool()>& hecho) {
        const QDeadlineTimer limite(5000);
        while (!hecho() && !limite.hasExpired()) {
            QTest::qWait(10);
        }
        return hecho();
    }
    static void xdotool(const QStringList& argumentos) {
        // The window keeps handling events meanwhile, as it would under a real user's hands: a
        // drag, for one, runs its own loop while the pointer still moves.
        QProcess proceso;
        proceso.start(QStringLiteral("xdotool"), argumentos);
        ASSERT_TRUE(proceso.waitForStarted(5000)) << "xdotool: " << proceso.errorString().toStdString();
        ASSERT_TRUE(esperarA([&] { return proceso.state() == QProcess::NotRunning; }));
        ASSERT_EQ(proceso.exitCode(), 0) << proceso.readAllStandardError().toStdString();
    }
    /// Presses each key combination in turn, in xdotool's names ("ctrl+v", "shift+Insert").
    static void teclas(const QStringList& combinaciones) {
        xdotool(QStringList{QStringLiteral("key")} + combinaciones);
    }
    static QStringList posicion(QWidget* zona, QPoint punto) {
        const QPoint global = zona->mapToGlobal(punto);
        return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
    }
    static void clic(QWidget* zona, QPoint punto, int boton) {
        xdotool(posicion(zona, punto) + QStringList{QStringLiteral("click"), QString::number(boton)});
    }
    bool cajaEscrituraCon(const QString& esperado) {
        return esperarA([&] { return textoact()->toPlainText() == esperado; });
    }
};

TEST_F(X11Test, PastesCutsUndoAndDeletionsNeverEnterTheTypingBox) {
    QGuiApplication::clipboard()->setText(QStringLiteral("bcd"), QClipboard::Clipboard);
    QGuiApplication::clipboard()->setText(QStringLiteral("bcd"), QClipboard::Selection);
    iniciarCon(QStringLiteral("abcd"));
    teclas({QStringLiteral("a")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("a")));
    teclas({QStringLiteral("ctrl+v"), QStringLiteral("shift+Insert"), QStringLiteral("ctrl+x"),
            QStringLiteral("shift+Delete"), QStringLiteral("Delete"), QStringLiteral("ctrl+z"),
            QStringLiteral("ctrl+y"), QStringLiteral("ctrl+BackSpace"), QStringLiteral("ctrl+Delete"),
            QStringLiteral("ctrl+a"), QStringLiteral("Home")});
    const QPoint dentro = textoact()->viewport()->rect().center();
    clic(textoact()->viewport(), dentro, 2); // the X11 selection paste
    clic(textoact()->viewport(), dentro, 3);
    teclas({QStringLiteral("b")}); // arrives after everything above
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("ab"))) << textoact()->toPlainText().toStdString();
    EXPECT_EQ(ventana->sesion().aciertos, 2);
    EXPECT_EQ(registro->pitidos, 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    teclas({QStringLiteral("ctrl+shift+z"), QStringLiteral("c")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("abc")));
    EXPECT_EQ(registro->pitidos, 1) << "Ctrl+Shift+Z types a control character, refused";
}

TEST_F(X11Test, PastingAnEmptyClipboardCrashesNeitherBox) {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    texto()->setPlainText(QStringLiteral("ab"));
    texto()->setFocus();
    texto()->moveCursor(QTextCursor::End);
    teclas({QStringLiteral("ctrl+v"), QStringLiteral("shift+Insert")});
    clic(texto()->viewport(), QPoint(40, 8), 2);
    teclas({QStringLiteral("End"), QStringLiteral("c")});
    ASSERT_TRUE(esperarA([&] { return texto()->toPlainText() == QStringLiteral("abc"); }))
        << texto()->toPlainText().toStdString();

    iniciar();
    teclas(
        {QStringLiteral("a"), QStringLiteral("ctrl+v"), QStringLiteral("shift+Insert"), QStringLiteral("b")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("ab")));
}

TEST_F(X11Test, AltOrCtrlAloneIsFilteredAndTabsAreTyped) {
    iniciarCon(QStringLiteral("x\t\tyz"));
    // On X11, Alt+X carries the text "x" and Ctrl+Alt+I a tab.
    teclas({QStringLiteral("alt+x"), QStringLiteral("ctrl+x"), QStringLiteral("x"),
            QStringLiteral("ctrl+alt+i"), QStringLiteral("Tab"), QStringLiteral("y")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("x\t\ty")));
    EXPECT_EQ(registro->pitidos, 0);
    EXPECT_TRUE(textoact()->hasFocus()) << "Tab is typed, not a move to the next control";
    teclas({QStringLiteral("z")});
    ASSERT_TRUE(esperarA([&] { return !registro->mensajes.isEmpty(); }));
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
}

TEST_F(X11Test, AfterTheReferenceBoxMenuTheTypingGoesOn) {
    iniciarCon(QStringLiteral("abc"));
    teclas({QStringLiteral("a")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("a")));
    // The menu waits for its answer in its own loop: the Escape that closes it is on its way.
    bool menuAbierto = false;
    QTimer::singleShot(100, [&] { menuAbierto = QApplication::activePopupWidget() != nullptr; });
    xdotool(posicion(texto()->viewport(), QPoint(20, 8)) +
            QStringList{QStringLiteral("click"), QStringLiteral("3"), QStringLiteral("sleep"),
                        QStringLiteral("0.4"), QStringLiteral("key"), QStringLiteral("Escape")});
    ASSERT_TRUE(esperarA([] { return QApplication::activePopupWidget() == nullptr; }));
    EXPECT_TRUE(menuAbierto);
    teclas({QStringLiteral("b")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("ab")));
}

TEST_F(X11Test, DraggingTheReferenceTextOntoTheTypingBoxIsRefused) {
    iniciarCon(QStringLiteral("abcdef ghijkl mnopqr"));
    teclas({QStringLiteral("a")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("a")));
    texto()->selectAll(); // the drag starts on a selection of the locked reference
    QWidget* origen = texto()->viewport();
    QWidget* destino = textoact()->viewport();
    xdotool(posicion(origen, QPoint(20, 8)) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} +
            QStringList{QStringLiteral("sleep"), QStringLiteral("0.1")} + posicion(origen, QPoint(60, 30)) +
            QStringList{QStringLiteral("sleep"), QStringLiteral("0.1")} + posicion(destino, QPoint(20, 10)) +
            QStringList{QStringLiteral("sleep"), QStringLiteral("0.1")} + posicion(destino, QPoint(30, 12)) +
            QStringList{QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("mouseup"),
                        QStringLiteral("1")});
    teclas({QStringLiteral("b")});
    ASSERT_TRUE(cajaEscrituraCon(QStringLiteral("ab"))) << textoact()->toPlainText().toStdString();
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("abcdef ghijkl mnopqr"));
}

} // namespace
} // namespace tecladas
