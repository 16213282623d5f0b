#include "engine/sesion_examen.h"

#include <gtest/gtest.h>

namespace tecladas {
namespace {

TEST(SesionExamenTest, ANewRunResetsThePerRunFieldsInPlace) {
    SesionExamen s;
    s.tiempoMax = 3;
    s.puntMin = 1;
    s.aciertos = 50;
    s.errores = 4;
    s.segundos = 99;
    s.paginasPasadas = 2;
    s.paginaPendiente = true;
    s.ultimaCorrecta = true;
    s.textoEscrito = u"abc";
    s.textoOculto = u"abc";
    s.textoObjetivo = u"old\r\nold";

    prepararEjecucion(s, u"nuevo");

    EXPECT_EQ(s.aciertos, 0);
    EXPECT_EQ(s.errores, 0);
    EXPECT_EQ(s.segundos, 0);
    EXPECT_EQ(s.paginasPasadas, 0);
    EXPECT_FALSE(s.ultimaCorrecta);
    EXPECT_EQ(s.textoObjetivo, u"nuevo");
    EXPECT_EQ(s.textoReferencia, u"nuevo");
    EXPECT_TRUE(s.textoEscrito.empty());
    EXPECT_TRUE(s.textoOculto.empty());
    // Left as they were: the settings, the constants and the pending page.
    EXPECT_EQ(s.tiempoMax, 3);
    EXPECT_EQ(s.puntMin, 1);
    EXPECT_TRUE(s.paginaPendiente);
    EXPECT_EQ(s.lineasPagina, 16);
    EXPECT_DOUBLE_EQ(s.notaTopeSuspenso, 4.99);
}

TEST(SesionExamenTest, CountersNeverPassTheirLimit) {
    std::int16_t c = kMaximoContador - 2;
    EXPECT_TRUE(incrementarContador(c, 2));
    EXPECT_EQ(c, kMaximoContador);
    EXPECT_FALSE(incrementarContador(c));
    EXPECT_EQ(c, kMaximoContador);
}

} // namespace
} // namespace tecladas
