#include "grading/serie_historial.h"

namespace tecladas {

std::vector<PuntoSerie> reducirSerie(const std::vector<double>& valores, std::size_t maximo) {
    std::vector<PuntoSerie> puntos;
    if (maximo == 0) {
        return puntos;
    }
    const std::size_t grupo = (valores.size() + maximo - 1) / maximo;
    for (std::size_t inicio = 0; inicio < valores.size(); inicio += grupo) {
        const std::size_t fin = std::min(valores.size(), inicio + grupo);
        double suma = 0;
        for (std::size_t i = inicio; i < fin; ++i) {
            suma += valores[i];
        }
        const double cuantos = static_cast<double>(fin - inicio);
        // Runs are numbered from 1: the group's middle is the mean of its first and last numbers.
        puntos.push_back({(static_cast<double>(inicio + 1) + static_cast<double>(fin)) / 2, suma / cuantos});
    }
    return puntos;
}

} // namespace tecladas
