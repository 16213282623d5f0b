#include "engine/evaluacion.h"
#include "engine/paginacion.h"

#include "support/medidor_fijo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tecladas {
namespace {

constexpr int kAncho = 10;

/// Types a text key by key through the judge on a 10-column measurer.
class PaginacionTest : public ::testing::Test {
protected:
    void empezar(const std::u16string& texto, bool repetir = false) {
        fijarConstantes(sesion);
        prepararEjecucion(sesion, texto);
        repetir_ = repetir;
    }
    Veredicto teclear(char32_t tecla) { return evaluarTecla(sesion, tecla, repetir_, medidor); }

    /// Types the next character of the target; Enter for a CR LF.
    Veredicto siguiente() {
        const char16_t c = sesion.textoObjetivo[sesion.textoEscrito.size()];
        return teclear(c == u'\r' ? kTeclaEnter : static_cast<char32_t>(c));
    }

    static std::u16string letras(std::size_t n) {
        std::u16string s;
        for (std::size_t i = 0; i < n; ++i) {
            s += static_cast<char16_t>(u'a' + i % 26);
        }
        return s;
    }

    SesionExamen sesion;
    prueba::MedidorFijo medidor{kAncho};
    bool repetir_ = false;
};

TEST_F(PaginacionTest, TurnsAtMeasuredLines16And31And46) {
    empezar(letras(60 * kAncho));
    std::vector<std::size_t> vueltas; // typed length at each turn
    for (std::size_t i = 0; i < 46 * kAncho - 9; ++i) {
        const Veredicto v = siguiente();
        ASSERT_EQ(v.resultado, Veredicto::Resultado::Aceptada);
        if (v.paginacion.paginaPasada) {
            vueltas.push_back(sesion.textoEscrito.size());
            EXPECT_EQ(v.paginacion.inicioPagina, sesion.textoEscrito.size() - 1);
            EXPECT_TRUE(v.paginacion.aviso);
        }
    }
    // The first character of measured line n is typed character 10 (n - 1) + 1.
    EXPECT_EQ(vueltas, (std::vector<std::size_t>{15 * kAncho + 1, 30 * kAncho + 1, 45 * kAncho + 1}));
    EXPECT_EQ(sesion.paginasPasadas, 3);
}

TEST_F(PaginacionTest, NoticeStaysOnlyUntilTheNextKeyOnTheSameLine) {
    empezar(letras(20 * kAncho));
    for (int i = 0; i < 15 * kAncho; ++i) {
        EXPECT_FALSE(siguiente().paginacion.aviso);
    }
    const Veredicto vuelta = siguiente();
    EXPECT_TRUE(vuelta.paginacion.aviso);
    EXPECT_TRUE(vuelta.paginacion.paginaPasada);

    const Veredicto despues = siguiente();
    EXPECT_FALSE(despues.paginacion.aviso);
    EXPECT_FALSE(despues.paginacion.paginaPasada);
    EXPECT_EQ(sesion.paginasPasadas, 1);
}

TEST_F(PaginacionTest, ShortTextNeverShowsTheNotice) {
    empezar(letras(15 * kAncho));
    for (int i = 0; i < 15 * kAncho; ++i) {
        const Veredicto v = siguiente();
        EXPECT_FALSE(v.paginacion.aviso);
    }
    EXPECT_EQ(sesion.paginasPasadas, 0);
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
    while (!v.paginacion.paginaPasada && sesion.textoEscrito.size() < texto.size()) {
        v = siguiente();
    }
    ASSERT_TRUE(v.paginacion.paginaPasada);
    EXPECT_EQ(sesion.textoEscrito.size(), 14u * 5 + 11);
    EXPECT_EQ(sesion.textoOculto.size(), 14u * 4 + 11);
    // 14 line breaks typed: the page starts 14 characters before the one just typed.
    EXPECT_EQ(v.paginacion.inicioPagina, 14u * 4 + 10);
    EXPECT_EQ(sesion.textoReferencia.substr(v.paginacion.inicioPagina, 5), u"bc\r\na");
}

TEST_F(PaginacionTest, ARepetitionKeepsTheTurnsOfThePreviousOnes) {
    empezar(letras(12 * kAncho), true);
    sesion.paginasPasadas = 0;
    for (int i = 0; i < 12 * kAncho; ++i) {
        siguiente();
    }
    EXPECT_EQ(sesion.paginasPasadas, 0);
    // The buffer restarts at line 1; with no turn yet, the boundary is still line 16.
    teclear(kTeclaEnter);
    for (int i = 0; i < 12 * kAncho; ++i) {
        EXPECT_FALSE(siguiente().paginacion.paginaPasada);
    }
}

TEST_F(PaginacionTest, TheEnterThatStartsARepetitionOnABoundaryShowsTheWholeText) {
    empezar(u"ab", true);
    siguiente();
    siguiente();
    sesion.paginasPasadas = 15; // the empty buffer measures line 1: 1 + 15 is a boundary
    sesion.paginaPendiente = true;
    const Veredicto enter = teclear(kTeclaEnter);
    EXPECT_TRUE(enter.ampliado);
    EXPECT_TRUE(enter.paginacion.paginaPasada);
    EXPECT_EQ(enter.paginacion.inicioPagina, 0u);
}

TEST_F(PaginacionTest, TheTurnCounterStopsAtItsLimit) {
    empezar(letras(20 * kAncho));
    sesion.paginasPasadas = kMaximoContador;
    sesion.paginaPendiente = true;
    Veredicto v;
    // 32767 + n is a multiple of 16 at n = 1.
    v = siguiente();
    EXPECT_TRUE(v.limiteAlcanzado);
    EXPECT_EQ(sesion.paginasPasadas, kMaximoContador);
}

} // namespace
} // namespace tecladas
