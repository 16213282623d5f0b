#include "ui/teclado.h"

#include "engine/filtro_teclas.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

TEST(TecladoTest, NavigationKeysMapOntoTheFilteredCodes) {
    EXPECT_EQ(codigoTecla(Qt::Key_Home), 36);
    EXPECT_EQ(codigoTecla(Qt::Key_Left), 37);
    EXPECT_EQ(codigoTecla(Qt::Key_Down), 40);
    EXPECT_EQ(codigoTecla(Qt::Key_Super_L), 91);
    EXPECT_EQ(codigoTecla(Qt::Key_Menu), 93);
    EXPECT_EQ(codigoTecla(Qt::Key_End), 35);
}

TEST(TecladoTest, PunctuationIsNeverTakenForAFilteredKey) {
    for (const int tecla : {Qt::Key_BracketLeft, Qt::Key_Backslash, Qt::Key_BracketRight, Qt::Key_Dollar,
                            Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft}) {
        EXPECT_FALSE(teclaCancelada(codigoTecla(tecla), 0)) << tecla;
    }
}

TEST(TecladoTest, ShiftStateCountsShiftCtrlAndAltOnly) {
    EXPECT_EQ(estadoMayusculas(Qt::ControlModifier), 2);
    EXPECT_EQ(estadoMayusculas(Qt::AltModifier), 4);
    EXPECT_EQ(estadoMayusculas(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier), 7);
    EXPECT_EQ(estadoMayusculas(Qt::GroupSwitchModifier | Qt::KeypadModifier), 0);
}

TEST(TecladoTest, EnterTypesCarriageReturnAndDeleteTypesNothing) {
    const QKeyEvent intro(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
    EXPECT_EQ(caracteresDeTecla(intro), std::vector<char32_t>{13});
    const QKeyEvent suprimir(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    EXPECT_TRUE(caracteresDeTecla(suprimir).empty());
    const QKeyEvent muerta(QEvent::KeyPress, Qt::Key_Dead_Acute, Qt::NoModifier, QString());
    EXPECT_TRUE(caracteresDeTecla(muerta).empty());
    const QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("😀"));
    EXPECT_EQ(caracteresDeTecla(emoji), std::vector<char32_t>{U'\U0001F600'});
}

} // namespace
} // namespace tecladas
