#pragma once

class QLabel;
class QString;

namespace tecladas {

/// From now on, assistive technologies (screen readers, and any program on the accessibility
/// bus) may only write into a text box that takes text from the keyboard too, that is enabled
/// and not read-only: during a run they read the typing box, the reference and the locked
/// settings, but cannot insert, delete, paste or set a value. Idempotent.
void vigilarEscrituraAccesible();

/// Shows `texto` in a result label (figures, grade, status line) and hands the new value to
/// assistive technologies, which read it after the label's name. Nothing happens when the label
/// already shows it.
void mostrarAnunciado(QLabel& etiqueta, const QString& texto);

} // namespace tecladas
