#include "grading/formato_csv.h"

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

std::string lineaCsv(const std::vector<std::string>& campos) {
    std::string linea;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const std::string& campo = campos[i];
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
