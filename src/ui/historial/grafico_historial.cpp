#include "ui/historial/grafico_historial.h"

#include "grading/progreso.h"
#include "ui/escritorio/marco_foco.h"
#include "ui/historial/textos_historial.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace tecladas {

namespace {

const QColor kColorSerie(30, 30, 30);
const QColor kColorMejor(150, 30, 160);
const QColor kColorTendencia(0, 150, 200);
const QColor kColorResalte(230, 0, 0);
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

DatosGrafico datosGrafico(const std::vector<PruebaGrafico>& pruebas, const Umbrales& actuales,
                          VistaGrafico vista) {
    DatosGrafico d{geometriaGrafico(pruebas, GraficoHistorial::kPuntosMaximos, vista),
                   {},
                   {},
                   resumirSerie(pruebas),
                   std::vector<bool>(pruebas.size())};
    d.serie = vista == VistaGrafico::Dias ? textos::serieMediaDia()
              : d.geometria.porPunto == 1 ? textos::serieNetas()
                                          : textos::serieNetasEnMedias(d.geometria.porPunto);
    d.umbrales = {textos::lineaUmbral(textos::umbralMinimo(), actuales.minimo),
                  textos::lineaUmbral(textos::umbralAprobado(), actuales.aprobado),
                  textos::lineaUmbral(textos::umbralMaximo(), actuales.maximo)};
    return d;
}

QRectF dibujarGrafico(QPainter& pintor, const QRectF& marco, const DatosGrafico& datos) {
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
        return {};
    }

    const QPen lapizSerie(kColorSerie, h / 9);
    std::vector<Leyenda> leyendas = {{datos.serie, lapizSerie, true, false}};
    for (std::size_t k = 0; k < kColoresUmbral.size(); ++k) {
        leyendas.push_back({datos.umbrales[k], QPen(kColoresUmbral[k], h / 10, Qt::DashLine), true, false});
    }
    const QPen lapizMejor(kColorMejor, h / 9), lapizTendencia(kColorTendencia, h / 7);
    if (!g.mejores.empty()) {
        leyendas.push_back({textos::serieMejorDia(), lapizMejor, false, false});
    }
    if (!g.tendencia.empty()) {
        leyendas.push_back({textos::serieTendencia(kPruebasRecientes), lapizTendencia, true, false});
    }
    auto hueco = [](const PuntoGrafico& p) {
        return p.hueco;
    };
    if (std::any_of(g.puntos.begin(), g.puntos.end(), hueco) || !g.cortas.empty()) {
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
    std::vector<QString> dias;
    for (const std::int64_t dia : g.diasMarcas) {
        dias.push_back(textos::diaDelEje(dia));
    }
    const double ultimoX = dias.empty() ? 0 : medidas.horizontalAdvance(dias.back());
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
                    textos::ejeFecha());
    for (const double marca : g.y.marcas) {
        const double y = punto(0, marca).y();
        pintor.setPen(QPen(QColor(225, 225, 225), h / 20));
        pintor.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(marco.left(), y - h / 2, area.left() - marco.left() - h / 3, h),
                        Qt::AlignRight | Qt::AlignVCenter, rotulo(marca));
    }
    for (std::size_t k = 0; k < g.x.marcas.size(); ++k) {
        const double x = punto(g.x.marcas[k], 0).x();
        pintor.setPen(QPen(Qt::black, h / 16));
        pintor.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + h / 4));
        pintor.drawText(QRectF(x - 3 * h, area.bottom() + h / 4, 6 * h, h), Qt::AlignCenter, dias[k]);
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
    auto linea = [&](const std::vector<PuntoGrafico>& puntos, const QPen& lapiz) {
        QPolygonF trazo;
        for (const PuntoGrafico& p : puntos) {
            trazo << punto(p.x, p.valor);
        }
        pintor.setPen(lapiz);
        pintor.drawPolyline(trazo);
    };
    linea(g.tendencia, lapizTendencia);
    linea(g.puntos, lapizSerie);
    auto resaltado = [&datos](const PuntoGrafico& p) {
        for (std::size_t i = p.desde; i < p.hasta && i < datos.resaltadas.size(); ++i) {
            if (datos.resaltadas[i]) {
                return true;
            }
        }
        return false;
    };
    auto marcas = [&](const std::vector<PuntoGrafico>& puntos, const QColor& color, bool siempre) {
        for (const PuntoGrafico& p : puntos) {
            const QPointF centro = punto(p.x, p.valor);
            if (resaltado(p)) {
                pintor.setPen(QPen(kColorResalte, h / 6));
                pintor.setBrush(Qt::NoBrush);
                pintor.drawEllipse(centro, 2 * radio, 2 * radio);
            }
            if (siempre || p.hueco || puntos.size() <= kPuntosMarcados) {
                pintor.setPen(QPen(color, h / 9));
                pintor.setBrush(p.hueco ? QBrush(Qt::white) : QBrush(color));
                pintor.drawEllipse(centro, radio, radio);
            }
        }
    };
    marcas(g.puntos, kColorSerie, false);
    marcas(g.cortas, kColorSerie, true);
    marcas(g.mejores, kColorMejor, true);
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
    return area;
}

