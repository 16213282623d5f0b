#include "ventana_prueba.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace tecladas {
namespace {

/// The real window on a real X11 server, driven by keys and clicks that go through the server
/// (xdotool) as a user's would: X11 gives keys other texts than the offscreen platform, and its
/// clipboard and selection paste by other paths.
class X11Test : public prueba::VentanaPrueba {
protected:
    void SetUp() override {
        VentanaPrueba::SetUp();
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }

    /// Lets the window handle what the server sent until `hecho`, for a few seconds at most.
    template <typename F> static bool esperarA(F hecho) {
        for (const QDeadlineTimer limite(5000); !hecho() && !limite.hasExpired();) {
            QTest::qWait(10);
        }
        return hecho();
    }
    /// Runs xdotool's words ("key ctrl+v shift+Insert") while the window goes on handling events,
    /// as under a user's hands: a drag, for one, runs its own loop while the pointer still moves.
    static void xdotool(const QString& palabras) {
        QProcess proceso;
        proceso.start(QStringLiteral("xdotool"), palabras.split(QLatin1Char(' ')));
        ASSERT_TRUE(proceso.waitForStarted(5000)) << proceso.errorString().toStdString();
        ASSERT_TRUE(esperarA([&] { return proceso.state() == QProcess::NotRunning; }));
        ASSERT_EQ(proceso.exitCode(), 0) << proceso.readAllStandardError().toStdString();
    }
    /// xdotool's words that move the pointer to `punto` of `zona`.
    static QString en(QWidget* zona, QPoint punto) {
        const QPoint global = zona->mapToGlobal(punto);
        return QStringLiteral("mousemove %1 %2 ").arg(global.x()).arg(global.y());
    }
    static bool contiene(QPlainTextEdit* caja, const QString& esperado) {
        return esperarA([&] { return caja->toPlainText() == esperado; });
    }
};

TEST_F(X11Test, AnEmptyClipboardCrashesNeitherBoxAndNoPasteCutOrUndoReachesTheTypingBox) {
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    texto()->setPlainText(QStringLiteral("ab"));
    texto()->setFocus();
    texto()->moveCursor(QTextCursor::End);
    xdotool(QStringLiteral("key ctrl+v shift+Insert"));
    xdotool(en(texto()->viewport(), QPoint(40, 8)) + QStringLiteral("click 2"));
    xdotool(QStringLiteral("key End c d"));
    ASSERT_TRUE(contiene(texto(), QStringLiteral("abcd"))) << texto()->toPlainText().toStdString();

    iniciar();
    xdotool(QStringLiteral("key a ctrl+v shift+Insert"));
    ASSERT_TRUE(contiene(textoact(), QStringLiteral("a")));
    QGuiApplication::clipboard()->setText(QStringLiteral("bcd"));
    QGuiApplication::clipboard()->setText(QStringLiteral("bcd"), QClipboard::Selection);
    xdotool(QStringLiteral("key ctrl+v shift+Insert ctrl+x ctrl+z ctrl+BackSpace"));
    const QPoint dentro = textoact()->viewport()->rect().center();
    xdotool(en(textoact()->viewport(), dentro) + QStringLiteral("click 2 click 3")); // selection paste, menu
    xdotool(QStringLiteral("key b")); // arrives after everything above
    ASSERT_TRUE(contiene(textoact(), QStringLiteral("ab"))) << textoact()->toPlainText().toStdString();
    EXPECT_EQ(registro->pitidos, 0);
}

TEST_F(X11Test, AltOrCtrlAloneIsCancelledWhileCtrlAltIAndTabTypeTabsAndKeysAfterTheEndGoNowhere) {
    iniciarCon(QStringLiteral("x\t\tyz"));
    // On X11, Alt+X carries the text "x" and Ctrl+Alt+I a tab.
    xdotool(QStringLiteral("key alt+x ctrl+x x ctrl+alt+i Tab y"));
    ASSERT_TRUE(contiene(textoact(), QStringLiteral("x\t\ty")));
    // "z" ends the run; the typist types on, then clicks into the reference text and types there.
    xdotool(QStringLiteral("key z Return m a s space ") + en(texto()->viewport(), QPoint(3, 5)) +
            QStringLiteral("click 1 key k"));
    ASSERT_TRUE(contiene(texto(), QStringLiteral("kx\t\tyz"))) << texto()->toPlainText().toStdString();
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("x\t\tyz"));
    EXPECT_EQ(registro->pitidos, 0);
}

TEST_F(X11Test, DraggingTheReferenceTextOntoTheTypingBoxIsRefused) {
    iniciarCon(QStringLiteral("abcdef ghijkl mnopqr"));
    texto()->selectAll(); // the drag starts on a selection of the locked reference
    QWidget* origen = texto()->viewport();
    QWidget* destino = textoact()->viewport();
    xdotool(en(origen, QPoint(20, 8)) + QStringLiteral("mousedown 1 sleep 0.1 ") +
            en(origen, QPoint(60, 30)) + QStringLiteral("sleep 0.1 ") + en(destino, QPoint(20, 10)) +
            QStringLiteral("sleep 0.1 ") + en(destino, QPoint(30, 12)) +
            QStringLiteral("sleep 0.1 mouseup 1"));
    xdotool(QStringLiteral("key a")); // the focus is back in the typing box
    ASSERT_TRUE(contiene(textoact(), QStringLiteral("a"))) << textoact()->toPlainText().toStdString();
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("abcdef ghijkl mnopqr"));
}

TEST_F(X11Test, DeadKeysTypedWhileTheWindowIsBusyAreJudgedInTheOrderTyped) {
    iniciarCon(QStringLiteral("ópera día túnel"));
    QTimer::singleShot(100, [] { QThread::msleep(1200); }); // the window freezes while keys queue up
    xdotool(QStringLiteral(
        "key --delay 80 dead_acute o p e r a space d dead_acute i a space t dead_acute u n e l"));
    EXPECT_TRUE(contiene(textoact(), QStringLiteral("ópera día túnel")))
        << textoact()->toPlainText().toStdString();
    EXPECT_EQ(registro->pitidos, 0);
}

} // namespace
} // namespace tecladas

// On the private X server of con_xvfb.sh, with Qt's xcb platform.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
