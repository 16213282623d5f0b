#include "grading/formato_csv.h"
#include "grading/recuento_fallos.h"
#include "grading/resumen_prueba.h"

#include "support/ejecucion_prueba.h"

#include <string>
#include <tuple>

namespace tecladas {
namespace {

class ResumenPruebaTest : public prueba::EjecucionPrueba {};

TEST_F(ResumenPruebaTest, TellsHowTheRunEndedAndWhatItMissed) {
    const struct {
        const char* nombre;
        bool repetir, alLimite;
        std::u32string_view teclas;
        std::int16_t segundos;
        FinPrueba fin;
        std::size_t intentados; ///< characters reached
    } casos[] = {
        {"time_up", false, false, U"a", 60, FinPrueba::TiempoAgotado, 1},
        {"text_typed", false, false, U"axb", 5, FinPrueba::TextoCompletado, 2},
        {"typed_awaiting_enter_then_stopped", true, false, U"ab", 5, FinPrueba::Detenida, 2},
        {"stopped", false, false, U"a", 59, FinPrueba::Detenida, 1},
        {"counter_limit_even_at_the_time", false, true, U"ab", 60, FinPrueba::LimiteAlcanzado, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        empezar(u"ab", c.repetir);
        sesion.tiempoMax = 1;
        sesion.aciertos = c.alLimite ? kMaximoContador : 0;
        teclear(c.teclas);
        sesion.segundos = c.segundos;
        const ResumenPrueba r = resumirPrueba(sesion, c.repetir);
        EXPECT_EQ(std::tuple(r.fin, r.repetir, r.fallados.size(), r.intentados.size()),
                  std::tuple(c.fin, c.repetir, c.teclas == U"axb" ? 1u : 0u, c.intentados));
    }
    EXPECT_EQ(huellaTexto(u"ab"), resumirPrueba(sesion, false).huella);
    EXPECT_NE(huellaTexto(u"ab"), huellaTexto(u"ba"));
}

TEST(RecuentoFallosTest, RanksTheSumOfSeveralRunsMostMissedFirst) {
    RecuentoFallos recuento;
    recuento.sumar({{U'a', 1}, {U'e', 2}, {13, 4}});
    recuento.sumar({{U'a', 3}, {U'z', 2}});
    EXPECT_EQ(recuento.peores(3), (std::vector<CaracterFallado>{{13, 4}, {U'a', 4}, {U'e', 2}}));
    EXPECT_EQ(recuento.peores(10).size(), 4u);
}

TEST(FormatoCsvTest, SpanishNumbersAndQuotedFields) {
    const std::tuple<double, int, std::string> numeros[] = {
        {7.5, 2, "7,50"}, {-30.506, 2, "-30,51"}, {1234.5, 2, "1234,50"}, {-0.001, 2, "0,00"}, {42, 0, "42"}};
    for (const auto& [valor, decimales, esperado] : numeros) {
        EXPECT_EQ(numeroCsv(valor, decimales), esperado);
    }
    EXPECT_EQ(lineaCsv({"a b", "x;y", "di \"no\"", "ñ"}), "a b;\"x;y\";\"di \"\"no\"\"\";ñ\r\n");
    // What a spreadsheet would run as a formula is written as text; negative numbers stay numbers.
    // clang-format off
    const std::pair<std::string, std::string> celdas[] = {
        {"=1+1 dictado.txt", "'=1+1 dictado.txt"}, {"+ (1)", "'+ (1)"}, {"- (1)", "'- (1)"}, {"@A1", "'@A1"},
        {"\tx", "'\tx"}, {"\r=x", "\"'\r=x\""}, {"-,5", "'-,5"}, {"-2,", "'-2,"}, {"-1-2", "'-1-2"},
        {"-30,51", "-30,51"}, {"-9", "-9"}};
    // clang-format on
    for (const auto& [campo, escrito] : celdas) {
        EXPECT_EQ(lineaCsv({campo}), escrito + "\r\n") << campo;
    }
}

TEST(PresentacionPruebaTest, DurationsShortRunsAndOpeningWords) {
    // clang-format off
    const std::tuple<std::int16_t, std::string, std::string, bool> duraciones[] = {
        {2, "0:02", "0:00:02", true}, {59, "0:59", "0:00:59", true}, {60, "1:00", "0:01:00", false},
        {605, "10:05", "0:10:05", false}, {3600, "60:00", "1:00:00", false}};
    for (const auto& [segundos, minutos, horas, corta] : duraciones) {
        ResumenPrueba r;
        r.segundos = segundos;
        EXPECT_EQ(std::tuple(duracionMinutos(segundos), duracionHoras(segundos), pruebaCorta(r)),
                  std::tuple(minutos, horas, corta));
    }
    const std::tuple<std::u16string_view, std::size_t, std::u16string_view> comienzos[] = {
        {u"Este programa es una prueba", 20, u"Este programa es una…"}, {u"Este programa es una", 19, u"Este programa es…"},
        {u" Uno\u00A0dos\r\n\ttres \u2029", 20, u"Uno dos tres"}, {u"Uno dos", 7, u"Uno dos"},
        {u"Supercalifragilístico", 5, u"Super…"}, {u"ab\U0001F600", 3, u"ab…"}};
    // clang-format on
    for (const auto& [texto, maximo, esperado] : comienzos) {
        EXPECT_EQ(primerasPalabras(texto, maximo), esperado);
    }
}

} // namespace
} // namespace tecladas
