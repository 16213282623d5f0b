#include "ui/examen/ajuste_rotulos.h"

#include <QFontMetrics>
#include <QLabel>

namespace tecladas {

namespace {

/// Narrower than this and the letters start to look squeezed; no caption needs as much.
constexpr int kEstrechamientoMinimo = 85;

bool cabe(const QLabel& etiqueta, const QFont& fuente) {
    return QFontMetrics(fuente).horizontalAdvance(etiqueta.text()) <= etiqueta.contentsRect().width();
}

} // namespace

void completarFuentes(QWidget& ventana, QWidget& texto, QWidget& textoact, QWidget& aviso) {
    QFont fuente;
    fuente.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    fuente.setPointSizeF(8.25);
    ventana.setFont(fuente);
    QFont mecanografica;
    mecanografica.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    mecanografica.setStyleHint(QFont::TypeWriter);
    mecanografica.setPointSizeF(8.25);
    mecanografica.setWeight(QFont::Normal);
    texto.setFont(mecanografica);
    // The typing box lays its line out again at every key, and shaping it was most of that:
    // letters of a typewriter font need none. Scripts that do are still shaped.
    mecanografica.setStyleStrategy(QFont::PreferNoShaping);
    textoact.setFont(mecanografica);
    QFont grande = aviso.font();
    grande.setPointSizeF(13.5);
    aviso.setFont(grande);
}

void ajustarRotulos(QWidget& ventana) {
    for (QLabel* etiqueta : ventana.findChildren<QLabel*>()) {
        if (etiqueta->text().isEmpty() || cabe(*etiqueta, etiqueta->font())) {
            continue;
        }
        QFont fuente = etiqueta->font();
        for (int estiramiento = 99; estiramiento >= kEstrechamientoMinimo; --estiramiento) {
            fuente.setStretch(estiramiento);
            if (cabe(*etiqueta, fuente)) {
                break;
            }
        }
        etiqueta->setFont(fuente);
    }
}

} // namespace tecladas
