#include "ui/examen/medidor_lineas_texto.h"

#include "ui/escritorio/conversion.h"
#include "ui/examen/parrafos_partidos.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>

namespace tecladas {

void MedidorLineasTexto::ajustarA(const QPlainTextEdit& caja) {
    const QTextDocument& documento = *caja.document();
    fuente_ = documento.defaultFont();
    opciones_ = documento.defaultTextOption();
    ancho_ = caja.viewport()->width() - 2 * documento.documentMargin();
    holgura_ = 2 * QFontMetricsF(fuente_).maxWidth();
    avances_.clear();
    olvidar();
}

void MedidorLineasTexto::olvidar() {
    medido_ = 0;
    inicioUltimaLinea_ = 0;
    lineasAnteriores_ = 0;
    anchoUltima_ = 0;
}

double MedidorLineasTexto::avance(char16_t c) {
    const auto visto = avances_.find(c);
    if (visto != avances_.end()) {
        return visto->second;
    }
    const QChar caracter(c);
    const bool sencillo =
        c >= 0x20 && !caracter.isSurrogate() && !caracter.isMark() && !parrafos::esDerechaIzquierda(c) &&
        caracter.category() != QChar::Other_Format && caracter.category() != QChar::Separator_Line &&
        caracter.category() != QChar::Separator_Paragraph && QFontMetricsF(fuente_).inFont(caracter);
    if (!sencillo) {
        return avances_[c] = -1;
    }
    QTextLayout disposicion(QString(caracter), fuente_);
    disposicion.setTextOption(opciones_);
    disposicion.beginLayout();
    QTextLine linea = disposicion.createLine();
    linea.setLineWidth(ancho_);
    disposicion.endLayout();
    return avances_[c] = linea.horizontalAdvance();
}

double MedidorLineasTexto::anchoSencillo(std::u16string_view texto) {
    double ancho = 0;
    for (const char16_t c : texto) {
        const double suyo = avance(c);
        if (suyo < 0) {
            return -1;
        }
        ancho += suyo;
    }
    return ancho;
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
    // A line wraps only once its text is wider than the line: while the advances of plain
    // characters add up to clearly less, the last line goes on and nothing needs laying out.
    if (anchoUltima_ >= 0) {
        const double anadido = anchoSencillo(buffer.substr(medido_));
        if (anadido >= 0 && anchoUltima_ + anadido <= ancho_ - holgura_) {
            anchoUltima_ += anadido;
            medido_ = buffer.size();
            return lineasAnteriores_ + 1;
        }
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
    anchoUltima_ = anchoSencillo(buffer.substr(inicioUltimaLinea_));
    return linea;
}

} // namespace tecladas
