#include "ui/accesibilidad.h"

#include <QLabel>

namespace tecladas {

void mostrarAnunciado(QLabel& etiqueta, const QString& texto) {
    if (etiqueta.text() == texto) {
        return;
    }
    etiqueta.setText(texto);
    // The name stays the caption; the value goes in the description, whose change is announced.
    etiqueta.setAccessibleDescription(texto);
}

} // namespace tecladas
