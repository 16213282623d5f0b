// Run once per screen scale (QT_SCALE_FACTOR 1, 1.5 and 2, see CMakeLists.txt): text that fits
// at one scale can be clipped at another once the fonts are hinted for that many pixels.
#include "ventana_prueba.h"

#include "ui/textos.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <vector>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

class EscalaTest : public prueba::VentanaPrueba {
protected:
    /// Where a label paints its text (or its picture), in the window's coordinates.
    static QRect zonaDelTexto(const QLabel* etiqueta) {
        if (etiqueta->text().isEmpty()) {
            return etiqueta->pixmap().isNull() ? QRect() : etiqueta->geometry();
        }
        const QSize tamano(etiqueta->fontMetrics().horizontalAdvance(etiqueta->text()),
                           etiqueta->fontMetrics().height());
        return QStyle::alignedRect(etiqueta->layoutDirection(), etiqueta->alignment(), tamano,
                                   etiqueta->contentsRect())
            .translated(etiqueta->pos());
    }
    /// Width a line edit leaves for its text: its contents less its margins and 2 blank pixels a side.
    static int anchoUtil(const QLineEdit* caja) {
        QStyleOptionFrame opcion;
        opcion.initFrom(caja);
        opcion.lineWidth = caja->hasFrame() ? caja->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect contenido = caja->style()->subElementRect(QStyle::SE_LineEditContents, &opcion, caja);
        return contenido.width() - caja->textMargins().left() - caja->textMargins().right() - 4;
    }
};

TEST_F(EscalaTest, EveryTextFitsItsControlEvenAtItsWidest) {
    if (const QByteArray pedida = qgetenv("QT_SCALE_FACTOR"); !pedida.isEmpty()) {
        ASSERT_DOUBLE_EQ(ventana->devicePixelRatioF(), pedida.toDouble());
    }
    etiqueta("lblPuntuacion")->setText(u"-9999,99"_s);
    etiqueta("lblNota")->setText(u"10,00"_s);
    for (const QString& aviso : {textos::avisoPagina(), textos::avisoRepetir(), textos::error()}) {
        etiqueta("lblError")->setText(aviso);
        int rotulos = 0;
        for (const QLabel* l : ventana->findChildren<QLabel*>()) {
            rotulos += l->text().isEmpty() ? 0 : 1;
            EXPECT_TRUE(l->geometry().contains(zonaDelTexto(l)))
                << l->objectName().toStdString() << " " << l->text().toStdString();
        }
        EXPECT_GE(rotulos, 17);
    }

    const std::pair<const char*, QString> cifras[] = {
        {"txtAciertos", u"32767"_s},    {"txtErrores", u"32767"_s},     {"txtTecladasmin", u"9999,99"_s},
        {"txtTiempoTotalmin", u"99"_s}, {"txtTiempoTotalSeg", u"59"_s}, {"maskTiempo", u"99"_s},
        {"MaskPuntMin", u"999"_s},      {"MaskPuntApr", u"999"_s},      {"MaskPuntMax", u"999"_s},
    };
    for (const auto& [nombre, valor] : cifras) {
        EXPECT_LE(caja(nombre)->fontMetrics().horizontalAdvance(valor), anchoUtil(caja(nombre))) << nombre;
    }
    for (const QPushButton* b : ventana->findChildren<QPushButton*>()) {
        // The caption is centred inside the button's frame.
        const int necesario = b->fontMetrics().horizontalAdvance(b->text().remove(u'&')) +
                              2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        EXPECT_LE(necesario, b->width()) << b->objectName().toStdString();
        EXPECT_LE(b->fontMetrics().height(), b->height()) << b->objectName().toStdString();
    }
    const auto* repetir = control<QCheckBox>("chkRepetirTexto");
    QStyleOptionButton opcion;
    opcion.initFrom(repetir);
    const QRect rotulo = repetir->style()->subElementRect(QStyle::SE_CheckBoxContents, &opcion, repetir);
    EXPECT_LE(rotulo.left() + repetir->fontMetrics().horizontalAdvance(repetir->text()), repetir->width());
}

TEST_F(EscalaTest, NoControlCoversAnotherOrACaptionAndAllIsInTheWindow) {
    // Every visible control, then the painted area of every label and of the logo.
    std::vector<std::pair<QString, QRect>> zonas;
    for (QWidget* hijo : ventana->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (hijo->isVisible() && qobject_cast<QLabel*>(hijo) == nullptr) {
            zonas.emplace_back(hijo->objectName(), hijo->geometry());
        }
    }
    ASSERT_GE(zonas.size(), 16u);
    for (const QLabel* l : ventana->findChildren<QLabel*>()) {
        if (!zonaDelTexto(l).isNull()) {
            zonas.emplace_back(l->objectName(), zonaDelTexto(l));
        }
    }
    for (std::size_t i = 0; i < zonas.size(); ++i) {
        EXPECT_TRUE(ventana->rect().contains(zonas[i].second)) << zonas[i].first.toStdString();
        for (std::size_t j = i + 1; j < zonas.size(); ++j) {
            EXPECT_FALSE(zonas[i].second.intersects(zonas[j].second))
                << zonas[i].first.toStdString() << " / " << zonas[j].first.toStdString();
        }
    }
}

} // namespace
} // namespace tecladas
