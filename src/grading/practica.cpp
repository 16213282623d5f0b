#include "grading/practica.h"

#include <algorithm>
#include <set>

namespace tecladas {

namespace {

struct Palabra {
    std::u16string texto;
    std::vector<std::size_t> teclas; ///< every key its characters use
};

bool esSeparador(char16_t c) {
    return c <= u' ' || c == u'\u00A0';
}

/// The typeable words of the texts, each once, in the order they first appear.
std::vector<Palabra> palabrasDe(const std::vector<std::u16string>& textos) {
    std::vector<Palabra> palabras;
    std::set<std::u16string> vistas;
    Palabra palabra;
    const auto cerrar = [&] {
        bool escribible = !palabra.texto.empty();
        // A surrogate is on no key, so a character beyond U+FFFF leaves its word out.
        for (const char16_t c : palabra.texto) {
            const std::vector<std::size_t>& teclas = teclasDeCaracter(c);
            escribible = escribible && !teclas.empty();
            palabra.teclas.insert(palabra.teclas.end(), teclas.begin(), teclas.end());
        }
        if (escribible && vistas.insert(palabra.texto).second) {
            palabras.push_back(std::move(palabra));
        }
        palabra = {};
    };
    for (const std::u16string& texto : textos) {
        for (const char16_t c : texto) {
            if (esSeparador(c)) {
                cerrar();
            } else {
                palabra.texto += c;
            }
        }
        cerrar();
    }
    return palabras;
}

bool usa(const Palabra& palabra, std::size_t tecla) {
    return std::find(palabra.teclas.begin(), palabra.teclas.end(), tecla) != palabra.teclas.end();
}

} // namespace

Practica construirPractica(const std::vector<std::u16string>& textos, const std::vector<UsoTecla>& uso,
                           std::size_t longitud) {
    Practica practica;
    const auto conTasa =
        std::count_if(uso.begin(), uso.end(), [](const UsoTecla& u) { return u.tasa().has_value(); });
    if (static_cast<std::size_t>(conTasa) < kTeclasMinimasPractica) {
        practica.falta = FaltaPractica::Historial;
        return practica;
    }
    const std::vector<std::size_t> debiles = teclasDebiles(uso);
    if (debiles.empty()) {
        practica.falta = FaltaPractica::Fallos;
        return practica;
    }
    const std::vector<Palabra> palabras = palabrasDe(textos);
    for (const std::size_t tecla : debiles) {
        if (practica.teclas.size() < kTeclasPractica &&
            std::any_of(palabras.begin(), palabras.end(), [&](const Palabra& p) { return usa(p, tecla); })) {
            practica.teclas.push_back(tecla);
        }
    }
    const std::size_t n = practica.teclas.size();
    if (n == 0) {
        practica.falta = FaltaPractica::Palabras;
        return practica;
    }

    const auto practicadas = [&](const Palabra& p) {
        return std::count_if(practica.teclas.begin(), practica.teclas.end(),
                             [&](std::size_t t) { return usa(p, t); });
    };
    std::vector<std::vector<std::size_t>> listas(n);
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t i = 0; i < palabras.size(); ++i) {
            if (usa(palabras[i], practica.teclas[r])) {
                listas[r].push_back(i);
            }
        }
        std::stable_sort(listas[r].begin(), listas[r].end(), [&](std::size_t a, std::size_t b) {
            return practicadas(palabras[a]) > practicadas(palabras[b]);
        });
    }
    // Rounds of turns: the weakest key takes a turn in each of the n rounds, the next in n - 1…
    std::vector<std::size_t> turnos;
    for (std::size_t ronda = n; ronda > 0; --ronda) {
        for (std::size_t r = 0; r < ronda; ++r) {
            turnos.push_back(r);
        }
    }
    std::vector<std::size_t> siguiente(n);
    std::size_t anterior = palabras.size();
    for (std::size_t turno = 0; practica.texto.size() < longitud; ++turno) {
        const std::size_t r = turnos[turno % turnos.size()];
        const std::vector<std::size_t>& lista = listas[r];
        std::size_t elegida = lista[siguiente[r]++ % lista.size()];
        if (elegida == anterior) { // the same word twice running only when a key has no other
            elegida = lista[siguiente[r]++ % lista.size()];
        }
        if (!practica.texto.empty()) {
            practica.texto += u' ';
        }
        practica.texto += palabras[elegida].texto;
        anterior = elegida;
    }
    return practica;
}

} // namespace tecladas
