#include "input/decodificacion.h"

#include "engine/utf16.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tecladas {

namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";
constexpr char16_t kSustituto = 0xFFFD;

// Windows-1252 bytes 0x80..0x9F; the unassigned ones keep their own number.
constexpr std::array<char16_t, 32> kTabla80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

unsigned char byteEn(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

bool tieneMarcaUtf16(std::string_view bytes, unsigned char primero, unsigned char segundo) {
    return bytes.size() >= 2 && byteEn(bytes, 0) == primero && byteEn(bytes, 1) == segundo;
}

/// Walks well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF), calling
/// `emitir` for each code point; returns false at the first ill-formed sequence.
template <typename Emitir> bool recorrerUtf8(std::string_view bytes, Emitir&& emitir) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const unsigned char b0 = byteEn(bytes, i);
        if (b0 < 0x80) {
            emitir(static_cast<char32_t>(b0));
            ++i;
            continue;
        }
        std::size_t largo;
        char32_t valor;
        unsigned char minimo = 0x80;
        unsigned char maximo = 0xBF;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            largo = 2;
            valor = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            largo = 3;
            valor = b0 & 0x0F;
            if (b0 == 0xE0) {
                minimo = 0xA0;
            } else if (b0 == 0xED) {
                maximo = 0x9F;
            }
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            largo = 4;
            valor = b0 & 0x07;
            if (b0 == 0xF0) {
                minimo = 0x90;
            } else if (b0 == 0xF4) {
                maximo = 0x8F;
            }
        } else {
            return false;
        }
        if (n - i < largo) {
            return false;
        }
        for (std::size_t k = 1; k < largo; ++k) {
            const unsigned char b = byteEn(bytes, i + k);
            const unsigned char bajo = k == 1 ? minimo : 0x80;
            const unsigned char alto = k == 1 ? maximo : 0xBF;
            if (b < bajo || b > alto) {
                return false;
            }
            valor = (valor << 6) | (b & 0x3F);
        }
        emitir(valor);
        i += largo;
    }
    return true;
}

std::u16string decodificarUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string unidades;
    unidades.reserve(bytes.size() / 2);
    std::size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
        const unsigned char a = byteEn(bytes, i);
        const unsigned char b = byteEn(bytes, i + 1);
        unidades += static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    }
    const bool byteSuelto = i < bytes.size();

    // Keep well-formed pairs, replace lone halves so that the text stays valid UTF-16.
    std::u16string texto;
    texto.reserve(unidades.size() + 1);
    for (std::size_t k = 0; k < unidades.size(); ++k) {
        const char16_t u = unidades[k];
        if (utf16::esSustitutoAlto(u) && k + 1 < unidades.size() && utf16::esSustitutoBajo(unidades[k + 1])) {
            texto += u;
            texto += unidades[++k];
        } else if (utf16::esSustituto(u)) {
            texto += kSustituto;
        } else {
            texto += u;
        }
    }
    if (byteSuelto) {
        texto += kSustituto;
    }
    return texto;
}

} // namespace

char16_t caracterWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kTabla80a9F[byte - 0x80];
    }
    return byte;
}

Codificacion detectarCodificacion(std::string_view bytes) {
    if (tieneMarcaUtf16(bytes, 0xFF, 0xFE)) {
        return Codificacion::Utf16LE;
    }
    if (tieneMarcaUtf16(bytes, 0xFE, 0xFF)) {
        return Codificacion::Utf16BE;
    }
    if (recorrerUtf8(bytes, [](char32_t) {})) {
        return Codificacion::Utf8;
    }
    return Codificacion::Windows1252;
}

std::u16string decodificarTexto(std::string_view bytes) {
    std::u16string texto;
    switch (detectarCodificacion(bytes)) {
    case Codificacion::Utf16LE:
        return decodificarUtf16(bytes, false);
    case Codificacion::Utf16BE:
        return decodificarUtf16(bytes, true);
    case Codificacion::Utf8: {
        if (bytes.substr(0, kMarcaUtf8.size()) == kMarcaUtf8) {
            bytes.remove_prefix(kMarcaUtf8.size());
        }
        texto.reserve(bytes.size());
        recorrerUtf8(bytes, [&texto](char32_t codigo) { utf16::anadir(texto, codigo); });
        return texto;
    }
    case Codificacion::Windows1252:
        texto.resize(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            texto[i] = caracterWindows1252(byteEn(bytes, i));
        }
        return texto;
    }
    return texto;
}

} // namespace tecladas
