#pragma once

class QApplication;

namespace tecladas {

/// Chooses, before the application exists, how the platform draws the window: on X11 the
/// window's pixels travel over the connection to the display server, not in shared memory.
void prepararPlataforma();

/// Names the application ("Tecladas", the title of its messages) and loads Qt's Spanish texts,
/// so that Qt's own buttons and dialogs read "Aceptar", "Cancelar", "Abrir".
void prepararAplicacion(QApplication& aplicacion);

} // namespace tecladas