GraficoHistorial::GraficoHistorial(QWidget* padre)
    : QWidget(padre)
    , datos_(datosGrafico({}, {})) {
    setFocusPolicy(Qt::StrongFocus);
}

void GraficoHistorial::mostrar(const std::vector<const PruebaGuardada*>& guardadas, const Umbrales& actuales,
                               VistaGrafico vista) {
    pruebas_ = guardadas;
    std::vector<PruebaGrafico> pruebas;
    pruebas.reserve(guardadas.size());
    for (const PruebaGuardada* p : guardadas) {
        pruebas.push_back(pruebaGrafico(p->resumen, p->fecha.date().toJulianDay()));
    }
    datos_ = datosGrafico(pruebas, actuales, vista);
    // What the picture says, for a screen reader.
    setAccessibleDescription(pruebas.empty() ? textos::sinPruebas() : textos::resumenInforme(datos_.resumen));
    update();
}

void GraficoHistorial::resaltar(const std::vector<const PruebaGuardada*>& pruebas) {
    // A few rows are selected at a time, among many runs: one pass over the runs.
    const std::unordered_set<const PruebaGuardada*> elegidas(pruebas.begin(), pruebas.end());
    for (std::size_t i = 0; i < pruebas_.size(); ++i) {
        datos_.resaltadas[i] = elegidas.count(pruebas_[i]) > 0;
    }
    update();
}

QPointF GraficoHistorial::sitioDe(const PuntoGrafico& p) const {
    const GeometriaGrafico& g = datos_.geometria;
    return {posicionEnEje(g.x, p.x, area_.left(), area_.width()),
            posicionEnEje(g.y, p.valor, area_.bottom(), -area_.height())};
}

const PuntoGrafico* GraficoHistorial::puntoEn(const QPointF& sitio) const {
    const GeometriaGrafico& g = datos_.geometria;
    if (area_.isEmpty()) {
        return nullptr;
    }
    const double alcance = std::max(6.0, fontMetrics().height() / 2.0);
    const PuntoGrafico* elegido = nullptr;
    double mejor = alcance * alcance;
    for (const auto* lista : {&g.puntos, &g.mejores, &g.cortas}) {
        for (const PuntoGrafico& p : *lista) {
            const QPointF d = sitioDe(p) - sitio;
            if (const double distancia = QPointF::dotProduct(d, d); distancia <= mejor) {
                mejor = distancia;
                elegido = &p;
            }
        }
    }
    return elegido;
}

QString GraficoHistorial::descripcion(const PuntoGrafico& p) const {
    const PruebaGuardada& primera = *pruebas_[p.desde];
    if (p.hasta == p.desde + 1) {
        return textos::puntoUnaPrueba(primera.fecha, primera.texto, primera.resumen.segundos,
                                      primera.resumen.tecladasNetasMin, primera.resumen.nota);
    }
    const GeometriaGrafico& g = datos_.geometria;
    if (g.vista == VistaGrafico::Dias) {
        const auto dia = std::find_if(g.puntos.begin(), g.puntos.end(),
                                      [&p](const PuntoGrafico& d) { return d.desde == p.desde; });
        int validas = 0;
        for (std::size_t i = p.desde; i < p.hasta; ++i) {
            validas +=
                pruebas_[i]->fecha.date() == primera.fecha.date() && !pruebaCorta(pruebas_[i]->resumen);
        }
        if (dia != g.puntos.end()) {
            return textos::puntoDia(primera.fecha, validas, dia->valor,
                                    g.mejores[static_cast<std::size_t>(dia - g.puntos.begin())].valor);
        }
    }
    return textos::puntoVariasPruebas(primera.fecha, pruebas_[p.hasta - 1]->fecha, p.hasta - p.desde,
                                      p.valor);
}

bool GraficoHistorial::event(QEvent* evento) {
    if (evento->type() == QEvent::ToolTip) {
        const auto* ayuda = static_cast<QHelpEvent*>(evento);
        if (const PuntoGrafico* p = puntoEn(ayuda->pos())) {
            QToolTip::showText(ayuda->globalPos(), descripcion(*p), this);
        } else {
            QToolTip::hideText();
            evento->ignore();
        }
        return true;
    }
    return QWidget::event(evento);
}

void GraficoHistorial::mousePressEvent(QMouseEvent* evento) {
    QWidget::mousePressEvent(evento);
    const PuntoGrafico* p = puntoEn(evento->position());
    if (p == nullptr || evento->button() != Qt::LeftButton) {
        return;
    }
    std::vector<const PruebaGuardada*> pulsadas;
    for (std::size_t i = p->desde; i < p->hasta; ++i) {
        // A day's point stands for the runs of its day only.
        if (datos_.geometria.vista != VistaGrafico::Dias ||
            pruebas_[i]->fecha.date() == pruebas_[p->desde]->fecha.date()) {
            pulsadas.push_back(pruebas_[i]);
        }
    }
    Q_EMIT pruebasPulsadas(pulsadas);
}

void GraficoHistorial::paintEvent(QPaintEvent* /*evento*/) {
    QStylePainter pintor(this);
    area_ = dibujarGrafico(pintor, rect(), datos_);
    dibujarMarcoDeFoco(pintor, *this, 2);
}

} // namespace tecladas
