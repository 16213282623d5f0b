#include "ventana_prueba.h"

#include "ui/medidor_lineas_texto.h"
#include "ui/textos.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <random>

namespace tecladas {
namespace {

/// The 1-based wrapped line that holds the end of the box's text, read from the box's own layout.
int lineaDelFinalEnCaja(const QPlainTextEdit& caja) {
    int lineas = 0;
    for (QTextBlock bloque = caja.document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        caja.document()->documentLayout()->blockBoundingRect(bloque); // lays the block out
        lineas += bloque.next().isValid()
                      ? bloque.layout()->lineCount()
                      : bloque.layout()->lineForTextPosition(bloque.length() - 1).lineNumber() + 1;
    }
    return lineas;
}

/// Paragraphs of Spanish text of many lengths, with punctuation, a word wider than the box and
/// runs of blanks, each ended by CR.
QString textoLargoEspanol() {
    const QStringList palabras =
        QStringLiteral(
            "¿Qué tal? El ayuntamiento convoca, según las bases —publicadas— oposiciones «Auxiliar "
            "Administrativo»; ¡atención! (plazo: 20 días). ñandú pingüino 1.234,56 C/ Mayor, nº 3; "
            "x@y.es supercalifragilisticoespialidosoyalgomasquenocabeenunalineaenteradelacajadetexto"
            "dereferenciaysigueysigueysigue")
            .split(QLatin1Char(' '));
    std::mt19937 azar(7);
    QString texto;
    for (int i = 0; i < 600; ++i) {
        texto += palabras[static_cast<qsizetype>(azar() % palabras.size())];
        texto += azar() % 7 == 0    ? QStringLiteral("   ")
                 : azar() % 40 == 0 ? QStringLiteral("\r")
                                    : QStringLiteral(" ");
    }
    return texto;
}

using MedidorLineasTextoTest = prueba::VentanaPrueba;

TEST_F(MedidorLineasTextoTest, UsesTheTextWidthOfTheReferenceBox) {
    MedidorLineasTexto medidor;
    medidor.ajustarA(*texto());
    // 104 monospaced characters fit in the 689 pixels of the box's text area.
    EXPECT_EQ(medidor.lineaDelFinal(std::u16string(104, u'x')), 1);
    EXPECT_EQ(medidor.lineaDelFinal(std::u16string(105, u'x')), 2);
}

// One measurer for both texts: it must start afresh when the buffer is emptied.
TEST_F(MedidorLineasTextoTest, AgreesWithTheBoxOnEveryPrefixOfTheWelcomeAndALongSpanishText) {
    QPlainTextEdit& caja = *texto();
    MedidorLineasTexto medidor;
    medidor.ajustarA(caja);
    for (const QString& buffer :
         {QString(textos::bienvenida()).remove(QLatin1Char('\n')), textoLargoEspanol()}) {
        caja.clear();
        QTextCursor cursor(caja.document());
        std::u16string prefijo;
        ASSERT_EQ(medidor.lineaDelFinal(prefijo), 1);
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
}

} // namespace
} // namespace tecladas
