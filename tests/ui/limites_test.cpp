#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QApplication>

#include <optional>

namespace tecladas {
namespace {

/// The edges of a run: counters at their 16-bit limit, odd settings, endings that meet.
class LimitesTest : public prueba::VentanaPrueba {
protected:
    void expectFinDeEjecucion() const {
        EXPECT_FALSE(reloj()->isActive());
        EXPECT_FALSE(textoact()->isEnabled());
        EXPECT_TRUE(boton("cmdIniciar")->isEnabled());
        EXPECT_FALSE(boton("cmdDetener")->isEnabled());
        EXPECT_FALSE(texto()->isReadOnly());
        EXPECT_FALSE(etiqueta("lblNota")->text().isEmpty());
    }
    void expectNuevoInicioLimpio() {
        registro->mensajes.clear();
        iniciar();
        EXPECT_TRUE(registro->mensajes.isEmpty());
        EXPECT_TRUE(reloj()->isActive());
        EXPECT_EQ(ventana->sesion().aciertos, 0);
        EXPECT_EQ(ventana->sesion().errores, 0);
        EXPECT_EQ(ventana->sesion().paginasPasadas, 0);
        EXPECT_TRUE(textoact()->toPlainText().isEmpty());
        pulsar(QLatin1Char('a'));
        EXPECT_EQ(ventana->sesion().aciertos, 1);
    }
};

TEST_F(LimitesTest, HitsAtTheirLimitEndTheRunWithItsResults) {
    iniciarCon(QStringLiteral("abCd"));
    escribir(QStringLiteral("a"));
    sesionModificable().aciertos = 32765;
    escribir(QStringLiteral("b"));
    EXPECT_TRUE(registro->mensajes.isEmpty()) << "32766 still counts";
    escribir(QStringLiteral("C"));
    EXPECT_EQ(registro->mensajes, QStringList{textos::limiteContadores()});
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("ab")) << "a key that cannot be counted is not typed";
    EXPECT_EQ(caja("txtAciertos")->text(), QStringLiteral("32766"));
    EXPECT_EQ(registro->pitidos, 0);
    expectFinDeEjecucion();
    expectNuevoInicioLimpio();
}

TEST_F(LimitesTest, ErrorsAtTheirLimitEndTheRunWithItsResults) {
    iniciarCon(QStringLiteral("abc"));
    escribir(QStringLiteral("a"));
    sesionModificable().errores = 32767;
    escribir(QStringLiteral("x"));
    EXPECT_EQ(registro->mensajes, QStringList{textos::limiteContadores()});
    EXPECT_EQ(caja("txtErrores")->text(), QStringLiteral("32767"));
    expectFinDeEjecucion();
    expectNuevoInicioLimpio();
}

TEST_F(LimitesTest, PageTurnsAndSecondsAtTheirLimitEndTheRun) {
    iniciarCon(QStringLiteral("abc"));
    sesionModificable().paginasPasadas = 32767; // the next measured line is a page boundary
    sesionModificable().paginaPendiente = true;
    escribir(QStringLiteral("a"));
    EXPECT_EQ(registro->mensajes, QStringList{textos::limiteContadores()});
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("a"));
    expectFinDeEjecucion();

    expectNuevoInicioLimpio();
    sesionModificable().segundos = 32767;
    ticks(1);
    EXPECT_EQ(registro->mensajes, QStringList{textos::limiteContadores()});
    expectFinDeEjecucion();
}

struct Ajuste {
    const char16_t* mostrado;
    std::optional<int> valor;
};

