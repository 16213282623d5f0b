#include "grading/geometria_grafico.h"

#include "grading/resumen_prueba.h"

#include <algorithm>
#include <cmath>

namespace tecladas {

namespace {

constexpr int kMarcasX = 10;
constexpr int kMarcasY = 8;
/// The least span of the y axis, so that a history of zeros still shows a scale.
constexpr double kAlturaMinima = 10;

} // namespace

PruebaGrafico pruebaGrafico(const ResumenPrueba& resumen) {
    return {
        resumen.tecladasNetasMin, {resumen.puntMin, resumen.puntApr, resumen.puntMax}, pruebaCorta(resumen)};
}

EjeGrafico ejeRedondo(double menor, double mayor, int marcasMaximas, double pasoMinimo) {
    if (mayor < menor) {
        std::swap(menor, mayor);
    }
    marcasMaximas = std::max(marcasMaximas, 2);
    const double bruto = std::max((mayor - menor) / (marcasMaximas - 1), pasoMinimo);
    double potencia = bruto > 0 ? std::pow(10.0, std::floor(std::log10(bruto))) : 1;
    for (;; potencia *= 10) {
        for (const double base : {1.0, 2.0, 5.0}) {
            const double paso = base * potencia;
            if (paso < pasoMinimo) {
                continue;
            }
            EjeGrafico eje{std::floor(menor / paso) * paso, std::ceil(mayor / paso) * paso, {}};
            if (eje.hasta == eje.desde) {
                eje.hasta += paso;
            }
            const auto marcas = static_cast<int>(std::lround((eje.hasta - eje.desde) / paso)) + 1;
            if (marcas > marcasMaximas) {
                continue;
            }
            for (int i = 0; i < marcas; ++i) {
                eje.marcas.push_back(eje.desde + i * paso);
            }
            return eje;
        }
    }
}

double posicionEnEje(const EjeGrafico& eje, double valor, double origen, double longitud) {
    return origen + (valor - eje.desde) / (eje.hasta - eje.desde) * longitud;
}

GeometriaGrafico geometriaGrafico(const std::vector<PruebaGrafico>& pruebas, std::size_t puntosMaximos) {
    GeometriaGrafico g;
    const auto cuantas = static_cast<double>(pruebas.size());
    // The ticks on whole runs only, and none on the empty run 0 at the axis' start.
    g.x = ejeRedondo(1, std::max(cuantas, 1.0), kMarcasX, 1);
    std::erase_if(g.x.marcas, [cuantas](double m) { return m < 1 || m > cuantas; });
    g.x.desde = 0;
    g.x.hasta = cuantas + 1;

    double menor = 0, mayor = 0;
    g.porPunto = std::max<std::size_t>(
        1, puntosMaximos == 0 ? pruebas.size() : (pruebas.size() + puntosMaximos - 1) / puntosMaximos);
    for (std::size_t inicio = 0; inicio < pruebas.size(); inicio += g.porPunto) {
        const std::size_t fin = std::min(pruebas.size(), inicio + g.porPunto);
        // Short runs make a point of their own only when the group has no other run.
        const bool todasCortas = std::all_of(pruebas.begin() + static_cast<std::ptrdiff_t>(inicio),
                                             pruebas.begin() + static_cast<std::ptrdiff_t>(fin),
                                             [](const PruebaGrafico& p) { return p.corta; });
        double suma = 0, sumadas = 0;
        for (std::size_t i = inicio; i < fin; ++i) {
            if (todasCortas || !pruebas[i].corta) {
                suma += pruebas[i].netas;
                ++sumadas;
            }
        }
        // Runs are numbered from 1: the group's middle is the mean of its first and last numbers.
        const double medio = (static_cast<double>(inicio + 1) + static_cast<double>(fin)) / 2;
        g.puntos.push_back({medio, suma / sumadas, todasCortas});
        menor = std::min(menor, suma / sumadas);
        mayor = std::max(mayor, suma / sumadas);
    }

    for (std::size_t k = 0; k < g.umbrales.size(); ++k) {
        std::vector<TramoUmbral>& tramos = g.umbrales[k];
        for (std::size_t i = 0; i < pruebas.size(); ++i) {
            const double valor = pruebas[i].umbrales[k];
            if (!tramos.empty() && tramos.back().valor == valor) {
                continue;
            }
            // A change steps halfway between the run graded before it and the first graded after.
            const double borde = i == 0 ? g.x.desde : static_cast<double>(i) + 0.5;
            if (!tramos.empty()) {
                tramos.back().hasta = borde;
            }
            tramos.push_back({borde, g.x.hasta, valor});
            menor = std::min(menor, valor);
            mayor = std::max(mayor, valor);
        }
    }
    mayor = std::max(mayor, menor + kAlturaMinima);
    // Some room above the highest line, so that it does not run along the frame.
    g.y = ejeRedondo(menor, mayor + (mayor - menor) / 20, kMarcasY, 1);
    return g;
}

ResumenSerie resumirSerie(const std::vector<PruebaGrafico>& pruebas) {
    ResumenSerie r;
    r.pruebas = pruebas.size();
    for (const PruebaGrafico& p : pruebas) {
        if (p.corta) {
            ++r.cortas;
            continue;
        }
        r.mejor = std::max(r.mejor.value_or(p.netas), p.netas);
        r.ultima = p.netas;
    }
    return r;
}

} // namespace tecladas
