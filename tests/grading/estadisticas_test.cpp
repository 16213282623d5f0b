#include "grading/estadisticas.h"

#include "support/filas.h"

#include <gtest/gtest.h>

#include <tuple>

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
    std::tie(s.segundos, s.aciertos, s.errores) = std::tie(c.segundos, c.aciertos, c.errores);
    const Estadisticas e = calcularEstadisticas(s);
    EXPECT_EQ(std::tuple(e.aciertos, e.errores, e.minutosEnteros, e.segundosRestantes),
              std::tuple(c.aciertos, c.errores, c.minutos, c.resto));
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

TEST(RelojTest, TheLastTickOfTheTimeEndsTheRunAndTheSecondsStopAtTheirLimit) {
    // Minutes, seconds before the tick, whether it ends the time, whether it reaches the limit.
    const std::tuple<std::int16_t, std::int16_t, bool, bool> casos[] = {{1, 58, false, false},
                                                                        {1, 59, true, false},
                                                                        {2, 59, false, false},
                                                                        {2, 119, true, false},
                                                                        {99, kMaximoContador, false, true}};
    for (const auto& [minutos, segundos, agotado, limite] : casos) {
        SesionExamen sesion;
        sesion.tiempoMax = minutos;
        sesion.segundos = segundos;
        const ResultadoTick r = avanzarReloj(sesion);
        EXPECT_EQ(std::tuple(r.tiempoAgotado, r.limiteAlcanzado, sesion.limiteAlcanzado, sesion.segundos),
                  std::tuple(agotado, limite, limite, limite ? segundos : segundos + 1))
            << minutos << " " << segundos;
    }
}

} // namespace
} // namespace tecladas
