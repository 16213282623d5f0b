#pragma once

class QApplication;

namespace tecladas {

/// Names the application ("Tecladas", the title of its messages) and loads Qt's Spanish texts,
/// so that Qt's own buttons and dialogs read "Aceptar", "Cancelar", "Abrir".
void prepararAplicacion(QApplication& aplicacion);

} // namespace tecladas
