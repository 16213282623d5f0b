#include "ventana_prueba.h"

#include "engine/evaluacion.h"
#include "grading/resumen_prueba.h"
#include "ui/escritorio/conversion.h"
#include "ui/textos.h"

#include <QApplication>
#include <QScrollBar>

#include <functional>
#include <map>
#include <tuple>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// The welcome text as the boxes show it, a line break as "\n".
QString bienvenidaMostrada() {
    return textos::bienvenida().replace(u"\r\n"_s, u"\n"_s);
}

class FrmPrincipalTest : public prueba::VentanaPrueba {
protected:
    /// Hits, errors, minutes, seconds, hits a minute, net keys a minute and grade, as shown.
    QString cifras() const {
        QStringList valores;
        for (const char* nombre :
             {"txtAciertos", "txtErrores", "txtTiempoTotalmin", "txtTiempoTotalSeg", "txtTecladasmin"}) {
            valores << caja(nombre)->text();
        }
        return (valores << etiqueta("lblPuntuacion")->text() << etiqueta("lblNota")->text())
            .join(u' ')
            .trimmed();
    }
    /// The grade as it was while the message that ends the run was open.
    const QString& notaAlAvisar() {
        registro->alMostrar = [this](const QString&) {
            notaLeida = etiqueta("lblNota")->text();
        };
        return notaLeida;
    }
    /// A typist who has not seen the end types on, with Enter and Space among the keys: no text,
    /// figure or control changes, and no run starts.
    void expectTecleoSinEfecto() {
        const QString antes =
            QStringList({texto()->toPlainText(), textoact()->toPlainText(), cifras()}).join(u'|');
        const QStringList mensajes = registro->mensajes;
        QWidget* foco = ventana->focusWidget();
        ASSERT_NE(foco, nullptr);
        QTest::keyClick(foco, Qt::Key_Return);
        QTest::keyClicks(foco, u"mas 1"_s);
        EXPECT_EQ(QStringList({texto()->toPlainText(), textoact()->toPlainText(), cifras()}).join(u'|'),
                  antes);
        EXPECT_EQ(registro->mensajes, mensajes);
        expectEnCurso(false);
    }
    /// The run has ended with its grade shown, and a Start right after it begins a clean run.
    void expectFinYNuevoInicio() {
        expectTecleoSinEfecto();
        EXPECT_FALSE(etiqueta("lblNota")->text().isEmpty());
        registro->mensajes.clear();
        iniciar();
        EXPECT_TRUE(registro->mensajes.isEmpty());
        expectEnCurso(true);
        EXPECT_TRUE(textoact()->toPlainText().isEmpty());
        EXPECT_EQ(cifras(), QString());
        const QChar primera = texto()->toPlainText().front();
        pulsar(primera);
        const SesionExamen& s = ventana->sesion();
        EXPECT_EQ(std::tuple(s.aciertos, s.errores, s.paginasPasadas, s.segundos),
                  std::tuple(pesoTecla(primera.unicode()), 0, 0, 0));
        ventana->cmdDetener_Click();
    }
    /// The window said once that the run ended, and how, with the figures it shows, the settings
    /// it ran with and its text's name.
    void expectUnaTerminada(FinPrueba fin, const QString& nombreTexto) {
        ASSERT_EQ(terminadas.size(), 1u);
        const PruebaTerminada& t = terminadas.front();
        const ResumenPrueba& r = t.resumen;
        EXPECT_EQ(std::tuple(r.fin, t.texto, r.huella, r.puntMin, r.puntApr, r.puntMax, r.repetir),
                  std::tuple(fin, nombreTexto, huellaTexto(ventana->sesion().textoReferencia), 100, 280, 480,
                             false));
        EXPECT_EQ(QStringList({QString::number(r.aciertos), QString::number(r.errores),
                               dosDecimales(r.tecladasNetasMin), dosDecimales(r.nota)}),
                  QStringList({caja("txtAciertos")->text(), caja("txtErrores")->text(),
                               etiqueta("lblPuntuacion")->text(), etiqueta("lblNota")->text()}));
        EXPECT_LT(t.fecha.secsTo(QDateTime::currentDateTime()), 5);
    }
    QString notaLeida;
};

