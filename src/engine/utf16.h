#pragma once

#include <string>

/// UTF-16 as the run's texts and the text boxes hold it: a code point beyond U+FFFF is a pair of
/// surrogates, a high one (U+D800 to U+DBFF) followed by a low one (U+DC00 to U+DFFF).
namespace tecladas::utf16 {

inline constexpr bool esSustitutoAlto(char32_t unidad) {
    return unidad >= 0xD800 && unidad <= 0xDBFF;
}

inline constexpr bool esSustitutoBajo(char32_t unidad) {
    return unidad >= 0xDC00 && unidad <= 0xDFFF;
}

/// Whether `unidad` is half of a pair, high or low.
inline constexpr bool esSustituto(char32_t unidad) {
    return esSustitutoAlto(unidad) || esSustitutoBajo(unidad);
}

/// Whether `codigo` is a character: a code point up to U+10FFFF that is not half of a pair.
inline constexpr bool esCaracter(char32_t codigo) {
    return codigo <= 0x10FFFF && !esSustituto(codigo);
}

/// The code point of a high and a low surrogate.
inline constexpr char32_t combinar(char16_t alto, char16_t bajo) {
    return 0x10000 + ((static_cast<char32_t>(alto) - 0xD800) << 10) + (static_cast<char32_t>(bajo) - 0xDC00);
}

/// Appends the character `codigo` (see `esCaracter`) to `destino`: one unit, or a pair beyond U+FFFF.
inline void anadir(std::u16string& destino, char32_t codigo) {
    if (codigo >= 0x10000) {
        const char32_t v = codigo - 0x10000;
        destino += static_cast<char16_t>(0xD800 + (v >> 10));
        destino += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
    } else {
        destino += static_cast<char16_t>(codigo);
    }
}

} // namespace tecladas::utf16
