#include "lineas_visuales.h"

#include "ui/conversion.h"
#include "ui/pagina_referencia.h"
#include "ui/parrafos_partidos.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

using prueba::lineasVisuales;

/// Paragraphs of every kind a reference may hold, joined by CR LF: short ones, empty lines, and
/// long ones with words wider than the box, runs of blanks and tabs.
std::u16string referenciaVariada(int largos, std::size_t largoParrafo) {
    std::u16string texto = u"Primera línea\r\n\r\nTras una línea vacía\r\n";
    for (int p = 0; p < largos; ++p) {
        std::u16string parrafo;
        for (int i = 0; parrafo.size() < largoParrafo; ++i) {
            parrafo += i % 40 == 7    ? std::u16string(300, u'x')
                       : i % 40 == 23 ? std::u16string(250, u' ')
                                      : u"";
            parrafo += u"El Ayuntamiento convoca, según las bases\t«Auxiliar» —1.234,56— ¿Qué? a ";
        }
        texto += parrafo + u"\r\ncorto\r\n";
    }
    return texto;
}

/// A box like the reference box, showing pages.
class PaginaReferenciaTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont fuente(QStringLiteral("Liberation Mono"));
        fuente.setPointSizeF(8.25);
        caja.setFont(fuente);
        caja.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        caja.setFixedSize(713, 233);
        caja.setReadOnly(true);
        caja.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&caja));
    }
    /// The lines of the reference from `desde` in a box that holds it in one piece.
    QStringList lineasEsperadas(std::u16string_view referencia, std::size_t desde) {
        return prueba::lineasEnUnaCajaComo(caja, aQString(referencia.substr(desde)));
    }

    QPlainTextEdit caja;
    PaginaReferencia pagina{caja};
};

TEST_F(PaginaReferenciaTest, APageLooksLikeTheRestOfTheReferenceLineForLine) {
    const std::u16string largo = referenciaVariada(3, 6000);
    const std::u16string corto = u"uno\r\n\r\ndos\r\n";
    const std::pair<const std::u16string*, std::size_t> casos[] = {
        {&largo, 0}, {&largo, 17}, {&largo, 9001}, {&corto, 2}, {&corto, corto.size()}};
    for (const auto& [referencia, desde] : casos) {
        SCOPED_TRACE(testing::Message() << referencia->size() << " from " << desde);
        pagina.mostrar(*referencia, desde);
        const QStringList mostradas = lineasVisuales(caja);
        const QStringList esperadas = lineasEsperadas(*referencia, desde);
        ASSERT_GE(mostradas.size(), std::min<qsizetype>(PaginaReferencia::kLineasPorTanda, esperadas.size()));
        EXPECT_EQ(mostradas, esperadas.mid(0, mostradas.size()));
        EXPECT_EQ(caja.verticalScrollBar()->value(), 0);
    }
}

TEST_F(PaginaReferenciaTest, ScrollingToTheEndTakesInTheWholeReferenceInShortBlocks) {
    const std::u16string referencia = referenciaVariada(6, 9000);
    pagina.mostrar(referencia, 5);
    ASSERT_LT(pagina.finCargado(), referencia.size()) << "a page must not take in the whole text at once";
    for (int vuelta = 0; vuelta < 10000 && pagina.finCargado() < referencia.size(); ++vuelta) {
        lineasVisuales(caja); // what a repaint would lay out
        caja.verticalScrollBar()->setValue(caja.verticalScrollBar()->maximum());
    }
    EXPECT_EQ(lineasVisuales(caja), lineasEsperadas(referencia, 5));
    EXPECT_EQ(parrafos::textoSinCortes(*caja.document(), 0, caja.document()->characterCount() - 1),
              aQString(referencia).mid(5).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (QTextBlock bloque = caja.document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        ASSERT_LE(static_cast<std::size_t>(bloque.length() - 1), parrafos::kLargoMaximo);
    }
}

TEST_F(PaginaReferenciaTest, TheBoxGetsItsOwnDocumentAndUndoBack) {
    caja.setReadOnly(false);
    QTest::keyClicks(&caja, QStringLiteral("del usuario"));
    QTextDocument* propio = caja.document();
    const std::u16string referencia = u"la referencia";
    pagina.mostrar(referencia, 0);
    pagina.mostrar(referencia, 3);
    EXPECT_EQ(caja.toPlainText(), QStringLiteral("referencia"));
    pagina.restaurar();
    ASSERT_EQ(caja.document(), propio);
    EXPECT_EQ(caja.toPlainText(), QStringLiteral("del usuario"));
    EXPECT_TRUE(propio->isUndoAvailable());
}

} // namespace
} // namespace tecladas
