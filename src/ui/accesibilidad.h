#pragma once

class QLabel;
class QString;

namespace tecladas {

/// Shows `texto` in a result label (figures, grade, status line) and hands the new value to
/// assistive technologies, which read it after the label's name. Nothing happens when the label
/// already shows it.
void mostrarAnunciado(QLabel& etiqueta, const QString& texto);

} // namespace tecladas
