// Arbitrary file contents through the decoder: it must never crash, and what it returns must be
// well-formed text that agrees with the encoding it recognised.
#include "input/decodificacion.h"
#include "exigir.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <iconv.h>

namespace {

/// `texto` in UTF-8, by the system's iconv, which refuses a lone surrogate.
std::string aUtf8(std::u16string_view texto) {
    static const iconv_t conversor =
        iconv_open("UTF-8", std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE");
    std::string resultado(texto.size() * 3, '\0');
    char* entrada = const_cast<char*>(reinterpret_cast<const char*>(texto.data()));
    char* salida = resultado.data();
    std::size_t quedan = texto.size() * 2, cabe = resultado.size();
    EXIGIR(iconv(conversor, &entrada, &quedan, &salida, &cabe) != static_cast<std::size_t>(-1));
    resultado.resize(resultado.size() - cabe);
    return resultado;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace tecladas;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
    const std::u16string texto = decodificarTexto(bytes);
    switch (detectarCodificacion(bytes)) {
    case Codificacion::Windows1252:
        EXIGIR(texto.size() == bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            EXIGIR(texto[i] == caracterWindows1252(static_cast<unsigned char>(bytes[i])));
        }
        break;
    case Codificacion::Utf8: {
        // Valid UTF-8 comes back byte for byte once encoded again, less its byte-order mark.
        const std::string_view sinMarca = bytes.substr(bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0);
        EXIGIR(aUtf8(texto) == sinMarca);
        break;
    }
    case Codificacion::Utf16LE:
    case Codificacion::Utf16BE:
        EXIGIR(texto.size() <= (bytes.size() - 2 + 1) / 2);
        aUtf8(texto); // no lone surrogate survives
        break;
    }
    return 0;
}
