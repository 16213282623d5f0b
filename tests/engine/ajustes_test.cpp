#include "engine/ajustes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tecladas {
namespace {

struct CasoTiempo {
    friend void PrintTo(const CasoTiempo& c, std::ostream* os) { *os << c.nombre; }
    const char* nombre;
    std::u16string_view mostrado;
    std::int16_t minutos;
};

class LeerTiempoTest : public ::testing::TestWithParam<CasoTiempo> {};

TEST_P(LeerTiempoTest, BlanksAreDropped) {
    EXPECT_EQ(leerTiempo(GetParam().mostrado), GetParam().minutos);
}

INSTANTIATE_TEST_SUITE_P(Tabla, LeerTiempoTest,
                         ::testing::Values(CasoTiempo{"blank_then_digit", u" 1", 1},
                                           CasoTiempo{"digit_then_blank", u"1 ", 1},
                                           CasoTiempo{"two_digits", u"45", 45},
                                           CasoTiempo{"zeroes", u"00", 0}, CasoTiempo{"blank", u"  ", 0},
                                           CasoTiempo{"empty", u"", 0}),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoUmbral {
    friend void PrintTo(const CasoUmbral& c, std::ostream* os) { *os << c.nombre; }
    const char* nombre;
    std::u16string_view mostrado;
    std::optional<std::int16_t> valor;
};

class LeerUmbralTest : public ::testing::TestWithParam<CasoUmbral> {};

TEST_P(LeerUmbralTest, OnlyDigitsBetweenBlanksAreANumber) {
    EXPECT_EQ(leerUmbral(GetParam().mostrado), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, LeerUmbralTest,
    ::testing::Values(CasoUmbral{"three_digits", u"280", 280}, CasoUmbral{"leading_blank", u" 80", 80},
                      CasoUmbral{"trailing_blanks", u"8  ", 8}, CasoUmbral{"zero", u"0  ", 0},
                      CasoUmbral{"blank_between", u"1 0", std::nullopt},
                      CasoUmbral{"all_blank", u"   ", std::nullopt}, CasoUmbral{"empty", u"", std::nullopt}),
    [](const auto& info) { return std::string(info.param.nombre); });

class ComprobarInicioTest : public ::testing::Test {
protected:
    AjustesLeidos ajustes{1, 100, 280, 480};
};

TEST_F(ComprobarInicioTest, DefaultsStart) {
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::Ninguno);
}

TEST_F(ComprobarInicioTest, AnEmptyTextIsCheckedFirst) {
    ajustes = {0, std::nullopt, 5, 5};
    EXPECT_EQ(comprobarInicio(true, ajustes), RechazoInicio::SinTexto);
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::SinTiempo);
}

TEST_F(ComprobarInicioTest, ThresholdsThatAreNotNumbersComeBeforeTheComparisons) {
    ajustes.puntMax = std::nullopt;
    ajustes.puntMin = 500;
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::SinPuntMax);
    ajustes.puntApr = std::nullopt;
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::SinPuntApr);
    ajustes.puntMin = std::nullopt;
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::SinPuntMin);
}

TEST_F(ComprobarInicioTest, ThresholdsMustRiseStrictly) {
    ajustes = {1, 100, 100, 480};
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::MinNoInferiorApr);
    ajustes = {1, 100, 480, 480};
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::AprNoInferiorMax);
    ajustes = {1, 479, 480, 481};
    EXPECT_EQ(comprobarInicio(false, ajustes), RechazoInicio::Ninguno);
}

} // namespace
} // namespace tecladas
