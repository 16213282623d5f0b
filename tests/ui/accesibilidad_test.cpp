#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QAccessible>

#include <utility>

namespace tecladas {
namespace {

using prueba::VentanaPrueba;

// What a screen reader reads. (Qt only delivers the change notices while a screen reader
// listens, which needs a desktop session; the tests read what the reader would read next.)
class AccesibilidadTest : public VentanaPrueba {
protected:
    static QAccessibleInterface* interfaz(QWidget* control) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(control);
        EXPECT_NE(i, nullptr) << control->objectName().toStdString();
        return i;
    }
    QString nombre(const char* control) const {
        return interfaz(this->control(control))->text(QAccessible::Name);
    }
    QString descripcion(const char* control) const {
        return interfaz(this->control(control))->text(QAccessible::Description);
    }
};

TEST_F(AccesibilidadTest, EveryControlIsNamedAfterItsCaption) {
    const std::pair<const char*, const char*> esperados[] = {
        {"maskTiempo", "Tiempo (Minutos)"},
        {"MaskPuntMin", "Mínimo para puntuar"},
        {"MaskPuntApr", "Aprobado"},
        {"MaskPuntMax", "Nota Máxima"},
        {"txtAciertos", "Aciertos"},
        {"txtErrores", "Errores"},
        {"txtTiempoTotalmin", "Tiempo, minutos"},
        {"txtTiempoTotalSeg", "Tiempo, segundos"},
        {"txtTecladasmin", "Aciertos/Min."},
        {"lblPuntuacion", "Teclad. exactas/Min."},
        {"lblNota", "Nota"},
        {"texto", "TEXTO"},
        {"textoact", "Texto escrito"},
        {"lblError", "Aviso"},
        {"cmdIniciar", "Iniciar"},
        {"cmdDetener", "Detener"},
        {"cmdCargar", "Archivo"},
        {"cmdImprimir", "Imprimir"},
        {"chkRepetirTexto", "Repetir hasta fin de tiempo"},
    };
    for (const auto& [control, esperado] : esperados) {
        EXPECT_EQ(nombre(control), QString::fromUtf8(esperado)) << control;
    }
    EXPECT_EQ(descripcion("MaskPuntApr"),
              QStringLiteral("Intervalos de tecladas exactas para el cálculo de la nota"));

    // Nothing a screen reader can reach is left nameless.
    for (QWidget* hijo : ventana->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (hijo->isVisible()) {
            EXPECT_FALSE(interfaz(hijo)->text(QAccessible::Name).isEmpty())
                << hijo->objectName().toStdString();
        }
    }
}

TEST_F(AccesibilidadTest, CaptionsAreTheLabelsOfTheirBoxes) {
    const auto etiquetas = interfaz(caja("maskTiempo"))->relations(QAccessible::Label);
    ASSERT_EQ(etiquetas.size(), 1);
    EXPECT_EQ(etiquetas.front().first->object(), etiqueta("label1"));
}

TEST_F(AccesibilidadTest, FiguresAndTheStatusLineAnnounceTheirValues) {
    iniciarCon(QStringLiteral("abc"));
    pulsar(QLatin1Char('a'));
    pulsar(QLatin1Char('x'));
    EXPECT_EQ(descripcion("lblError"), textos::error());

    ticks(1);
    EXPECT_EQ(interfaz(caja("txtAciertos"))->text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_EQ(interfaz(caja("txtErrores"))->text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_EQ(descripcion("lblPuntuacion"), QStringLiteral("0,00"));

    pulsar(QLatin1Char('b'));
    EXPECT_TRUE(descripcion("lblError").isEmpty()) << "the error mark is withdrawn";
    ventana->cmdDetener_Click();
    EXPECT_EQ(nombre("lblNota"), QStringLiteral("Nota"));
    EXPECT_EQ(descripcion("lblNota"), etiqueta("lblNota")->text());
    EXPECT_FALSE(descripcion("lblNota").isEmpty());

    // A new run clears the grade for the reader as on the screen.
    iniciar();
    EXPECT_TRUE(descripcion("lblNota").isEmpty());
}

} // namespace
} // namespace tecladas
