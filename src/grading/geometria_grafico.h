#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tecladas {

struct ResumenPrueba;

/// What the progress chart needs of one run.
struct PruebaGrafico {
    double netas = 0;                       ///< net keystrokes a minute
    std::array<std::int16_t, 3> umbrales{}; ///< graded with: minimum to score, pass mark, top mark
    bool corta = false;                     ///< it lasted under one minute
    /// The day it ended on, a number that grows by one a day (as `PruebaProgreso::dia`).
    std::int64_t dia = 0;
};

/// A run that ended on `dia` as the chart sees it; a run is short when it lasted under 60 seconds.
PruebaGrafico pruebaGrafico(const ResumenPrueba& resumen, std::int64_t dia);

/// What each point of the chart stands for.
enum class VistaGrafico {
    Pruebas, ///< a run, or the mean of a group of runs when there are many
    Dias,    ///< the mean of a day's runs of a minute or more, its best drawn beside it
};

/// An axis: the range it spans and the values its ticks sit on, in order.
struct EjeGrafico {
    double desde = 0;
    double hasta = 1;
    std::vector<double> marcas;
    friend bool operator==(const EjeGrafico&, const EjeGrafico&) = default;
};

/// A point: where it lies on the x axis, its value, and the runs behind it, `[desde, hasta)` in
/// the list given (for a day, the first and one past the last run of that day).
struct PuntoGrafico {
    double x = 0;
    double valor = 0;
    bool hueco = false; ///< only short runs stand behind it
    std::size_t desde = 0;
    std::size_t hasta = 0;
    friend bool operator==(const PuntoGrafico&, const PuntoGrafico&) = default;
};

/// A stretch of the x axis over which a threshold kept one value.
struct TramoUmbral {
    double desde = 0;
    double hasta = 0;
    double valor = 0;
    friend bool operator==(const TramoUmbral&, const TramoUmbral&) = default;
};

/// Everything the chart draws, in the units of its axes.
struct GeometriaGrafico {
    VistaGrafico vista = VistaGrafico::Pruebas;
    /// Each day with runs takes one unit of the x axis, in order, days without runs none: day k
    /// spans [k, k + 1], its runs spread evenly across it. The ticks sit in the middle of days.
    EjeGrafico x;
    std::vector<std::int64_t> diasMarcas; ///< the day of each tick of `x`
    EjeGrafico y;
    std::vector<PuntoGrafico> puntos;    ///< the line: runs (or group means), or day means
    std::vector<PuntoGrafico> mejores;   ///< by day: each day's best
    std::vector<PuntoGrafico> cortas;    ///< by day: the short runs, drawn hollow and apart
    std::vector<PuntoGrafico> tendencia; ///< the moving mean of the last valid runs
    std::size_t porPunto = 1; ///< runs behind each point of a run line (the last one may have fewer)
    std::array<std::vector<TramoUmbral>, 3> umbrales; ///< minimum, pass and top mark, as steps
};

/// The chart of `pruebas`, oldest first, with at most `puntosMaximos` points on each line. The y
/// axis spans zero, every point and every threshold, its ticks on round numbers. Beyond
/// `puntosMaximos` runs each point of a run line is the mean of a group of consecutive runs
/// (equal groups but for a shorter last one) in which short runs count only when the group has
/// nothing else. No runs give no points and no thresholds.
GeometriaGrafico geometriaGrafico(const std::vector<PruebaGrafico>& pruebas, std::size_t puntosMaximos,
                                  VistaGrafico vista = VistaGrafico::Pruebas);

/// An axis over at least [menor, mayor] with at most `marcasMaximas` ticks, `paso` apart, where
/// `paso` is the smallest 1, 2 or 5 times a power of ten that allows it and at least `pasoMinimo`;
/// the ends are rounded out to whole steps.
EjeGrafico ejeRedondo(double menor, double mayor, int marcasMaximas, double pasoMinimo = 0);

/// Where `valor` falls on a stretch of `longitud` (negative for upwards) that starts at `origen`
/// and shows `eje`.
double posicionEnEje(const EjeGrafico& eje, double valor, double origen, double longitud);

/// The figures a report gives of some runs. Short runs are counted apart and left out of the rest.
struct ResumenSerie {
    std::size_t pruebas = 0;
    std::size_t cortas = 0;
    std::optional<double> mejor;  ///< the highest net rate
    std::optional<double> ultima; ///< the latest run's net rate
    friend bool operator==(const ResumenSerie&, const ResumenSerie&) = default;
};

/// Sums up `pruebas`, oldest first.
ResumenSerie resumirSerie(const std::vector<PruebaGrafico>& pruebas);

} // namespace tecladas
