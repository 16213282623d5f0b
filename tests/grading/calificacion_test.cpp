#include "grading/calificacion.h"

#include "grading/estadisticas.h"

#include "support/filas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace tecladas {
namespace {

using prueba::PrintTo;

SesionExamen sesionPorDefecto() {
    SesionExamen s;
    std::tie(s.puntMin, s.puntApr, s.puntMax) = std::tuple(100, 280, 480);
    return s;
}

/// The grade as the window shows it: two decimals.
double aCentesimas(double nota) {
    return std::round(nota * 100) / 100;
}

struct CasoNota {
    const char* nombre;
    std::int16_t tecladasNetasEnteras;
    double nota;
};

class NotaTest : public ::testing::TestWithParam<CasoNota> {};

TEST_P(NotaTest, GradeOfARoundedRate) {
    const SesionExamen s = sesionPorDefecto();
    EXPECT_DOUBLE_EQ(aCentesimas(calcularNota(GetParam().tecladasNetasEnteras, s)), GetParam().nota);
}

INSTANTIATE_TEST_SUITE_P(
    BandasPorDefecto, NotaTest,
    ::testing::Values(CasoNota{"below_minimum", 99, 0.0}, CasoNota{"at_minimum", 100, 0.0},
                      CasoNota{"failing_band", 150, 1.39}, CasoNota{"just_under_pass", 279, 4.96},
                      CasoNota{"at_pass", 280, 5.0}, CasoNota{"pass_band", 380, 7.5},
                      CasoNota{"at_maximum", 480, 10.0}, CasoNota{"above_maximum", 481, 10.0},
                      CasoNota{"far_above", 32767, 10.0}, CasoNota{"negative", -30, 0.0},
                      CasoNota{"lowest", -32768, 0.0}),
    prueba::porNombre);

TEST(NotaExactaTest, WideThresholdsDoNotOverflow) {
    SesionExamen s = sesionPorDefecto();
    std::tie(s.puntMin, s.puntApr, s.puntMax) = std::tuple(0, 1, 999);
    EXPECT_DOUBLE_EQ(calcularNota(998, s), 5 + 997.0 * 5 / 998);
}

struct CasoRedondeo {
    const char* nombre;
    double valor;
    std::int16_t redondeado;
};

class RedondeoTest : public ::testing::TestWithParam<CasoRedondeo> {};

TEST_P(RedondeoTest, HalfToEvenWithinSixteenBits) {
    EXPECT_EQ(redondearTecladasNetas(GetParam().valor), GetParam().redondeado);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, RedondeoTest,
    ::testing::Values(CasoRedondeo{"tie_up_to_even", 279.5, 280},
                      CasoRedondeo{"tie_down_to_even", 278.5, 278}, CasoRedondeo{"tie_280_5", 280.5, 280},
                      CasoRedondeo{"tie_281_5", 281.5, 282}, CasoRedondeo{"below_half", 85.714, 86},
                      CasoRedondeo{"just_below_half", 2.4999, 2}, CasoRedondeo{"negative_tie", -30.5, -30},
                      CasoRedondeo{"negative", -30.508, -31}, CasoRedondeo{"clamped_high", 1e9, 32767},
                      CasoRedondeo{"clamped_low", -1e9, -32768}),
    prueba::porNombre);

struct CasoPrueba {
    const char* nombre;
    std::int16_t segundos, aciertos, errores;
    double netas, nota;
};

class NotaDeLaPruebaTest : public ::testing::TestWithParam<CasoPrueba> {};

TEST_P(NotaDeLaPruebaTest, RateAndGradeOfAWholeRun) {
    const auto& c = GetParam();
    SesionExamen s = sesionPorDefecto();
    std::tie(s.segundos, s.aciertos, s.errores) = std::tie(c.segundos, c.aciertos, c.errores);
    EXPECT_DOUBLE_EQ(tecladasNetasPorMinuto(s), c.netas);
    EXPECT_DOUBLE_EQ(aCentesimas(notaDeLaPrueba(s)), c.nota);
}

// The four ties come from a two-minute run, so the rate is net / 2 exactly.
INSTANTIATE_TEST_SUITE_P(Tabla, NotaDeLaPruebaTest,
                         ::testing::Values(CasoPrueba{"one_minute", 60, 400, 20, 380, 7.5},
                                           CasoPrueba{"stopped_at_30s", 30, 150, 0, 300, 5.5},
                                           CasoPrueba{"tie_559", 120, 559, 0, 279.5, 5.0},
                                           CasoPrueba{"tie_557", 120, 557, 0, 278.5, 4.93},
                                           CasoPrueba{"tie_561", 120, 561, 0, 280.5, 5.0},
                                           CasoPrueba{"tie_563", 120, 563, 0, 281.5, 5.05},
                                           CasoPrueba{"more_errors_than_hits", 59, 10, 40, -30 / (59 / 60.0),
                                                      0.0},
                                           CasoPrueba{"ended_before_first_second", 0, 30, 0, 0, 0.0}),
                         prueba::porNombre);

} // namespace
} // namespace tecladas