TEST_F(FrmPrincipalTest, StartsIdleWithTheDefaultsTheWelcomeTextAndTheLayout) {
    expectEnCurso(false);
    EXPECT_EQ(ventana->windowTitle(),
              u"Tecladas - Simulación del examen de mecanografía de Auxiliar Administrativo"_s);
    EXPECT_TRUE(control<QCheckBox>("chkRepetirTexto")->isChecked());
    QStringList ajustes;
    for (const char* nombre : {"maskTiempo", "MaskPuntMin", "MaskPuntApr", "MaskPuntMax"}) {
        ajustes << caja(nombre)->displayText();
    }
    EXPECT_EQ(ajustes.join(u'|'), u" 1|100|280|480"_s);
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());
    EXPECT_EQ(texto()->document()->blockCount(), 4) << "three line breaks";

    caja("maskTiempo")->clear();
    QTest::keyClicks(caja("maskTiempo"), u"a7x5b9"_s);
    EXPECT_EQ(caja("maskTiempo")->displayText(), u"75"_s) << "a masked box takes only digits";
}

TEST_F(FrmPrincipalTest, StartRefusesEachBadSettingWithItsMessageAndFocusOrLocksTheSettings) {
    // The text, then the time, the numbers and their order: the first fault is told.
    const std::tuple<QString, QStringList, QString, const char*> casos[] = {
        {{}, {u"  "_s, u"   "_s, u"   "_s, u"   "_s}, textos::sinTexto(), "cmdIniciar"},
        {u"a"_s, {u"00"_s, u"   "_s, u"   "_s, u"   "_s}, textos::sinTiempo(), "maskTiempo"},
        {u"a"_s, {u" 5"_s, u"2 8"_s, u"   "_s, u"   "_s}, textos::sinPuntMin(), "MaskPuntMin"},
        {u"a"_s, {u"5 "_s, u"300"_s, u"   "_s, u"40 "_s}, textos::sinPuntApr(), "MaskPuntApr"},
        {u"a"_s, {u"12"_s, u"300"_s, u" 40"_s, u"2 8"_s}, textos::sinPuntMax(), "MaskPuntMax"},
        {u"a"_s, {u"12"_s, u" 40"_s, u" 40"_s, u"7  "_s}, textos::minNoInferiorApr(), "MaskPuntMin"},
        {u"a"_s, {u"12"_s, u"7  "_s, u" 40"_s, u" 40"_s}, textos::aprNoInferiorMax(), "MaskPuntApr"},
        {u"a\n"_s.repeated(60), {u"1 "_s, u"479"_s, u"480"_s, u"481"_s}, {}, "textoact"}};
    for (const auto& [referencia, ajustes, mensaje, foco] : casos) {
        SCOPED_TRACE(ajustes.join(u'|').toStdString());
        texto()->setPlainText(referencia);
        texto()->verticalScrollBar()->setValue(texto()->verticalScrollBar()->maximum());
        ponerAjustes(ajustes[0], ajustes[1], ajustes[2], ajustes[3]);
        registro->mensajes.clear();
        iniciar();
        EXPECT_EQ(registro->mensajes, mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        EXPECT_EQ(QApplication::focusWidget(), control(foco));
        EXPECT_EQ(reloj()->isActive(), mensaje.isEmpty());
    }
    // The run locks the settings, and the reference shows its first line.
    expectEnCurso(true);
    EXPECT_EQ(std::tuple(texto()->verticalScrollBar()->value(), texto()->textCursor().position()),
              std::tuple(0, 0));
    const SesionExamen& s = ventana->sesion();
    EXPECT_EQ(std::tuple(s.tiempoMax, s.puntMin, s.puntApr, s.puntMax), std::tuple(1, 479, 480, 481));
}

TEST_F(FrmPrincipalTest, EveryEndingShowsTheFiguresAndGradeThenItsMessageAndStartBeginsAfresh) {
    // Accented letters and capitals count double; a line break of any kind is typed as Enter.
    // "C" weighs 2: 32764 + 1 + 1 hits still count, 32768 cannot, and is not typed.
    const QString alto = textos::detenido(), fin = textos::textoCompletado(),
                  limite = textos::limiteContadores();
    const auto nada = [](SesionExamen&) {
    };
    const struct {
        const char* nombre;
        QString referencia, teclas,
            escrito; ///< the keys: the whole text when null; shown: the keys when null
        std::function<void(SesionExamen&)> poner; ///< counters where hours of typing would bring them
        int segundos;
        QString mensaje, cifras;
    } casos[] = {
        // clang-format off
        {"stop_in_the_first_second", u"abcdef"_s, u"abc"_s, {}, nada, 0, alto, u"3 0 0 0 0,00 0,00 0,00"_s},
        {"stop", u"abcdef"_s, u"abc"_s, {}, nada, 2, alto, u"3 0 0 2 90,00 90,00 0,00"_s},
        {"welcome_text", bienvenidaMostrada(), {}, {}, nada, 30, fin, u"1005 0 0 30 2010,00 2010,00 10,00"_s},
        {"accents", u"Ñandú"_s, {}, {}, nada, 30, fin, u"7 0 0 30 14,00 14,00 0,00"_s},
        {"combining_accents", u"Camio\u0301n"_s, u"Camión"_s, {}, nada, 30, fin, u"8 0 0 30 16,00 16,00 0,00"_s},
        {"line_breaks", u"uno\ndos\rtres"_s, u"uno\ndos\ntres"_s, {}, nada, 30, fin, u"12 0 0 30 24,00 24,00 0,00"_s},
        {"time_up", u"abc"_s, u""_s, {}, [](SesionExamen& s) { s.aciertos = 10, s.errores = 40; }, 60, textos::finTiempo(), u"10 40 1 0 10,00 -30,00 0,00"_s},
        {"hits_at_the_limit", u"abCd"_s, u"abC"_s, u"ab"_s, [](SesionExamen& s) { s.aciertos = 32764; }, 0, limite, u"32766 0 0 0 0,00 0,00 0,00"_s},
        // The next measured line is a page boundary.
        {"pages_at_the_limit", u"abCd"_s, u"a"_s, {}, [](SesionExamen& s) { s.paginasPasadas = 32767, s.paginaPendiente = true; }, 0, limite, u"1 0 0 0 0,00 0,00 0,00"_s},
        {"seconds_at_the_limit", u"abCd"_s, u""_s, {}, [](SesionExamen& s) { s.segundos = 32767; }, 1, limite, u"0 0 546 7 0,00 0,00 0,00"_s}};
    // clang-format on
    const std::map<QString, FinPrueba> finales = {{alto, FinPrueba::Detenida},
                                                  {fin, FinPrueba::TextoCompletado},
                                                  {textos::finTiempo(), FinPrueba::TiempoAgotado},
                                                  {limite, FinPrueba::LimiteAlcanzado}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        registro->mensajes.clear();
        terminadas.clear();
        texto()->setPlainText(c.referencia);
        const QString referencia = texto()->toPlainText();
        iniciarCon(c.referencia);
        c.poner(sesionModificable());
        ticks(c.segundos);
        const QString& nota = notaAlAvisar();
        const QString teclas = c.teclas.isNull() ? c.referencia : c.teclas;
        escribir(teclas);
        if (c.mensaje == alto) {
            QTest::mouseClick(boton("cmdDetener"), Qt::LeftButton);
        }
        EXPECT_EQ(registro->mensajes, QStringList{c.mensaje});
        EXPECT_EQ(nota, c.cifras.section(u' ', -1)) << "the grade is on screen before the message";
        EXPECT_EQ(cifras(), c.cifras);
        EXPECT_EQ(textoact()->toPlainText(), c.escrito.isNull() ? teclas : c.escrito);
        EXPECT_EQ(texto()->toPlainText(), referencia);
        EXPECT_EQ(registro->pitidos, 0);
        expectUnaTerminada(
            finales.at(c.mensaje),
            c.referencia == bienvenidaMostrada()
                ? textos::textoBienvenida()
                : textos::textoPegado(aQString(ventana->sesion().textoReferencia).simplified()));
        expectFinYNuevoInicio();
    }
}

TEST_F(FrmPrincipalTest, AWrongKeyBeepsAndTurnsRedUntilEnterRepeatsTheText) {
    iniciarCon(u"Hola"_s, true);
    escribir(u"Hola"_s);
    EXPECT_EQ(cifras(), QString()) << "only the clock shows the figures";
    EXPECT_EQ(etiqueta("lblError")->text(), textos::avisoRepetir());
    pulsar(u'x'); // at the end of the text only Enter goes on
    EXPECT_EQ(registro->pitidos, 1);
    EXPECT_EQ(ventana->sesion().errores, 1);
    EXPECT_EQ(etiqueta("lblError")->text(), textos::error());
    EXPECT_EQ(colorEstado(), QColor(231, 3, 0)) << "colour 999";
    EXPECT_EQ(colorTexto(), QColor(231, 3, 0));
    escribir(u"\nH"_s);
    EXPECT_EQ(textoact()->toPlainText(), u"Hola\nH"_s);
    EXPECT_EQ(colorTexto(), QColor(Qt::black));
    EXPECT_EQ(colorEstado(), QColor(Qt::black));
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    EXPECT_TRUE(reloj()->isActive());
}

TEST_F(FrmPrincipalTest, ALongTextTurnsItsPageOnLine16AndIsRestoredAtTheEnd) {
    QString largo;
    for (int i = 0; i < 40; ++i) {
        largo += u"Línea %1 del texto largo.\n"_s.arg(i, 2, 10, QChar(u'0'));
    }
    iniciarCon(largo);
    qsizetype tecla = 0;
    while (ventana->sesion().paginasPasadas == 0 && tecla < largo.size()) {
        pulsar(largo[tecla++]);
    }
    EXPECT_EQ(etiqueta("lblError")->text(), textos::avisoPagina());
    EXPECT_EQ(largo.left(tecla).count(u'\n'), 15);
    // Fifteen lines typed with a line break each: the page starts fifteen characters early.
    EXPECT_EQ(texto()->toPlainText(), largo.mid(largo.indexOf(u"Línea 15"_s) - 15));
    pulsar(largo[tecla]);
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    ventana->cmdDetener_Click();
    EXPECT_EQ(texto()->toPlainText(), largo);
}

TEST_F(FrmPrincipalTest, ClickingTheLockedReferenceOrPressingStopOffItGivesTheFocusBack) {
    iniciarCon(u"abc def"_s);
    QTest::mouseClick(texto()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(textoact()->hasFocus());
    QTest::mousePress(boton("cmdDetener"), Qt::LeftButton);
    QTest::mouseRelease(boton("cmdDetener"), Qt::LeftButton, {}, QPoint(-9, -9)); // released off it
    EXPECT_TRUE(textoact()->hasFocus());
    expectEnCurso(true);
}

TEST_F(FrmPrincipalTest, EndOfTextTimeUpAndStopInTheSameSecondEndOnce) {
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
    expectUnaTerminada(FinPrueba::TextoCompletado, textos::textoPegado(u"ab"_s));
    expectFinYNuevoInicio();
}

TEST_F(FrmPrincipalTest, ClosingTheWindowDuringARunStopsItQuietly) {
    iniciarCon(u"abc"_s);
    escribir(u"a"_s);
    QTest::mouseClick(textoact()->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); // posts a key
    ASSERT_TRUE(ventana->close());
    ticks(60);
    QCoreApplication::processEvents();
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_TRUE(registro->mensajes.isEmpty()) << "no message behind a closed window";
    expectUnaTerminada(FinPrueba::Detenida, textos::textoPegado(u"abc"_s));
}

} // namespace
} // namespace tecladas
