#include "ui/historial/grafico_historial.h"

#include "ui/historial/textos_historial.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace tecladas {

namespace {

const QColor kColorSerie(30, 30, 30);
const std::array<QColor, 3> kColoresUmbral = {QColor(214, 120, 0), QColor(0, 140, 60), QColor(40, 80, 200)};
/// Below this many points each one is marked; above, the line alone reads better.
constexpr std::size_t kPuntosMarcados = 60;

/// One entry of the legend: a sample of the line or point it names, and its name.
struct Leyenda {
    QString texto;
    QPen lapiz;
    bool linea = true;
    bool hueco = false;
};

void dibujarMuestra(QPainter& pintor, const Leyenda& l, const QRectF& sitio, double radio) {
    pintor.setPen(l.lapiz);
    if (l.linea) {
        pintor.drawLine(QPointF(sitio.left(), sitio.center().y()),
                        QPointF(sitio.right(), sitio.center().y()));
    }
    if (l.hueco || !l.linea) {
        pintor.setBrush(l.hueco ? QBrush(Qt::white) : QBrush(l.lapiz.color()));
        pintor.setPen(QPen(l.lapiz.color(), l.lapiz.widthF(), Qt::SolidLine));
        pintor.drawEllipse(sitio.center(), radio, radio);
        pintor.setBrush(Qt::NoBrush);
    }
}

} // namespace

DatosGrafico datosGrafico(const std::vector<PruebaGrafico>& pruebas, const Umbrales& actuales) {
    DatosGrafico d{
        geometriaGrafico(pruebas, GraficoHistorial::kPuntosMaximos), {}, {}, resumirSerie(pruebas)};
    d.serie =
        d.geometria.porPunto == 1 ? textos::serieNetas() : textos::serieNetasEnMedias(d.geometria.porPunto);
    d.umbrales = {textos::lineaUmbral(textos::umbralMinimo(), actuales.minimo),
                  textos::lineaUmbral(textos::umbralAprobado(), actuales.aprobado),
                  textos::lineaUmbral(textos::umbralMaximo(), actuales.maximo)};
    return d;
}

