#include "apoyo.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>

namespace tecladas::banco {

namespace {

const QStringList& palabras() {
    static const QStringList lista = {
        QStringLiteral("el"),           QStringLiteral("Ayuntamiento"), QStringLiteral("convoca"),
        QStringLiteral("pruebas"),      QStringLiteral("selectivas"),   QStringLiteral("para"),
        QStringLiteral("la"),           QStringLiteral("provisión"),    QStringLiteral("de"),
        QStringLiteral("plazas"),       QStringLiteral("Auxiliar"),     QStringLiteral("Administrativo,"),
        QStringLiteral("según"),        QStringLiteral("las"),          QStringLiteral("bases"),
        QStringLiteral("publicadas"),   QStringLiteral("en"),           QStringLiteral("el"),
        QStringLiteral("Boletín"),      QStringLiteral("Oficial."),     QStringLiteral("Los"),
        QStringLiteral("aspirantes"),   QStringLiteral("deberán"),      QStringLiteral("presentar"),
        QStringLiteral("solicitud"),    QStringLiteral("dentro"),       QStringLiteral("del"),
        QStringLiteral("plazo"),        QStringLiteral("señalado;"),    QStringLiteral("además,"),
        QStringLiteral("acreditarán"),  QStringLiteral("titulación"),   QStringLiteral("y"),
        QStringLiteral("experiencia"),  QStringLiteral("(artículo"),    QStringLiteral("12)."),
        QStringLiteral("¿Cuándo?"),     QStringLiteral("Año"),          QStringLiteral("2024"),
        QStringLiteral("mecanografía"), QStringLiteral("ejercicio"),    QStringLiteral("único"),
    };
    return lista;
}

/// Prose from a fixed seed: words separated by single blanks.
class Prosa {
public:
    explicit Prosa(unsigned semilla)
        : azar_(semilla) {}
    QString palabra() {
        const QStringList& lista = palabras();
        return lista[static_cast<qsizetype>(azar_() % static_cast<unsigned>(lista.size()))];
    }
    qsizetype entre(qsizetype minimo, qsizetype maximo) {
        return minimo + static_cast<qsizetype>(azar_() % static_cast<unsigned>(maximo - minimo + 1));
    }

private:
    std::mt19937 azar_;
};

} // namespace

QString textoEnParrafos(qsizetype largo, qsizetype maxParrafo) {
    Prosa prosa(2024);
    QString texto;
    texto.reserve(largo + 64);
    while (texto.size() < largo) {
        const qsizetype objetivo = prosa.entre(std::min<qsizetype>(200, maxParrafo), maxParrafo);
        QString parrafo = prosa.palabra();
        for (QString w = prosa.palabra(); parrafo.size() + 1 + w.size() <= objetivo; w = prosa.palabra()) {
            parrafo += QLatin1Char(' ');
            parrafo += w;
        }
        if (!texto.isEmpty()) {
            texto += QLatin1Char('\n');
        }
        texto += parrafo;
    }
    texto.truncate(largo);
    return texto;
}

QString textoSinSaltos(qsizetype largo) {
    Prosa prosa(1975);
    QString texto;
    texto.reserve(largo + 64);
    while (texto.size() < largo) {
        if (!texto.isEmpty()) {
            texto += QLatin1Char(' ');
        }
        texto += prosa.palabra();
    }
    texto.truncate(largo);
    return texto;
}

double Muestras::percentil(double p) const {
    if (valores_.empty()) {
        return 0;
    }
    std::vector<double> ordenados = valores_;
    std::sort(ordenados.begin(), ordenados.end());
    const auto rango = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(ordenados.size())));
    return ordenados[std::clamp<std::size_t>(rango, 1, ordenados.size()) - 1];
}

double Muestras::suma() const {
    return std::accumulate(valores_.begin(), valores_.end(), 0.0);
}

namespace {

struct Cota {
    std::string nombre;
    double valor;
    double limite;
    std::string unidad;
    bool admiteIgual;
    bool cumple() const { return admiteIgual ? valor <= limite : valor < limite; }
};

std::vector<Cota>& cotas() {
    static std::vector<Cota> lista;
    return lista;
}

struct Dato {
    std::string nombre;
    double valor;
    std::string unidad;
};

std::vector<Dato>& datos() {
    static std::vector<Dato> lista;
    return lista;
}

} // namespace

void anotarCota(const std::string& cota, double valor, double limite, const std::string& unidad,
                bool admiteIgual) {
    auto& lista = cotas();
    const auto igual = [&](const Cota& c) {
        return c.nombre == cota;
    };
    lista.erase(std::remove_if(lista.begin(), lista.end(), igual), lista.end());
    lista.push_back({cota, valor, limite, unidad, admiteIgual});
}

void anotarDato(const std::string& dato, double valor, const std::string& unidad) {
    auto& lista = datos();
    const auto igual = [&](const Dato& d) {
        return d.nombre == dato;
    };
    lista.erase(std::remove_if(lista.begin(), lista.end(), igual), lista.end());
    lista.push_back({dato, valor, unidad});
}

bool imprimirResumen() {
    bool todas = true;
    std::printf("\n%-62s %12s %12s  %s\n", "Bound", "Figure", "Limit", "");
    for (const Cota& c : cotas()) {
        todas = todas && c.cumple();
        std::printf("%-62s %10.3f %-3s %s%8.3f %-3s %s\n", c.nombre.c_str(), c.valor, c.unidad.c_str(),
                    c.admiteIgual ? "<=" : "< ", c.limite, c.unidad.c_str(), c.cumple() ? "met" : "MISSED");
    }
    if (!datos().empty()) {
        std::printf("\n%-62s %12s\n", "Other figures", "");
        for (const Dato& d : datos()) {
            std::printf("%-62s %10.3f %s\n", d.nombre.c_str(), d.valor, d.unidad.c_str());
        }
    }
    std::fflush(stdout);
    return todas;
}

} // namespace tecladas::banco
