#include "lineas_visuales.h"

#include "ui/conversion.h"
#include "ui/pagina_referencia.h"
#include "ui/parrafos_partidos.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace tecladas {
namespace {

using prueba::lineasVisuales;

/// Paragraphs of every kind a reference may hold, joined by CR LF: short ones, empty lines, and
/// long ones with a word wider than the box, a run of blanks and tabs.
std::u16string referenciaVariada(int largos, int largoParrafo) {
    const std::u16string palabras[] = {u"El",    u"Ayuntamiento", u"convoca,",  u"según",    u"las",
                                       u"bases", u"—publicadas—", u"«Auxiliar", u"1.234,56", u"¿Qué?",
                                       u"ñandú", u"\tpingüino",   u"(plazo:",   u"días).",   u"a"};
    std::mt19937 azar(11);
    std::u16string texto = u"Primera línea\r\n\r\nTras una línea vacía\r\n";
    for (int p = 0; p < largos; ++p) {
        std::u16string parrafo;
        while (parrafo.size() < static_cast<std::size_t>(largoParrafo)) {
            const auto tirada = azar() % 40;
            if (tirada == 0) {
                parrafo += std::u16string(300, u'x'); // wider than the box: broken anywhere
            } else if (tirada == 1) {
                parrafo += std::u16string(250, u' '); // blanks hang at the end of a line
            }
            parrafo += palabras[azar() % std::size(palabras)];
            parrafo += u' ';
        }
        texto += parrafo + u"\r\ncorto\r\n";
    }
    return texto;
}

/// Two boxes like the reference box: one shows pages, the other holds the same text whole.
class PaginaReferenciaTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (QPlainTextEdit* caja : {&caja, &gemela}) {
            QFont fuente(QStringLiteral("Liberation Mono"));
            fuente.setPointSizeF(8.25);
            caja->setFont(fuente);
            caja->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            caja->setFixedSize(713, 233);
            caja->setReadOnly(true);
        }
        gemela.move(0, 240);
        anfitrion.resize(720, 480);
        anfitrion.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&anfitrion));
    }

    /// What the whole reference from `desde` looks like in a box that holds it in one piece.
    QStringList lineasEsperadas(const std::u16string& referencia, std::size_t desde) {
        gemela.setPlainText(aQString(std::u16string_view(referencia).substr(desde)));
        return lineasVisuales(gemela);
    }

    /// Scrolls the paged box to its end until the whole reference is in.
    void desplazarHastaElFinal(const std::u16string& referencia) {
        for (int vuelta = 0; vuelta < 10000 && pagina.finCargado() < referencia.size(); ++vuelta) {
            lineasVisuales(caja); // what a repaint would lay out
            caja.verticalScrollBar()->setValue(caja.verticalScrollBar()->maximum());
        }
    }

    QWidget anfitrion;
    QPlainTextEdit caja{&anfitrion};
    QPlainTextEdit gemela{&anfitrion};
    PaginaReferencia pagina{caja};
};

TEST_F(PaginaReferenciaTest, APageLooksLikeTheRestOfTheReferenceLineForLine) {
    const std::u16string referencia = referenciaVariada(3, 6000);
    for (const std::size_t desde : {std::size_t{0}, std::size_t{17}, std::size_t{4000}, std::size_t{9001}}) {
        pagina.mostrar(referencia, desde);
        const QStringList mostradas = lineasVisuales(caja);
        const QStringList esperadas = lineasEsperadas(referencia, desde);
        ASSERT_GE(mostradas.size(), PaginaReferencia::kLineasPorTanda) << "from " << desde;
        ASSERT_LE(mostradas.size(), esperadas.size());
        EXPECT_EQ(mostradas, esperadas.mid(0, mostradas.size())) << "from " << desde;
        EXPECT_EQ(caja.verticalScrollBar()->value(), 0);
        EXPECT_EQ(caja.textCursor().position(), 0);
    }
}

TEST_F(PaginaReferenciaTest, LongParagraphsAreHeldInShortBlocks) {
    const std::u16string referencia = referenciaVariada(1, 20000);
    pagina.mostrar(referencia, 0);
    desplazarHastaElFinal(referencia);
    ASSERT_EQ(pagina.finCargado(), referencia.size());
    int continuaciones = 0;
    for (QTextBlock bloque = caja.document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        EXPECT_LE(static_cast<std::size_t>(bloque.length() - 1), parrafos::kLargoMaximo);
        continuaciones += parrafos::esContinuacion(bloque) ? 1 : 0;
    }
    EXPECT_GT(continuaciones, 10);
}

TEST_F(PaginaReferenciaTest, ScrollingToTheEndTakesInTheWholeReference) {
    const std::u16string referencia = referenciaVariada(6, 9000);
    pagina.mostrar(referencia, 5);
    ASSERT_LT(pagina.finCargado(), referencia.size()) << "a page must not take in the whole text at once";
    desplazarHastaElFinal(referencia);
    ASSERT_EQ(pagina.finCargado(), referencia.size());
    EXPECT_EQ(lineasVisuales(caja), lineasEsperadas(referencia, 5));
    EXPECT_EQ(parrafos::textoSinCortes(*caja.document(), 0, caja.document()->characterCount() - 1),
              gemela.toPlainText());
}

TEST_F(PaginaReferenciaTest, AShortReferenceIsShownWholeWithItsEmptyLastLine) {
    const std::u16string referencia = u"uno\r\n\r\ndos\r\n";
    pagina.mostrar(referencia, 2);
    EXPECT_EQ(pagina.finCargado(), referencia.size());
    EXPECT_EQ(caja.toPlainText(), QStringLiteral("o\n\ndos\n"));
    pagina.mostrar(referencia, referencia.size());
    EXPECT_TRUE(caja.document()->isEmpty());
}

TEST_F(PaginaReferenciaTest, RestoringGivesBackTheBoxsOwnDocumentUntouched) {
    caja.setReadOnly(false);
    caja.setPlainText(QStringLiteral("texto del usuario"));
    caja.moveCursor(QTextCursor::End);
    QTest::keyClicks(&caja, QStringLiteral(" y mas"));
    QTextDocument* propio = caja.document();
    const std::u16string referencia = u"la referencia";

    pagina.mostrar(referencia, 0);
    EXPECT_TRUE(pagina.activa());
    EXPECT_EQ(caja.toPlainText(), QStringLiteral("la referencia"));
    pagina.mostrar(referencia, 3);
    EXPECT_EQ(caja.toPlainText(), QStringLiteral("referencia"));

    pagina.restaurar();
    EXPECT_FALSE(pagina.activa());
    ASSERT_EQ(caja.document(), propio);
    EXPECT_EQ(caja.toPlainText(), QStringLiteral("texto del usuario y mas"));
    EXPECT_TRUE(propio->isUndoAvailable()) << "the user's undo history survives a run";
    pagina.restaurar();
    EXPECT_EQ(caja.document(), propio);
}

} // namespace
} // namespace tecladas
