#include "grading/geometria_grafico.h"

#include "grading/progreso.h"
#include "grading/resumen_prueba.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tecladas {

namespace {

constexpr int kMarcasX = 10;
constexpr int kMarcasY = 8;
/// The least span of the y axis, so that a history of zeros still shows a scale.
constexpr double kAlturaMinima = 10;

} // namespace

PruebaGrafico pruebaGrafico(const ResumenPrueba& resumen, std::int64_t dia) {
    return {resumen.tecladasNetasMin,
            {resumen.puntMin, resumen.puntApr, resumen.puntMax},
            pruebaCorta(resumen),
            dia};
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

GeometriaGrafico geometriaGrafico(const std::vector<PruebaGrafico>& pruebas, std::size_t puntosMaximos,
                                  VistaGrafico vista) {
    GeometriaGrafico g;
    g.vista = vista;
    const std::size_t n = pruebas.size();
    // Each day with runs takes one unit of the axis; its runs share it evenly, in their order.
    struct Dia {
        std::size_t orden = 0, pruebas = 0, vistas = 0, desde = 0, hasta = 0;
    };
    std::map<std::int64_t, Dia> dias;
    for (std::size_t i = 0; i < n; ++i) {
        Dia& d = dias[pruebas[i].dia];
        d.desde = d.pruebas++ == 0 ? i : d.desde;
        d.hasta = i + 1;
    }
    std::vector<std::int64_t> orden;
    for (auto& [dia, d] : dias) {
        d.orden = orden.size();
        orden.push_back(dia);
    }
    std::vector<double> xs(n);
    std::vector<PruebaProgreso> progreso(n);
    for (std::size_t i = 0; i < n; ++i) {
        Dia& d = dias[pruebas[i].dia];
        xs[i] = static_cast<double>(d.orden) +
                (static_cast<double>(d.vistas++) + 0.5) / static_cast<double>(d.pruebas);
        progreso[i] = {pruebas[i].dia, pruebas[i].netas, pruebas[i].corta ? 0 : kSegundosPruebaValida, 0, 0};
    }
    g.x.desde = 0;
    g.x.hasta = std::max<double>(1, static_cast<double>(orden.size()));
    const std::size_t pasoMarcas = (orden.size() + kMarcasX - 1) / kMarcasX;
    for (std::size_t k = 0; k < orden.size(); k += pasoMarcas) {
        g.x.marcas.push_back(static_cast<double>(k) + 0.5);
        g.diasMarcas.push_back(orden[k]);
    }

    const std::size_t maximo = puntosMaximos == 0 ? std::max<std::size_t>(n, 1) : puntosMaximos;
    g.porPunto = std::max<std::size_t>(1, (n + maximo - 1) / maximo);
    if (vista == VistaGrafico::Pruebas) {
        for (std::size_t inicio = 0; inicio < n; inicio += g.porPunto) {
            const std::size_t fin = std::min(n, inicio + g.porPunto);
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
            g.puntos.push_back({(xs[inicio] + xs[fin - 1]) / 2, suma / sumadas, todasCortas, inicio, fin});
        }
    } else {
        for (const CifrasDia& c : cifrasPorDia(progreso)) {
            const Dia& d = dias[c.dia];
            const double centro = static_cast<double>(d.orden) + 0.5;
            g.puntos.push_back({centro, c.media, false, d.desde, d.hasta});
            g.mejores.push_back({centro, c.mejor, false, d.desde, d.hasta});
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (pruebas[i].corta) {
                g.cortas.push_back({xs[i], pruebas[i].netas, true, i, i + 1});
            }
        }
    }
    const std::vector<PuntoTendencia> media = tendencia(progreso);
    // A long history keeps every k-th point of the trend, and its last.
    const std::size_t pasoTendencia = std::max<std::size_t>(1, (media.size() + maximo - 1) / maximo);
    for (std::size_t k = 0; k < media.size(); ++k) {
        if (k % pasoTendencia == 0 || k + 1 == media.size()) {
            const std::size_t i = media[k].indice;
            g.tendencia.push_back({xs[i], media[k].media, false, i, i + 1});
        }
    }

    double menor = 0, mayor = 0;
    for (const auto* lista : {&g.puntos, &g.mejores, &g.cortas, &g.tendencia}) {
        for (const PuntoGrafico& p : *lista) {
            menor = std::min(menor, p.valor);
            mayor = std::max(mayor, p.valor);
        }
    }
    for (std::size_t k = 0; k < g.umbrales.size(); ++k) {
        std::vector<TramoUmbral>& tramos = g.umbrales[k];
        for (std::size_t i = 0; i < n; ++i) {
            const double valor = pruebas[i].umbrales[k];
            if (!tramos.empty() && tramos.back().valor == valor) {
                continue;
            }
            // A change steps halfway between the run graded before it and the first graded after.
            const double borde = i == 0 ? g.x.desde : (xs[i - 1] + xs[i]) / 2;
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
