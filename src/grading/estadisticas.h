#pragma once

#include "engine/sesion_examen.h"

#include <cstdint>

namespace tecladas {

/// What one tick of the one-second clock did.
struct ResultadoTick {
    bool tiempoAgotado = false;   ///< the elapsed minutes equal the exam's minutes: end the run
    bool limiteAlcanzado = false; ///< `segundos` is at its 16-bit limit: end the run
};

/// One tick of the clock: adds a second and tells whether the time is up, which is exactly
/// when `segundos` / 60 equals `tiempoMax`.
ResultadoTick avanzarReloj(SesionExamen& sesion);

/// The figures of the results refresh, as numbers; the window formats them.
struct Estadisticas {
    std::int16_t aciertos = 0;
    std::int16_t errores = 0;
    std::int32_t minutosEnteros = 0;
    std::int16_t segundosRestantes = 0;
    double aciertosPorMinuto = 0; ///< 0 before the first second
    double tecladasNetasMin = 0;  ///< (aciertos - errores) / minutes; 0 before the first second
};

/// The figures for the run as it stands: hits, errors, whole minutes, the seconds within the
/// minute, hits a minute and net keystrokes a minute.
Estadisticas calcularEstadisticas(const SesionExamen& sesion);

/// Net keystrokes a minute, formed as the grade forms it: `segundos` / 60 first, then the
/// 16-bit difference of hits and errors divided by that. 0 when no second has passed.
double tecladasNetasPorMinuto(const SesionExamen& sesion);

} // namespace tecladas
