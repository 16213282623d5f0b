#include "engine/filtro_teclas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

using namespace estado_mayusculas;

TEST(FiltroTeclasTest, HomeArrowsAndWindowsKeysWhateverTheShiftAndOtherKeysWithCtrlOrAltAlone) {
    // clang-format off
    const std::tuple<int, int, bool> casos[] = {
        // Home, the arrows (36 to 40) and the Windows keys (91 to 93), whatever the shift, and the keys around them.
        {36, 0, true}, {40, Mayusculas, true}, {37, Mayusculas, true}, {91, 0, true}, {93, 0, true},
        {codigo_tecla::Fin, 0, false}, {33, 0, false}, {34, 0, false}, {41, 0, false}, {46, 0, false},
        {8, 0, false}, {90, 0, false}, {94, 0, false},
        // Any key with Ctrl alone or Alt alone; not both, nor either with Shift.
        {86, Control, true}, {86, Alt, true}, {86, Control | Alt, false}, {86, Control | Mayusculas, false},
        {86, Alt | Mayusculas, false}, {86, Mayusculas, false}, {86, 0, false}};
    // clang-format on
    for (const auto& [codigo, estado, cancelada] : casos) {
        EXPECT_EQ(teclaCancelada(codigo, estado), cancelada) << codigo << " " << estado;
    }
}

} // namespace
} // namespace tecladas
