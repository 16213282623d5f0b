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
    s.caracteresFallados[U'a'] = s.caracteresIntentados[U'a'] = 1;
    prepararEjecucion(s, u"nuevo");
    EXPECT_EQ(std::tuple(s.aciertos, s.errores, s.segundos, s.paginasPasadas, s.ultimaCorrecta,
                         s.textoEscrito, s.textoOculto, s.textoObjetivo, s.textoReferencia, s.tiempoMax,
                         s.paginaPendiente, s.caracteresFallados.size() + s.caracteresIntentados.size()),
              std::tuple(0, 0, 0, 0, false, u"", u"", u"nuevo", u"nuevo", 3, true, 0u));
}

} // namespace
} // namespace tecladas
