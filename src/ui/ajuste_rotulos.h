#pragma once

class QWidget;

namespace tecladas {

/// Narrows the font of every caption label of `ventana` that is wider than its box, just enough
/// for the whole caption to show. The boxes keep their places: the window's font is wider than
/// the one its layout was drawn for, and a few captions would otherwise lose their last letters.
void ajustarRotulos(QWidget& ventana);

} // namespace tecladas
