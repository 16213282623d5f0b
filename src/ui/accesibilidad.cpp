#include "ui/accesibilidad.h"

#include "ui/textos.h"

#include <QLabel>
#include <QWidget>

#include <utility>

namespace tecladas {

namespace {

/// A caption as a name: without the colon that ties it to the box on its right.
QString nombreDe(const QLabel& rotulo) {
    QString nombre = rotulo.text();
    if (nombre.endsWith(QLatin1Char(':'))) {
        nombre.chop(1);
    }
    return nombre;
}

} // namespace

void nombrarControles(QWidget& ventana) {
    auto buscar = [&ventana](const char* nombre) {
        return ventana.findChild<QWidget*>(QString::fromLatin1(nombre));
    };
    // Control and the caption that names it.
    const std::pair<const char*, const char*> rotulados[] = {
        {"maskTiempo", "label1"},     {"MaskPuntMin", "Label14"},  {"MaskPuntApr", "Label12"},
        {"MaskPuntMax", "Label13"},   {"txtAciertos", "Label2"},   {"txtErrores", "Label3"},
        {"txtTecladasmin", "Label4"}, {"lblPuntuacion", "Label9"}, {"lblNota", "Label11"},
        {"texto", "Label10"},
    };
    for (const auto& [nombreControl, nombreRotulo] : rotulados) {
        QWidget* control = buscar(nombreControl);
        auto* rotulo = qobject_cast<QLabel*>(buscar(nombreRotulo));
        if (control == nullptr || rotulo == nullptr) {
            continue;
        }
        control->setAccessibleName(nombreDe(*rotulo));
        if (qobject_cast<QLabel*>(control) == nullptr) {
            rotulo->setBuddy(control);
        }
    }

    const std::pair<const char*, QString> propios[] = {
        {"txtTiempoTotalmin", textos::nombreMinutos()}, {"txtTiempoTotalSeg", textos::nombreSegundos()},
        {"textoact", textos::nombreEscritura()},        {"lblError", textos::nombreAviso()},
        {"Image1", textos::tituloAplicacion()},
    };
    for (const auto& [nombreControl, nombre] : propios) {
        if (QWidget* control = buscar(nombreControl)) {
            control->setAccessibleName(nombre);
        }
    }

    // The three thresholds share the heading above them.
    if (auto* intervalos = qobject_cast<QLabel*>(buscar("Label15"))) {
        for (const char* umbral : {"MaskPuntMin", "MaskPuntApr", "MaskPuntMax"}) {
            if (QWidget* control = buscar(umbral)) {
                control->setAccessibleDescription(intervalos->text());
            }
        }
    }
    const std::pair<const char*, QString> descripciones[] = {
        {"txtTecladasmin", textos::descripcionAciertosMin()},
        {"textoact", textos::descripcionEscritura()},
        {"texto", textos::descripcionReferencia()},
    };
    for (const auto& [nombreControl, descripcion] : descripciones) {
        if (QWidget* control = buscar(nombreControl)) {
            control->setAccessibleDescription(descripcion);
        }
    }
}

void mostrarAnunciado(QLabel& etiqueta, const QString& texto) {
    if (etiqueta.text() == texto) {
        return;
    }
    etiqueta.setText(texto);
    // The name stays the caption; the value goes in the description, whose change is announced.
    etiqueta.setAccessibleDescription(texto);
}

} // namespace tecladas
