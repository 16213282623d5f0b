#include "engine/ajustes.h"

#include "support/filas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

using prueba::PrintTo;

struct CasoInicio {
    const char* nombre;
    std::u16string_view texto;
    AjustesMostrados ajustes;
    RechazoInicio rechazo;
    std::tuple<int, int, int, int> leidos{}; ///< time and thresholds of a run that starts
};

class IniciarEjecucionTest : public ::testing::TestWithParam<CasoInicio> {};

TEST_P(IniciarEjecucionTest, ReadsAndChecksTheSettingsInOrderAndTouchesNothingWhenRefusing) {
    const CasoInicio& c = GetParam();
    SesionExamen s;
    std::tie(s.tiempoMax, s.puntMin, s.puntApr, s.puntMax, s.aciertos) = std::tuple(7, 1, 2, 3, 9);
    s.textoReferencia = u"antes";
    EXPECT_EQ(iniciarEjecucion(s, c.ajustes, std::u16string(c.texto)), c.rechazo);
    const bool empieza = c.rechazo == RechazoInicio::Ninguno;
    EXPECT_EQ(std::tuple(s.tiempoMax, s.puntMin, s.puntApr, s.puntMax),
              empieza ? c.leidos : std::tuple(7, 1, 2, 3));
    EXPECT_EQ(s.aciertos, empieza ? 0 : 9);
    EXPECT_EQ(s.textoReferencia, empieza ? c.texto : u"antes");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, IniciarEjecucionTest, ::testing::Values(
    CasoInicio{"defaults", u"a\r\nb", {u" 1", u"100", u"280", u"480"}, RechazoInicio::Ninguno, {1, 100, 280, 480}},
    CasoInicio{"blanks_at_either_end", u"a", {u"1 ", u"0  ", u" 80", u"8 8"}, RechazoInicio::SinPuntMax},
    CasoInicio{"rising_by_one", u"a", {u"45", u"0  ", u"8  ", u" 9 "}, RechazoInicio::Ninguno, {45, 0, 8, 9}},
    CasoInicio{"no_text_first", u"", {u"  ", u"", u"", u""}, RechazoInicio::SinTexto},
    CasoInicio{"time_zeroes", u"a", {u"00", u"", u"", u""}, RechazoInicio::SinTiempo},
    CasoInicio{"time_blank", u"a", {u"  ", u"1", u"2", u"3"}, RechazoInicio::SinTiempo},
    CasoInicio{"blank_between_digits", u"a", {u"1", u"1 0", u"", u""}, RechazoInicio::SinPuntMin},
    CasoInicio{"pass_blank", u"a", {u"1", u"500", u"   ", u""}, RechazoInicio::SinPuntApr},
    CasoInicio{"numbers_before_order", u"a", {u"1", u"500", u"280", u""}, RechazoInicio::SinPuntMax},
    CasoInicio{"min_not_below_pass", u"a", {u"1", u"100", u"100", u"480"}, RechazoInicio::MinNoInferiorApr},
    CasoInicio{"pass_not_below_max", u"a", {u"1", u"100", u"480", u"480"}, RechazoInicio::AprNoInferiorMax}),
    prueba::porNombre);
// clang-format on

} // namespace
} // namespace tecladas
