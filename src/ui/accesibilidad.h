#pragma once

class QLabel;
class QString;
class QWidget;

namespace tecladas {

/// Gives every control of the exam window the Spanish name a screen reader says for it, taken
/// from the caption beside it, and ties each caption to its control.
void nombrarControles(QWidget& ventana);

/// Shows `texto` in a result label (figures, grade, status line) and hands the new value to
/// assistive technologies, which read it after the label's name. Nothing happens when the label
/// already shows it.
void mostrarAnunciado(QLabel& etiqueta, const QString& texto);

} // namespace tecladas
