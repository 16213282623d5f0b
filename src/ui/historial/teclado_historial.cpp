#include "ui/historial/teclado_historial.h"

#include "ui/escritorio/marco_foco.h"
#include "ui/historial/textos_historial.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <optional>

namespace tecladas {

namespace {

/// Keyboard units across and down: the main block is 15 keys wide and five rows high.
constexpr double kAncho = 15;
constexpr double kAlto = 5;

QString deUtf8(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

/// Where the keyboard's keys go in `marco`, leaving room for the legend under them.
struct Escala {
    QPointF origen;
    double unidad = 0;
};

Escala escalaEn(const QRectF& marco, double altoLeyenda) {
    const double unidad =
        std::max(0.0, std::min(marco.width() / kAncho, (marco.height() - altoLeyenda) / kAlto));
    return {QPointF(marco.left() + (marco.width() - unidad * kAncho) / 2, marco.top()), unidad};
}

/// The outline of a key; Enter takes two rows and narrows in the lower one.
QPainterPath contorno(const Tecla& t, const Escala& e) {
    const double hueco = e.unidad * 0.06;
    const QPointF o = e.origen;
    const double u = e.unidad;
    QPainterPath camino;
    if (t.sangriaInferior == 0) {
        camino.addRoundedRect(QRectF(o.x() + t.x * u + hueco, o.y() + t.y * u + hueco,
                                     t.ancho * u - 2 * hueco, t.alto * u - 2 * hueco),
                              hueco, hueco);
        return camino;
    }
    const double izq = o.x() + t.x * u + hueco, der = o.x() + (t.x + t.ancho) * u - hueco;
    const double arriba = o.y() + t.y * u + hueco, medio = o.y() + (t.y + 1) * u - hueco;
    const double abajo = o.y() + (t.y + t.alto) * u - hueco,
                 sangria = o.x() + (t.x + t.sangriaInferior) * u + hueco;
    camino.moveTo(izq, arriba);
    camino.lineTo(der, arriba);
    camino.lineTo(der, abajo);
    camino.lineTo(sangria, abajo);
    camino.lineTo(sangria, medio);
    camino.lineTo(izq, medio);
    camino.closeSubpath();
    return camino;
}

std::optional<std::size_t> teclaEn(const QPointF& sitio, const Escala& e) {
    const auto& teclas = tecladoEspanol();
    for (std::size_t i = 0; i < teclas.size(); ++i) {
        if (contorno(teclas[i], e).contains(sitio)) {
            return i;
        }
    }
    return std::nullopt;
}

double altoLeyenda(const QFontMetricsF& medidas) {
    return 3.2 * medidas.height(); // two rows at most
}

} // namespace

QColor colorDeTecla(std::optional<double> escala) {
    if (!escala) {
        return QColor(225, 225, 225);
    }
    // From green through yellow to red, light enough for black legends.
    return QColor::fromHsvF(static_cast<float>((1 - *escala) / 3), 0.6F, 1.0F);
}

void dibujarTeclado(QPainter& pintor, const QRectF& marco, const std::vector<UsoTecla>& uso) {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF medidas(pintor.font(), pintor.device());
    const double h = medidas.height();
    const Escala e = escalaEn(marco, altoLeyenda(medidas));
    const auto& teclas = tecladoEspanol();
    QFont letra = pintor.font();
    letra.setPointSizeF(std::max(1.0, pintor.font().pointSizeF() * std::min(1.0, e.unidad / (2.2 * h))));
    for (std::size_t i = 0; i < teclas.size(); ++i) {
        const Tecla& t = teclas[i];
        const QPainterPath camino = contorno(t, e);
        pintor.setPen(QPen(QColor(110, 110, 110), std::max(0.5, e.unidad / 40)));
        pintor.setBrush(colorDeTecla(i < uso.size() ? uso[i].escala() : std::nullopt));
        pintor.drawPath(camino);
        pintor.setFont(letra);
        pintor.setPen(Qt::black);
        const QRectF caja =
            QRectF(e.origen.x() + t.x * e.unidad, e.origen.y() + t.y * e.unidad, t.ancho * e.unidad, e.unidad)
                .adjusted(e.unidad * 0.12, e.unidad * 0.08, -e.unidad * 0.12, -e.unidad * 0.08);
        const QString normal = deUtf8(t.normal);
        // A word too long for its key ("Bloq Mayús" on a small keyboard) is set smaller, not cut.
        if (const double ancho = QFontMetricsF(letra, pintor.device()).horizontalAdvance(normal);
            ancho > caja.width()) {
            QFont menor = letra;
            menor.setPointSizeF(std::max(1.0, letra.pointSizeF() * caja.width() / ancho));
            pintor.setFont(menor);
        }
        pintor.drawText(caja, Qt::AlignLeft | Qt::AlignBottom, normal);
        pintor.setFont(letra);
        pintor.drawText(caja, Qt::AlignLeft | Qt::AlignTop, deUtf8(t.mayus));
        pintor.drawText(caja, Qt::AlignRight | Qt::AlignBottom, deUtf8(t.altGr));
    }

    pintor.setFont(letra);
    const QFontMetricsF m(letra, pintor.device());
    double x = e.origen.x();
    double y = e.origen.y() + kAlto * e.unidad + h / 2;
    const std::vector<PasoLeyenda> pasos = pasosLeyenda();
    auto muestra = [&](const QColor& color, const QString& texto) {
        // The legend flows on to a second row when the keyboard is narrow.
        if (x > e.origen.x() &&
            x + m.height() * 1.3 + m.horizontalAdvance(texto) > e.origen.x() + kAncho * e.unidad) {
            x = e.origen.x();
            y += m.height() * 1.3;
        }
        pintor.setPen(QPen(QColor(110, 110, 110), 0.5));
        pintor.setBrush(color);
        pintor.drawRect(QRectF(x, y, m.height(), m.height()));
        pintor.setPen(Qt::black);
        x += m.height() * 1.3;
        pintor.drawText(QRectF(x, y, m.horizontalAdvance(texto) + 1, m.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, texto);
        x += m.horizontalAdvance(texto) + m.height();
    };
    for (std::size_t k = 0; k < pasos.size(); ++k) {
        muestra(colorDeTecla(pasos[k].escala), textos::leyendaTasa(pasos[k].tasa, k + 1 == pasos.size()));
    }
    muestra(colorDeTecla(std::nullopt), textos::leyendaTeclaSinDatos(kIntentosMinimosTecla));
    pintor.restore();
}

TecladoHistorial::TecladoHistorial(QWidget* padre)
    : QWidget(padre) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TecladoHistorial::mostrar(std::vector<UsoTecla> uso) {
    uso_ = std::move(uso);
    // What the colours say, for a screen reader: the weakest keys first.
    QStringList debiles;
    for (const std::size_t i : teclasDebiles(uso_)) {
        if (debiles.size() < 5) {
            debiles << textos::usoDeTecla(deUtf8(tecladoEspanol()[i].nombre), uso_[i].intentos,
                                          uso_[i].fallos);
        }
    }
    setAccessibleDescription(debiles.join(QStringLiteral("; ")));
    update();
}

QSize TecladoHistorial::sizeHint() const {
    const double h = fontMetrics().height();
    return QSize(static_cast<int>(kAncho * 2 * h),
                 static_cast<int>(kAlto * 2 * h + altoLeyenda(fontMetrics())));
}

bool TecladoHistorial::event(QEvent* evento) {
    if (evento->type() == QEvent::ToolTip) {
        const auto* ayuda = static_cast<QHelpEvent*>(evento);
        const auto i = teclaEn(ayuda->pos(), escalaEn(rect(), altoLeyenda(fontMetrics())));
        if (i && *i < uso_.size()) {
            QToolTip::showText(
                ayuda->globalPos(),
                textos::usoDeTecla(deUtf8(tecladoEspanol()[*i].nombre), uso_[*i].intentos, uso_[*i].fallos),
                this);
        } else {
            QToolTip::hideText();
            evento->ignore();
        }
        return true;
    }
    return QWidget::event(evento);
}

void TecladoHistorial::paintEvent(QPaintEvent* /*evento*/) {
    QStylePainter pintor(this);
    dibujarTeclado(pintor, rect(), uso_);
    dibujarMarcoDeFoco(pintor, *this, 1);
}

} // namespace tecladas
