#include "grading/estadisticas.h"

#include "support/filas.h"

#include <gtest/gtest.h>

namespace tecladas {
namespace {

using prueba::PrintTo;

struct CasoEstadisticas {
    const char* nombre;
    std::int16_t segundos, aciertos, errores;
    std::int32_t minutos;
    std::int16_t resto;
    double porMinuto, netas;
};

class EstadisticasTest : public ::testing::TestWithParam<CasoEstadisticas> {};

TEST_P(EstadisticasTest, FiguresOfTheRefresh) {
    const auto& c = GetParam();
    SesionExamen s;
    s.segundos = c.segundos;
    s.aciertos = c.aciertos;
    s.errores = c.errores;
    const Estadisticas e = calcularEstadisticas(s);
    EXPECT_EQ(e.aciertos, c.aciertos);
    EXPECT_EQ(e.errores, c.errores);
    EXPECT_EQ(e.minutosEnteros, c.minutos);
    EXPECT_EQ(e.segundosRestantes, c.resto);
    EXPECT_NEAR(e.aciertosPorMinuto, c.porMinuto, 0.005);
    EXPECT_NEAR(e.tecladasNetasMin, c.netas, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, EstadisticasTest,
    ::testing::Values(CasoEstadisticas{"minute_and_a_half", 90, 300, 15, 1, 30, 200.0, 190.0},
                      CasoEstadisticas{"two_minutes_five", 125, 512, 12, 2, 5, 245.76, 240.0},
                      CasoEstadisticas{"seven_seconds", 7, 10, 0, 0, 7, 85.714, 85.714},
                      CasoEstadisticas{"more_errors_than_hits", 59, 10, 40, 0, 59, 10.169, -30.508},
                      CasoEstadisticas{"no_second_yet", 0, 12, 3, 0, 0, 0.0, 0.0},
                      CasoEstadisticas{"last_tick_of_99_minutes", 5940, 30000, 2, 99, 0, 303.03, 303.01}),
    prueba::porNombre);

class RelojTest : public ::testing::Test {
protected:
    SesionExamen sesion;
};

TEST_F(RelojTest, OneMinuteEndsExactlyAtTick60) {
    sesion.tiempoMax = 1;
    for (int tick = 1; tick < 60; ++tick) {
        ASSERT_FALSE(avanzarReloj(sesion).tiempoAgotado) << tick;
    }
    EXPECT_EQ(calcularEstadisticas(sesion).segundosRestantes, 59);
    EXPECT_TRUE(avanzarReloj(sesion).tiempoAgotado);
    EXPECT_EQ(sesion.segundos, 60);
}

TEST_F(RelojTest, TwoMinutesDoNotEndAtTick60) {
    sesion.tiempoMax = 2;
    sesion.segundos = 59;
    EXPECT_FALSE(avanzarReloj(sesion).tiempoAgotado);
    sesion.segundos = 119;
    EXPECT_TRUE(avanzarReloj(sesion).tiempoAgotado);
}

TEST_F(RelojTest, TheSecondsStopAtTheirLimit) {
    sesion.tiempoMax = 99;
    sesion.segundos = kMaximoContador;
    const ResultadoTick r = avanzarReloj(sesion);
    EXPECT_TRUE(r.limiteAlcanzado);
    EXPECT_FALSE(r.tiempoAgotado);
    EXPECT_EQ(sesion.segundos, kMaximoContador);
}

} // namespace
} // namespace tecladas
