#pragma once

namespace tecladas {

/// Key codes of the typing box's filter, numbered as the exam's keyboard codes.
namespace codigo_tecla {
inline constexpr int Fin = 35;
inline constexpr int Inicio = 36;
inline constexpr int Izquierda = 37;
inline constexpr int Arriba = 38;
inline constexpr int Derecha = 39;
inline constexpr int Abajo = 40;
inline constexpr int WindowsIzquierda = 91;
inline constexpr int WindowsDerecha = 92;
inline constexpr int Menu = 93;
} // namespace codigo_tecla

/// Bits of the shift state that comes with a key.
namespace estado_mayusculas {
inline constexpr int Mayusculas = 1;
inline constexpr int Control = 2;
inline constexpr int Alt = 4;
} // namespace estado_mayusculas

/// The key filter of the typing box: true when the key must be cancelled before it is judged.
/// It cancels Home and the arrows (36 to 40), the Windows and menu keys (91 to 93), and any key
/// with Ctrl alone or Alt alone held. Ctrl+Alt (the AltGr characters) and Shift pass.
bool teclaCancelada(int codigoTecla, int estadoMayusculas);

} // namespace tecladas
