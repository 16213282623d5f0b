#include "grading/anchos_columnas.h"

#include <algorithm>
#include <numeric>

namespace tecladas {

std::vector<double> repartirAnchos(const std::vector<double>& minimos, const std::vector<double>& deseados,
                                   double disponible) {
    std::vector<double> anchos(minimos.size());
    double faltan = 0;
    for (std::size_t i = 0; i < anchos.size(); ++i) {
        anchos[i] = std::max(minimos[i], deseados[i]);
        faltan += anchos[i] - minimos[i];
    }
    const double sobra = disponible - std::accumulate(minimos.begin(), minimos.end(), 0.0);
    if (sobra >= faltan) {
        return anchos;
    }
    for (std::size_t i = 0; i < anchos.size(); ++i) {
        anchos[i] = minimos[i] + std::max(sobra, 0.0) * (anchos[i] - minimos[i]) / faltan;
    }
    return anchos;
}

} // namespace tecladas
