#pragma once

#include <cstddef>
#include <vector>

namespace tecladas {

/// One point of the progress chart: the run's number (from 1, oldest first) and its value.
struct PuntoSerie {
    double prueba = 0;
    double valor = 0;
    friend bool operator==(const PuntoSerie&, const PuntoSerie&) = default;
};

/// The values of runs in order, as at most `maximo` points a chart can show readably: one point
/// a run while they fit, else the mean of each group of consecutive runs, placed at the group's
/// middle run. Groups are equal but for a shorter last one.
std::vector<PuntoSerie> reducirSerie(const std::vector<double>& valores, std::size_t maximo);

} // namespace tecladas
