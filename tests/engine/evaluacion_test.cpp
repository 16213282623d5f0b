#include "engine/evaluacion.h"

#include "support/ejecucion_prueba.h"
#include "support/filas.h"

#include <map>
#include <string>
#include <tuple>

namespace tecladas {
namespace {

using Resultado = Veredicto::Resultado;
using prueba::PrintTo;

/// A sequence of keys on a target, and the record it must leave.
struct CasoSecuencia {
    const char* nombre;
    std::u16string_view objetivo;
    std::u32string_view teclas;
    std::u16string_view escrito;
    int aciertos;
    int errores;
    FinTexto fin;                   ///< of the last key
    std::u32string_view fallados;   ///< the expected character of each counted error
    std::u32string_view intentados; ///< the expected character of each place reached
};

class SecuenciaTest : public prueba::EjecucionPrueba, public ::testing::WithParamInterface<CasoSecuencia> {};

TEST_P(SecuenciaTest, LeavesTheRecordItShould) {
    const CasoSecuencia& c = GetParam();
    empezar(std::u16string(c.objetivo));
    Veredicto ultimo;
    for (const char32_t tecla : c.teclas) {
        ultimo = teclear(tecla);
        // Whatever is typed, the typed text stays a prefix of the target.
        ASSERT_EQ(sesion.textoObjetivo.compare(0, sesion.textoEscrito.size(), sesion.textoEscrito), 0);
    }
    const auto contar = [](std::u32string_view caracteres, auto mapa) {
        for (const char32_t esperado : caracteres) {
            ++mapa[esperado];
        }
        return mapa;
    };
    EXPECT_EQ(std::tuple(sesion.textoEscrito, sesion.aciertos, sesion.errores, ultimo.fin,
                         sesion.caracteresFallados, sesion.caracteresIntentados),
              std::tuple(std::u16string(c.escrito), c.aciertos, c.errores, c.fin,
                         contar(c.fallados, std::map<char32_t, std::int16_t>{}),
                         contar(c.intentados, std::map<char32_t, std::int32_t>{})));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabla, SecuenciaTest, ::testing::Values(
    CasoSecuencia{"capital_counts_twice_last_letter_ends", u"Ab", U"Ab", u"Ab", 3, 0, FinTexto::Terminado, {}, U"Ab"},
    CasoSecuencia{"wrong_keys_before_the_first_right_one_not_counted", u"ab", U"xya", u"a", 1, 0, FinTexto::Ninguno, {}, U"a"},
    CasoSecuencia{"a_run_of_wrong_keys_counts_once", u"abc", U"axyb", u"ab", 2, 1, FinTexto::Ninguno, U"b", U"ab"},
    CasoSecuencia{"each_run_counts", u"abc", U"axbyz", u"ab", 2, 2, FinTexto::Ninguno, U"bc", U"abc"},
    CasoSecuencia{"astral_and_line_break_expected_whole", u"a😀\r\nb", U"ax\U0001F600x\rb", u"a😀\r\nb", 5, 2, FinTexto::Terminado, U"\U0001F600\r", U"a\U0001F600\rb"},
    CasoSecuencia{"first_and_last_astral_characters", u"a\U00010000\U0010FFFF", U"ax\U00010000x\U0010FFFF", u"a\U00010000\U0010FFFF", 5, 2, FinTexto::Terminado, U"\U00010000\U0010FFFF", U"a\U00010000\U0010FFFF"},
    CasoSecuencia{"lone_surrogates_and_past_unicode_are_no_keys", u"a\xDFFF\xD800", U"a\xDFFF\xD800\x110000", u"a", 1, 1, FinTexto::Ninguno, U"\xDFFF", U"a\xDFFF"},
    CasoSecuencia{"a_lone_low_surrogate_is_no_half_of_the_character_before", u"ab\xDC00", U"az", u"a", 1, 1, FinTexto::Ninguno, U"b", U"ab"},
    CasoSecuencia{"case_is_exact", u"ab", U"aB", u"a", 1, 1, FinTexto::Ninguno, U"b", U"ab"},
    CasoSecuencia{"backspace_deletes_nothing", u"ab", U"ax\b\bb", u"ab", 2, 1, FinTexto::Terminado, U"b", U"ab"},
    CasoSecuencia{"tab_typed_where_the_text_holds_one", u"a\tb", U"a\tb", u"a\tb", 3, 0, FinTexto::Terminado, {}, U"a\tb"},
    CasoSecuencia{"accented_brace_and_astral_count_twice", u"áñ{z😀", U"áñ{z\U0001F600", u"áñ{z😀", 9, 0, FinTexto::Terminado, {}, U"áñ{z\U0001F600"},
    CasoSecuencia{"half_an_astral_character_is_refused", u"😀", U"\xD83D", u"", 0, 0, FinTexto::Ninguno, {}, {}},
    CasoSecuencia{"enter_types_a_line_break", u"a\r\nb", U"a\rb", u"a\r\nb", 3, 0, FinTexto::Terminado, {}, U"a\rb"},
    CasoSecuencia{"a_lone_line_feed_is_not_enter", u"a\r\nb", U"a\n", u"a", 1, 1, FinTexto::Ninguno, U"\r", U"a\r"},
    CasoSecuencia{"enter_refused_without_a_line_break", u"ab", U"a\r", u"a", 1, 1, FinTexto::Ninguno, U"b", U"ab"}),
    prueba::porNombre);
// clang-format on

TEST(PesoTeclaTest, CapitalsFromAToZAndEverythingFromTheBraceOnWeighTwo) {
    const std::pair<char32_t, int> pesos[] = {{U'A', 2}, {U'Z', 2}, {U'@', 1},       {U'[', 1},
                                              {U'a', 1}, {U'z', 1}, {U'{', 2},       {U'ñ', 2},
                                              {U'€', 2}, {U' ', 1}, {kTeclaEnter, 1}};
    for (const auto& [tecla, peso] : pesos) {
        EXPECT_EQ(pesoTecla(tecla), peso) << static_cast<std::uint32_t>(tecla);
    }
}

class EvaluacionTest : public prueba::EjecucionPrueba {};

TEST_F(EvaluacionTest, RepeatModeOffersRepetitionAndOnlyEnterGoesOn) {
    empezar(u"ab", true);
    EXPECT_EQ(teclear(U"ab").fin, FinTexto::RepeticionOfrecida);
    EXPECT_TRUE(sesion.textoOculto.empty());

    const Veredicto x = teclear(U'x');
    EXPECT_EQ(std::tuple(x.resultado, x.errorContado, x.esperado),
              std::tuple(Resultado::Rechazada, true, kTeclaEnter))
        << "only the Enter that repeats the text goes on";

    const Veredicto enter = teclear(kTeclaEnter);
    EXPECT_EQ(std::tuple(enter.resultado, enter.ampliado, sesion.textoObjetivo, sesion.textoEscrito,
                         sesion.aciertos, sesion.errores),
              std::tuple(Resultado::Aceptada, true, u"ab\r\nab", u"ab\r\n", 3, 1));
    EXPECT_TRUE(sesion.textoOculto.empty()) << "the Enter of a repetition is not measured";

    EXPECT_EQ(teclear(U"ab").fin, FinTexto::RepeticionOfrecida);
    teclear(kTeclaEnter);
    EXPECT_EQ(sesion.textoObjetivo, u"ab\r\nab\r\nab");
    EXPECT_EQ(sesion.caracteresIntentados, (std::map<char32_t, std::int32_t>{{13, 2}, {U'a', 2}, {U'b', 2}}))
        << "the Enter awaited after a miss is one attempt";
}

TEST_F(EvaluacionTest, CountersStopAtTheirLimitAndTheVerdictSaysSo) {
    empezar(u"aAb");
    sesion.aciertos = kMaximoContador - 1;
    EXPECT_EQ(teclear(U'a').resultado, Resultado::Aceptada);
    const Veredicto doble = teclear(U'A');
    EXPECT_EQ(std::tuple(doble.resultado, doble.limiteAlcanzado, sesion.limiteAlcanzado, sesion.aciertos,
                         sesion.textoEscrito),
              std::tuple(Resultado::Ignorada, true, true, kMaximoContador, std::u16string(u"a")));

    empezar(u"ab");
    teclear(U'a');
    sesion.errores = kMaximoContador;
    const Veredicto x = teclear(U'x');
    EXPECT_EQ(std::tuple(x.limiteAlcanzado, sesion.limiteAlcanzado, sesion.errores),
              std::tuple(true, true, kMaximoContador));

    empezar(u"a", true); // the Enter that would repeat the text, at the limit, repeats nothing
    teclear(U'a');
    sesion.aciertos = kMaximoContador;
    const Veredicto enter = teclear(kTeclaEnter);
    EXPECT_EQ(std::tuple(enter.resultado, enter.ampliado, sesion.textoObjetivo),
              std::tuple(Resultado::Ignorada, false, std::u16string(u"a")));
}

} // namespace
} // namespace tecladas
