#include "grading/practica.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tecladas {
namespace {

/// Ten keys with enough attempts; Intro, Ñ, ´, P, A, S and D missed, in that order of rate.
std::vector<UsoTecla> usoDePrueba() {
    std::vector<UsoTecla> uso(tecladoEspanol().size());
    // clang-format off
    const std::pair<std::string_view, long> fallos[] = {
        {"Intro", 90}, {"Ñ", 50}, {"´", 30}, {"P", 10}, {"A", 5}, {"S", 4}, {"D", 3}, {"F", 0}, {"G", 0}, {"H", 0}};
    // clang-format on
    for (const auto& [nombre, veces] : fallos) {
        uso[indiceTecla(nombre).value()] = {100, veces};
    }
    return uso;
}

TEST(PracticaTest, WordsGoRoundTheWeakKeysTheWeakestMostOften) {
    // No word types Intro; a word with a character off the keyboard and a repeated word are left out.
    // Each key's words, best first: Ñ año niño; ´ más. pidió café. café!; P pidió; A más. café. año…; S más.
    const std::vector<std::u16string> textos = {u"El niño pidió\tun café.\r\nEl año\u00A0😀año año",
                                                u"café! más."};
    const Practica p = construirPractica(textos, usoDePrueba(), 35);
    const std::vector<std::size_t> teclas = {*indiceTecla("Ñ"), *indiceTecla("´"), *indiceTecla("P"),
                                             *indiceTecla("A"), *indiceTecla("S")}; // D would be a sixth
    EXPECT_EQ(std::tuple(p.texto, p.teclas, p.falta),
              std::tuple(u"año más. pidió más. más. niño pidió", teclas, FaltaPractica::Nada));
    const std::u16string largo = construirPractica(textos, usoDePrueba(), 1000).texto;
    EXPECT_EQ(std::tuple(largo.size() >= 1000, largo.rfind(u' ') < 1000), std::tuple(true, true))
        << "ends at a word";
}

TEST(PracticaTest, SaysWhyNoTextCanBeBuilt) {
    std::vector<UsoTecla> poco = usoDePrueba();
    poco[*indiceTecla("H")].intentos = kIntentosMinimosTecla - 1;
    std::vector<UsoTecla> sinFallos(tecladoEspanol().size(), UsoTecla{100, 0});
    const std::tuple<std::vector<UsoTecla>, std::u16string, FaltaPractica> casos[] = {
        {poco, u"año", FaltaPractica::Historial},
        {sinFallos, u"año", FaltaPractica::Fallos},
        {usoDePrueba(), u"mi ruco", FaltaPractica::Palabras}};
    for (const auto& [uso, texto, falta] : casos) {
        const Practica p = construirPractica({texto}, uso, 50);
        EXPECT_EQ(std::tuple(p.falta, p.texto), std::tuple(falta, u"")) << static_cast<int>(falta);
    }
}

} // namespace
} // namespace tecladas
