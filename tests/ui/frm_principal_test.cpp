#include "lineas_visuales.h"
#include "ventana_prueba.h"

#include "ui/caja_escritura.h"
#include "ui/textos.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

namespace tecladas {
namespace {

using prueba::VentanaPrueba;

QString bienvenidaMostrada() {
    QString t = textos::bienvenida();
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class FrmPrincipalTest : public VentanaPrueba {};

TEST_F(FrmPrincipalTest, StartsIdleWithTheDefaultsAndTheWelcomeText) {
    EXPECT_EQ(ventana->windowTitle(), textos::tituloVentana());
    EXPECT_EQ(ventana->size(), QSize(727, 551));
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_EQ(reloj()->interval(), 1000);
    EXPECT_FALSE(boton("cmdDetener")->isEnabled());
    EXPECT_FALSE(textoact()->isEnabled());
    for (const char* nombre : {"cmdIniciar", "cmdImprimir", "cmdCargar"}) {
        EXPECT_TRUE(boton(nombre)->isEnabled()) << nombre;
    }
    EXPECT_TRUE(control<QCheckBox>("chkRepetirTexto")->isChecked());
    EXPECT_EQ(caja("maskTiempo")->displayText(), QStringLiteral(" 1"));
    EXPECT_EQ(caja("MaskPuntMin")->displayText(), QStringLiteral("100"));
    EXPECT_EQ(caja("MaskPuntApr")->displayText(), QStringLiteral("280"));
    EXPECT_EQ(caja("MaskPuntMax")->displayText(), QStringLiteral("480"));
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());
    EXPECT_EQ(texto()->document()->blockCount(), 4);
    EXPECT_FALSE(texto()->isReadOnly());
    EXPECT_EQ(texto()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(ventana->sesion().lineasPagina, 16);
    EXPECT_DOUBLE_EQ(ventana->sesion().notaTopeSuspenso, 4.99);
}

TEST_F(FrmPrincipalTest, ControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(texto()->geometry(), QRect(4, 128, 713, 233));
    EXPECT_EQ(textoact()->geometry(), QRect(4, 396, 713, 109));
    EXPECT_EQ(etiqueta("lblError")->geometry(), QRect(148, 364, 437, 29));
    EXPECT_EQ(boton("cmdIniciar")->geometry(), QRect(604, 64, 55, 39));
    EXPECT_EQ(etiqueta("Image1")->geometry(), QRect(16, 512, 353, 33));
    EXPECT_EQ(boton("cmdIniciar")->text(), QStringLiteral("&Iniciar"));
    EXPECT_EQ(boton("cmdImprimir")->text(), QStringLiteral("Im&primir"));
    EXPECT_EQ(etiqueta("label1")->text(), QStringLiteral("Tiempo (Minutos):"));
    EXPECT_EQ(etiqueta("Label15")->text(),
              QStringLiteral("Intervalos de tecladas exactas para el cálculo de la nota"));
    EXPECT_FALSE(etiqueta("Image1")->pixmap().isNull());
    EXPECT_EQ(textoact()->viewport()->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(QFontInfo(texto()->font()).family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(etiqueta("lblError")->font().bold());
    EXPECT_EQ(etiqueta("lblNota")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (const char* cifra :
         {"txtAciertos", "txtErrores", "txtTecladasmin", "txtTiempoTotalmin", "txtTiempoTotalSeg"}) {
        EXPECT_FALSE(caja(cifra)->isEnabled()) << cifra;
    }
}

TEST_F(FrmPrincipalTest, MaskedBoxesTakeOnlyDigits) {
    QLineEdit* tiempo = caja("maskTiempo");
    tiempo->setFocus();
    tiempo->selectAll();
    QTest::keyClicks(tiempo, QStringLiteral("a7x59"));
    EXPECT_EQ(tiempo->displayText(), QStringLiteral("75"));
    QLineEdit* maximo = caja("MaskPuntMax");
    maximo->clear();
    QTest::keyClicks(maximo, QStringLiteral("12b34"));
    EXPECT_EQ(maximo->displayText(), QStringLiteral("123"));
}

struct CasoRechazo {
    const char* nombre;
    const char16_t *tiempo, *minimo, *aprobado, *maximo;
    QString mensaje;
    const char* foco;
    friend void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }
};

class RechazoInicioTest : public VentanaPrueba, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(RechazoInicioTest, StartRefusesWithItsMessageAndFocus) {
    const CasoRechazo& c = GetParam();
    ponerAjustes(QString::fromUtf16(c.tiempo), QString::fromUtf16(c.minimo), QString::fromUtf16(c.aprobado),
                 QString::fromUtf16(c.maximo));
    iniciar();
    EXPECT_EQ(registro->mensajes, QStringList{c.mensaje});
    EXPECT_EQ(QApplication::focusWidget(), control(c.foco));
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_TRUE(boton("cmdIniciar")->isEnabled());
    EXPECT_FALSE(texto()->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, RechazoInicioTest,
    ::testing::Values(
        CasoRechazo{"no_time", u"  ", u"100", u"280", u"480", textos::sinTiempo(), "maskTiempo"},
        CasoRechazo{"zero_time", u"00", u"100", u"100", u"480", textos::sinTiempo(), "maskTiempo"},
        CasoRechazo{"blank_min", u"1", u"   ", u"280", u"480", textos::sinPuntMin(), "MaskPuntMin"},
        CasoRechazo{"split_pass", u"1", u"100", u"2 8", u"480", textos::sinPuntApr(), "MaskPuntApr"},
        CasoRechazo{"blank_max", u"1", u"100", u"280", u"", textos::sinPuntMax(), "MaskPuntMax"},
        CasoRechazo{"min_equals_pass", u"1", u"100", u"100", u"480", textos::minNoInferiorApr(),
                    "MaskPuntMin"},
        CasoRechazo{"pass_equals_max", u"1", u"100", u"480", u"480", textos::aprNoInferiorMax(),
                    "MaskPuntApr"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(FrmPrincipalTest, StartWithAnEmptyTextIsRefusedFirst) {
    texto()->clear();
    ponerAjustes(QStringLiteral("  "), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"));
    boton("cmdCargar")->setFocus();
    iniciar();
    EXPECT_EQ(registro->mensajes, QStringList{textos::sinTexto()});
    EXPECT_FALSE(reloj()->isActive());
}

TEST_F(FrmPrincipalTest, StartSwitchesToTheRunState) {
    ponerAjustes(QStringLiteral("1 "), QStringLiteral("479"), QStringLiteral("480"), QStringLiteral("481"));
    texto()->verticalScrollBar()->setValue(texto()->verticalScrollBar()->maximum());
    iniciar();
    EXPECT_TRUE(registro->mensajes.isEmpty());
    EXPECT_TRUE(reloj()->isActive());
    EXPECT_TRUE(texto()->isReadOnly());
    EXPECT_EQ(texto()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(texto()->textCursor().position(), 0);
    EXPECT_TRUE(textoact()->isEnabled());
    EXPECT_TRUE(textoact()->hasFocus());
    EXPECT_TRUE(boton("cmdDetener")->isEnabled());
    for (const char* nombre : {"cmdIniciar", "cmdImprimir", "cmdCargar"}) {
        EXPECT_FALSE(boton(nombre)->isEnabled()) << nombre;
    }
    for (const char* nombre : {"maskTiempo", "MaskPuntMin", "MaskPuntApr", "MaskPuntMax"}) {
        EXPECT_FALSE(caja(nombre)->isEnabled()) << nombre;
    }
    EXPECT_FALSE(control<QCheckBox>("chkRepetirTexto")->isEnabled());
    EXPECT_EQ(ventana->sesion().tiempoMax, 1);
    EXPECT_EQ(ventana->sesion().puntMin, 479);
    EXPECT_EQ(ventana->sesion().textoObjetivo, textos::bienvenida().toStdU16String());
}

TEST_F(FrmPrincipalTest, TypingTheWelcomeTextWithoutRepeatEndsTheRun) {
    control<QCheckBox>("chkRepetirTexto")->setChecked(false);
    iniciar();
    ticks(30);
    QString leido;
    registro->alMostrar = [&](const QString&) {
        leido = etiqueta("lblNota")->text();
    };
    escribir(bienvenidaMostrada());
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
    EXPECT_EQ(leido, etiqueta("lblNota")->text()) << "the grade is on screen before the message";
    EXPECT_EQ(textoact()->toPlainText(), bienvenidaMostrada());
    EXPECT_EQ(registro->pitidos, 0);
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_FALSE(textoact()->isEnabled());
    EXPECT_TRUE(boton("cmdIniciar")->isEnabled());
    EXPECT_FALSE(boton("cmdDetener")->isEnabled());
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    EXPECT_EQ(ventana->sesion().errores, 0);
    EXPECT_EQ(caja("txtAciertos")->text(), QString::number(ventana->sesion().aciertos));
    EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), QStringLiteral("30"));
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());
    EXPECT_FALSE(texto()->isReadOnly());
    EXPECT_EQ(etiqueta("lblNota")->text(), QStringLiteral("10,00"));
}

TEST_F(FrmPrincipalTest, RepeatModeAsksForEnterAndStartsAgain) {
    iniciarCon(QStringLiteral("Hola mundo"), true);
    escribir(QStringLiteral("Hola mundo"));
    EXPECT_EQ(etiqueta("lblError")->text(), textos::avisoRepetir());
    EXPECT_TRUE(reloj()->isActive());
    pulsar(QLatin1Char('x'));
    EXPECT_EQ(ventana->sesion().errores, 1);
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("Hola mundo"));
    pulsar(QLatin1Char('\n'));
    escribir(QStringLiteral("Hola"));
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("Hola mundo\nHola"));
    EXPECT_EQ(ventana->sesion().aciertos, 2 + 9 + 1 + 2 + 3);
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    EXPECT_TRUE(registro->mensajes.isEmpty());
}

TEST_F(FrmPrincipalTest, WrongKeysBeepTurnTheTextRedAndCountOncePerRun) {
    iniciarCon(QStringLiteral("abc"));
    pulsar(QLatin1Char('a'));
    pulsar(QLatin1Char('x'));
    EXPECT_EQ(registro->pitidos, 1);
    EXPECT_EQ(etiqueta("lblError")->text(), textos::error());
    EXPECT_EQ(colorEstado(), frm_principal::colorError());
    EXPECT_EQ(colorTexto(), frm_principal::colorError());
    QTest::keyClick(textoact(), Qt::Key_Backspace);
    EXPECT_EQ(registro->pitidos, 2);
    EXPECT_EQ(ventana->sesion().errores, 1);
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("a"));

    pulsar(QLatin1Char('b'));
    EXPECT_EQ(colorTexto(), frm_principal::colorNormal());
    EXPECT_EQ(colorEstado(), frm_principal::colorNormal());
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("ab"));
}

TEST_F(FrmPrincipalTest, AccentedLettersCountDouble) {
    iniciarCon(QStringLiteral("Ñandú"));
    escribir(QStringLiteral("Ñandú"));
    EXPECT_EQ(ventana->sesion().aciertos, 2 + 1 + 1 + 1 + 2);
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
}

TEST_F(FrmPrincipalTest, FilteredKeysNeitherTypeNorCount) {
    iniciarCon(QStringLiteral("ab"));
    pulsar(QLatin1Char('a'));
    QTest::keyClick(textoact(), Qt::Key_Home);
    QTest::keyClick(textoact(), Qt::Key_Left);
    QTest::keyClick(textoact(), Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(textoact(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(registro->pitidos, 0);
    QTest::keyClick(textoact(), Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("ab")) << "Ctrl+Alt reaches the judge";
}

TEST_F(FrmPrincipalTest, TicksRefreshTheFiguresAndTheLastOneEndsTheRun) {
    iniciarCon(QStringLiteral("Texto de prueba"));
    escribir(QStringLiteral("Texto"));
    EXPECT_TRUE(caja("txtAciertos")->text().isEmpty()) << "keys do not refresh the figures";
    ticks(59);
    EXPECT_EQ(caja("txtAciertos")->text(), QStringLiteral("6"));
    EXPECT_EQ(caja("txtErrores")->text(), QStringLiteral("0"));
    EXPECT_EQ(caja("txtTiempoTotalmin")->text(), QStringLiteral("0"));
    EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), QStringLiteral("59"));
    EXPECT_EQ(caja("txtTecladasmin")->text(), QStringLiteral("6,10"));
    EXPECT_EQ(etiqueta("lblPuntuacion")->text(), QStringLiteral("6,10"));
    EXPECT_TRUE(etiqueta("lblNota")->text().isEmpty());
    EXPECT_TRUE(reloj()->isActive());

    QString figurasAlAvisar;
    registro->alMostrar = [&](const QString&) {
        figurasAlAvisar = caja("txtTiempoTotalmin")->text();
    };
    ticks(1);
    EXPECT_EQ(registro->mensajes, QStringList{textos::finTiempo()});
    EXPECT_EQ(figurasAlAvisar, QStringLiteral("1"));
    EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), QStringLiteral("0"));
    EXPECT_EQ(caja("txtTecladasmin")->text(), QStringLiteral("6,00"));
    EXPECT_EQ(etiqueta("lblNota")->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_FALSE(textoact()->isEnabled());
}

TEST_F(FrmPrincipalTest, ANegativeRateShowsInTheRegionalForm) {
    iniciarCon(QStringLiteral("a"));
    // 10 hits and 40 errors are not reachable by typing in 59 seconds; set the counters.
    const_cast<SesionExamen&>(ventana->sesion()).aciertos = 10;
    const_cast<SesionExamen&>(ventana->sesion()).errores = 40;
    ticks(59);
    EXPECT_EQ(caja("txtTecladasmin")->text(), QStringLiteral("10,17"));
    EXPECT_EQ(etiqueta("lblPuntuacion")->text(), QStringLiteral("-30,51"));
}

TEST_F(FrmPrincipalTest, StopShowsTheGradeThenTheMessageAndReturnsToIdle) {
    iniciarCon(QStringLiteral("abcdef"));
    escribir(QStringLiteral("abc"));
    ticks(2);
    QString notaAlAvisar;
    registro->alMostrar = [&](const QString&) {
        notaAlAvisar = etiqueta("lblNota")->text();
    };
    QTest::mouseClick(boton("cmdDetener"), Qt::LeftButton);
    EXPECT_EQ(registro->mensajes, QStringList{textos::detenido()});
    EXPECT_EQ(notaAlAvisar, QStringLiteral("0,00"));
    EXPECT_EQ(etiqueta("lblPuntuacion")->text(), QStringLiteral("90,00"));
    EXPECT_FALSE(reloj()->isActive());
    EXPECT_FALSE(boton("cmdDetener")->isEnabled());
    for (const char* nombre : {"cmdIniciar", "cmdImprimir", "cmdCargar"}) {
        EXPECT_TRUE(boton(nombre)->isEnabled()) << nombre;
    }
    for (const char* nombre : {"maskTiempo", "MaskPuntMin", "MaskPuntApr", "MaskPuntMax"}) {
        EXPECT_TRUE(caja(nombre)->isEnabled()) << nombre;
    }
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("abc"));
}

TEST_F(FrmPrincipalTest, StopBeforeTheFirstSecondShowsZeroes) {
    iniciarCon(QStringLiteral("abc"));
    escribir(QStringLiteral("ab"));
    ventana->cmdDetener_Click();
    EXPECT_EQ(caja("txtAciertos")->text(), QStringLiteral("2"));
    EXPECT_EQ(caja("txtTiempoTotalmin")->text(), QStringLiteral("0"));
    EXPECT_EQ(caja("txtTiempoTotalSeg")->text(), QStringLiteral("0"));
    EXPECT_EQ(etiqueta("lblNota")->text(), QStringLiteral("0,00"));
}

TEST_F(FrmPrincipalTest, ASecondStartBeginsFromZero) {
    iniciarCon(QStringLiteral("abc"));
    escribir(QStringLiteral("axb"));
    ticks(3);
    ventana->cmdDetener_Click();
    texto()->setPlainText(QStringLiteral("otro"));
    iniciar();
    EXPECT_EQ(ventana->sesion().aciertos, 0);
    EXPECT_EQ(ventana->sesion().errores, 0);
    EXPECT_EQ(ventana->sesion().segundos, 0);
    EXPECT_TRUE(textoact()->toPlainText().isEmpty());
    EXPECT_TRUE(caja("txtAciertos")->text().isEmpty());
    EXPECT_TRUE(etiqueta("lblNota")->text().isEmpty());
    EXPECT_EQ(colorTexto(), frm_principal::colorNormal());
    EXPECT_EQ(ventana->sesion().textoReferencia, u"otro");
}

TEST_F(FrmPrincipalTest, LineBreaksTypedAsEnterWhateverTheFileUsed) {
    iniciarCon(QStringLiteral("uno\ndos\rtres"));
    escribir(QStringLiteral("uno\ndos\ntres"));
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
    EXPECT_EQ(ventana->sesion().textoObjetivo, u"uno\r\ndos\r\ntres");
}

TEST_F(FrmPrincipalTest, ALongTextTurnsItsPageOnLine16) {
    QString largo;
    for (int i = 0; i < 40; ++i) {
        largo += QStringLiteral("Línea %1 del texto largo.\n").arg(i, 2, 10, QLatin1Char('0'));
    }
    iniciarCon(largo);
    int tecla = 0;
    while (ventana->sesion().paginasPasadas == 0 && tecla < largo.size()) {
        pulsar(largo[tecla++]);
    }
    ASSERT_EQ(ventana->sesion().paginasPasadas, 1);
    EXPECT_EQ(etiqueta("lblError")->text(), textos::avisoPagina());
    // Fifteen lines typed with a CR each: the page starts fifteen characters early.
    const QString restante = QString::fromStdU16String(ventana->sesion().textoReferencia)
                                 .mid(static_cast<qsizetype>(ventana->sesion().textoOculto.size()) - 1);
    EXPECT_EQ(texto()->toPlainText(),
              QString(restante).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(texto()->toPlainText().startsWith(QStringLiteral("l texto largo.\nLínea 15")));
    pulsar(largo[tecla++]);
    EXPECT_TRUE(etiqueta("lblError")->text().isEmpty());

    ventana->cmdDetener_Click();
    EXPECT_EQ(texto()->toPlainText(), largo);
}

TEST_F(FrmPrincipalTest, AOneParagraphTextPagesAndTypesToItsEnd) {
    QString parrafo;
    while (parrafo.size() < 2400) {
        parrafo += QStringLiteral("Los aspirantes presentarán su solicitud en el plazo señalado. ");
    }
    iniciarCon(parrafo);
    qsizetype tecla = 0;
    while (ventana->sesion().paginasPasadas == 0 && tecla < parrafo.size()) {
        pulsar(parrafo[tecla++]);
    }
    ASSERT_EQ(ventana->sesion().paginasPasadas, 1);
    // With no line break typed, the page starts at the character just typed.
    const QString primeraLinea = prueba::lineasVisuales(*texto()).value(0);
    EXPECT_GT(primeraLinea.size(), 80);
    EXPECT_TRUE(parrafo.mid(tecla - 1).startsWith(primeraLinea)) << primeraLinea.toStdString();
    escribir(parrafo.mid(tecla));
    EXPECT_EQ(registro->mensajes, QStringList{textos::textoCompletado()});
    EXPECT_EQ(control<CajaEscritura>("textoact")->contenido(), parrafo);
    EXPECT_GT(textoact()->document()->blockCount(), 1) << "a long paragraph is held in pieces";
    EXPECT_EQ(texto()->toPlainText(), parrafo);
}

TEST_F(FrmPrincipalTest, TheUsersTextAndItsUndoHistorySurviveARun) {
    texto()->clear();
    texto()->setFocus();
    QTest::keyClicks(texto(), QStringLiteral("Mi propio texto"));
    QTextDocument* propio = texto()->document();
    iniciar();
    escribir(QStringLiteral("Mi"));
    ventana->cmdDetener_Click();
    EXPECT_EQ(texto()->document(), propio);
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("Mi propio texto"));
    EXPECT_TRUE(propio->isUndoAvailable());
    EXPECT_EQ(texto()->verticalScrollBar()->value(), 0);
}

TEST_F(FrmPrincipalTest, ClickingTheLockedReferenceGivesTheFocusBack) {
    iniciarCon(QStringLiteral("abc def"));
    QTest::mouseClick(texto()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(textoact()->hasFocus());
    escribir(QStringLiteral("abc"));
    QTest::mouseClick(textoact()->viewport(), Qt::LeftButton, {}, QPoint(3, 5));
    QCoreApplication::processEvents();
    pulsar(QLatin1Char(' '));
    EXPECT_EQ(textoact()->toPlainText(), QStringLiteral("abc ")) << "typed at the end whatever the caret";
    EXPECT_EQ(textoact()->textCursor().position(), 4);
}

class CargaArchivoTest : public VentanaPrueba {
protected:
    QString escribirArchivo(const char* nombre, const QByteArray& bytes) {
        const QString ruta = carpeta.filePath(QString::fromLatin1(nombre));
        QFile archivo(ruta);
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(bytes);
        return ruta;
    }
    QTemporaryDir carpeta;
};

TEST_F(CargaArchivoTest, ALoadedFileReplacesTheReferenceText) {
    registro->archivoElegido = escribirArchivo("prueba.txt", QByteArray("Cami\xF3n\r\nsegunda l\xEDnea"));
    QTest::mouseClick(boton("cmdCargar"), Qt::LeftButton);
    EXPECT_EQ(registro->titulosDialogo, QStringList{QStringLiteral("Cargar archivo de texto")});
    EXPECT_EQ(registro->filtrosDialogo, QStringList{QStringLiteral("Archivos de texto (*.txt)")});
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("Camión\nsegunda línea"));
    EXPECT_TRUE(registro->errores.isEmpty());
}

TEST_F(CargaArchivoTest, CancellingChangesNothing) {
    registro->archivoElegido.clear();
    ventana->cmdCargar_Click();
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());
    EXPECT_TRUE(registro->errores.isEmpty());
    EXPECT_TRUE(registro->mensajes.isEmpty());
}

TEST_F(CargaArchivoTest, AMissingFileIsReportedAndTheTextKept) {
    registro->archivoElegido = carpeta.filePath(QStringLiteral("no-existe.txt"));
    ventana->cmdCargar_Click();
    EXPECT_EQ(registro->errores, QStringList{textos::archivoNoExiste()});
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());

