#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

class ImpresionTest : public prueba::VentanaPrueba {
protected:
    QTemporaryDir carpeta;
};

TEST_F(ImpresionTest, WithoutAPrinterOffersADatedPdfAmongTheDocumentsAndCancelChangesNothing) {
    QTest::mouseClick(boton("cmdImprimir"), Qt::LeftButton);
    EXPECT_EQ(registro->titulosDialogo, QStringList{textos::guardarComoPdf()});
    const QString propuesto = registro->destinosPropuestos.value(0);
    EXPECT_TRUE(propuesto.startsWith(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) ||
                propuesto.startsWith(QDir::homePath()));
    EXPECT_TRUE(propuesto.contains(QDate::currentDate().toString(u"yyyy-MM-dd"_s)) &&
                propuesto.endsWith(u".pdf"_s));
    EXPECT_TRUE(registro->errores.isEmpty());
    expectEnCurso(false);
}

// Apart from the test above: in one process together they make LeakSanitizer's tracer crash at exit.
TEST_F(ImpresionTest, ThePageHoldsTheWholeWindowAcrossItsWidthCentred) {
    registro->destinoElegido = carpeta.filePath(u"ventana"_s); // the extension is added
    const QString pdf = carpeta.filePath(u"ventana.pdf"_s);
    QTest::mouseClick(boton("cmdImprimir"), Qt::LeftButton);
    ASSERT_TRUE(registro->errores.isEmpty()) << registro->errores.join(u' ').toStdString();

    const QString pdftoppm = QStandardPaths::findExecutable(u"pdftoppm"_s);
#if defined(Q_OS_WIN)
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "no pdftoppm to read the page with";
    }
#endif
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm is missing (Debian package poppler-utils)";
    constexpr int kPuntosPorPulgada = 50;
    const QString prefijo = carpeta.filePath(u"pagina"_s);
    ASSERT_EQ(QProcess::execute(pdftoppm, {u"-r"_s, QString::number(kPuntosPorPulgada), u"-png"_s,
                                           u"-singlefile"_s, pdf, prefijo}),
              0);
    const QImage pagina(prefijo + u".png"_s);
    ASSERT_FALSE(pagina.isNull());

    // The bounds of everything that is not blank paper, and how much text-dark ink is there.
    QRect tinta;
    int oscuros = 0;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            const int luz = pagina.pixelColor(x, y).lightness();
            tinta |= luz < 250 ? QRect(x, y, 1, 1) : QRect();
            oscuros += luz < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(oscuros, pagina.width()) << "no text on the page";

    // The printable area of the same printer, in the pixels of the rendered page.
    QPrinter igual(QPrinter::HighResolution);
    igual.setOutputFormat(QPrinter::PdfFormat);
    const QRectF util = igual.pageLayout().paintRect(QPageLayout::Inch);
    EXPECT_NEAR(tinta.left(), util.left() * kPuntosPorPulgada, 2);
    EXPECT_NEAR(tinta.right() + 1, util.right() * kPuntosPorPulgada, 2);
    EXPECT_NEAR(tinta.top(), pagina.height() - tinta.bottom() - 1, 3) << "centred from top to bottom";
    EXPECT_NEAR(static_cast<double>(tinta.width()) / tinta.height(), 727.0 / 551.0, 0.02) << "not distorted";
}

} // namespace
} // namespace tecladas
