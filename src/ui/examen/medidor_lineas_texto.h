#pragma once

#include "engine/paginacion.h"

#include <QFont>
#include <QTextOption>

#include <cstddef>

class QPlainTextEdit;

namespace tecladas {

/// Measures the hidden buffer exactly as a plain text box wraps its text: same font, same text
/// width (the viewport less the document margins) and same wrap mode. Measures incrementally:
/// only the last wrapped line can change when a character is appended, so only that line is
/// laid out again.
class MedidorLineasTexto final : public MedidorLineas {
public:
    /// Takes the font, wrapping and text width of `caja`, and forgets what was measured.
    void ajustarA(const QPlainTextEdit& caja);

    int lineaDelFinal(std::u16string_view buffer) override;

    /// How a paragraph, or the start of one, wraps.
    struct Medida {
        int lineas = 1;                  ///< wrapped lines of the text laid out
        std::size_t inicioUltimaLinea{}; ///< where its last line starts, relative to the text
    };
    /// Lays out `parrafo` (no line break in it). Whatever follows it in its paragraph, every line
    /// but the last ends exactly where it ends here: the paragraph may be split at
    /// `inicioUltimaLinea` without changing how it wraps.
    Medida medirParrafo(std::u16string_view parrafo) const;

private:
    void olvidar();

    QFont fuente_;
    QTextOption opciones_;
    double ancho_ = 0;

    std::size_t medido_ = 0;            ///< length of the buffer at the last measurement
    std::size_t inicioUltimaLinea_ = 0; ///< buffer position where the last wrapped line starts
    int lineasAnteriores_ = 0;          ///< wrapped lines before that one
};

} // namespace tecladas
