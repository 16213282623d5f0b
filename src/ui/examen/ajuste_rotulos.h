#pragma once

class QWidget;

namespace tecladas {

/// Gives the window the fonts its form cannot hold: the form holds one family and whole points,
/// these fall back on families of the same metrics where the first is missing (as on Linux) and
/// come in fractions of a point. `texto` and `textoact` are the two large text boxes, whose line
/// measurer counts with this font, and `aviso` the status line.
void completarFuentes(QWidget& ventana, QWidget& texto, QWidget& textoact, QWidget& aviso);

/// Narrows the font of every caption label of `ventana` that is wider than its box, just enough
/// for the whole caption to show. The boxes keep their places: the window's font is wider than
/// the one its layout was drawn for, and a few captions would otherwise lose their last letters.
void ajustarRotulos(QWidget& ventana);

} // namespace tecladas
