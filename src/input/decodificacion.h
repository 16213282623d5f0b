#pragma once

#include <string>
#include <string_view>

namespace tecladas {

/// The encodings a text file may be read in.
enum class Codificacion { Utf8, Utf16LE, Utf16BE, Windows1252 };

/// Recognises the encoding of a file's bytes: a UTF-16 byte-order mark, else valid UTF-8 (with
/// or without its mark), else Windows-1252, which every byte sequence is.
Codificacion detectarCodificacion(std::string_view bytes);

/// Decodes a file's bytes into UTF-16 by `detectarCodificacion`. A byte-order mark is dropped;
/// line breaks and every other character are kept as they stand. In Windows-1252 each byte is
/// one character, and the five bytes with no character in that code page become the control
/// characters of the same number. Broken UTF-16 (a lone surrogate, an odd last byte) gives
/// U+FFFD in its place.
std::u16string decodificarTexto(std::string_view bytes);

/// The Windows-1252 character of a byte.
char16_t caracterWindows1252(unsigned char byte);

} // namespace tecladas
