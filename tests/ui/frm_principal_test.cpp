#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QApplication>
#include <QScrollBar>

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
    /// Hits, errors, minutes, seconds, hits a minute, net keys a minute, grade.
    QStringList cifras() const {
        QStringList valores;
        for (const char* nombre :
             {"txtAciertos", "txtErrores", "txtTiempoTotalmin", "txtTiempoTotalSeg", "txtTecladasmin"}) {
            valores << caja(nombre)->text();
        }
        return valores << etiqueta("lblPuntuacion")->text() << etiqueta("lblNota")->text();
    }
    /// The grade as it was while the message that ends the run was open.
    const QString& notaAlAvisar() {
        registro->alMostrar = [this](const QString&) {
            notaLeida = etiqueta("lblNota")->text();
        };
        return notaLeida;
    }
    QString notaLeida;
};

TEST_F(FrmPrincipalTest, StartsIdleWithTheDefaultsTheWelcomeTextAndTheLayout) {
    expectEnCurso(false);
    EXPECT_EQ(ventana->windowTitle(), textos::tituloVentana());
    EXPECT_EQ(ventana->size(), QSize(727, 551));
    EXPECT_TRUE(control<QCheckBox>("chkRepetirTexto")->isChecked());
    QStringList ajustes;
    for (const char* nombre : {"maskTiempo", "MaskPuntMin", "MaskPuntApr", "MaskPuntMax"}) {
        ajustes << caja(nombre)->displayText();
    }
    EXPECT_EQ(ajustes, QStringList({u" 1"_s, u"100"_s, u"280"_s, u"480"_s}));
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());
    EXPECT_EQ(texto()->document()->blockCount(), 4) << "three line breaks";

    EXPECT_EQ(texto()->geometry(), QRect(4, 128, 713, 233));
    EXPECT_EQ(textoact()->geometry(), QRect(4, 396, 713, 109));
    EXPECT_EQ(boton("cmdIniciar")->geometry(), QRect(604, 64, 55, 39));
    for (QPlainTextEdit* caja : {texto(), textoact()}) {
        EXPECT_EQ(QFontInfo(caja->font()).family(), u"Liberation Mono"_s);
    }
    for (const char* resultado : {"lblError", "lblPuntuacion", "lblNota"}) {
        EXPECT_EQ(etiqueta(resultado)->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << resultado;
    }
    EXPECT_EQ(textoact()->viewport()->cursor().shape(), Qt::ForbiddenCursor);

    caja("maskTiempo")->clear();
    QTest::keyClicks(caja("maskTiempo"), u"a7x5b9"_s);
    EXPECT_EQ(caja("maskTiempo")->displayText(), u"75"_s) << "a masked box takes only digits";
}

struct CasoRechazo {
    const char* nombre;
    QString referencia;
    QStringList ajustes;
    QString mensaje;
    const char* foco;
    friend void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }
};

class RechazoInicioTest : public prueba::VentanaPrueba, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(RechazoInicioTest, StartRefusesWithItsMessageAndFocus) {
    const CasoRechazo& c = GetParam();
    texto()->setPlainText(c.referencia);
    ponerAjustes(c.ajustes[0], c.ajustes[1], c.ajustes[2], c.ajustes[3]);
    iniciar();
    EXPECT_EQ(registro->mensajes, QStringList{c.mensaje});
    EXPECT_EQ(QApplication::focusWidget(), control(c.foco));
    expectEnCurso(false);
}

