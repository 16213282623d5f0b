#include "engine/filtro_teclas.h"

#include <gtest/gtest.h>

namespace tecladas {
namespace {

using namespace estado_mayusculas;

TEST(FiltroTeclasTest, HomeArrowsAndWindowsKeysAreCancelledWhateverTheShiftState) {
    for (int codigo = 36; codigo <= 40; ++codigo) {
        EXPECT_TRUE(teclaCancelada(codigo, 0)) << codigo;
        EXPECT_TRUE(teclaCancelada(codigo, Mayusculas)) << codigo;
    }
    for (int codigo = 91; codigo <= 93; ++codigo) {
        EXPECT_TRUE(teclaCancelada(codigo, 0)) << codigo;
    }
}

TEST(FiltroTeclasTest, NeighbouringKeysPass) {
    for (const int codigo : {codigo_tecla::Fin, 33, 34, 41, 46, 8, 90, 94, 65}) {
        EXPECT_FALSE(teclaCancelada(codigo, 0)) << codigo;
    }
}

TEST(FiltroTeclasTest, CtrlAloneOrAltAloneIsCancelledButNotTogetherOrWithShift) {
    const int v = 86;
    EXPECT_TRUE(teclaCancelada(v, Control));
    EXPECT_TRUE(teclaCancelada(v, Alt));
    EXPECT_FALSE(teclaCancelada(v, Control | Alt));
    EXPECT_FALSE(teclaCancelada(v, Control | Mayusculas));
    EXPECT_FALSE(teclaCancelada(v, Alt | Mayusculas));
    EXPECT_FALSE(teclaCancelada(v, Mayusculas));
    EXPECT_FALSE(teclaCancelada(v, 0));
}

} // namespace
} // namespace tecladas
