#include "ui/examen/teclado.h"

#include "engine/filtro_teclas.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

TEST(TecladoTest, OnlyNavigationKeysMapOntoTheCodesTheFilterCancels) {
    for (const int tecla : {Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                            Qt::Key_Super_L, Qt::Key_Super_R, Qt::Key_Menu}) {
        EXPECT_TRUE(teclaCancelada(codigoTecla(tecla), 0)) << tecla;
    }
    EXPECT_EQ(std::tuple(codigoTecla(Qt::Key_A), codigoTecla(Qt::Key_Z), codigoTecla(Qt::Key_0),
                         codigoTecla(Qt::Key_9)),
              std::tuple(65, 90, 48, 57))
        << "letters and digits keep their codes";
    // Qt numbers these as the filtered codes 36 to 40 and 91 to 93.
    for (const int tecla :
         {Qt::Key_Dollar, Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft,
          Qt::Key_BracketLeft, Qt::Key_Backslash, Qt::Key_BracketRight}) {
        EXPECT_FALSE(teclaCancelada(codigoTecla(tecla), 0)) << tecla;
    }
}

TEST(TecladoTest, ShiftStateCountsShiftCtrlAndAltOnly) {
    EXPECT_EQ(estadoMayusculas(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier), 7);
    EXPECT_EQ(estadoMayusculas(Qt::AltModifier), 4);
    EXPECT_EQ(estadoMayusculas(Qt::GroupSwitchModifier | Qt::KeypadModifier | Qt::MetaModifier), 0);
}

TEST(TecladoTest, EnterAndCtrlWithALetterTypeTheirControlCharactersWhileDeleteAndDeadKeysTypeNothing) {
    const struct {
        int tecla;
        Qt::KeyboardModifiers modificadores;
        const char16_t* texto;
        std::vector<char32_t> esperados;
    } casos[] = {
        {Qt::Key_Enter, {}, u"", {13}}, // whatever text the key carries
        {Qt::Key_Delete, {}, u"\x7f", {}},
        {Qt::Key_Dead_Acute, {}, u"", {}},
        {Qt::Key_unknown, {}, u"😀", {U'\U0001F600'}},
        {Qt::Key_unknown, {}, u"o\u0301", {U'\u00F3'}}, // an accent committed after its letter
        {Qt::Key_A, Qt::ControlModifier, u"a", {1}},    // Ctrl and a letter: its control character
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, u"Z", {26}},
        {Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier, u"z", {U'z'}},
    };
    for (const auto& caso : casos) {
        const QKeyEvent evento(QEvent::KeyPress, caso.tecla, caso.modificadores,
                               QString::fromUtf16(caso.texto));
        EXPECT_EQ(caracteresDeTecla(evento), caso.esperados) << caso.tecla;
    }
}

} // namespace
} // namespace tecladas