// The text is checked first, then the time, thresholds that are not numbers, their order.
INSTANTIATE_TEST_SUITE_P(
    Tabla, RechazoInicioTest,
    ::testing::Values(
        CasoRechazo{"empty_text", u""_s, {u"  "_s, u"5"_s, u"5"_s, u""_s}, textos::sinTexto(), "cmdIniciar"},
        CasoRechazo{"no_time", u"a"_s, {u"  "_s, u"100"_s, u""_s, u""_s}, textos::sinTiempo(), "maskTiempo"},
        CasoRechazo{"zero_time", u"a"_s, {u"00"_s, u""_s, u"1"_s, u"2"_s}, textos::sinTiempo(), "maskTiempo"},
        CasoRechazo{
            "blank_min", u"a"_s, {u"1"_s, u"   "_s, u"1"_s, u"1"_s}, textos::sinPuntMin(), "MaskPuntMin"},
        CasoRechazo{
            "split_pass", u"a"_s, {u"1"_s, u"1"_s, u"2 8"_s, u""_s}, textos::sinPuntApr(), "MaskPuntApr"},
        CasoRechazo{
            "blank_max", u"a"_s, {u"1"_s, u"9"_s, u"2"_s, u""_s}, textos::sinPuntMax(), "MaskPuntMax"},
        CasoRechazo{"min_is_pass",
                    u"a"_s,
                    {u"1"_s, u"100"_s, u"100"_s, u"480"_s},
                    textos::minNoInferiorApr(),
                    "MaskPuntMin"},
        CasoRechazo{"pass_is_max",
                    u"a"_s,
                    {u"1"_s, u"100"_s, u"480"_s, u"480"_s},
                    textos::aprNoInferiorMax(),
                    "MaskPuntApr"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(FrmPrincipalTest, StartLocksTheWindowAndBeginsEveryRunFromZero) {
    iniciarCon(u"abc"_s);
    escribir(u"axb"_s);
    ticks(3);
    ventana->cmdDetener_Click();
    registro->mensajes.clear();

    texto()->setPlainText(bienvenidaMostrada() + u"\n"_s.repeated(40));
    texto()->verticalScrollBar()->setValue(texto()->verticalScrollBar()->maximum());
    ponerAjustes(u"1 "_s, u"479"_s, u"480"_s, u"481"_s);
    iniciar();
    EXPECT_TRUE(registro->mensajes.isEmpty());
    expectEnCurso(true);
    EXPECT_TRUE(textoact()->hasFocus());
    EXPECT_EQ(texto()->verticalScrollBar()->value(), 0) << "the reference shows its first line";
    EXPECT_EQ(texto()->textCursor().position(), 0);
    EXPECT_TRUE(textoact()->toPlainText().isEmpty());
    EXPECT_EQ(cifras(), QStringList(7));
    const SesionExamen& s = ventana->sesion();
    EXPECT_EQ(std::tuple(s.aciertos, s.errores, s.segundos, s.tiempoMax, s.puntMin, s.puntApr, s.puntMax),
              std::tuple(0, 0, 0, 1, 479, 480, 481));
}

TEST_F(FrmPrincipalTest, ATextTypedToItsEndWithoutRepeatEndsTheRunWithItsGrade) {
    // Accented letters and capitals count double; a line break of any kind is typed as Enter.
    const struct {
        QString referencia, teclas, aciertos, nota;
    } casos[] = {{bienvenidaMostrada(), bienvenidaMostrada(), u"1005"_s, u"10,00"_s},
                 {u"Ñandú"_s, u"Ñandú"_s, u"7"_s, u"0,00"_s},
                 {u"uno\ndos\rtres"_s, u"uno\ndos\ntres"_s, u"12"_s, u"0,00"_s}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.referencia.left(10).toStdString());
        registro->mensajes.clear();
        iniciarCon(c.referencia);
        const QString referencia = texto()->toPlainText();
        ticks(30);
        const QString& nota = notaAlAvisar();
        escribir(c.teclas);
        EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
        EXPECT_EQ(nota, c.nota) << "the grade is on screen before the message";
        EXPECT_EQ(caja("txtAciertos")->text(), c.aciertos);
        EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), u"30"_s);
        EXPECT_EQ(textoact()->toPlainText(), c.teclas);
        EXPECT_EQ(texto()->toPlainText(), referencia);
        EXPECT_EQ(registro->pitidos, 0);
        expectEnCurso(false);
    }
}

TEST_F(FrmPrincipalTest, RepeatModeAsksForEnterCountsAWrongKeyAndGoesOn) {
    iniciarCon(u"Hola mundo"_s, true);
    escribir(u"Hola mundo"_s);
    EXPECT_EQ(etiqueta("lblError")->text(), textos::avisoRepetir());
    pulsar(u'x');
    EXPECT_EQ(ventana->sesion().errores, 1);
    escribir(u"\nHola"_s);
    EXPECT_EQ(textoact()->toPlainText(), u"Hola mundo\nHola"_s);
    EXPECT_EQ(ventana->sesion().aciertos, 11 + 1 + 5);
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    EXPECT_TRUE(registro->mensajes.isEmpty());
    EXPECT_TRUE(reloj()->isActive());
}

