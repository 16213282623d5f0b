#include "grading/teclado_espanol.h"

#include <algorithm>
#include <map>
#include <string>

namespace tecladas {

namespace {

/// A row of keys one unit high, laid left to right from the keyboard's left edge.
void fila(std::vector<Tecla>& teclas, double y, std::initializer_list<Tecla> deLaFila) {
    double x = 0;
    for (Tecla t : deLaFila) {
        t.x = x;
        t.y = y;
        x += t.ancho;
        teclas.push_back(t);
    }
}

Tecla letra(std::string_view l, std::string_view altGr = {}) {
    return {l, 0, 0, 1, 1, 0, l, {}, altGr};
}

Tecla signos(std::string_view normal, std::string_view mayus, std::string_view altGr = {}) {
    return {normal, 0, 0, 1, 1, 0, normal, mayus, altGr};
}

Tecla ancha(std::string_view nombre, double ancho, std::string_view leyenda) {
    return {nombre, 0, 0, ancho, 1, 0, leyenda, {}, {}};
}

std::vector<Tecla> construirTeclado() {
    std::vector<Tecla> t;
    // clang-format off
    fila(t, 0, {signos("º", "ª", "\\"), signos("1", "!", "|"), signos("2", "\"", "@"), signos("3", "·", "#"),
                signos("4", "$", "~"), signos("5", "%"), signos("6", "&", "¬"), signos("7", "/"), signos("8", "("),
                signos("9", ")"), signos("0", "="), signos("'", "?"), signos("¡", "¿"),
                ancha("Retroceso", 2, "Retroceso")});
    fila(t, 1, {ancha("Tab", 1.5, "Tab"), letra("Q"), letra("W"), letra("E", "€"), letra("R"), letra("T"),
                letra("Y"), letra("U"), letra("I"), letra("O"), letra("P"), signos("`", "^", "["),
                signos("+", "*", "]")});
    fila(t, 2, {ancha("Bloq Mayús", 1.75, "Bloq Mayús"), letra("A"), letra("S"), letra("D"), letra("F"),
                letra("G"), letra("H"), letra("J"), letra("K"), letra("L"), letra("Ñ"), signos("´", "¨", "{"),
                letra("Ç", "}")});
    t.push_back({"Intro", 13.5, 1, 1.5, 2, 0.25, "Intro", {}, {}});
    fila(t, 3, {ancha("Mayús izquierda", 1.25, "Mayús"), signos("<", ">"), letra("Z"), letra("X"), letra("C"),
                letra("V"), letra("B"), letra("N"), letra("M"), signos(",", ";"), signos(".", ":"),
                signos("-", "_"), ancha("Mayús derecha", 2.75, "Mayús")});
    fila(t, 4, {ancha("Ctrl izquierda", 1.25, "Ctrl"), ancha("Win izquierda", 1.25, "Win"),
                ancha("Alt", 1.25, "Alt"), ancha("Espacio", 6.25, ""), ancha("Alt Gr", 1.25, "Alt Gr"),
                ancha("Win derecha", 1.25, "Win"), ancha("Menú", 1.25, "Menú"), ancha("Ctrl derecha", 1.25, "Ctrl")});
    // clang-format on
    return t;
}

/// The one character a legend shows, or 0 for a word or no legend. Legends hold only
/// characters below U+10000, so one to three UTF-8 bytes.
char32_t caracterDeLeyenda(std::string_view l) {
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(l[i]);
    };
    if (l.size() == 1) {
        return b(0);
    }
    if (l.size() == 2 && (b(0) & 0xE0) == 0xC0) {
        return ((b(0) & 0x1Fu) << 6) | (b(1) & 0x3Fu);
    }
    if (l.size() == 3 && (b(0) & 0xF0) == 0xE0) {
        return ((b(0) & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
    }
    return 0;
}

std::size_t indice(std::string_view nombre) {
    return *indiceTecla(nombre);
}

/// The Shift key of the other hand. The touch-typing split between the hands slants right row
/// by row: 5|6, T|Y, G|H, B|N.
std::size_t mayusPara(std::size_t tecla) {
    const Tecla& t = tecladoEspanol()[tecla];
    const bool izquierda = t.x + t.ancho / 2 < 6.5 + 0.25 * t.y;
    return indice(izquierda ? "Mayús derecha" : "Mayús izquierda");
}

using Pulsaciones = std::vector<std::size_t>;

void anadir(Pulsaciones& destino, const Pulsaciones& teclas) {
    for (const std::size_t t : teclas) {
        if (std::find(destino.begin(), destino.end(), t) == destino.end()) {
            destino.push_back(t);
        }
    }
}

// Both in ASCII and in Latin-1 a small letter is 32 codes above its capital.
std::map<char32_t, Pulsaciones> construirMapa() {
    const std::vector<Tecla>& teclas = tecladoEspanol();
    std::map<char32_t, Pulsaciones> mapa;
    for (const Tecla& tecla : teclas) {
        const auto i = static_cast<std::size_t>(&tecla - teclas.data());
        const char32_t normal = caracterDeLeyenda(tecla.normal);
        const char32_t mayus = caracterDeLeyenda(tecla.mayus);
        const char32_t altGr = caracterDeLeyenda(tecla.altGr);
        const bool esLetra = (normal >= U'A' && normal <= U'Z') || normal == U'Ñ' || normal == U'Ç';
        if (esLetra) {
            mapa[normal + 32] = {i};
            mapa[normal] = {mayusPara(i), i};
        } else if (normal != 0) {
            mapa[normal] = {i};
        }
        if (mayus != 0) {
            mapa[mayus] = {mayusPara(i), i};
        }
        if (altGr != 0) {
            mapa[altGr] = {indice("Alt Gr"), i};
        }
    }
    mapa[U' '] = {indice("Espacio")};
    mapa[13] = {indice("Intro")};
    mapa[U'\t'] = {indice("Tab")};
    // Dead keys: alone they wait for the next key; the space bar gives their own sign.
    const std::pair<char32_t, std::u32string_view> muertas[] = {
        {U'´', U"áéíóú"}, {U'`', U"àèìòù"}, {U'^', U"âêîôû"}, {U'¨', U"äëïöü"}};
    for (const auto& [muerta, acentuadas] : muertas) {
        const Pulsaciones acento = mapa[muerta];
        anadir(mapa[muerta], mapa[U' ']);
        const char32_t* vocal = U"aeiou";
        for (const char32_t acentuada : acentuadas) {
            for (const char32_t aMayuscula : {0, 32}) {
                Pulsaciones& p = mapa[acentuada - aMayuscula];
                anadir(p, acento);
                anadir(p, mapa[*vocal - aMayuscula]);
            }
            ++vocal;
        }
    }
    return mapa;
}

} // namespace

const std::vector<Tecla>& tecladoEspanol() {
    static const std::vector<Tecla> teclas = construirTeclado();
    return teclas;
}

std::optional<std::size_t> indiceTecla(std::string_view nombre) {
    const std::vector<Tecla>& teclas = tecladoEspanol();
    const auto it =
        std::find_if(teclas.begin(), teclas.end(), [&](const Tecla& t) { return t.nombre == nombre; });
    if (it == teclas.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - teclas.begin());
}

const std::vector<std::size_t>& teclasDeCaracter(char32_t caracter) {
    static const std::map<char32_t, Pulsaciones> mapa = construirMapa();
    static const Pulsaciones ninguna;
    const auto it = mapa.find(caracter);
    return it == mapa.end() ? ninguna : it->second;
}

std::optional<double> UsoTecla::tasa() const {
    if (intentos < kIntentosMinimosTecla) {
        return std::nullopt;
    }
    return static_cast<double>(fallos) / static_cast<double>(intentos);
}

std::optional<double> UsoTecla::escala() const {
    const std::optional<double> t = tasa();
    if (!t) {
        return std::nullopt;
    }
    return std::min(1.0, *t / kTasaMaximaEscala);
}

void RecuentoTeclas::sumar(const std::vector<CaracterIntentado>& intentados,
                           const std::vector<CaracterFallado>& fallados) {
    for (const CaracterIntentado& intento : intentados) {
        long fallos = 0;
        for (const CaracterFallado& f : fallados) {
            if (f.caracter == intento.caracter) {
                fallos += std::max(0, f.veces);
            }
        }
        const long intentos = std::max(0, intento.veces);
        // A damaged record could say more misses than attempts: a rate never passes 1.
        fallos = std::min(fallos, intentos);
        UsoTecla& uso = intento.caracter < kDirectos ? directos_[intento.caracter] : otros_[intento.caracter];
        uso.intentos += intentos;
        uso.fallos += fallos;
    }
}

std::vector<UsoTecla> RecuentoTeclas::porTecla() const {
    std::vector<UsoTecla> uso(tecladoEspanol().size());
    auto repartir = [&uso](char32_t caracter, const UsoTecla& suma) {
        for (const std::size_t t : teclasDeCaracter(caracter)) {
            uso[t].intentos += suma.intentos;
            uso[t].fallos += suma.fallos;
        }
    };
    for (char32_t c = 0; c < kDirectos; ++c) {
        repartir(c, directos_[c]);
    }
    for (const auto& [c, suma] : otros_) {
        repartir(c, suma);
    }
    return uso;
}

std::vector<PasoLeyenda> pasosLeyenda(int pasos) {
    const int n = std::max(pasos, 2);
    std::vector<PasoLeyenda> lista;
    for (int i = 0; i < n; ++i) {
        const double escala = static_cast<double>(i) / (n - 1);
        lista.push_back({escala * kTasaMaximaEscala, escala});
    }
    return lista;
}

std::vector<std::size_t> teclasDebiles(const std::vector<UsoTecla>& uso) {
    std::vector<std::size_t> debiles;
    for (std::size_t i = 0; i < uso.size(); ++i) {
        if (uso[i].tasa().value_or(0) > 0) {
            debiles.push_back(i);
        }
    }
    std::stable_sort(debiles.begin(), debiles.end(),
                     [&](std::size_t a, std::size_t b) { return *uso[a].tasa() > *uso[b].tasa(); });
    return debiles;
}

} // namespace tecladas
