#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QAccessible>

#include <functional>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

// What a screen reader reads. (Qt only delivers the change notices while a screen reader
// listens, which needs a desktop session; the tests read what the reader would read next.)
class AccesibilidadTest : public prueba::VentanaPrueba {
protected:
    static QString leer(QWidget* control, QAccessible::Text que) {
        QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
        EXPECT_NE(interfaz, nullptr) << control->objectName().toStdString();
        return interfaz != nullptr ? interfaz->text(que) : QString();
    }
    QString descripcion(const char* nombre) const { return leer(control(nombre), QAccessible::Description); }
    QAccessibleInterface* interfaz(const char* nombre) const {
        return QAccessible::queryAccessibleInterface(control(nombre));
    }
};

TEST_F(AccesibilidadTest, EveryControlIsNamedAfterItsCaption) {
    const std::pair<const char*, QString> esperados[] = {
        {"maskTiempo", u"Tiempo (Minutos)"_s},
        {"MaskPuntMin", u"Mínimo para puntuar"_s},
        {"MaskPuntApr", u"Aprobado"_s},
        {"MaskPuntMax", u"Nota Máxima"_s},
        {"txtAciertos", u"Aciertos"_s},
        {"txtErrores", u"Errores"_s},
        {"txtTiempoTotalmin", u"Tiempo, minutos"_s},
        {"txtTiempoTotalSeg", u"Tiempo, segundos"_s},
        {"txtTecladasmin", u"Aciertos/Min."_s},
        {"lblPuntuacion", u"Teclad. exactas/Min."_s},
        {"lblNota", u"Nota"_s},
        {"texto", u"TEXTO"_s},
        {"textoact", u"Texto escrito"_s},
        {"lblError", u"Aviso"_s},
        {"cmdIniciar", u"Iniciar"_s},
        {"cmdDetener", u"Detener"_s},
        {"cmdCargar", u"Archivo"_s},
        {"cmdImprimir", u"Imprimir"_s},
        {"cmdHistorial", u"Historial"_s},
    };
    for (const auto& [nombre, esperado] : esperados) {
        EXPECT_EQ(leer(control(nombre), QAccessible::Name), esperado) << nombre;
    }
    EXPECT_EQ(leer(control("chkRepetirTexto"), QAccessible::Name), u"Repetir hasta fin de tiempo"_s);
    EXPECT_EQ(descripcion("MaskPuntApr"), u"Intervalos de tecladas exactas para el cálculo de la nota"_s);
    // Nothing a screen reader can reach is left nameless.
    for (QWidget* hijo : ventana->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(!hijo->isVisible() || !leer(hijo, QAccessible::Name).isEmpty())
            << hijo->objectName().toStdString();
    }
}

TEST_F(AccesibilidadTest, FiguresAndTheStatusLineAnnounceTheirValues) {
    iniciarCon(u"abc"_s);
    escribir(u"ax"_s);
    EXPECT_EQ(descripcion("lblError"), textos::error());
    ticks(1);
    EXPECT_EQ(leer(caja("txtErrores"), QAccessible::Value), u"1"_s);
    EXPECT_EQ(descripcion("lblPuntuacion"), u"0,00"_s);
    pulsar(u'b');
    EXPECT_TRUE(descripcion("lblError").isEmpty()) << "the error mark is withdrawn";
    ventana->cmdDetener_Click();
    EXPECT_EQ(leer(etiqueta("lblNota"), QAccessible::Name), u"Nota"_s);
    EXPECT_EQ(descripcion("lblNota"), u"0,00"_s);
    iniciar();
    EXPECT_TRUE(descripcion("lblNota").isEmpty()) << "a new run clears the grade for the reader too";
}

TEST_F(AccesibilidadTest, ToolsWriteOnlyIntoBoxesTheKeyboardCanEdit) {
    const std::function<void(QAccessibleInterface*)> escrituras[] = {
        [](QAccessibleInterface* i) { i->editableTextInterface()->insertText(0, u"99"_s); },
        [](QAccessibleInterface* i) { i->editableTextInterface()->replaceText(0, 1, u"99"_s); },
        [](QAccessibleInterface* i) { i->editableTextInterface()->deleteText(0, 1); },
        [](QAccessibleInterface* i) { i->setText(QAccessible::Value, u"99"_s); },
    };
    iniciarCon(u"abc"_s);
    pulsar(u'a');
    for (const char* nombre : {"textoact", "texto", "maskTiempo", "MaskPuntMax", "txtAciertos"}) {
        const QString antes = leer(control(nombre), QAccessible::Value);
        for (const auto& escribirCon : escrituras) {
            escribirCon(interfaz(nombre));
        }
        EXPECT_EQ(leer(control(nombre), QAccessible::Value), antes) << nombre;
    }
    EXPECT_EQ(interfaz("textoact")->textInterface()->text(0, 1), u"a"_s) << "the typing is read";
    EXPECT_EQ(ventana->sesion().aciertos, 1);
    ventana->cmdDetener_Click();
    escrituras[0](interfaz("texto"));
    escrituras[3](interfaz("maskTiempo"));
    EXPECT_EQ(texto()->toPlainText(), u"99abc"_s);
    EXPECT_EQ(caja("maskTiempo")->text(), u"99"_s);
}

} // namespace
} // namespace tecladas
