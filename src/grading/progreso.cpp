#include "grading/progreso.h"

#include "grading/calificacion.h"

#include <algorithm>
#include <map>

namespace tecladas {

namespace {

std::vector<std::size_t> indicesValidos(const std::vector<PruebaProgreso>& pruebas) {
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < pruebas.size(); ++i) {
        if (esValida(pruebas[i])) {
            indices.push_back(i);
        }
    }
    return indices;
}

/// The mean net rate of the valid runs `validos[desde, hasta)`.
double mediaDe(const std::vector<PruebaProgreso>& pruebas, const std::vector<std::size_t>& validos,
               std::size_t desde, std::size_t hasta) {
    double suma = 0;
    for (std::size_t i = desde; i < hasta; ++i) {
        suma += pruebas[validos[i]].tecladasNetasMin;
    }
    return suma / static_cast<double>(hasta - desde);
}

double mejorDe(const std::vector<PruebaProgreso>& pruebas, const std::vector<std::size_t>& validos) {
    double mejor = pruebas[validos.front()].tecladasNetasMin;
    for (const std::size_t i : validos) {
        mejor = std::max(mejor, pruebas[i].tecladasNetasMin);
    }
    return mejor;
}

std::size_t primeraReciente(const std::vector<std::size_t>& validos) {
    return validos.size() - std::min(validos.size(), kPruebasRecientes);
}

bool alcanzaAprobado(const PruebaProgreso& prueba, std::int16_t puntApr) {
    return redondearTecladasNetas(prueba.tecladasNetasMin) >= puntApr;
}

} // namespace

bool esValida(const PruebaProgreso& prueba) {
    return prueba.segundos >= kSegundosPruebaValida;
}

std::vector<CifrasDia> cifrasPorDia(const std::vector<PruebaProgreso>& pruebas) {
    std::map<std::int64_t, std::pair<CifrasDia, double>> dias; // each day with its sum
    for (const PruebaProgreso& p : pruebas) {
        if (!esValida(p)) {
            continue;
        }
        auto& [cifras, suma] = dias[p.dia];
        cifras.mejor = cifras.pruebas == 0 ? p.tecladasNetasMin : std::max(cifras.mejor, p.tecladasNetasMin);
        ++cifras.pruebas;
        suma += p.tecladasNetasMin;
    }
    std::vector<CifrasDia> lista;
    for (auto& [dia, cifrasYSuma] : dias) {
        auto& [cifras, suma] = cifrasYSuma;
        cifras.dia = dia;
        cifras.media = suma / cifras.pruebas;
        lista.push_back(cifras);
    }
    return lista;
}

std::vector<PuntoTendencia> tendencia(const std::vector<PruebaProgreso>& pruebas) {
    const std::vector<std::size_t> validos = indicesValidos(pruebas);
    std::vector<PuntoTendencia> puntos;
    for (std::size_t n = 1; n <= validos.size(); ++n) {
        const std::size_t desde = n - std::min(n, kPruebasRecientes);
        puntos.push_back({validos[n - 1], mediaDe(pruebas, validos, desde, n)});
    }
    return puntos;
}

std::optional<CifrasProgreso> cifrasProgreso(const std::vector<PruebaProgreso>& pruebas,
                                             std::int16_t puntApr) {
    const std::vector<std::size_t> validos = indicesValidos(pruebas);
    if (validos.empty()) {
        return std::nullopt;
    }
    CifrasProgreso cifras;
    cifras.ultima = pruebas[validos.back()].tecladasNetasMin;
    cifras.mejor = mejorDe(pruebas, validos);
    const std::size_t desde = primeraReciente(validos);
    cifras.mediaRecientes = mediaDe(pruebas, validos, desde, validos.size());
    cifras.recientes = static_cast<int>(validos.size() - desde);
    for (std::size_t i = desde; i < validos.size(); ++i) {
        cifras.aprobadas += alcanzaAprobado(pruebas[validos[i]], puntApr) ? 1 : 0;
    }
    cifras.faltan = std::max(0, puntApr - redondearTecladasNetas(cifras.mediaRecientes));
    return cifras;
}

ResumenTexto resumirTexto(const std::vector<PruebaProgreso>& pruebas, std::int16_t puntApr) {
    const std::vector<std::size_t> validos = indicesValidos(pruebas);
    ResumenTexto resumen;
    resumen.pruebas = pruebas.size();
    resumen.validas = validos.size();
    if (validos.empty()) {
        return resumen;
    }
    resumen.mejor = mejorDe(pruebas, validos);
    resumen.mediaRecientes = mediaDe(pruebas, validos, primeraReciente(validos), validos.size());
    const auto primera = std::find_if(validos.begin(), validos.end(),
                                      [&](std::size_t i) { return alcanzaAprobado(pruebas[i], puntApr); });
    if (primera != validos.end()) {
        resumen.primeraAprobada = *primera;
    }
    long long aciertos = 0;
    long long errores = 0;
    for (const std::size_t i : validos) {
        aciertos += std::max(0, pruebas[i].aciertos);
        errores += std::max(0, pruebas[i].errores);
    }
    const long long teclas = aciertos + errores;
    if (teclas > 0) {
        // Half up: floor(1000 a / t + 1/2) in integers.
        resumen.precisionDecimas = static_cast<int>((2000 * aciertos + teclas) / (2 * teclas));
    }
    return resumen;
}

} // namespace tecladas
