#include "grading/anchos_columnas.h"
#include "grading/geometria_grafico.h"

#include "support/filas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

using prueba::PrintTo;

struct FilaEje {
    const char* nombre;
    double menor, mayor;
    int marcas;
    double desde, hasta, paso;
};

class EjeRedondoTest : public testing::TestWithParam<FilaEje> {};

TEST_P(EjeRedondoTest, RoundStepsThatCoverTheRange) {
    const FilaEje& f = GetParam();
    const EjeGrafico eje = ejeRedondo(f.menor, f.mayor, f.marcas, 1);
    ASSERT_GE(eje.marcas.size(), 2u);
    EXPECT_EQ(std::tuple(eje.desde, eje.hasta, eje.marcas[1] - eje.marcas[0], eje.marcas.back()),
              std::tuple(f.desde, f.hasta, f.paso, f.hasta));
    EXPECT_LE(eje.marcas.size(), static_cast<std::size_t>(f.marcas));
}

INSTANTIATE_TEST_SUITE_P(Filas, EjeRedondoTest,
                         testing::ValuesIn(std::vector<FilaEje>{
                             // clang-format off
    {"hundreds", 0, 504, 8, 0, 600, 100},
    {"negative_rounded_out", -30.5, 10, 8, -40, 10, 10},
    {"five_fits_where_two_would_not", 0, 23, 6, 0, 25, 5},
    {"no_step_under_one", 1, 3, 10, 1, 3, 1},
    {"no_span", 4, 4, 8, 4, 5, 1},
                             // clang-format on
                         }),
                         prueba::porNombre);

TEST(GeometriaGraficoTest, DaysShareTheAxisRunsAgainstTheirOwnThresholdsShortRunsHollow) {
    // Two runs on day 10, none on day 11, one on day 12: the empty day takes no room.
    const std::vector<PruebaGrafico> pruebas = {{150, {100, 280, 480}, false, 10},
                                                {510, {100, 280, 480}, true, 10},
                                                {300, {120, 280, 450}, false, 12}};
    const GeometriaGrafico g = geometriaGrafico(pruebas, 200);
    EXPECT_EQ(std::tuple(g.x, g.diasMarcas),
              std::tuple(EjeGrafico{0, 2, {0.5, 1.5}}, std::vector<std::int64_t>{10, 12}));
    EXPECT_EQ(std::tuple(g.y.desde, g.y.hasta), std::tuple(0.0, 600.0));
    EXPECT_EQ(g.puntos, (std::vector<PuntoGrafico>{
                            {0.25, 150, false, 0, 1}, {0.75, 510, true, 1, 2}, {1.5, 300, false, 2, 3}}));
    EXPECT_EQ(g.tendencia, (std::vector<PuntoGrafico>{{0.25, 150, false, 0, 1}, {1.5, 225, false, 2, 3}}));
    EXPECT_EQ(g.umbrales[0], (std::vector<TramoUmbral>{{0, 1.125, 100}, {1.125, 2, 120}}));
    EXPECT_EQ(g.umbrales[1], (std::vector<TramoUmbral>{{0, 2, 280}}));
    EXPECT_EQ(g.umbrales[2].back(), (TramoUmbral{1.125, 2, 450}));
    EXPECT_TRUE(g.mejores.empty() && g.cortas.empty());
    EXPECT_EQ(resumirSerie(pruebas), (ResumenSerie{3, 1, 300, 300}));
    EXPECT_EQ(posicionEnEje(g.y, 150, 400, -200), 350);

    const GeometriaGrafico d = geometriaGrafico(pruebas, 200, VistaGrafico::Dias);
    EXPECT_EQ(d.puntos, (std::vector<PuntoGrafico>{{0.5, 150, false, 0, 2}, {1.5, 300, false, 2, 3}}));
    EXPECT_EQ(d.mejores, d.puntos);
    EXPECT_EQ(d.cortas, (std::vector<PuntoGrafico>{{0.75, 510, true, 1, 2}}));
}

TEST(GeometriaGraficoTest, ManyRunsAreGroupMeansWithoutTheirShortRuns) {
    std::vector<PruebaGrafico> pruebas(7, {10, {}, false, 0});
    for (std::size_t i = 0; i < pruebas.size(); ++i) {
        pruebas[i].dia = static_cast<std::int64_t>(i);
    }
    pruebas[1].netas = 40;
    pruebas[2] = {500, {}, true, 2};
    pruebas[6] = {70, {}, true, 6};
    const GeometriaGrafico g = geometriaGrafico(pruebas, 3);
    EXPECT_EQ(g.porPunto, 3u);
    EXPECT_EQ(g.puntos, (std::vector<PuntoGrafico>{
                            {1.5, 25, false, 0, 3}, {4.5, 10, false, 3, 6}, {6.5, 70, true, 6, 7}}));
    EXPECT_EQ(g.x.marcas, (std::vector<double>{0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5}));
    EXPECT_EQ(g.tendencia.size(), 3u) << "every second point of five, and the last";
    std::vector<PruebaGrafico> muchas(9000, {1, {}, false, 0});
    for (std::size_t i = 0; i < muchas.size(); ++i) {
        muchas[i].dia = static_cast<std::int64_t>(i / 30);
    }
    const GeometriaGrafico larga = geometriaGrafico(muchas, 300);
    EXPECT_EQ(
        std::tuple(larga.puntos.size(), larga.tendencia.size(), larga.x.marcas.size(), larga.diasMarcas[1]),
        std::tuple(300u, 301u, 10u, 30));
    const GeometriaGrafico vacia = geometriaGrafico({}, 200);
    EXPECT_TRUE(vacia.puntos.empty() && vacia.umbrales[0].empty() && vacia.x.marcas.empty());
    EXPECT_EQ(std::tuple(vacia.y.desde, vacia.y.hasta), std::tuple(0.0, 12.0));
}

TEST(RepartirAnchosTest, NoColumnNarrowerThanItsWidestWord) {
    EXPECT_EQ(repartirAnchos({10, 20}, {30, 25}, 100), (std::vector<double>{30, 25}));
    EXPECT_EQ(repartirAnchos({10, 20}, {40, 50}, 60), (std::vector<double>{25, 35}));
    EXPECT_EQ(repartirAnchos({10, 20}, {40, 50}, 20), (std::vector<double>{10, 20}));
}

} // namespace
} // namespace tecladas
