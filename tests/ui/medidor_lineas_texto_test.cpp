#include "ventana_prueba.h"

#include "ui/conversion.h"
#include "ui/medidor_lineas_texto.h"
#include "ui/textos.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <random>

namespace tecladas {
namespace {

/// The 1-based wrapped line that holds the end of the document of `caja`, read from the box's
/// own layout.
int lineaDelFinalEnCaja(QPlainTextEdit& caja) {
    QTextDocument* documento = caja.document();
    int lineas = 0;
    for (QTextBlock bloque = documento->begin(); bloque.isValid(); bloque = bloque.next()) {
        documento->documentLayout()->blockBoundingRect(bloque); // forces the block's layout
        if (bloque.next().isValid()) {
            lineas += bloque.layout()->lineCount();
        } else {
            const int posicion = bloque.length() - 1;
            lineas += bloque.layout()->lineForTextPosition(posicion).lineNumber() + 1;
        }
    }
    return lineas;
}

/// A long Spanish text with punctuation, long words and runs of blanks, in paragraphs of
/// different lengths.
QString textoLargoEspanol() {
    const QStringList palabras = {
        QStringLiteral("¿Qué"),
        QStringLiteral("tal?"),
        QStringLiteral("El"),
        QStringLiteral("ayuntamiento"),
        QStringLiteral("convoca,"),
        QStringLiteral("según"),
        QStringLiteral("las"),
        QStringLiteral("bases"),
        QStringLiteral("—publicadas—"),
        QStringLiteral("oposiciones"),
        QStringLiteral("«Auxiliar"),
        QStringLiteral("Administrativo»;"),
        QStringLiteral("¡atención!"),
        QStringLiteral("(plazo:"),
        QStringLiteral("20"),
        QStringLiteral("días)."),
        QStringLiteral("ñandú"),
        QStringLiteral("pingüino"),
        QStringLiteral("1.234,56"),
        QStringLiteral("C/"),
        QStringLiteral("Mayor,"),
        QStringLiteral("nº"),
        QStringLiteral("3;"),
        QStringLiteral("e-mail:"),
        QStringLiteral("x@y.es"),
        QStringLiteral("supercalifragilisticoespialidosoyalgomasquenocabe"
                       "enunalineaenteradelacajadetextodereferencia"
                       "ysigueysigue"),
    };
    std::mt19937 azar(7);
    QString texto;
    for (int parrafo = 0; parrafo < 12; ++parrafo) {
        const int cuantas = 5 + static_cast<int>(azar() % 90);
        for (int i = 0; i < cuantas; ++i) {
            texto += palabras[static_cast<qsizetype>(azar() % palabras.size())];
            texto += azar() % 7 == 0 ? QStringLiteral("   ") : QStringLiteral(" ");
        }
        texto += QLatin1Char('\r');
    }
    return texto;
}

class MedidorLineasTextoTest : public prueba::VentanaPrueba {
protected:
    /// Types `buffer` into the reference box one character at a time (CR as a new line) and
    /// checks after every character that the measurer agrees with the box's own layout.
    void compararCadaPrefijo(const QString& buffer) {
        QPlainTextEdit& caja = *texto();
        caja.clear();
        MedidorLineasTexto medidor;
        medidor.ajustarA(caja);
        std::u16string prefijo;
        QTextCursor cursor(caja.document());
        for (const QChar c : buffer) {
            if (c == QLatin1Char('\r')) {
                cursor.insertBlock();
            } else {
                cursor.insertText(QString(c));
            }
            prefijo += c.unicode();
            const int esperado = lineaDelFinalEnCaja(caja);
            ASSERT_EQ(medidor.lineaDelFinal(prefijo), esperado) << "prefix of " << prefijo.size();
            ASSERT_EQ(medidor.lineaDelFinalCompleta(prefijo), esperado) << "prefix of " << prefijo.size();
        }
    }
};

TEST_F(MedidorLineasTextoTest, UsesTheTextWidthOfTheReferenceBox) {
    MedidorLineasTexto medidor;
    medidor.ajustarA(*texto());
    // 104 monospaced characters fit in the 689 pixels of the box's text area.
    EXPECT_EQ(medidor.lineaDelFinal(std::u16string(104, u'x')), 1);
    EXPECT_EQ(medidor.lineaDelFinal(std::u16string(105, u'x')), 2);
}

TEST_F(MedidorLineasTextoTest, AgreesWithTheBoxOnEveryPrefixOfTheWelcomeText) {
    QString buffer = textos::bienvenida();
    buffer.remove(QLatin1Char('\n'));
    compararCadaPrefijo(buffer);
}

TEST_F(MedidorLineasTextoTest, AgreesWithTheBoxOnEveryPrefixOfALongSpanishText) {
    compararCadaPrefijo(textoLargoEspanol());
}

TEST_F(MedidorLineasTextoTest, StartsAfreshWhenTheBufferIsEmptied) {
    MedidorLineasTexto medidor;
    medidor.ajustarA(*texto());
    EXPECT_EQ(medidor.lineaDelFinal(u"a\rb\rc"), 3);
    EXPECT_EQ(medidor.lineaDelFinal(u""), 1);
    EXPECT_EQ(medidor.lineaDelFinal(u"a"), 1);
}

} // namespace
} // namespace tecladas
