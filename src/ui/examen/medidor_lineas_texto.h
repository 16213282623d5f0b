#pragma once

#include "engine/paginacion.h"

#include <QFont>
#include <QTextOption>

#include <cstddef>
#include <unordered_map>

class QPlainTextEdit;

namespace tecladas {

/// Measures the hidden buffer exactly as a plain text box wraps its text: same font, same text
/// width (the viewport less the document margins) and same wrap mode. Measures incrementally:
/// only the last wrapped line can change when a character is appended, so only that line is
/// laid out again, and not even that while plain characters leave it well short of the width.
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
    /// The advance a line of the box gives `c`, measured once; -1 unless `c` adds its own advance
    /// to a line and nothing else (a control character, mark, format character, right-to-left
    /// letter or glyph of another font does not).
    double avance(char16_t c);
    /// The advances of `texto` added up, or -1 when a character of it is not plain.
    double anchoSencillo(std::u16string_view texto);

    QFont fuente_;
    QTextOption opciones_;
    double ancho_ = 0;

    std::size_t medido_ = 0;            ///< length of the buffer at the last measurement
    std::size_t inicioUltimaLinea_ = 0; ///< buffer position where the last wrapped line starts
    int lineasAnteriores_ = 0;          ///< wrapped lines before that one
    double anchoUltima_ = 0;            ///< `anchoSencillo` of the last line, as measured
    double holgura_ = 0;                ///< room the sum of advances leaves for kerning
    std::unordered_map<char16_t, double> avances_;
};

} // namespace tecladas
