#include "ventana_prueba.h"

#include "ui/historial/frm_historial.h"
#include "ui/textos.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QTemporaryDir>

#include <algorithm>
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

TEST_F(AccesibilidadTest, EveryControlOfBothWindowsIsNamedAndTiedToItsCaption) {
    const QTemporaryDir datos;
    ASSERT_TRUE(abrir(datos.filePath(u"historial.sqlite"_s)));
    QTest::mouseClick(boton("cmdHistorial"), Qt::LeftButton);
    auto* historial = ventana->findChild<frm_historial*>(u"frm_historial"_s);
    ASSERT_NE(historial, nullptr);
    int rotulados = 0;
    for (const QWidget* uno : {static_cast<QWidget*>(ventana.get()), static_cast<QWidget*>(historial)}) {
        for (QWidget* hijo : uno->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(!hijo->isVisible() || !leer(hijo, QAccessible::Name).isEmpty())
                << hijo->objectName().toStdString();
        }
        for (QLabel* rotulo : uno->findChildren<QLabel*>()) {
            if (rotulo->buddy() != nullptr) { // the reader says the caption with the control
                ++rotulados;
                const auto etiquetas = QAccessible::queryAccessibleInterface(rotulo->buddy())->relations();
                // Qt's tables tell no caption relation: their name, checked below, says the caption.
                EXPECT_TRUE(qobject_cast<QAbstractItemView*>(rotulo->buddy()) != nullptr ||
                            std::any_of(etiquetas.begin(), etiquetas.end(),
                                        [&](const auto& relacion) {
                                            return relacion.first->object() == rotulo &&
                                                   relacion.second == QAccessible::Label;
                                        }))
                    << rotulo->text().toStdString();
                QString rotuloLeido = leer(rotulo, QAccessible::Name);
                rotuloLeido.chop(rotuloLeido.endsWith(u':') ? 1 : 0);
                if (qobject_cast<QComboBox*>(rotulo->buddy()) == nullptr) { // a list reads as its choice
                    EXPECT_EQ(leer(rotulo->buddy(), QAccessible::Name), rotuloLeido);
                }
            }
        }
    }
    EXPECT_GE(rotulados, 9) << "the settings, the figures, the reference and the history's text";
    EXPECT_EQ(descripcion("MaskPuntApr"), u"Intervalos de tecladas exactas para el cálculo de la nota"_s);
    // The thresholds go by the same names in the history's chart and exports.
    EXPECT_EQ(QStringList({leer(caja("MaskPuntMin"), QAccessible::Name),
                           leer(caja("MaskPuntApr"), QAccessible::Name),
                           leer(caja("MaskPuntMax"), QAccessible::Name)}),
              QStringList({textos::umbralMinimo(), textos::umbralAprobado(), textos::umbralMaximo()}));
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
