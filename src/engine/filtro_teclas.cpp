#include "engine/filtro_teclas.h"

namespace tecladas {

bool teclaCancelada(int codigoTecla, int estadoMayusculas) {
    if (codigoTecla >= codigo_tecla::Inicio && codigoTecla <= codigo_tecla::Abajo) {
        return true;
    }
    if (codigoTecla >= codigo_tecla::WindowsIzquierda && codigoTecla <= codigo_tecla::Menu) {
        return true;
    }
    // Equalities, not bit tests: Ctrl+Shift or Ctrl+Alt pass.
    return estadoMayusculas == estado_mayusculas::Control || estadoMayusculas == estado_mayusculas::Alt;
}

} // namespace tecladas
