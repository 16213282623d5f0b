#include "lineas_visuales.h"
#include "ventana_prueba.h"

#include "ui/examen/medidor_lineas_texto.h"
#include "ui/textos.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

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

using MedidorLineasTextoTest = prueba::VentanaPrueba;

// One measurer for both texts: it must start afresh when the buffer is emptied.
TEST_F(MedidorLineasTextoTest, AgreesWithTheBoxOnEveryPrefixOfTheWelcomeAndALongSpanishText) {
    QPlainTextEdit& caja = *texto();
    MedidorLineasTexto medidor;
    medidor.ajustarA(caja);
    for (const QString& buffer : {QString(textos::bienvenida()).remove(QLatin1Char('\n')),
                                  QString::fromStdU16String(prueba::textoVariado(1, 2500)).remove(u'\n')}) {
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
        }
    }
}

} // namespace
} // namespace tecladas
