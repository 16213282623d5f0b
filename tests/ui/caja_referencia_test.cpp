#include "ventana_prueba.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>

namespace tecladas {
namespace {

class CajaReferenciaTest : public prueba::VentanaPrueba {
protected:
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        VentanaPrueba::TearDown();
    }
};

TEST_F(CajaReferenciaTest, PasteOutsideARunInsertsComposedPlainTextWithoutNullCharacters) {
    texto()->setPlainText(QStringLiteral("inicio"));
    texto()->moveCursor(QTextCursor::End);
    auto* datos = new QMimeData;
    datos->setHtml(QStringLiteral("<b>negrita</b>"));
    datos->setText(QStringLiteral(" uno\r\ndo\u0301s").append(QChar(u'\0')).append(QStringLiteral("tres")));
    QGuiApplication::clipboard()->setMimeData(datos);
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("inicio uno\nd\u00F3stres"));
}

TEST_F(CajaReferenciaTest, NoEditReachesItDuringARunAndTypingDoesAfterwardsWhileTabMovesOn) {
    iniciarCon(QStringLiteral("uno dos tres"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pegado"));
    texto()->moveCursor(QTextCursor::End);
    QTest::keyClicks(texto(), QStringLiteral("xy"));
    for (const QKeySequence& atajo : std::initializer_list<QKeySequence>{
             QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Delete,
             QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::Key_Return)}) {
        QTest::keySequence(texto(), atajo);
    }
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("uno dos tres"));

    ventana->cmdDetener_Click();
    texto()->setFocus();
    texto()->moveCursor(QTextCursor::End);
    QTest::keyClicks(texto(), QStringLiteral("c"));
    QTest::keyClick(texto(), Qt::Key_Tab);
    EXPECT_EQ(ventana->focusWidget(), boton("cmdIniciar"));
    QTest::keyClick(boton("cmdIniciar"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ventana->focusWidget(), texto());
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("uno dos tresc"));
}

TEST_F(CajaReferenciaTest, DuringARunItScrollsAndCopiesASelectionFromItsMenuThenTypingGoesOn) {
    QString largo;
    for (int i = 0; i < 60; ++i) {
        largo += QStringLiteral("Línea número %1\n").arg(i);
    }
    iniciarCon(largo);
    QTest::mousePress(texto()->viewport(), Qt::LeftButton, {}, QPoint(3, 5));
    QTest::mouseMove(texto()->viewport(), QPoint(60, 5));
    QTest::mouseRelease(texto()->viewport(), Qt::LeftButton, {}, QPoint(60, 5));
    const QString seleccion = texto()->textCursor().selectedText();
    ASSERT_FALSE(seleccion.isEmpty());

    QWheelEvent rueda(QPointF(50, 50), texto()->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -360), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(texto()->viewport(), &rueda);
    EXPECT_GT(texto()->verticalScrollBar()->value(), 0);

    texto()->setFocus(); // as the right button's press gives it
    // The menu waits in its own loop: copy from it and close it from inside, as the user would.
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            if (auto* copiar = menu->findChild<QAction*>(QStringLiteral("edit-copy"))) {
                copiar->trigger();
            }
            menu->close();
        }
    });
    QContextMenuEvent pedir(QContextMenuEvent::Mouse, QPoint(20, 10),
                            texto()->viewport()->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(texto()->viewport(), &pedir);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), seleccion);
    QCoreApplication::processEvents();
    // The menu took the release that gives the focus back; offscreen the window stays inactive.
    EXPECT_EQ(ventana->focusWidget(), textoact());
}

} // namespace
} // namespace tecladas
