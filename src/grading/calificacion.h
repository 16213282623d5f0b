#pragma once

#include "engine/sesion_examen.h"

#include <cstdint>

namespace tecladas {

/// Rounds the net keystrokes a minute to the nearest integer, a value exactly halfway going to
/// the even one (279.5 → 280, 278.5 → 278), clamped to the 16-bit range.
std::int16_t redondearTecladasNetas(double tecladasNetasMin);

/// The grade of a rounded net rate against the run's thresholds and grading constants:
/// 0 below `puntMin`, rising to just under `notaTopeSuspenso` below `puntApr`, from
/// `notaAprobado` at `puntApr` to `notaMaxima` at `puntMax`, and `notaMaxima` above it.
/// The thresholds must be strictly increasing, as Start ensures.
double calcularNota(std::int16_t tecladasNetasEnteras, const SesionExamen& sesion);

/// The grade of the run as it stands; 0 when it ended before its first second.
double notaDeLaPrueba(const SesionExamen& sesion);

} // namespace tecladas
