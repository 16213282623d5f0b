#include "ventana_prueba.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

namespace tecladas {
namespace {

/// The reference box: free to edit and paste into outside a run, never editable during one.
class CajaReferenciaTest : public prueba::VentanaPrueba {
protected:
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        VentanaPrueba::TearDown();
    }
    void soltar(const QMimeData& datos) {
        QDragEnterEvent entrar(QPoint(20, 10), Qt::CopyAction, &datos, Qt::LeftButton, {});
        QApplication::sendEvent(texto()->viewport(), &entrar);
        QDropEvent suelta(QPointF(20, 10), Qt::CopyAction, &datos, Qt::LeftButton, {});
        QApplication::sendEvent(texto()->viewport(), &suelta);
    }
    /// The enabled actions of the box's own context menu, by their object names.
    QStringList accionesDelMenu() {
        const std::unique_ptr<QMenu> menu(texto()->createStandardContextMenu());
        QStringList nombres;
        for (const QAction* accion : menu->actions()) {
            if (accion->isEnabled() && !accion->objectName().isEmpty()) {
                nombres.append(accion->objectName());
            }
        }
        return nombres;
    }
};

TEST_F(CajaReferenciaTest, PasteInsertsPlainTextWithoutNullCharacters) {
    texto()->setPlainText(QStringLiteral("inicio"));
    texto()->moveCursor(QTextCursor::End);
    texto()->setFocus();
    auto* datos = new QMimeData;
    datos->setHtml(QStringLiteral("<b>negrita</b>"));
    datos->setText(QStringLiteral(" uno\r\ndos").append(QChar(u'\0')).append(QStringLiteral("tres")));
    QGuiApplication::clipboard()->setMimeData(datos);
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("inicio uno\ndostres"));
    EXPECT_EQ(texto()->document()->blockCount(), 2);
}

TEST_F(CajaReferenciaTest, PastingOrDroppingNothingLeavesTheText) {
    texto()->setPlainText(QStringLiteral("inicio"));
    texto()->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(texto(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(texto(), Qt::Key_Insert, Qt::ShiftModifier);
    QMimeData vacio;
    soltar(vacio);
    QMimeData soloNulos;
    soloNulos.setText(QString(3, QChar(u'\0')));
    soltar(soloNulos);
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("inicio"));
}

TEST_F(CajaReferenciaTest, LockedDuringARunWhateverTheUserTries) {
    iniciarCon(QStringLiteral("uno dos tres"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pegado"));
    texto()->setFocus();
    texto()->moveCursor(QTextCursor::End);
    QTest::keyClicks(texto(), QStringLiteral("xy"));
    for (const auto& [clave, modificadores] :
         std::initializer_list<std::pair<int, Qt::KeyboardModifiers>>{{Qt::Key_V, Qt::ControlModifier},
                                                                      {Qt::Key_Insert, Qt::ShiftModifier},
                                                                      {Qt::Key_Backspace, Qt::NoModifier},
                                                                      {Qt::Key_Delete, Qt::NoModifier},
                                                                      {Qt::Key_Return, Qt::NoModifier},
                                                                      {Qt::Key_X, Qt::ControlModifier},
                                                                      {Qt::Key_Z, Qt::ControlModifier},
                                                                      {Qt::Key_Y, Qt::ControlModifier}}) {
        QTest::keyClick(texto(), static_cast<Qt::Key>(clave), modificadores);
    }
    QMimeData datos;
    datos.setText(QStringLiteral("soltado"));
    soltar(datos);
    QTest::mouseClick(texto()->viewport(), Qt::MiddleButton, {}, QPoint(20, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("uno dos tres"));
    EXPECT_EQ(ventana->sesion().textoObjetivo, u"uno dos tres");
    EXPECT_TRUE(reloj()->isActive());
}

TEST_F(CajaReferenciaTest, LockedTextCanBeSelectedCopiedAndScrolled) {
    QString largo;
    for (int i = 0; i < 60; ++i) {
        largo += QStringLiteral("Línea número %1\n").arg(i);
    }
    iniciarCon(largo);
    QTest::mousePress(texto()->viewport(), Qt::LeftButton, {}, QPoint(3, 5));
    QTest::mouseMove(texto()->viewport(), QPoint(60, 5));
    QTest::mouseRelease(texto()->viewport(), Qt::LeftButton, {}, QPoint(60, 5));
    ASSERT_TRUE(texto()->textCursor().hasSelection());
    const QString seleccion = texto()->textCursor().selectedText();
    EXPECT_TRUE(largo.startsWith(seleccion));
    EXPECT_TRUE(textoact()->hasFocus()) << "the typing goes on after the click";

    const QStringList acciones = accionesDelMenu();
    EXPECT_TRUE(acciones.contains(QStringLiteral("edit-copy")));
    for (const char* edicion : {"edit-cut", "edit-paste", "edit-delete", "edit-undo", "edit-redo"}) {
        EXPECT_FALSE(acciones.contains(QString::fromLatin1(edicion))) << edicion;
    }
    texto()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), seleccion);

    QWheelEvent rueda(QPointF(50, 50), texto()->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -360), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(texto()->viewport(), &rueda);
    EXPECT_GT(texto()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(texto()->toPlainText(), largo);
}

TEST_F(CajaReferenciaTest, AfterItsMenuTheTypingGoesOn) {
    iniciarCon(QStringLiteral("abc"));
    texto()->setFocus(); // as the right button's press gives it
    bool copiar = false;
    // The menu runs its own loop: read it and close it from inside, as the user would.
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            const QList<QAction*> acciones = menu->actions();
            copiar = std::any_of(acciones.begin(), acciones.end(), [](const QAction* accion) {
                return accion->objectName() == QStringLiteral("edit-copy");
            });
            menu->close();
        }
    });
    const QPoint punto(20, 10);
    QContextMenuEvent pedir(QContextMenuEvent::Mouse, punto, texto()->viewport()->mapToGlobal(punto));
    QApplication::sendEvent(texto()->viewport(), &pedir);
    EXPECT_TRUE(copiar);
    QCoreApplication::processEvents();
    // Offscreen the window is left inactive by the menu: ask which control it gives the focus.
    EXPECT_EQ(ventana->focusWidget(), textoact()) << "the menu took the release that gives the focus back";
    pulsar(QLatin1Char('a'));
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("a"));
}

TEST_F(CajaReferenciaTest, EditableAgainOnceTheRunEnds) {
    iniciarCon(QStringLiteral("ab"));
    ventana->cmdDetener_Click();
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    EXPECT_TRUE(accionesDelMenu().contains(QStringLiteral("edit-paste")));
    texto()->setFocus();
    texto()->moveCursor(QTextCursor::End);
    QTest::keyClicks(texto(), QStringLiteral("c"));
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("abc"));
}

} // namespace
} // namespace tecladas
