// Arbitrary file contents through the decoder: it must never crash, and what it returns must be
// well-formed text that agrees with the encoding it recognised.
#include "input/decodificacion.h"
#include "engine/utf16.h"
#include "exigir.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string aUtf8(std::u16string_view texto) {
    std::string resultado;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        char32_t c = texto[i];
        if (tecladas::utf16::esSustitutoAlto(c)) {
            EXIGIR(i + 1 < texto.size() && tecladas::utf16::esSustitutoBajo(texto[i + 1]));
            c = tecladas::utf16::combinar(texto[i], texto[i + 1]);
            ++i;
        } else {
            EXIGIR(!tecladas::utf16::esSustitutoBajo(c));
        }
        if (c < 0x80) {
            resultado += static_cast<char>(c);
        } else if (c < 0x800) {
            resultado += static_cast<char>(0xC0 | (c >> 6));
            resultado += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            resultado += static_cast<char>(0xE0 | (c >> 12));
            resultado += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            resultado += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            resultado += static_cast<char>(0xF0 | (c >> 18));
            resultado += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            resultado += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            resultado += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
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
