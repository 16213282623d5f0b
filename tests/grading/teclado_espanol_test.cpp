#include "grading/teclado_espanol.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace tecladas {
namespace {

std::size_t tecla(std::string_view nombre) {
    return indiceTecla(nombre).value();
}

TEST(TecladoEspanolTest, EveryRowIsFifteenUnitsWideWithoutGapsAndNamesAreUnique) {
    std::map<double, double> bordes; // the right edge each row has reached
    for (const Tecla& t : tecladoEspanol()) {
        EXPECT_EQ(&tecladoEspanol()[tecla(t.nombre)], &t);
        for (double y = t.y; y < t.y + t.alto; ++y) {
            EXPECT_EQ(t.x + (y > t.y ? t.sangriaInferior : 0), bordes[y]) << t.nombre;
            bordes[y] = t.x + t.ancho;
        }
    }
    EXPECT_EQ(bordes, (std::map<double, double>{{0, 15}, {1, 15}, {2, 15}, {3, 15}, {4, 15}}));
}

TEST(TecladoEspanolTest, EachCharacterIsTypedByTheKeysOfTheSpanishLayout) {
    // clang-format off
    const std::pair<char32_t, std::string_view> filas[] = {
        {U'a', "A"}, {U'A', "Mayús derecha+A"}, {U'T', "Mayús derecha+T"}, {U'Y', "Mayús izquierda+Y"},
        {U'G', "Mayús derecha+G"}, {U'H', "Mayús izquierda+H"}, {U'B', "Mayús derecha+B"},
        {U'N', "Mayús izquierda+N"}, {U'%', "Mayús derecha+5"}, {U'&', "Mayús izquierda+6"}, {U'ñ', "Ñ"},
        {U'Ñ', "Mayús izquierda+Ñ"}, {U'ç', "Ç"}, {U'á', "´+A"}, {U'Á', "´+Mayús derecha+A"},
        {U'ü', "Mayús izquierda+´+U"}, {U'Ü', "Mayús izquierda+´+U"}, {U'è', "`+E"},
        {U'ô', "Mayús izquierda+`+O"}, {U'´', "´+Espacio"}, {U'^', "Mayús izquierda+`+Espacio"},
        {U'@', "Alt Gr+2"}, {U'#', "Alt Gr+3"}, {U'€', "Alt Gr+E"}, {U'[', "Alt Gr+`"}, {U']', "Alt Gr++"},
        {U'{', "Alt Gr+´"}, {U'}', "Alt Gr+Ç"}, {U'\\', "Alt Gr+º"}, {U'|', "Alt Gr+1"}, {U'~', "Alt Gr+4"},
        {U'¬', "Alt Gr+6"}, {U'¡', "¡"}, {U'¿', "Mayús izquierda+¡"}, {U'º', "º"}, {U'ª', "Mayús derecha+º"},
        {U'?', "Mayús izquierda+'"}, {U'_', "Mayús izquierda+-"}, {U'>', "Mayús derecha+<"},
        {U' ', "Espacio"}, {13, "Intro"}, {U'\t', "Tab"}, {U'«', ""}, {U'ã', ""}, {U'\U0001F600', ""}};
    // clang-format on
    for (const auto& [caracter, esperadas] : filas) {
        std::string nombres;
        for (const std::size_t t : teclasDeCaracter(caracter)) {
            nombres.append(nombres.empty() ? "" : "+").append(tecladoEspanol()[t].nombre);
        }
        EXPECT_EQ(nombres, esperadas) << static_cast<std::uint32_t>(caracter);
    }
}

TEST(TecladoEspanolTest, RatesCountEachCharacterOnEveryKeyItUsesOnceAttemptsSuffice) {
    RecuentoTeclas recuento;
    recuento.sumar({{U' ', 40}, {U'a', 30}, {U'q', 19}, {U'x', 2}, {U'z', 20}, {U'á', 10}, {U'Á', 5}},
                   {{U' ', 2}, {U'x', 5}, {U'z', 1}, {U'á', 4}});
    recuento.sumar({}, {{U'a', 100}}); // recorded before attempts were kept
    recuento.sumar({{U'a', 10}, {U'ü', 15}, {U'€', 4}, {U'😀', 9}},
                   {{U'a', 1}, {U'ü', 3}, {U'€', 1}, {U'😀', 9}});
    const std::vector<UsoTecla>& uso = recuento.porTecla();
    const auto en = [&](std::string_view nombre) {
        return uso[tecla(nombre)];
    };
    EXPECT_EQ(std::tuple(en("A"), en("´"), en("Espacio"), en("X"), en("Mayús izquierda"), en("Mayús derecha"),
                         en("Alt Gr")),
              std::tuple(UsoTecla{55, 5}, UsoTecla{30, 7}, UsoTecla{40, 2}, UsoTecla{2, 2}, UsoTecla{15, 3},
                         UsoTecla{5, 0}, UsoTecla{4, 1}));
    EXPECT_EQ(std::tuple(en("´").escala(), en("Espacio").escala(), en("Z").escala(), en("Q").escala()),
              std::tuple(1.0, 0.25, 0.25, std::nullopt));
    EXPECT_EQ(teclasDebiles(uso),
              (std::vector<std::size_t>{tecla("´"), tecla("A"), tecla("Z"), tecla("Espacio")}));
    EXPECT_EQ(pasosLeyenda(3), (std::vector<PasoLeyenda>{{0, 0}, {0.1, 0.5}, {0.2, 1}}));
}

} // namespace
} // namespace tecladas
