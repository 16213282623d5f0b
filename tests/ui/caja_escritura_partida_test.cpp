#include "lineas_visuales.h"
#include "ventana_prueba.h"

#include "ui/caja_escritura.h"
#include "ui/parrafos_partidos.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tecladas {
namespace {

/// One paragraph of `largo` characters with a word wider than the box and a run of blanks.
QString parrafoLargo(int largo) {
    QString texto;
    for (int i = 0; texto.size() < largo; ++i) {
        texto += i % 97 == 40  ? QString(160, QLatin1Char('z'))
                 : i % 89 == 7 ? QString(130, QLatin1Char(' '))
                               : QStringLiteral("según las bases, ");
    }
    texto.truncate(largo);
    return texto;
}

/// The typing box of the real window, fed directly with accepted characters, beside a twin box
/// that holds the same text set in one piece.
class CajaEscrituraPartidaTest : public prueba::VentanaPrueba {
protected:
    CajaEscritura& caja() { return *control<CajaEscritura>("textoact"); }

    void anadir(const QString& texto) {
        for (const char32_t c : texto.toUcs4()) {
            caja().anadirAlFinal(c == U'\n' ? kTeclaEnter : c);
        }
    }

    QStringList lineasDeLaGemela(const QString& texto) {
        gemela.setFont(caja().font());
        gemela.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        gemela.setFixedSize(caja().size());
        gemela.show();
        gemela.setPlainText(texto);
        return prueba::lineasVisuales(gemela);
    }

    QPlainTextEdit gemela;
};

TEST_F(CajaEscrituraPartidaTest, ALongParagraphIsSplitWithoutChangingWhatTheBoxShows) {
    const QString texto = parrafoLargo(6000) + QStringLiteral("\nfin\n") + parrafoLargo(2500);
    anadir(texto);
    EXPECT_GT(caja().document()->blockCount(), 3 + 5) << "long paragraphs must be split";
    for (QTextBlock bloque = caja().document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        EXPECT_LE(static_cast<std::size_t>(bloque.length() - 1), parrafos::kLargoMaximo);
    }
    EXPECT_EQ(prueba::lineasVisuales(caja()), lineasDeLaGemela(texto));
    EXPECT_EQ(caja().contenido(), texto);
    EXPECT_EQ(caja().textCursor().position(), caja().document()->characterCount() - 1)
        << "the caret stays after the last character";
}

TEST_F(CajaEscrituraPartidaTest, ASelectionIsCopiedAsTheUserReadsIt) {
    const QString texto = parrafoLargo(3000) + QStringLiteral("\nsegundo");
    anadir(texto);
    QTextCursor seleccion = caja().textCursor();
    seleccion.setPosition(5);
    seleccion.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    caja().setTextCursor(seleccion);
    caja().copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), texto.mid(5));
}

} // namespace
} // namespace tecladas
