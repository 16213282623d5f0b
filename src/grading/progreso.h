#pragma once

#include "grading/resumen_prueba.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tecladas {

/// A run as the progress figures see it. The caller gives the runs of a list oldest first.
struct PruebaProgreso {
    /// The day the run ended on, as a number that grows by one a day (the caller picks the time
    /// zone, e.g. the local day's Julian number): runs with equal keys share a day.
    std::int64_t dia = 0;
    double tecladasNetasMin = 0;
    int segundos = 0; ///< how long the run lasted
    int aciertos = 0;
    int errores = 0;
};

/// Valid runs the trend line and the recent mean take.
inline constexpr std::size_t kPruebasRecientes = 5;

/// Whether a run lasted long enough to count: one minute at least. A shorter one is drawn apart
/// and left out of every figure below but the count of runs.
bool esValida(const PruebaProgreso& prueba);

/// The valid runs of one day.
struct CifrasDia {
    std::int64_t dia = 0;
    double mejor = 0; ///< the highest net rate
    double media = 0;
    int pruebas = 0;
    friend bool operator==(const CifrasDia&, const CifrasDia&) = default;
};

/// The days that have valid runs, in the order of their keys.
std::vector<CifrasDia> cifrasPorDia(const std::vector<PruebaProgreso>& pruebas);

/// One point of the trend line.
struct PuntoTendencia {
    std::size_t indice = 0; ///< of the run in the list given
    double media = 0;       ///< of that run and up to four valid runs before it
    friend bool operator==(const PuntoTendencia&, const PuntoTendencia&) = default;
};

/// The trend line: a moving mean over the last `kPruebasRecientes` valid runs, one point for
/// each valid run.
std::vector<PuntoTendencia> tendencia(const std::vector<PruebaProgreso>& pruebas);

/// The figures of the sentence under the chart, for the runs of the filter shown. Every one is
/// measured against the pass mark in force now, given by the caller, never the one a run was
/// graded with: the candidate prepares for today's exam.
struct CifrasProgreso {
    double ultima = 0;         ///< net rate of the last valid run
    double mejor = 0;          ///< of the valid runs
    double mediaRecientes = 0; ///< of the last `kPruebasRecientes` valid runs, or of fewer if fewer
    /// Whole net keystrokes a minute the recent mean lacks to reach the pass mark, once rounded
    /// as the grade rounds a run's rate (277.6 lacks 2 to 280: at 279.6 a run passes); 0 when
    /// it reaches it.
    int faltan = 0;
    int recientes = 0; ///< how many runs `mediaRecientes` took (Y)
    /// Of those, the runs whose net rate, rounded as the grade rounds it, reached the pass mark (X).
    int aprobadas = 0;
};

/// The sentence's figures, or none when no run is valid.
std::optional<CifrasProgreso> cifrasProgreso(const std::vector<PruebaProgreso>& pruebas,
                                             std::int16_t puntApr);

/// The summary of the runs of one text, against the pass mark in force now.
struct ResumenTexto {
    std::size_t pruebas = 0; ///< every run, short ones included
    std::size_t validas = 0;
    std::optional<double> mejor;
    std::optional<double> mediaRecientes;
    /// Index, in the list given, of the first valid run whose rounded net rate reached the pass mark.
    std::optional<std::size_t> primeraAprobada;
    /// Hits over hits plus errors of the valid runs, in tenths of a percent rounded half up
    /// (973 is 97.3 %); none without a valid run or without a key.
    std::optional<int> precisionDecimas;
};

/// Sums up the runs of one text, oldest first.
ResumenTexto resumirTexto(const std::vector<PruebaProgreso>& pruebas, std::int16_t puntApr);

} // namespace tecladas
