#include "ui/historial/grafico_historial.h"

#include "grading/serie_historial.h"
#include "ui/historial/textos_historial.h"

#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

namespace tecladas {

GraficoHistorial::GraficoHistorial(QWidget* padre)
    : QChartView(padre) {
    setRenderHint(QPainter::Antialiasing);
    chart()->setLocalizeNumbers(true);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void GraficoHistorial::mostrar(const std::vector<double>& netas, const Umbrales& umbrales) {
    QChart* grafico = chart();
    grafico->setLocale(QLocale());
    grafico->removeAllSeries();
    for (QAbstractAxis* eje : grafico->axes()) {
        grafico->removeAxis(eje);
        delete eje;
    }
    auto* ejeX = new QValueAxis;
    ejeX->setTitleText(textos::ejePruebas());
    // "%d" draws no labels at all in Qt Charts 6.4 when numbers follow the locale.
    ejeX->setLabelFormat(QStringLiteral("%.0f"));
    auto* ejeY = new QValueAxis;
    ejeY->setTitleText(textos::ejeNetas());
    ejeY->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(ejeX, Qt::AlignBottom);
    grafico->addAxis(ejeY, Qt::AlignLeft);

    const std::vector<PuntoSerie> puntos = reducirSerie(netas, kPuntosMaximos);
    auto* serie = new QLineSeries;
    serie->setName(puntos.size() == netas.size()
                       ? textos::serieNetas()
                       : textos::serieNetasEnMedias((netas.size() + kPuntosMaximos - 1) / kPuntosMaximos));
    serie->setPointsVisible(puntos.size() <= 60);
    QList<QPointF> lista;
    double menor = 0, mayor = 0;
    for (const PuntoSerie& p : puntos) {
        lista.append(QPointF(p.prueba, p.valor));
        menor = std::min(menor, p.valor);
        mayor = std::max(mayor, p.valor);
    }
    serie->replace(lista);
    grafico->addSeries(serie);

    const double desde = 0, hasta = static_cast<double>(netas.size()) + 1;
    const struct {
        QString nombre;
        std::optional<std::int16_t> valor;
        QColor color;
    } lineas[] = {{textos::umbralMinimo(), umbrales.minimo, QColor(214, 120, 0)},
                  {textos::umbralAprobado(), umbrales.aprobado, QColor(0, 140, 60)},
                  {textos::umbralMaximo(), umbrales.maximo, QColor(40, 80, 200)}};
    for (const auto& linea : lineas) {
        if (!linea.valor) {
            continue;
        }
        auto* umbral = new QLineSeries;
        umbral->setName(QStringLiteral("%1 (%2)").arg(linea.nombre).arg(*linea.valor));
        umbral->append(desde, *linea.valor);
        umbral->append(hasta, *linea.valor);
        umbral->setPen(QPen(linea.color, 1.5, Qt::DashLine));
        grafico->addSeries(umbral);
        mayor = std::max(mayor, static_cast<double>(*linea.valor));
        menor = std::min(menor, static_cast<double>(*linea.valor));
    }
    for (QAbstractSeries* s : grafico->series()) {
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    ejeX->setRange(desde, hasta);
    ejeY->setRange(menor, mayor * 1.1 + 10);
    ejeY->applyNiceNumbers();
    ejeX->setTickCount(std::clamp(static_cast<int>(hasta) + 1, 2, 11));
}

} // namespace tecladas
