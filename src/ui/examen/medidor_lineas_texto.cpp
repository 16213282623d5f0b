#include "ui/examen/medidor_lineas_texto.h"

#include "ui/escritorio/conversion.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>

namespace tecladas {

void MedidorLineasTexto::ajustarA(const QPlainTextEdit& caja) {
    const QTextDocument& documento = *caja.document();
    fuente_ = documento.defaultFont();
    opciones_ = documento.defaultTextOption();
    ancho_ = caja.viewport()->width() - 2 * documento.documentMargin();
    olvidar();
}

void MedidorLineasTexto::olvidar() {
    medido_ = 0;
    inicioUltimaLinea_ = 0;
    lineasAnteriores_ = 0;
}

MedidorLineasTexto::Medida MedidorLineasTexto::medirParrafo(std::u16string_view parrafo) const {
    Medida medida;
    if (parrafo.empty()) {
        return medida;
    }
    QTextLayout disposicion(aQString(parrafo), fuente_);
    disposicion.setTextOption(opciones_);
    disposicion.setCacheEnabled(false);
    disposicion.beginLayout();
    int lineas = 0;
    int inicio = 0;
    for (QTextLine linea = disposicion.createLine(); linea.isValid(); linea = disposicion.createLine()) {
        linea.setLineWidth(ancho_);
        inicio = linea.textStart();
        ++lineas;
    }
    disposicion.endLayout();
    medida.lineas = std::max(lineas, 1);
    medida.inicioUltimaLinea = static_cast<std::size_t>(inicio);
    return medida;
}

int MedidorLineasTexto::lineaDelFinal(std::u16string_view buffer) {
    if (buffer.size() < medido_) {
        olvidar();
    }
    // Paragraphs completed since the last call are counted once and never measured again.
    for (std::size_t cr = buffer.find(u'\r', medido_); cr != std::u16string_view::npos;
         cr = buffer.find(u'\r', cr + 1)) {
        lineasAnteriores_ += medirParrafo(buffer.substr(inicioUltimaLinea_, cr - inicioUltimaLinea_)).lineas;
        inicioUltimaLinea_ = cr + 1;
    }
    const Medida ultima = medirParrafo(buffer.substr(inicioUltimaLinea_));
    const int linea = lineasAnteriores_ + ultima.lineas;
    lineasAnteriores_ += ultima.lineas - 1;
    inicioUltimaLinea_ += ultima.inicioUltimaLinea;
    medido_ = buffer.size();
    return linea;
}

} // namespace tecladas
