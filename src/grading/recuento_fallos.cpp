#include "grading/recuento_fallos.h"

#include <algorithm>

namespace tecladas {

void RecuentoFallos::sumar(const std::vector<CaracterFallado>& fallados) {
    for (const CaracterFallado& f : fallados) {
        veces_[f.caracter] += f.veces;
    }
}

std::vector<CaracterFallado> RecuentoFallos::peores(std::size_t cuantos) const {
    std::vector<CaracterFallado> lista;
    lista.reserve(veces_.size());
    for (const auto& [caracter, veces] : veces_) {
        lista.push_back({caracter, static_cast<int>(std::min<long>(veces, 0x7FFFFFFF))});
    }
    // The map gives code order; a stable sort keeps it among equal counts.
    std::stable_sort(lista.begin(), lista.end(),
                     [](const CaracterFallado& a, const CaracterFallado& b) { return a.veces > b.veces; });
    if (lista.size() > cuantos) {
        lista.resize(cuantos);
    }
    return lista;
}

} // namespace tecladas
