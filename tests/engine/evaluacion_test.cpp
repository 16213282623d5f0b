#include "engine/evaluacion.h"

#include "support/medidor_fijo.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tecladas {
namespace {

using Resultado = Veredicto::Resultado;

class EvaluacionTest : public ::testing::Test {
protected:
    void empezar(const std::u16string& texto, bool repetir = false) {
        fijarConstantes(sesion);
        prepararEjecucion(sesion, texto);
        repetir_ = repetir;
    }
    Veredicto teclear(char32_t tecla) { return evaluarTecla(sesion, tecla, repetir_, medidor); }
    void teclear(std::u16string_view teclas) {
        for (const char16_t c : teclas) {
            teclear(static_cast<char32_t>(c));
        }
    }

    SesionExamen sesion;
    prueba::MedidorFijo medidor{1000};
    bool repetir_ = false;
};

TEST_F(EvaluacionTest, CapitalCountsTwiceAndLastLetterEndsTheText) {
    empezar(u"Ab");
    const Veredicto a = teclear(U'A');
    EXPECT_EQ(a.resultado, Resultado::Aceptada);
    EXPECT_EQ(a.peso, 2);
    EXPECT_EQ(a.fin, FinTexto::Ninguno);
    EXPECT_EQ(sesion.aciertos, 2);

    const Veredicto b = teclear(U'b');
    EXPECT_EQ(b.resultado, Resultado::Aceptada);
    EXPECT_EQ(sesion.aciertos, 3);
    EXPECT_EQ(b.fin, FinTexto::Terminado);
    EXPECT_EQ(sesion.textoEscrito, u"Ab");
}

TEST_F(EvaluacionTest, WrongKeysBeforeTheFirstRightOneAreNotCounted) {
    empezar(u"ab");
    const Veredicto x = teclear(U'x');
    EXPECT_EQ(x.resultado, Resultado::Rechazada);
    EXPECT_FALSE(x.errorContado);
    teclear(U'y');
    EXPECT_EQ(teclear(U'a').resultado, Resultado::Aceptada);
    EXPECT_EQ(sesion.errores, 0);
    EXPECT_EQ(sesion.aciertos, 1);
    EXPECT_EQ(sesion.textoEscrito, u"a");
}

TEST_F(EvaluacionTest, ARunOfWrongKeysCountsOneError) {
    empezar(u"abc");
    teclear(U'a');
    const Veredicto x = teclear(U'x');
    const Veredicto y = teclear(U'y');
    EXPECT_TRUE(x.errorContado);
    EXPECT_FALSE(y.errorContado);
    teclear(U'b');
    EXPECT_EQ(sesion.errores, 1);
    EXPECT_EQ(sesion.aciertos, 2);
    EXPECT_TRUE(sesion.ultimaCorrecta);
    EXPECT_EQ(sesion.textoEscrito, u"ab");

    EXPECT_TRUE(teclear(U'z').errorContado);
    EXPECT_EQ(sesion.errores, 2);
}

TEST_F(EvaluacionTest, CaseAndControlCharactersAreJudgedExactly) {
    empezar(u"ab");
    EXPECT_EQ(teclear(U'A').resultado, Resultado::Rechazada);
    teclear(U'a');
    EXPECT_EQ(teclear(U'\b').resultado, Resultado::Rechazada);
    EXPECT_EQ(teclear(U'\t').resultado, Resultado::Rechazada);
    EXPECT_EQ(sesion.textoEscrito, u"a");
    EXPECT_EQ(sesion.errores, 1);
}

TEST_F(EvaluacionTest, TabIsTypedWhereTheTextHoldsOne) {
    empezar(u"a\tb");
    teclear(u"a\tb");
    EXPECT_EQ(sesion.textoEscrito, u"a\tb");
    EXPECT_EQ(sesion.aciertos, 3);
}

struct CasoPeso {
    friend void PrintTo(const CasoPeso& c, std::ostream* os) { *os << c.nombre; }
    const char* nombre;
    char32_t tecla;
    int peso;
};

class PesoTeclaTest : public ::testing::TestWithParam<CasoPeso> {};

TEST_P(PesoTeclaTest, WeightOfAKey) {
    EXPECT_EQ(pesoTecla(GetParam().tecla), GetParam().peso);
}

INSTANTIATE_TEST_SUITE_P(Pesos, PesoTeclaTest,
                         ::testing::Values(CasoPeso{"A", U'A', 2}, CasoPeso{"Z", U'Z', 2},
                                           CasoPeso{"at_sign", U'@', 1}, CasoPeso{"bracket", U'[', 1},
                                           CasoPeso{"a", U'a', 1}, CasoPeso{"z", U'z', 1},
                                           CasoPeso{"brace", U'{', 2}, CasoPeso{"a_acute", U'á', 2},
                                           CasoPeso{"enye", U'ñ', 2}, CasoPeso{"Enye", U'Ñ', 2},
                                           CasoPeso{"euro", U'€', 2}, CasoPeso{"digit", U'7', 1},
                                           CasoPeso{"space", U' ', 1}, CasoPeso{"enter", kTeclaEnter, 1},
                                           CasoPeso{"emoji", U'\U0001F600', 2}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(EvaluacionTest, AccentedAndAstralCharactersAreAcceptedWhole) {
    empezar(u"áñ{z😀");
    teclear(U'á');
    teclear(U'ñ');
    teclear(U'{');
    teclear(U'z');
    // Half of the pair is no character: it must not leave half a character in the typed text.
    EXPECT_EQ(teclear(static_cast<char32_t>(0xD83D)).resultado, Resultado::Rechazada);
    EXPECT_EQ(sesion.textoEscrito, u"áñ{z");
    const Veredicto emoji = teclear(U'\U0001F600');
    EXPECT_EQ(emoji.resultado, Resultado::Aceptada);
    EXPECT_EQ(emoji.fin, FinTexto::Terminado);
    EXPECT_EQ(sesion.aciertos, 2 + 2 + 2 + 1 + 2);
    EXPECT_EQ(sesion.errores, 1);
}

TEST_F(EvaluacionTest, EnterMatchesALineBreakAndTheHiddenBufferGetsCR) {
    empezar(u"a\r\nb");
    teclear(U'a');
    EXPECT_EQ(teclear(U'\r').resultado, Resultado::Aceptada);
    EXPECT_EQ(sesion.textoEscrito, u"a\r\n");
    EXPECT_EQ(sesion.textoOculto, u"a\r");
    EXPECT_EQ(sesion.aciertos, 2);
    EXPECT_EQ(teclear(U'\n').resultado, Resultado::Rechazada);
}

TEST_F(EvaluacionTest, EnterIsRefusedWhereTheTextHasNoLineBreak) {
    empezar(u"ab");
    teclear(U'a');
    EXPECT_EQ(teclear(kTeclaEnter).resultado, Resultado::Rechazada);
    EXPECT_EQ(sesion.textoEscrito, u"a");
}

TEST_F(EvaluacionTest, RepeatModeOffersRepetitionAndOnlyEnterGoesOn) {
    empezar(u"ab", true);
    teclear(U'a');
    const Veredicto fin = teclear(U'b');
    EXPECT_EQ(fin.fin, FinTexto::RepeticionOfrecida);
    EXPECT_TRUE(sesion.textoOculto.empty());

    const Veredicto x = teclear(U'x');
    EXPECT_EQ(x.resultado, Resultado::Rechazada);
    EXPECT_TRUE(x.errorContado);
    EXPECT_EQ(sesion.errores, 1);

    const Veredicto enter = teclear(kTeclaEnter);
    EXPECT_EQ(enter.resultado, Resultado::Aceptada);
    EXPECT_TRUE(enter.ampliado);
    EXPECT_EQ(enter.peso, 1);
    EXPECT_EQ(sesion.textoObjetivo, u"ab\r\nab");
    EXPECT_EQ(sesion.textoEscrito, u"ab\r\n");
    EXPECT_TRUE(sesion.textoOculto.empty());
    EXPECT_EQ(sesion.aciertos, 3);

    teclear(U'a');
    EXPECT_EQ(sesion.textoOculto, u"a");
    EXPECT_EQ(teclear(U'b').fin, FinTexto::RepeticionOfrecida);
    teclear(kTeclaEnter);
    EXPECT_EQ(sesion.textoObjetivo, u"ab\r\nab\r\nab");
}

TEST_F(EvaluacionTest, TypedTextStaysAPrefixOfTheTargetWhateverIsTyped) {
    empezar(u"Hola,\r\nmundo");
    for (const char32_t tecla : {U'H', U'x', U'o', U'\b', U'l', U'a', U',', U' ', U'\r', U'm', U'M'}) {
        teclear(tecla);
        ASSERT_EQ(sesion.textoObjetivo.compare(0, sesion.textoEscrito.size(), sesion.textoEscrito), 0);
    }
    EXPECT_EQ(sesion.textoEscrito, u"Hola,\r\nm");
}

TEST_F(EvaluacionTest, HitsStopAtTheLimitAndTheVerdictSaysSo) {
    empezar(u"aA");
    sesion.aciertos = kMaximoContador - 1;
    EXPECT_EQ(teclear(U'a').resultado, Resultado::Aceptada);
    EXPECT_EQ(sesion.aciertos, kMaximoContador);

    const Veredicto v = teclear(U'A');
    EXPECT_EQ(v.resultado, Resultado::Ignorada);
    EXPECT_TRUE(v.limiteAlcanzado);
    EXPECT_EQ(sesion.aciertos, kMaximoContador);
    EXPECT_EQ(sesion.textoEscrito, u"a");
}

TEST_F(EvaluacionTest, ADoubleWeightKeyStopsOneShortOfTheLimit) {
    empezar(u"A");
    sesion.aciertos = kMaximoContador - 1;
    EXPECT_TRUE(teclear(U'A').limiteAlcanzado);
    EXPECT_EQ(sesion.aciertos, kMaximoContador - 1);
}

TEST_F(EvaluacionTest, ErrorsStopAtTheLimit) {
    empezar(u"ab");
    teclear(U'a');
    sesion.errores = kMaximoContador;
    const Veredicto v = teclear(U'x');
    EXPECT_TRUE(v.limiteAlcanzado);
    EXPECT_EQ(sesion.errores, kMaximoContador);
}

TEST_F(EvaluacionTest, EveryAcceptedKeyRunsThePagingStepAndNoRefusedOneDoes) {
    empezar(u"abc");
    teclear(U'a');
    teclear(U'x');
    teclear(U'b');
    EXPECT_EQ(medidor.llamadas, 2);
}

} // namespace
} // namespace tecladas
