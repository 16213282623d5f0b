#include "engine/evaluacion.h"
#include "engine/paginacion.h"
#include "engine/utf16.h"

#include "support/ejecucion_prueba.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tecladas {
namespace {

constexpr int kAncho = 10;

/// Types a text key by key through the judge on a 10-column measurer.
class PaginacionTest : public prueba::EjecucionPrueba {
protected:
    PaginacionTest()
        : EjecucionPrueba(kAncho) {}

    static std::u16string letras(std::size_t n) {
        std::u16string s;
        for (std::size_t i = 0; i < n; ++i) {
            s += static_cast<char16_t>(u'a' + i % 26);
        }
        return s;
    }
};

TEST_F(PaginacionTest, TurnsAtMeasuredLines16And31And46WithTheNoticeOnlyThere) {
    empezar(letras(60 * kAncho));
    std::vector<std::size_t> vueltas; // typed length at each turn
    std::vector<std::size_t> avisos;  // typed length at each notice
    for (std::size_t i = 0; i < 46 * kAncho + 5; ++i) {
        const Veredicto v = siguiente();
        ASSERT_EQ(v.resultado, Veredicto::Resultado::Aceptada);
        if (v.paginacion.aviso) {
            avisos.push_back(sesion.textoEscrito.size());
        }
        if (v.paginacion.paginaPasada) {
            vueltas.push_back(sesion.textoEscrito.size());
            EXPECT_EQ(v.paginacion.inicioPagina, sesion.textoEscrito.size() - 1);
        }
    }
    // The first character of measured line n is typed character 10 (n - 1) + 1; the next key,
    // on the same line, clears the notice and does not turn again.
    const std::vector<std::size_t> esperadas{15 * kAncho + 1, 30 * kAncho + 1, 45 * kAncho + 1};
    EXPECT_EQ(vueltas, esperadas);
    EXPECT_EQ(avisos, esperadas);
    EXPECT_EQ(sesion.paginasPasadas, 3);
}

TEST_F(PaginacionTest, ARefusedKeyLeavesThePagingAlone) {
    empezar(letras(20 * kAncho));
    for (int i = 0; i < 15 * kAncho + 1; ++i) {
        siguiente();
    }
    const int medidas = medidor.llamadas;
    const Veredicto error = teclear(U'#');
    EXPECT_EQ(error.resultado, Veredicto::Resultado::Rechazada);
    EXPECT_FALSE(error.paginacion.aviso);
    EXPECT_EQ(medidor.llamadas, medidas);
    EXPECT_EQ(sesion.paginasPasadas, 1);
}

TEST_F(PaginacionTest, EachTypedLineBreakStartsThePageOneCharacterEarly) {
    // Fourteen one-line paragraphs, then a long one whose second line is measured line 16.
    std::u16string texto;
    for (int i = 0; i < 14; ++i) {
        texto += u"abc\r\n";
    }
    texto += letras(30);
    empezar(texto);
    Veredicto v;
    for (std::size_t i = 0; !v.paginacion.paginaPasada && i < texto.size(); ++i) {
        v = siguiente();
    }
    ASSERT_TRUE(v.paginacion.paginaPasada);
    EXPECT_EQ(sesion.textoEscrito.size(), 14u * 5 + 11);
    EXPECT_EQ(sesion.textoOculto.size(), 14u * 4 + 11);
    // 14 line breaks typed: the page starts 14 characters before the one just typed.
    EXPECT_EQ(v.paginacion.inicioPagina, 14u * 4 + 10);
    EXPECT_EQ(sesion.textoReferencia.substr(v.paginacion.inicioPagina, 5), u"bc\r\na");
}

TEST_F(PaginacionTest, APageNeverStartsOnTheSecondHalfOfASurrogatePair) {
    // The first character of measured line 16 is typed last: the page starts on its first unit.
    // "ｆ" is no surrogate, though above them.
    for (const std::u16string ultimo : {u"\U00010000", u"\U0010FFFF", u"\uFF46"}) {
        empezar(letras(15 * kAncho) + ultimo + u"b");
        for (int i = 0; i < 15 * kAncho; ++i) {
            siguiente();
        }
        const Veredicto v = teclear(ultimo.size() == 2 ? utf16::combinar(ultimo[0], ultimo[1]) : ultimo[0]);
        EXPECT_TRUE(v.paginacion.paginaPasada);
        EXPECT_EQ(v.paginacion.inicioPagina, 15u * kAncho) << static_cast<int>(ultimo[0]);
    }
}

TEST_F(PaginacionTest, TheEnterThatStartsARepetitionOnABoundaryShowsTheWholeText) {
    empezar(u"ab", true);
    teclear(U"ab");
    sesion.paginasPasadas = 15; // the empty buffer measures line 1: 1 + 15 is a boundary
    sesion.paginaPendiente = true;
    const Veredicto enter = teclear(kTeclaEnter);
    EXPECT_TRUE(enter.ampliado);
    EXPECT_TRUE(enter.paginacion.paginaPasada);
    EXPECT_EQ(enter.paginacion.inicioPagina, 0u);
}

TEST_F(PaginacionTest, TheTurnCounterStopsAtItsLimit) {
    empezar(letras(20 * kAncho));
    std::tie(sesion.paginasPasadas, sesion.paginaPendiente) = std::tuple(kMaximoContador, true);
    const Veredicto v = siguiente(); // 32767 + 1 is a multiple of 16
    EXPECT_EQ(std::tuple(v.limiteAlcanzado, sesion.limiteAlcanzado, sesion.paginasPasadas),
              std::tuple(true, true, kMaximoContador));
}

} // namespace
} // namespace tecladas
