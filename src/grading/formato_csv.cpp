#include "grading/formato_csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tecladas {

std::string numeroCsv(double valor, int decimales) {
    if (!std::isfinite(valor)) {
        return {};
    }
    char cifras[64];
    // to_chars ignores the C locale, which a Qt program sets from the user's.
    const auto [fin, error] =
        std::to_chars(cifras, cifras + sizeof cifras, valor, std::chars_format::fixed, decimales);
    if (error != std::errc()) {
        return {};
    }
    std::string texto(cifras, fin);
    if (const auto punto = texto.find('.'); punto != std::string::npos) {
        texto[punto] = ',';
    }
    if (texto.find_first_not_of("-0,") == std::string::npos) {
        texto.erase(0, texto.find_first_not_of('-')); // no "-0,00"
    }
    return texto;
}

namespace {

bool esDigito(char c) {
    return c >= '0' && c <= '9';
}

bool pareceFormula(const std::string& campo) {
    if (campo.empty() || std::string_view("=+-@\t\r").find(campo[0]) == std::string_view::npos) {
        return false;
    }
    // A negative number as numeroCsv writes one ("-30,51", "-7") stays a number.
    const auto coma = campo.find(',');
    const auto digitos = [&campo](std::size_t desde, std::size_t hasta) {
        return desde < hasta && std::all_of(campo.begin() + desde, campo.begin() + hasta, esDigito);
    };
    return campo[0] != '-' || !digitos(1, std::min(coma, campo.size())) ||
           (coma != std::string::npos && !digitos(coma + 1, campo.size()));
}

} // namespace

std::string lineaCsv(const std::vector<std::string>& campos) {
    std::string linea;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const std::string campo = pareceFormula(campos[i]) ? '\'' + campos[i] : campos[i];
        if (i > 0) {
            linea += ';';
        }
        if (campo.find_first_of(";\"\r\n") == std::string::npos) {
            linea += campo;
            continue;
        }
        linea += '"';
        for (const char c : campo) {
            linea += c;
            if (c == '"') {
                linea += '"';
            }
        }
        linea += '"';
    }
    return linea + "\r\n";
}

} // namespace tecladas
