#pragma once

#include <ostream>
#include <string>

namespace tecladas::prueba {

/// A failing row of a table is printed by its name (bring it in with `using prueba::PrintTo;`).
template <typename Fila>
requires requires(const Fila& fila) {
    fila.nombre;
}
void PrintTo(const Fila& fila, std::ostream* salida) {
    *salida << fila.nombre;
}

/// Names each test of a parameterised table after its row.
inline constexpr auto porNombre = [](const auto& info) {
    return std::string(info.param.nombre);
};

} // namespace tecladas::prueba