void dibujarGrafico(QPainter& pintor, const QRectF& marco, const DatosGrafico& datos) {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(marco, Qt::white);
    const GeometriaGrafico& g = datos.geometria;
    const QFontMetricsF medidas(pintor.font(), pintor.device());
    // Every length follows the type's height, so that screen and paper look alike.
    const double h = medidas.height();
    const double margen = h / 2, radio = h / 4;
    if (g.puntos.empty()) {
        pintor.setPen(QColor(90, 90, 90));
        pintor.drawText(marco, Qt::AlignCenter, textos::sinPruebas());
        pintor.restore();
        return;
    }

    const QPen lapizSerie(kColorSerie, h / 9);
    std::vector<Leyenda> leyendas = {{datos.serie, lapizSerie, true, false}};
    for (std::size_t k = 0; k < kColoresUmbral.size(); ++k) {
        leyendas.push_back({datos.umbrales[k], QPen(kColoresUmbral[k], h / 10, Qt::DashLine), true, false});
    }
    if (std::any_of(g.puntos.begin(), g.puntos.end(), [](const PuntoGrafico& p) { return p.hueco; })) {
        leyendas.push_back({textos::leyendaPruebaCorta(), lapizSerie, false, true});
    }
    // The legend flows in rows under the axes.
    const double muestra = 2 * h, separacion = h;
    std::vector<std::pair<QPointF, const Leyenda*>> sitios;
    double x = 0, filas = 1;
    for (const Leyenda& l : leyendas) {
        const double ancho = muestra + h / 3 + medidas.horizontalAdvance(l.texto);
        if (x > 0 && x + ancho > marco.width() - 2 * margen) {
            x = 0;
            ++filas;
        }
        sitios.emplace_back(QPointF(x, (filas - 1) * h * 1.3), &l);
        x += ancho + separacion;
    }
    const double altoLeyenda = filas * h * 1.3;

    const QLocale local;
    auto rotulo = [&local](double valor) {
        return local.toString(static_cast<qlonglong>(std::llround(valor)));
    };
    double anchoRotulos = 0;
    for (const double marca : g.y.marcas) {
        anchoRotulos = std::max(anchoRotulos, medidas.horizontalAdvance(rotulo(marca)));
    }
    const double ultimoX = g.x.marcas.empty() ? 0 : medidas.horizontalAdvance(rotulo(g.x.marcas.back()));
    const QRectF area(QPointF(marco.left() + margen + anchoRotulos + h / 3, marco.top() + margen + 1.5 * h),
                      QPointF(marco.right() - margen - std::max(ultimoX / 2, h / 2),
                              marco.bottom() - margen - altoLeyenda - 2.5 * h));
    auto punto = [&g, &area](double prueba, double valor) {
        return QPointF(posicionEnEje(g.x, prueba, area.left(), area.width()),
                       posicionEnEje(g.y, valor, area.bottom(), -area.height()));
    };

    pintor.setPen(Qt::black);
    pintor.drawText(QRectF(marco.left() + margen, marco.top() + margen, marco.width(), h),
                    Qt::AlignLeft | Qt::AlignVCenter, textos::ejeNetas());
    pintor.drawText(QRectF(area.left(), area.bottom() + 1.3 * h, area.width(), h), Qt::AlignCenter,
                    textos::ejePruebas());
    for (const double marca : g.y.marcas) {
        const double y = punto(0, marca).y();
        pintor.setPen(QPen(QColor(225, 225, 225), h / 20));
        pintor.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(marco.left(), y - h / 2, area.left() - marco.left() - h / 3, h),
                        Qt::AlignRight | Qt::AlignVCenter, rotulo(marca));
    }
    for (const double marca : g.x.marcas) {
        const double x = punto(marca, 0).x();
        pintor.setPen(QPen(Qt::black, h / 16));
        pintor.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + h / 4));
        pintor.drawText(QRectF(x - 3 * h, area.bottom() + h / 4, 6 * h, h), Qt::AlignCenter, rotulo(marca));
    }
    pintor.setPen(QPen(Qt::black, h / 16));
    pintor.drawLine(area.topLeft(), area.bottomLeft());
    pintor.drawLine(area.bottomLeft(), area.bottomRight());

    pintor.save();
    // Room for a whole point on the frame, a run of 0 included.
    pintor.setClipRect(area.adjusted(-radio - 1, -radio - 1, radio + 1, radio + 1));
    for (std::size_t k = 0; k < g.umbrales.size(); ++k) {
        QPolygonF escalones;
        for (const TramoUmbral& t : g.umbrales[k]) {
            escalones << punto(t.desde, t.valor) << punto(t.hasta, t.valor);
        }
        pintor.setPen(leyendas[k + 1].lapiz);
        pintor.drawPolyline(escalones);
    }
    QPolygonF linea;
    for (const PuntoGrafico& p : g.puntos) {
        linea << punto(p.prueba, p.valor);
    }
    pintor.setPen(lapizSerie);
    pintor.drawPolyline(linea);
    for (const PuntoGrafico& p : g.puntos) {
        if (p.hueco || g.puntos.size() <= kPuntosMarcados) {
            pintor.setBrush(p.hueco ? QBrush(Qt::white) : QBrush(kColorSerie));
            pintor.drawEllipse(punto(p.prueba, p.valor), radio, radio);
        }
    }
    pintor.restore();

    const QPointF origenLeyenda(marco.left() + margen, marco.bottom() - margen - altoLeyenda);
    for (const auto& [sitio, l] : sitios) {
        const QPointF esquina = origenLeyenda + sitio;
        dibujarMuestra(pintor, *l, QRectF(esquina, QSizeF(muestra, h)), radio);
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(esquina + QPointF(muestra + h / 3, 0), QSizeF(marco.width(), h)),
                        Qt::AlignLeft | Qt::AlignVCenter, l->texto);
    }
    pintor.restore();
}

GraficoHistorial::GraficoHistorial(QWidget* padre)
    : QWidget(padre)
    , datos_(datosGrafico({}, {})) {
    setFocusPolicy(Qt::StrongFocus);
}

void GraficoHistorial::mostrar(const std::vector<PruebaGrafico>& pruebas, const Umbrales& actuales) {
    datos_ = datosGrafico(pruebas, actuales);
    // What the picture says, for a screen reader.
    setAccessibleDescription(pruebas.empty() ? textos::sinPruebas() : textos::resumenInforme(datos_.resumen));
    update();
}

void GraficoHistorial::paintEvent(QPaintEvent* /*evento*/) {
    QStylePainter pintor(this);
    dibujarGrafico(pintor, rect(), datos_);
    if (hasFocus()) {
        QStyleOptionFocusRect opcion;
        opcion.initFrom(this);
        opcion.rect = rect().adjusted(2, 2, -2, -2);
        pintor.drawPrimitive(QStyle::PE_FrameFocusRect, opcion);
    }
}

} // namespace tecladas
