#include "grading/progreso.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

// Runs oldest first: {day, net rate, seconds, hits, errors}. Runs 1 and 4 last under a minute.
const std::vector<PruebaProgreso> kPruebas = {
    {20, 250, 600, 500, 10}, {20, 510, 2, 17, 0},     {20, 270, 300, 400, 10},   {21, 279.5, 60, 300, 10},
    {22, 290, 59, 300, 100}, {23, 300, 600, 400, 10}, {24, 278.5, 600, 200, 10}, {24, 260, 600, 145, 5}};

TEST(ProgresoTest, DaysAndTrendTakeOnlyTheRunsOfAMinuteOrMore) {
    EXPECT_EQ(cifrasPorDia(kPruebas),
              (std::vector<CifrasDia>{
                  {20, 270, 260, 2}, {21, 279.5, 279.5, 1}, {23, 300, 300, 1}, {24, 278.5, 269.25, 2}}));
    EXPECT_EQ(
        tendencia(kPruebas),
        (std::vector<PuntoTendencia>{{0, 250}, {2, 260}, {3, 266.5}, {5, 274.875}, {6, 275.6}, {7, 277.6}}));
}

TEST(ProgresoTest, TheSentenceMeasuresTheLastFiveAgainstTheCurrentPassMark) {
    const struct {
        std::vector<PruebaProgreso> pruebas;
        std::int16_t puntApr;
        double ultima, mejor, media;
        int faltan, recientes, aprobadas;
    } casos[] = {
        {kPruebas, 280, 260, 300, 277.6, 2, 5, 2}, // 279.5 rounds to 280, 278.5 to 278
        {kPruebas, 279, 260, 300, 277.6, 1, 5, 2},
        {{{1, 278.5, 60, 0, 0}, {1, 400, 59, 0, 0}}, 279, 278.5, 278.5, 278.5, 1, 1, 0}, // ties go even
        {{{1, 279.5, 60, 0, 0}}, 280, 279.5, 279.5, 279.5, 0, 1, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.puntApr);
        const CifrasProgreso cifras = cifrasProgreso(c.pruebas, c.puntApr).value();
        EXPECT_EQ(std::tuple(cifras.ultima, cifras.mejor, cifras.mediaRecientes, cifras.faltan,
                             cifras.recientes, cifras.aprobadas),
                  std::tuple(c.ultima, c.mejor, c.media, c.faltan, c.recientes, c.aprobadas));
    }
    EXPECT_FALSE(cifrasProgreso({{1, 400, 59, 0, 0}}, 280));
}

TEST(ProgresoTest, TextSummaryCountsEveryRunButFiguresOnlyTheValidOnes) {
    const ResumenTexto r = resumirTexto(kPruebas, 280);
    EXPECT_EQ(
        std::tuple(r.pruebas, r.validas, r.mejor, r.mediaRecientes, r.primeraAprobada, r.precisionDecimas),
        std::tuple(8u, 6u, 300.0, 277.6, 3u, 973)); // 1945 of 2000: 97.25 % rounds up
    EXPECT_EQ(resumirTexto(kPruebas, 301).primeraAprobada, std::nullopt);
    EXPECT_EQ(resumirTexto({{1, 0, 60, 0, 0}}, 280).precisionDecimas, std::nullopt);
    const ResumenTexto corta = resumirTexto({{1, 400, 59, 100, 0}}, 280);
    EXPECT_EQ(std::tuple(corta.pruebas, corta.validas, corta.mejor, corta.precisionDecimas),
              std::tuple(1u, 0u, std::nullopt, std::nullopt));
}

} // namespace
} // namespace tecladas
