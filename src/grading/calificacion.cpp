#include "grading/calificacion.h"

#include "grading/estadisticas.h"

#include <cmath>
#include <limits>

namespace tecladas {

std::int16_t redondearTecladasNetas(double tecladasNetasMin) {
    constexpr double minimo = std::numeric_limits<std::int16_t>::min();
    constexpr double maximo = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(tecladasNetasMin)) {
        return 0;
    }
    if (tecladasNetasMin <= minimo) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (tecladasNetasMin >= maximo) {
        return std::numeric_limits<std::int16_t>::max();
    }
    // Independent of the floating-point rounding mode: ties go to the even neighbour.
    const double abajo = std::floor(tecladasNetasMin);
    const double resto = tecladasNetasMin - abajo;
    double redondeado = abajo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(abajo, 2.0) != 0.0)) {
        redondeado = abajo + 1;
    }
    return static_cast<std::int16_t>(redondeado);
}

double calcularNota(std::int16_t tecladasNetasEnteras, const SesionExamen& sesion) {
    // The differences are exact integers and each product is formed before its division.
    const std::int32_t u = tecladasNetasEnteras;
    if (u < sesion.puntApr) {
        if (u < sesion.puntMin) {
            return 0;
        }
        const std::int32_t anchoSuspenso = sesion.puntApr - sesion.puntMin;
        return ((u - sesion.puntMin) * sesion.notaTopeSuspenso) / anchoSuspenso;
    }
    if (u > sesion.puntMax) {
        return sesion.notaMaxima;
    }
    const std::int32_t anchoAprobado = sesion.puntMax - sesion.puntApr;
    return sesion.notaAprobado +
           ((u - sesion.puntApr) * (sesion.notaMaxima - sesion.notaAprobado)) / anchoAprobado;
}

double notaDeLaPrueba(const SesionExamen& sesion) {
    if (sesion.segundos == 0) {
        return 0;
    }
    return calcularNota(redondearTecladasNetas(tecladasNetasPorMinuto(sesion)), sesion);
}

} // namespace tecladas
