#pragma once

#include "grading/resumen_prueba.h"

#include <cstddef>
#include <map>
#include <vector>

namespace tecladas {

/// Adds up the missed characters of several runs and ranks them.
class RecuentoFallos {
public:
    void sumar(const std::vector<CaracterFallado>& fallados);
    /// The `cuantos` characters missed most often, most first; equal counts in code order.
    std::vector<CaracterFallado> peores(std::size_t cuantos) const;

private:
    std::map<char32_t, long> veces_;
};

} // namespace tecladas
