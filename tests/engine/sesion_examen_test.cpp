#include "engine/sesion_examen.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

TEST(SesionExamenTest, ANewRunResetsTheCountsAndTextsButKeepsTheSettingsAndThePendingPage) {
    SesionExamen s;
    s.tiempoMax = 3;
    s.aciertos = s.errores = s.segundos = s.paginasPasadas = 50;
    s.paginaPendiente = s.ultimaCorrecta = true;
    s.textoEscrito = s.textoOculto = s.textoObjetivo = u"abc";
    prepararEjecucion(s, u"nuevo");
    EXPECT_EQ(std::tuple(s.aciertos, s.errores, s.segundos, s.paginasPasadas, s.ultimaCorrecta,
                         s.textoEscrito, s.textoOculto, s.textoObjetivo, s.textoReferencia, s.tiempoMax,
                         s.paginaPendiente),
              std::tuple(0, 0, 0, 0, false, u"", u"", u"nuevo", u"nuevo", 3, true));
}

} // namespace
} // namespace tecladas
