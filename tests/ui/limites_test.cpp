#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QApplication>

#include <algorithm>
#include <functional>
#include <tuple>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// The edges of a run: counters at their 16-bit limit, odd settings, endings that meet.
class LimitesTest : public prueba::VentanaPrueba {
protected:
    /// The run has ended with its grade shown, and a Start right after it begins a clean run.
    void expectFinYNuevoInicio() {
        expectEnCurso(false);
        EXPECT_FALSE(etiqueta("lblNota")->text().isEmpty());
        registro->mensajes.clear();
        iniciar();
        EXPECT_TRUE(registro->mensajes.isEmpty());
        expectEnCurso(true);
        EXPECT_TRUE(textoact()->toPlainText().isEmpty());
        pulsar(texto()->toPlainText().front());
        const SesionExamen& s = ventana->sesion();
        EXPECT_EQ(std::tuple(s.aciertos, s.errores, s.paginasPasadas, s.segundos), std::tuple(1, 0, 0, 0));
        ventana->cmdDetener_Click();
    }
};

TEST_F(LimitesTest, ACounterAtItsLimitEndsTheRunWithItsResults) {
    // "C" weighs 2: 32764 + 1 + 1 hits still count, 32768 cannot.
    const struct {
        const char* nombre;
        std::function<void(SesionExamen&)> poner;
        QString teclas;
        int segundos;
        QString escrito, aciertos;
    } casos[] = {
        {"hits", [](SesionExamen& s) { s.aciertos = 32764; }, u"abC"_s, 0, u"ab"_s, u"32766"_s},
        {"pages", [](SesionExamen& s) { s.paginasPasadas = 32767, s.paginaPendiente = true; }, u"a"_s, 0,
         u"a"_s, u"1"_s},
        {"seconds", [](SesionExamen& s) { s.segundos = 32767; }, u""_s, 1, u""_s, u"0"_s},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        registro->mensajes.clear();
        iniciarCon(u"abCd"_s);
        c.poner(sesionModificable());
        escribir(c.teclas);
        ticks(c.segundos);
        EXPECT_EQ(registro->mensajes, QStringList{textos::limiteContadores()});
        EXPECT_EQ(textoact()->toPlainText(), c.escrito) << "a key that cannot be counted is not typed";
        EXPECT_EQ(caja("txtAciertos")->text(), c.aciertos);
        EXPECT_EQ(registro->pitidos, 0);
        expectFinYNuevoInicio();
    }
}

TEST_F(LimitesTest, StartWithEveryKindOfSettingNeverRunsOnANonNumber) {
    // What each box is given and the number it holds (-1: not a number).
    const std::pair<QString, int> tiempos[] = {
        {u"  "_s, 0}, {u" 5"_s, 5}, {u"5 "_s, 5}, {u"12"_s, 12}, {u"00"_s, 0}};
    const std::pair<QString, int> umbrales[] = {
        {u"   "_s, -1}, {u"7  "_s, 7}, {u" 40"_s, 40}, {u"300"_s, 300}};
    const QString mensajes[] = {textos::sinTiempo(),  textos::sinPuntMin(),       textos::sinPuntApr(),
                                textos::sinPuntMax(), textos::minNoInferiorApr(), textos::aprNoInferiorMax()};
    QLineEdit* const cajas[] = {caja("maskTiempo"), caja("MaskPuntMin"), caja("MaskPuntApr"),
                                caja("MaskPuntMax")};
    for (const auto& [tiempo, t] : tiempos) {
        for (const auto& [minimo, mi] : umbrales) {
            for (const auto& [aprobado, ap] : umbrales) {
                for (const auto& [maximo, ma] : umbrales) {
                    ponerAjustes(tiempo, minimo, aprobado, maximo);
                    SCOPED_TRACE(QStringList({tiempo, minimo, aprobado, maximo}).join(u'|').toStdString());
                    // The refusals in their order, each with the box that gets the focus.
                    const std::pair<bool, int> fallos[] = {{t == 0, 0}, {mi < 0, 1},   {ap < 0, 2},
                                                           {ma < 0, 3}, {mi >= ap, 1}, {ap >= ma, 2}};
                    const auto fallo = std::find_if(std::begin(fallos), std::end(fallos),
                                                    [](const auto& f) { return f.first; });
                    registro->mensajes.clear();
                    iniciar();
                    if (fallo != std::end(fallos)) {
                        EXPECT_EQ(registro->mensajes, QStringList{mensajes[fallo - std::begin(fallos)]});
                        EXPECT_EQ(QApplication::focusWidget(), cajas[fallo->second]);
                        EXPECT_FALSE(reloj()->isActive());
                        continue;
                    }
                    EXPECT_TRUE(registro->mensajes.isEmpty());
                    const SesionExamen& s = ventana->sesion();
                    EXPECT_EQ(std::tuple(s.tiempoMax, s.puntMin, s.puntApr, s.puntMax),
                              std::tuple(t, mi, ap, ma));
                    ventana->cmdDetener_Click();
                }
            }
        }
    }
}

TEST_F(LimitesTest, EndOfTextTimeUpAndStopInTheSameSecondEndOnce) {
    iniciarCon(u"ab"_s);
    escribir(u"a"_s);
    ticks(59);
    // While the end's message is open, the clock's tick, a click on Stop and a key are queued.
    registro->alMostrar = [this](const QString&) {
        registro->alMostrar = nullptr;
        ventana->Timer1_Timer();
        ventana->cmdDetener_Click();
        ventana->textoact_KeyPress(U'x');
    };
    escribir(u"b"_s);
    ticks(1);
    ventana->cmdDetener_Click();
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
    EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), u"59"_s);
    EXPECT_EQ(ventana->sesion().errores, 0);
    EXPECT_EQ(registro->pitidos, 0);
    expectFinYNuevoInicio();
}

TEST_F(LimitesTest, ClosingTheWindowDuringARunStopsItQuietly) {
    iniciarCon(u"abc"_s);
    escribir(u"a"_s);
    QTest::mouseClick(textoact()->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); // posts a key
    ASSERT_TRUE(ventana->close());
    ticks(60);
    QCoreApplication::processEvents();
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_TRUE(registro->mensajes.isEmpty()) << "no message behind a closed window";
}

} // namespace
} // namespace tecladas
