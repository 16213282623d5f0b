#include "lineas_visuales.h"
#include "ventana_prueba.h"

#include "ui/escritorio/conversion.h"
#include "ui/examen/parrafos_partidos.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;
using prueba::lineasVisuales;

class CajaReferenciaTest : public prueba::VentanaPrueba {
protected:
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        VentanaPrueba::TearDown();
    }
    /// What the box shows, as the user reads it.
    QString mostrado() const {
        return parrafos::textoSinCortes(*texto()->document(), 0, texto()->document()->characterCount() - 1);
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
    EXPECT_EQ(ventana->focusWidget(), boton("cmdHistorial"));
    QTest::keyClick(boton("cmdHistorial"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ventana->focusWidget(), texto());
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("uno dos tresc"));
}

TEST_F(CajaReferenciaTest, DuringARunItCopiesASelectionFromItsMenuThenTypingGoesOn) {
    iniciarCon(QStringLiteral("Línea número 1\nLínea número 2"));
    QTest::mousePress(texto()->viewport(), Qt::LeftButton, {}, QPoint(3, 5));
    QTest::mouseMove(texto()->viewport(), QPoint(60, 5));
    QTest::mouseRelease(texto()->viewport(), Qt::LeftButton, {}, QPoint(60, 5));
    const QString seleccion = texto()->textCursor().selectedText();
    ASSERT_FALSE(seleccion.isEmpty());

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

TEST_F(CajaReferenciaTest, APageLooksLikeTheRestOfTheReferenceLineForLine) {
    const std::u16string largo = prueba::textoVariado(3, 6000);
    const std::u16string corto = u"uno\r\n\r\ndos\r\n";
    const std::pair<const std::u16string*, std::size_t> casos[] = {
        {&largo, 0}, {&largo, 17}, {&largo, 9001}, {&corto, 2}, {&corto, corto.size()}};
    for (const auto& [referencia, desde] : casos) {
        SCOPED_TRACE(testing::Message() << referencia->size() << " from " << desde);
        texto()->mostrar(*referencia, desde);
        const QStringList mostradas = lineasVisuales(*texto());
        // The lines of the reference from `desde` in a box that holds it in one piece.
        const QStringList esperadas =
            prueba::lineasEnUnaCajaComo(*texto(), aQString(referencia->substr(desde)));
        ASSERT_GE(mostradas.size(), std::min<qsizetype>(CajaReferencia::kLineasPorTanda, esperadas.size()));
        EXPECT_EQ(mostradas, esperadas.mid(0, mostradas.size()));
        EXPECT_EQ(texto()->verticalScrollBar()->value(), 0);
    }
}

TEST_F(CajaReferenciaTest, ScrollingToTheEndTakesInTheWholeReferenceInShortBlocks) {
    const std::u16string referencia = prueba::textoVariado(6, 9000);
    const QString entera = aQString(referencia).mid(5).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto()->mostrar(referencia, 5);
    ASSERT_LT(mostrado().size(), entera.size()) << "a page must not take in the whole text at once";
    for (int vuelta = 0; vuelta < 10000 && mostrado().size() < entera.size(); ++vuelta) {
        lineasVisuales(*texto()); // what a repaint would lay out
        texto()->verticalScrollBar()->setValue(texto()->verticalScrollBar()->maximum());
    }
    EXPECT_EQ(lineasVisuales(*texto()), prueba::lineasEnUnaCajaComo(*texto(), entera));
    EXPECT_EQ(mostrado(), entera);
    for (QTextBlock bloque = texto()->document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        ASSERT_LE(static_cast<std::size_t>(bloque.length() - 1), parrafos::kLargoMaximo);
    }
}

TEST_F(CajaReferenciaTest, TheBoxGetsItsOwnDocumentAndUndoBack) {
    texto()->clear();
    QTest::keyClicks(texto(), QStringLiteral("del usuario"));
    QTextDocument* propio = texto()->document();
    const std::u16string referencia = u"la referencia";
    texto()->mostrar(referencia, 0);
    texto()->mostrar(referencia, 3);
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("referencia"));
    texto()->restaurar();
    ASSERT_EQ(texto()->document(), propio);
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("del usuario"));
    EXPECT_TRUE(propio->isUndoAvailable());
}