TEST_F(FrmPrincipalTest, WrongKeysBeepAndTurnTheTextRedWhileFilteredKeysDoNothing) {
    iniciarCon(u"abc"_s);
    pulsar(u'a');
    const std::pair<Qt::Key, Qt::KeyboardModifiers> filtradas[] = {{Qt::Key_Home, {}},
                                                                   {Qt::Key_Left, {}},
                                                                   {Qt::Key_B, Qt::AltModifier},
                                                                   {Qt::Key_V, Qt::ControlModifier}};
    for (const auto& [clave, modificadores] : filtradas) {
        QTest::keyClick(textoact(), clave, modificadores);
    }
    EXPECT_EQ(registro->pitidos, 0);
    EXPECT_EQ(textoact()->toPlainText(), u"a"_s);

    pulsar(u'x');
    EXPECT_EQ(registro->pitidos, 1);
    EXPECT_EQ(etiqueta("lblError")->text(), textos::error());
    EXPECT_EQ(colorEstado(), QColor(231, 3, 0)) << "colour 999";
    EXPECT_EQ(colorTexto(), QColor(231, 3, 0));
    QTest::keyClick(textoact(), Qt::Key_Backspace);
    EXPECT_EQ(registro->pitidos, 2);
    EXPECT_EQ(ventana->sesion().errores, 1) << "one error a run of wrong keys";

    pulsar(u'b');
    EXPECT_EQ(colorTexto(), QColor(Qt::black));
    EXPECT_EQ(colorEstado(), QColor(Qt::black));
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    EXPECT_EQ(textoact()->toPlainText(), u"ab"_s);
}

TEST_F(FrmPrincipalTest, TicksRefreshTheFiguresAndTheLastOneEndsTheRun) {
    iniciarCon(u"Texto de prueba"_s);
    escribir(u"Texto"_s);
    EXPECT_EQ(cifras(), QStringList(7)) << "keys do not refresh the figures";
    // More errors than hits cannot be typed: set the counters, for a negative rate.
    sesionModificable().aciertos = 10;
    sesionModificable().errores = 40;
    ticks(59);
    EXPECT_EQ(cifras(), QStringList({u"10"_s, u"40"_s, u"0"_s, u"59"_s, u"10,17"_s, u"-30,51"_s, u""_s}));
    EXPECT_TRUE(reloj()->isActive());

    const QString& nota = notaAlAvisar();
    ticks(1);
    EXPECT_EQ(registro->mensajes, QStringList{textos::finTiempo()});
    EXPECT_EQ(nota, u"0,00"_s);
    EXPECT_EQ(cifras(), QStringList({u"10"_s, u"40"_s, u"1"_s, u"0"_s, u"10,00"_s, u"-30,00"_s, u"0,00"_s}));
    expectEnCurso(false);
}

TEST_F(FrmPrincipalTest, StopShowsTheGradeThenTheMessageAndReturnsToIdle) {
    const std::pair<int, QStringList> casos[] = {
        {0, {u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0,00"_s, u"0,00"_s, u"0,00"_s}}, // before the first second
        {2, {u"3"_s, u"0"_s, u"0"_s, u"2"_s, u"90,00"_s, u"90,00"_s, u"0,00"_s}}};
    for (const auto& [segundos, esperadas] : casos) {
        registro->mensajes.clear();
        iniciarCon(u"abcdef"_s);
        escribir(u"abc"_s);
        ticks(segundos);
        const QString& nota = notaAlAvisar();
        QTest::mouseClick(boton("cmdDetener"), Qt::LeftButton);
        EXPECT_EQ(registro->mensajes, QStringList{textos::detenido()});
        EXPECT_EQ(nota, u"0,00"_s);
        EXPECT_EQ(cifras(), esperadas);
        EXPECT_EQ(textoact()->toPlainText(), u"abc"_s);
        expectEnCurso(false);
    }
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

TEST_F(FrmPrincipalTest, ClickingTheLockedReferenceGivesTheFocusBack) {
    iniciarCon(u"abc def"_s);
    QTest::mouseClick(texto()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(textoact()->hasFocus());
    escribir(u"abc"_s);
    QTest::mouseClick(textoact()->viewport(), Qt::LeftButton, {}, QPoint(3, 5));
    QCoreApplication::processEvents();
    pulsar(u' ');
    EXPECT_EQ(textoact()->toPlainText(), u"abc "_s) << "typed at the end whatever the caret";
    EXPECT_EQ(textoact()->textCursor().position(), 4);
}

} // namespace
} // namespace tecladas