TEST_F(LimitesTest, StartWithEveryKindOfSettingNeverRunsOnANonNumber) {
    const Ajuste tiempos[] = {{u"  ", 0}, {u" 5", 5}, {u"5 ", 5}, {u"12", 12}, {u"00", 0}};
    const Ajuste umbrales[] = {{u"   ", std::nullopt}, {u"7  ", 7}, {u" 40", 40}, {u"300", 300}};
    QLineEdit* const cajas[] = {caja("maskTiempo"), caja("MaskPuntMin"), caja("MaskPuntApr"),
                                caja("MaskPuntMax")};
    for (const Ajuste& t : tiempos) {
        for (const Ajuste& mi : umbrales) {
            for (const Ajuste& ap : umbrales) {
                for (const Ajuste& ma : umbrales) {
                    const Ajuste* ajustes[] = {&t, &mi, &ap, &ma};
                    QString nombre;
                    for (int i = 0; i < 4; ++i) {
                        cajas[i]->setText(QString::fromUtf16(ajustes[i]->mostrado));
                        nombre += QLatin1Char('[') + cajas[i]->displayText() + QLatin1Char(']');
                    }
                    SCOPED_TRACE(nombre.toStdString());
                    // The refusals in their order; the focus goes to the box at fault.
                    QString mensaje;
                    QLineEdit* foco = nullptr;
                    if (t.valor == 0) {
                        mensaje = textos::sinTiempo(), foco = cajas[0];
                    } else if (!mi.valor) {
                        mensaje = textos::sinPuntMin(), foco = cajas[1];
                    } else if (!ap.valor) {
                        mensaje = textos::sinPuntApr(), foco = cajas[2];
                    } else if (!ma.valor) {
                        mensaje = textos::sinPuntMax(), foco = cajas[3];
                    } else if (*mi.valor >= *ap.valor) {
                        mensaje = textos::minNoInferiorApr(), foco = cajas[1];
                    } else if (*ap.valor >= *ma.valor) {
                        mensaje = textos::aprNoInferiorMax(), foco = cajas[2];
                    }
                    registro->mensajes.clear();
                    iniciar();
                    if (foco != nullptr) {
                        EXPECT_EQ(registro->mensajes, QStringList{mensaje});
                        EXPECT_EQ(QApplication::focusWidget(), foco);
                        EXPECT_FALSE(reloj()->isActive());
                        EXPECT_TRUE(cajas[0]->isEnabled());
                        continue;
                    }
                    ASSERT_TRUE(registro->mensajes.isEmpty());
                    ASSERT_TRUE(reloj()->isActive());
                    EXPECT_EQ(ventana->sesion().tiempoMax, *t.valor);
                    EXPECT_EQ(ventana->sesion().puntMin, *mi.valor);
                    EXPECT_EQ(ventana->sesion().puntApr, *ap.valor);
                    EXPECT_EQ(ventana->sesion().puntMax, *ma.valor);
                    ventana->cmdDetener_Click();
                }
            }
        }
    }
}

TEST_F(LimitesTest, EndOfTextTimeUpAndStopInTheSameSecondEndOnce) {
    iniciarCon(QStringLiteral("ab"));
    escribir(QStringLiteral("a"));
    ticks(59);
    // While the end's message is open, the clock's tick and a click on Stop are already queued.
    registro->alMostrar = [this](const QString&) {
        registro->alMostrar = nullptr;
        ventana->Timer1_Timer();
        ventana->cmdDetener_Click();
        ventana->textoact_KeyPress(U'x');
    };
    escribir(QStringLiteral("b"));
    ticks(1);
    ventana->cmdDetener_Click();
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
    EXPECT_EQ(ventana->sesion().segundos, 59);
    EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), QStringLiteral("59"));
    EXPECT_EQ(ventana->sesion().errores, 0);
    EXPECT_EQ(registro->pitidos, 0);
    expectFinDeEjecucion();
    expectNuevoInicioLimpio();
}

TEST_F(LimitesTest, KeysAndStopAfterTimeUpAreIgnored) {
    iniciarCon(QStringLiteral("abc"));
    escribir(QStringLiteral("a"));
    ticks(60);
    ventana->textoact_KeyPress(U'b');
    ventana->cmdDetener_Click();
    ticks(1);
    EXPECT_EQ(registro->mensajes, QStringList{textos::finTiempo()});
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("a"));
    EXPECT_EQ(ventana->sesion().aciertos, 1);
    EXPECT_EQ(ventana->sesion().segundos, 60);
    expectFinDeEjecucion();
    expectNuevoInicioLimpio();
}

TEST_F(LimitesTest, ClosingTheWindowDuringARunStopsItQuietly) {
    iniciarCon(QStringLiteral("abc"));
    escribir(QStringLiteral("a"));
    QTest::mouseClick(textoact()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(ventana->close());
    ticks(60);
    QCoreApplication::processEvents();
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_TRUE(registro->mensajes.isEmpty()) << "no message behind a closed window";
    ventana.reset();
    QCoreApplication::processEvents();
}

} // namespace
} // namespace tecladas
