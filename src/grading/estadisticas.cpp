#include "grading/estadisticas.h"

namespace tecladas {

namespace {

double minutosTranscurridos(const SesionExamen& sesion) {
    return sesion.segundos / 60.0;
}

} // namespace

ResultadoTick avanzarReloj(SesionExamen& sesion) {
    ResultadoTick resultado;
    if (!incrementarContador(sesion.segundos)) {
        resultado.limiteAlcanzado = true;
        sesion.limiteAlcanzado = true;
        return resultado;
    }
    resultado.tiempoAgotado = minutosTranscurridos(sesion) == static_cast<double>(sesion.tiempoMax);
    return resultado;
}

double tecladasNetasPorMinuto(const SesionExamen& sesion) {
    if (sesion.segundos == 0) {
        return 0;
    }
    const auto diferencia = static_cast<std::int16_t>(sesion.aciertos - sesion.errores);
    return diferencia / minutosTranscurridos(sesion);
}

Estadisticas calcularEstadisticas(const SesionExamen& sesion) {
    Estadisticas e;
    e.aciertos = sesion.aciertos;
    e.errores = sesion.errores;
    e.minutosEnteros = sesion.segundos / 60;
    e.segundosRestantes = static_cast<std::int16_t>(sesion.segundos % 60);
    if (sesion.segundos > 0) {
        e.aciertosPorMinuto = sesion.aciertos / minutosTranscurridos(sesion);
    }
    e.tecladasNetasMin = tecladasNetasPorMinuto(sesion);
    return e;
}

} // namespace tecladas
