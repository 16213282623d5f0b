#include "ui/impresion.h"

#include "ventana_prueba.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tecladas {
namespace {

using prueba::VentanaPrueba;

struct CasoColocacion {
    const char* nombre;
    QSizeF pagina;
    int resolucion;
    QRectF destino;
    QSize pixeles;
};

class ColocacionTest : public ::testing::TestWithParam<CasoColocacion> {};

TEST_P(ColocacionTest, FillsThePageWidthCentredAtThePrintersResolution) {
    const CasoColocacion& caso = GetParam();
    const ColocacionImpresa c = colocarEnPagina(caso.pagina, QSize(727, 551), caso.resolucion);
    EXPECT_NEAR(c.destino.x(), caso.destino.x(), 0.5);
    EXPECT_NEAR(c.destino.y(), caso.destino.y(), 0.5);
    EXPECT_NEAR(c.destino.width(), caso.destino.width(), 0.5);
    EXPECT_NEAR(c.destino.height(), caso.destino.height(), 0.5);
    EXPECT_EQ(c.pixeles, caso.pixeles);
}

// 727 x 551 is the window; 1.3194 its proportion.
INSTANTIATE_TEST_SUITE_P(
    Paginas, ColocacionTest,
    ::testing::Values(
        CasoColocacion{"A4At600Dpi", {4724, 6779}, 600, {0, 1599.3, 4724, 3580.4}, {4724, 3580}},
        CasoColocacion{"A4At300Dpi", {2362, 3390}, 300, {0, 800.0, 2362, 1790.2}, {2362, 1790}},
        CasoColocacion{"A4At1200DpiHalved", {9448, 13558}, 1200, {0, 3198.6, 9448, 7160.8}, {4724, 3580}},
        CasoColocacion{"OddResolutionRoundsUp", {4252, 6102}, 720, {0, 1439.7, 4252, 3222.6}, {2126, 1611}},
        CasoColocacion{"LandscapeIsBoundByHeight", {6779, 4724}, 600, {273.0, 0, 6232.9, 4724}, {6233, 4724}},
        CasoColocacion{"NoPage", {0, 0}, 600, {}, {}}),
    [](const auto& info) { return std::string(info.param.nombre); });

/// The real window printed to a PDF file, then looked at as a reader would see the page.
class ImpresionPaginaTest : public VentanaPrueba {
protected:
    static QString programa(const char* nombre) {
        const QString ruta = QStandardPaths::findExecutable(QString::fromLatin1(nombre));
        EXPECT_FALSE(ruta.isEmpty()) << nombre << " is missing (Debian package poppler-utils)";
        return ruta;
    }
    static QByteArray ejecutar(const QString& programa, const QStringList& argumentos) {
        QProcess proceso;
        proceso.start(programa, argumentos);
        EXPECT_TRUE(proceso.waitForFinished(30000)) << programa.toStdString();
        EXPECT_EQ(proceso.exitCode(), 0) << proceso.readAllStandardError().toStdString();
        return proceso.readAllStandardOutput();
    }

    QTemporaryDir carpeta;
};

TEST_F(ImpresionPaginaTest, ThePageHoldsTheWholeWindowAcrossItsWidth) {
    registro->archivoPdf = carpeta.filePath(QStringLiteral("ventana.pdf"));
    ventana->cmdImprimir_Click();
    ASSERT_TRUE(registro->errores.isEmpty()) << registro->errores.join(QLatin1Char(' ')).toStdString();

    const QString pdftoppm = programa("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty());
    constexpr int kPuntosPorPulgada = 50;
    const QString prefijo = carpeta.filePath(QStringLiteral("pagina"));
    ejecutar(pdftoppm, {QStringLiteral("-r"), QString::number(kPuntosPorPulgada), QStringLiteral("-png"),
                        QStringLiteral("-singlefile"), registro->archivoPdf, prefijo});
    const QImage pagina(prefijo + QStringLiteral(".png"));
    ASSERT_FALSE(pagina.isNull());

    // The bounds of everything that is not blank paper, and whether any text-dark ink is there.
    QRect tinta;
    int oscuros = 0;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            const QColor c = pagina.pixelColor(x, y);
            if (c.lightness() < 250) {
                tinta |= QRect(x, y, 1, 1);
            }
            oscuros += c.lightness() < 80 ? 1 : 0;
        }
    }
    ASSERT_FALSE(tinta.isEmpty()) << "blank page";
    EXPECT_GT(oscuros, pagina.width()) << "no text on the page";

    // The printable area of the same printer, in the pixels of the rendered page.
    QPrinter igual(QPrinter::HighResolution);
    igual.setOutputFormat(QPrinter::PdfFormat);
    const QRectF util = igual.pageLayout().paintRect(QPageLayout::Inch);
    const double escala = kPuntosPorPulgada;
    EXPECT_NEAR(tinta.left(), util.left() * escala, 2);
    EXPECT_NEAR(tinta.right() + 1, util.right() * escala, 2);
    const double arriba = tinta.top();
    const double abajo = pagina.height() - tinta.bottom() - 1;
    EXPECT_NEAR(arriba, abajo, 3) << "centred from top to bottom";
    EXPECT_NEAR(static_cast<double>(tinta.width()) / tinta.height(), 727.0 / 551.0, 0.02) << "not distorted";
}

TEST_F(ImpresionPaginaTest, TheImageHasOnePixelPerDotUpTo600PerInch) {
    registro->archivoPdf = carpeta.filePath(QStringLiteral("ventana.pdf"));
    ventana->cmdImprimir_Click();
    ASSERT_TRUE(registro->errores.isEmpty());
    const QString pdfimages = programa("pdfimages");
    ASSERT_FALSE(pdfimages.isEmpty());
    // One line per image after two of headings: page num type width height color comp bpc enc interp object
    // ID x-ppi y-ppi …
    const QStringList lineas =
        QString::fromUtf8(ejecutar(pdfimages, {QStringLiteral("-list"), registro->archivoPdf}))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lineas.size(), 3);
    const QStringList campos = lineas[2].simplified().split(QLatin1Char(' '));
    ASSERT_GE(campos.size(), 14);
    EXPECT_EQ(campos[0], QStringLiteral("1")) << "on the first page";
    EXPECT_NEAR(campos[12].toDouble(), 600, 1) << lineas[2].toStdString();
    EXPECT_NEAR(campos[13].toDouble(), 600, 1);
}

} // namespace
} // namespace tecladas
