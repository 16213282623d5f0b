#pragma once

#include <QString>
#include <Qt>

#include <vector>

class QKeyEvent;

namespace tecladas {

/// The key code the typing box's filter knows for a Qt key: Home 36, the arrows 37 to 40, the
/// Windows keys 91 and 92, the menu key 93, End 35, the letters and digits by their capital
/// ASCII code. Every other key maps to a code the filter lets through.
int codigoTecla(int teclaQt);

/// The shift state of the modifiers: Shift 1, Ctrl 2, Alt 4, added up. AltGr is none of these.
int estadoMayusculas(Qt::KeyboardModifiers modificadores);

/// The characters a key press types, as the judge receives them: Enter and Return as 13, the
/// code points of the key's text otherwise; Ctrl with a letter (without Alt or AltGr) types the
/// letter's control character. Delete, and keys with no text (Shift, dead keys, function keys),
/// type nothing.
std::vector<char32_t> caracteresDeTecla(const QKeyEvent& evento);

/// The code points of a text, composed (NFC).
std::vector<char32_t> puntosDeCodigo(const QString& texto);

} // namespace tecladas
