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

TEST(GeometriaGraficoTest, EachRunAgainstItsOwnThresholdsShortRunsHollow) {
    const std::vector<PruebaGrafico> pruebas = {
        {150, {100, 280, 480}, false}, {510, {100, 280, 480}, true}, {300, {120, 280, 450}, false}};
    const GeometriaGrafico g = geometriaGrafico(pruebas, 200);
    EXPECT_EQ(g.x, (EjeGrafico{0, 4, {1, 2, 3}}));
    EXPECT_EQ(std::tuple(g.y.desde, g.y.hasta), std::tuple(0.0, 600.0));
    EXPECT_EQ(g.puntos, (std::vector<PuntoGrafico>{{1, 150, false}, {2, 510, true}, {3, 300, false}}));
    EXPECT_EQ(g.umbrales[0], (std::vector<TramoUmbral>{{0, 2.5, 100}, {2.5, 4, 120}}));
    EXPECT_EQ(g.umbrales[1], (std::vector<TramoUmbral>{{0, 4, 280}}));
    EXPECT_EQ(g.umbrales[2].back(), (TramoUmbral{2.5, 4, 450}));
    EXPECT_EQ(resumirSerie(pruebas), (ResumenSerie{3, 1, 300, 300}));
    EXPECT_EQ(posicionEnEje(g.y, 150, 400, -200), 350);
}

TEST(GeometriaGraficoTest, ManyRunsAreGroupMeansWithoutTheirShortRuns) {
    std::vector<PruebaGrafico> pruebas(7, {10, {}, false});
    pruebas[1] = {40, {}, false};
    pruebas[2] = {500, {}, true};
    pruebas[6] = {70, {}, true};
    const GeometriaGrafico g = geometriaGrafico(pruebas, 3);
    EXPECT_EQ(g.porPunto, 3u);
    EXPECT_EQ(g.puntos, (std::vector<PuntoGrafico>{{2, 25, false}, {5, 10, false}, {7, 70, true}}));
    EXPECT_EQ(geometriaGrafico(std::vector<PruebaGrafico>(9000), 300).puntos.size(), 300u);
    EXPECT_EQ(g.x.marcas, (std::vector<double>{1, 2, 3, 4, 5, 6, 7}));
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