TEST_F(CajaReferenciaTest, RunsWithNoPlaceToBreakAreSplitWhereTheyWrapAndEditsAndCopiesKeepTheText) {
    const QString largo = QStringLiteral("Una línea\r\nhola ") + QString(20000, u'x') +
                          QStringLiteral(" y (") + QString(3000, u'y') + QStringLiteral(") fin\r\n") +
                          QString(2000, u'z') + u"\r\n"_s + u"Un párrafo enorme, ¿qué? "_s.repeated(1500) +
                          QString(3000, u'w') + u" sigue el párrafo "_s.repeated(2000);
    const QString leido = QString(largo).replace(u"\r\n"_s, u"\n"_s);
    CajaReferencia* caja = texto();
    const QTextDocument& documento = *texto()->document();
    auto antes = [&](int posicion) {
        return parrafos::textoSinCortes(documento, 0, posicion);
    };
    caja->ponerTexto(largo);
    ASSERT_GT(documento.blockCount(), 10);
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        if (!bloque.text().contains(u"párrafo"_s)) { // prose is split at wider intervals
            ASSERT_LE(static_cast<std::size_t>(bloque.length() - 1), parrafos::kLargoMaximo);
        }
    }
    EXPECT_EQ(prueba::lineasVisuales(*texto()), prueba::lineasEnUnaCajaComo(*texto(), largo));
    texto()->selectAll();
    texto()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), leido);

    QTextBlock corte = documento.begin();
    while (!parrafos::esContinuacion(corte)) {
        corte = corte.next();
    }
    const int b = corte.position();
    // Tools read and edit the text, wherever they stand, as it is: the split is no line break.
    QAccessibleInterface* lector = QAccessible::queryAccessibleInterface(texto());
    auto comoLoLeen = [&] {
        return QStringList{caja->toPlainText(), lector->text(QAccessible::Value),
                           lector->textInterface()->text(0, lector->textInterface()->characterCount())};
    };
    EXPECT_EQ(comoLoLeen(), QStringList(3, leido));
    const int enTexto = antes(b).size();
    // A reader reads the lines as the box wraps them, split or not.
    const QStringList lineas = prueba::lineasVisuales(*texto());
    int desde = 0, hasta = 0;
    EXPECT_EQ(lector->textInterface()->textAtOffset(0, QAccessible::LineBoundary, &desde, &hasta), lineas[0]);
    EXPECT_EQ(lector->textInterface()->textAtOffset(enTexto, QAccessible::LineBoundary, &desde, &hasta),
              lineas[2]);
    EXPECT_EQ(desde, enTexto);
    lector->textInterface()->setCursorPosition(enTexto);
    EXPECT_EQ(texto()->textCursor().position(), b);
    EXPECT_EQ(lector->textInterface()->cursorPosition(), enTexto);
    lector->editableTextInterface()->replaceText(enTexto - 1, enTexto + 1, u"¡"_s);
    EXPECT_EQ(comoLoLeen(), QStringList(3, QString(leido).replace(enTexto - 1, 2, u"¡"_s)));
    QString esperado;
    // Edits around the first split (at b), typed as the user would: the text between two document
    // positions becomes what was typed.
    const std::tuple<int, int, Qt::Key, int, int, QString> ediciones[] = {
        {b, b, Qt::Key_Backspace, b - 2, b, {}},
        {5, 5, Qt::Key_Backspace, 4, 5, {}},
        {b - 1, b - 1, Qt::Key_Delete, b - 1, b + 1, {}},
        {b + 3, b + 3, Qt::Key_Return, b + 3, b + 3, u"\n"_s},
        {b, b, Qt::Key_Return, b, b, u"\n"_s},
        {b - 3, b + 2, Qt::Key_Q, b - 3, b + 2, u"q"_s},
        {3, b + 2, Qt::Key_Q, 3, b + 2, u"q"_s}};
    for (const auto& [ancla, posicion, tecla, desde, hasta, escrito] : ediciones) {
        caja->ponerTexto(largo);
        ASSERT_TRUE(parrafos::esContinuacion(documento.findBlock(b))) << b;
        QTextCursor cursor(texto()->document());
        cursor.setPosition(ancla);
        cursor.setPosition(posicion, QTextCursor::KeepAnchor);
        texto()->setTextCursor(cursor);
        const qsizetype inicio = antes(desde).size();
        esperado = QString(leido).replace(inicio, antes(hasta).size() - inicio, escrito);
        QTest::keyClick(texto(), tecla);
        EXPECT_EQ(antes(documento.characterCount() - 1), esperado) << ancla << " " << posicion;
    }
    // A later edit finds the splits where the last one moved them.
    QTextBlock otro = documento.findBlock(4);
    while (!parrafos::esContinuacion(otro) || !parrafos::esContinuacion(otro.previous())) {
        otro = otro.next();
    }
    esperado.remove(antes(otro.position()).size() - 1, 1);
    texto()->setTextCursor(QTextCursor(otro));
    QTest::keyClick(texto(), Qt::Key_Backspace);
    iniciar();
    EXPECT_EQ(aQString(ventana->sesion().textoReferencia), QString(esperado).replace(u"\n"_s, u"\r\n"_s));
    texto()->selectAll(); // the page the run shows, split as well
    texto()->copy();
    for (const QString& comoLoLee : comoLoLeen() + QStringList(QGuiApplication::clipboard()->text())) {
        EXPECT_GT(comoLoLee.size(), 2000);
        EXPECT_TRUE(esperado.startsWith(comoLoLee));
    }
}

} // namespace
} // namespace tecladas
