#include "ui/historial/impresion_historial.h"

#include "grading/anchos_columnas.h"
#include "ui/historial/grafico_historial.h"
#include "ui/historial/teclado_historial.h"
#include "ui/historial/textos_historial.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <numeric>

namespace tecladas {

namespace {

/// `texto` in lines no wider than `ancho`, broken only at spaces: a word wider than `ancho`
/// stands alone on its line rather than being cut.
QStringList partirEnEspacios(const QString& texto, double ancho, const QFontMetricsF& medidas) {
    QStringList lineas;
    QString linea;
    for (const QString& palabra : texto.split(u' ', Qt::SkipEmptyParts)) {
        const QString mas = linea.isEmpty() ? palabra : linea + u' ' + palabra;
        // The slack absorbs rounding: a column is exactly as wide as its widest text.
        if (!linea.isEmpty() && medidas.horizontalAdvance(mas) > ancho + 0.01) {
            lineas << linea;
            linea = palabra;
        } else {
            linea = mas;
        }
    }
    return lineas << linea;
}

double palabraMasAncha(const QString& texto, const QFontMetricsF& medidas) {
    double ancho = 0;
    for (const QString& palabra : texto.split(u' ', Qt::SkipEmptyParts)) {
        ancho = std::max(ancho, medidas.horizontalAdvance(palabra));
    }
    return ancho;
}

QFont fuente(double puntos, bool negrita = false) {
    QFont f = QGuiApplication::font();
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

/// The report being laid out down the pages of a printer.
class Informe {
public:
    explicit Informe(QPrinter& impresora)
        : impresora_(impresora)
        , hoja_(impresora.pageRect(QPrinter::DevicePixel)
                    .translated(-impresora.pageRect(QPrinter::DevicePixel).topLeft()))
        , y_(hoja_.top()) {}

    bool empezar() { return pintor_.begin(&impresora_); }
    void terminar() {
        piePagina();
        pintor_.end();
    }

    QFontMetricsF medidas(const QFont& f) const { return QFontMetricsF(f, &impresora_); }

    /// Room for `alto` on this page, or a new page.
    void asegurar(double alto) {
        if (y_ + alto > hoja_.bottom() - 2 * medidas(fuente(8)).height() && y_ > hoja_.top()) {
            piePagina();
            impresora_.newPage();
            ++pagina_;
            y_ = hoja_.top();
        }
    }

    void parrafo(const QString& texto, const QFont& f, double despues = 0.3) {
        const QFontMetricsF m = medidas(f);
        pintor_.setFont(f);
        pintor_.setPen(Qt::black);
        for (const QString& linea : partirEnEspacios(texto, hoja_.width(), m)) {
            asegurar(m.height());
            pintor_.drawText(QRectF(hoja_.left(), y_, hoja_.width(), m.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, linea);
            y_ += m.height();
        }
        y_ += despues * m.height();
    }

    void teclado(const std::vector<UsoTecla>& uso) {
        const QRectF marco(hoja_.left(), 0, std::min(hoja_.width(), hoja_.height() * 0.9),
                           hoja_.width() * 0.42);
        asegurar(marco.height());
        pintor_.setFont(fuente(8));
        dibujarTeclado(pintor_, marco.translated(0, y_), uso);
        y_ += marco.height();
    }

    void grafico(const DatosGrafico& datos) {
        const QRectF marco(hoja_.left(), 0, hoja_.width(), hoja_.width() * 0.45);
        asegurar(marco.height());
        pintor_.setFont(fuente(8));
        dibujarGrafico(pintor_, marco.translated(0, y_), datos);
        y_ += marco.height() + medidas(fuente(8)).height();
    }

    void tabla(const QAbstractItemModel& modelo) {
        const int columnas = modelo.columnCount();
        std::vector<QString> titulos;
        std::vector<Qt::Alignment> alineacion;
        for (int c = 0; c < columnas; ++c) {
            titulos.push_back(modelo.headerData(c, Qt::Horizontal).toString());
            const QVariant a = modelo.index(0, c).data(Qt::TextAlignmentRole);
            alineacion.push_back(a.isValid() ? Qt::Alignment(a.toInt()) & Qt::AlignHorizontal_Mask
                                             : Qt::AlignLeft);
        }
        // The type shrinks when even the widest words would not fit across the page.
        QFont normal = fuente(8), negrita = fuente(8, true);
        std::vector<double> anchos;
        double relleno = 0;
        for (int intento = 0; intento < 3; ++intento) {
            const QFontMetricsF m = medidas(normal), mn = medidas(negrita);
            relleno = m.height() / 3;
            std::vector<double> minimos(columnas), deseados(columnas);
            for (int c = 0; c < columnas; ++c) {
                minimos[c] = palabraMasAncha(titulos[c], mn);
                deseados[c] = mn.horizontalAdvance(titulos[c]);
                for (int f = 0; f < modelo.rowCount(); ++f) {
                    const QString celda = modelo.index(f, c).data().toString();
                    minimos[c] = std::max(minimos[c], palabraMasAncha(celda, m));
                    deseados[c] = std::max(deseados[c], m.horizontalAdvance(celda));
                }
                minimos[c] += 2 * relleno;
                deseados[c] += 2 * relleno;
            }
            anchos = repartirAnchos(minimos, deseados, hoja_.width());
            const double total = std::accumulate(anchos.begin(), anchos.end(), 0.0);
            if (total <= hoja_.width()) {
                break;
            }
            normal.setPointSizeF(normal.pointSizeF() * hoja_.width() / total);
            negrita.setPointSizeF(normal.pointSizeF());
        }

        const double ancho = std::accumulate(anchos.begin(), anchos.end(), 0.0);
        auto fila = [&](const std::vector<QString>& celdas, bool cabecera) {
            const QFont& f = cabecera ? negrita : normal;
            const QFontMetricsF m = medidas(f);
            std::vector<QStringList> lineas;
            qsizetype mas = 1;
            for (int c = 0; c < columnas; ++c) {
                lineas.push_back(partirEnEspacios(celdas[c], anchos[c] - 2 * relleno, m));
                mas = std::max(mas, lineas.back().size());
            }
            const double alto = static_cast<double>(mas) * m.height() + relleno;
            const int paginaAntes = pagina_;
            asegurar(alto);
            if (pagina_ != paginaAntes && !cabecera) {
                return false;
            }
            if (cabecera) {
                pintor_.fillRect(QRectF(hoja_.left(), y_, ancho, alto), QColor(230, 230, 230));
            }
            pintor_.setFont(f);
            pintor_.setPen(Qt::black);
            double x = hoja_.left();
            for (int c = 0; c < columnas; ++c) {
                for (qsizetype i = 0; i < lineas[c].size(); ++i) {
                    pintor_.drawText(QRectF(x + relleno,
                                            y_ + relleno / 2 + static_cast<double>(i) * m.height(),
                                            anchos[c] - 2 * relleno, m.height()),
                                     alineacion[c] | Qt::AlignVCenter, lineas[c][i]);
                }
                x += anchos[c];
            }
            y_ += alto;
            pintor_.setPen(QPen(QColor(160, 160, 160), m.height() / 20));
            pintor_.drawLine(QPointF(hoja_.left(), y_), QPointF(x, y_));
            return true;
        };
        asegurar(3 * medidas(negrita).height()); // no headings alone at the foot of a page
        fila(titulos, true);
        for (int f = 0; f < modelo.rowCount(); ++f) {
            std::vector<QString> celdas;
            for (int c = 0; c < columnas; ++c) {
                celdas.push_back(modelo.index(f, c).data().toString());
            }
            // A row that opens a new page does so under the headings again.
            if (!fila(celdas, false)) {
                fila(titulos, true);
                fila(celdas, false);
            }
        }
        y_ += medidas(normal).height();
    }

private:
    void piePagina() {
        const QFont f = fuente(8);
        pintor_.setFont(f);
        pintor_.setPen(QColor(90, 90, 90));
        pintor_.drawText(hoja_, Qt::AlignBottom | Qt::AlignRight,
                         textos::paginaInforme(QLocale().toString(pagina_)));
    }

    QPrinter& impresora_;
    QPainter pintor_;
    QRectF hoja_;
    double y_ = 0;
    int pagina_ = 1;
};

} // namespace

QString imprimirHistorial(QPrinter& impresora, const InformeHistorial& informe, const DatosGrafico& grafico,
                          const QAbstractItemModel& tabla) {
    impresora.setDocName(textos::tituloHistorial());
    impresora.setCreator(QGuiApplication::applicationDisplayName());
    Informe hojas(impresora);
    if (!hojas.empezar()) {
        return textos::impresionFallida();
    }
    const QLocale local;
    hojas.parrafo(textos::tituloHistorial(), fuente(16, true));
    hojas.parrafo(textos::fechaInforme(QStringLiteral("%1, %2").arg(
                      local.toString(informe.fecha.date(), QLocale::LongFormat),
                      local.toString(informe.fecha.time(), QLocale::ShortFormat))),
                  fuente(9), 0);
    hojas.parrafo(textos::filtroInforme(informe.filtro), fuente(9), 0);
    hojas.parrafo(textos::umbralesInforme(informe.umbrales), fuente(9), 0);
    hojas.parrafo(textos::resumenInforme(grafico.resumen), fuente(9));
    hojas.grafico(grafico);
    if (!informe.progreso.isEmpty()) {
        hojas.parrafo(informe.progreso, fuente(9));
    }
    hojas.tabla(tabla);
    hojas.parrafo(informe.tituloFallos, fuente(11, true));
    QStringList fallados;
    for (const CaracterFallado& f : informe.masFallados) {
        // A no-break space keeps each character with its count.
        fallados
            << QStringLiteral("%1:\u00A0%2").arg(textos::textoCaracter(f.caracter), local.toString(f.veces));
    }
    hojas.parrafo(fallados.join(QStringLiteral(" · ")), fuente(9));
    hojas.parrafo(informe.tituloTeclado, fuente(11, true));
    hojas.teclado(informe.teclas);
    hojas.terminar();
    // Printing reports nothing: a PDF that was not written is the one failure to be seen.
    if (impresora.outputFormat() == QPrinter::PdfFormat && !QFileInfo(impresora.outputFileName()).size()) {
        return textos::impresionFallida();
    }
    return {};
}

} // namespace tecladas