    registro->archivoElegido = carpeta.path();
    ventana->cmdCargar_Click();
    ASSERT_EQ(registro->errores.size(), 2);
    EXPECT_FALSE(registro->errores[1].isEmpty());
    EXPECT_EQ(texto()->toPlainText(), bienvenidaMostrada());
}

class ImpresionTest : public VentanaPrueba {
protected:
    QTemporaryDir carpeta;
};

TEST_F(ImpresionTest, WithoutAPrinterSaysSoAndChangesNothing) {
    ventana->cmdImprimir_Click();
    EXPECT_EQ(registro->errores, QStringList{textos::sinImpresora()});
    EXPECT_TRUE(boton("cmdImprimir")->isEnabled());
}

TEST_F(ImpresionTest, PrintsTheWindowToThePrinter) {
    registro->archivoPdf = carpeta.filePath(QStringLiteral("ventana.pdf"));
    QTest::mouseClick(boton("cmdImprimir"), Qt::LeftButton);
    EXPECT_TRUE(registro->errores.isEmpty());
    QFile pdf(registro->archivoPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenido = pdf.readAll();
    EXPECT_TRUE(contenido.startsWith("%PDF"));
    EXPECT_TRUE(contenido.contains("/Image")) << "the window is printed as an image";
}

TEST_F(ImpresionTest, PrintIsUnavailableDuringARun) {
    iniciar();
    EXPECT_FALSE(boton("cmdImprimir")->isEnabled());
    registro->archivoPdf = carpeta.filePath(QStringLiteral("no.pdf"));
    ventana->cmdImprimir_Click();
    EXPECT_FALSE(QFile::exists(registro->archivoPdf));
}

} // namespace
} // namespace tecladas
