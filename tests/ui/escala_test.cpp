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

using prueba::VentanaPrueba;

class EscalaTest : public VentanaPrueba {
protected:
    /// Where a label paints its text, in the window's coordinates.
    static QRect zonaDelTexto(const QLabel* etiqueta) {
        const QFontMetrics medidas = etiqueta->fontMetrics();
        const QSize tamano(medidas.horizontalAdvance(etiqueta->text()), medidas.height());
        const QRect zona = QStyle::alignedRect(etiqueta->layoutDirection(), etiqueta->alignment(), tamano,
                                               etiqueta->contentsRect());
        return zona.translated(etiqueta->pos());
    }

    /// Width a line edit leaves for its text.
    static int anchoUtil(const QLineEdit* caja) {
        QStyleOptionFrame opcion;
        opcion.initFrom(caja);
        opcion.lineWidth = caja->hasFrame() ? caja->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect contenido = caja->style()->subElementRect(QStyle::SE_LineEditContents, &opcion, caja);
        constexpr int kMargenInterior = 2; // the edit's own blank on each side of the text
        return contenido.width() - caja->textMargins().left() - caja->textMargins().right() -
               2 * kMargenInterior;
    }

    std::vector<QWidget*> controlesVisibles() const {
        std::vector<QWidget*> visibles;
        for (QWidget* hijo : ventana->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (hijo->isVisible() && qobject_cast<QLabel*>(hijo) == nullptr) {
                visibles.push_back(hijo);
            }
        }
        return visibles;
    }
};

TEST_F(EscalaTest, EveryCaptionFitsItsBox) {
    int etiquetas = 0;
    for (const QLabel* etiqueta : ventana->findChildren<QLabel*>()) {
        if (etiqueta->text().isEmpty()) {
            continue;
        }
        ++etiquetas;
        const QRect zona = zonaDelTexto(etiqueta);
        EXPECT_TRUE(etiqueta->geometry().contains(zona))
            << etiqueta->objectName().toStdString() << " \"" << etiqueta->text().toStdString() << "\" needs "
            << zona.width() << "x" << zona.height() << " in " << etiqueta->width() << "x"
            << etiqueta->height();
    }
    EXPECT_GE(etiquetas, 14);

    for (const QPushButton* b : ventana->findChildren<QPushButton*>()) {
        // The caption is centred inside the button's frame.
        const int necesario = b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) +
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

TEST_F(EscalaTest, TheWidestValuesFitTheirFields) {
    const std::pair<const char*, const char*> casos[] = {
        {"txtAciertos", "32767"},    {"txtErrores", "32767"},     {"txtTecladasmin", "9999,99"},
        {"txtTiempoTotalmin", "99"}, {"txtTiempoTotalSeg", "59"}, {"maskTiempo", "99"},
        {"MaskPuntMin", "999"},      {"MaskPuntApr", "999"},      {"MaskPuntMax", "999"},
    };
    for (const auto& [nombre, valor] : casos) {
        const QLineEdit* c = caja(nombre);
        EXPECT_LE(c->fontMetrics().horizontalAdvance(QString::fromLatin1(valor)), anchoUtil(c)) << nombre;
    }

    const std::pair<const char*, QString> resultados[] = {
        {"lblPuntuacion", QStringLiteral("-9999,99")},
        {"lblNota", QStringLiteral("10,00")},
        {"lblError", textos::avisoPagina()},
        {"lblError", textos::avisoRepetir()},
        {"lblError", textos::error()},
    };
    for (const auto& [nombre, valor] : resultados) {
        QLabel* l = etiqueta(nombre);
        l->setText(valor);
        EXPECT_TRUE(l->geometry().contains(zonaDelTexto(l))) << nombre << " " << valor.toStdString();
    }
}

TEST_F(EscalaTest, NoControlCoversAnotherOrACaption) {
    const std::vector<QWidget*> controles = controlesVisibles();
    ASSERT_GE(controles.size(), 16u);
    const QRect ventanaEntera = ventana->rect();
    for (std::size_t i = 0; i < controles.size(); ++i) {
        EXPECT_TRUE(ventanaEntera.contains(controles[i]->geometry()))
            << controles[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < controles.size(); ++j) {
            EXPECT_FALSE(controles[i]->geometry().intersects(controles[j]->geometry()))
                << controles[i]->objectName().toStdString() << " / "
                << controles[j]->objectName().toStdString();
        }
    }

    std::vector<std::pair<const QLabel*, QRect>> textos;
    for (const QLabel* l : ventana->findChildren<QLabel*>()) {
        if (!l->text().isEmpty()) {
            textos.emplace_back(l, zonaDelTexto(l));
        } else if (!l->pixmap().isNull()) {
            textos.emplace_back(l, l->geometry());
        }
    }
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const auto& [etiqueta, zona] = textos[i];
        EXPECT_TRUE(ventanaEntera.contains(zona)) << etiqueta->objectName().toStdString();
        for (const QWidget* c : controles) {
            EXPECT_FALSE(zona.intersects(c->geometry()))
                << etiqueta->objectName().toStdString() << " under " << c->objectName().toStdString();
        }
        for (std::size_t j = i + 1; j < textos.size(); ++j) {
            EXPECT_FALSE(zona.intersects(textos[j].second)) << etiqueta->objectName().toStdString() << " / "
                                                            << textos[j].first->objectName().toStdString();
        }
    }
}

TEST_F(EscalaTest, TheLogoHasAPixelForEveryScreenPixel) {
    const QLabel* logo = etiqueta("Image1");
    const QPixmap imagen = logo->pixmap();
    const qreal escala = ventana->devicePixelRatioF();
    if (const QByteArray pedida = qgetenv("QT_SCALE_FACTOR"); !pedida.isEmpty()) {
        EXPECT_DOUBLE_EQ(escala, pedida.toDouble());
    }
    EXPECT_GE(imagen.width(), logo->width() * escala);
    EXPECT_GE(imagen.height(), logo->height() * escala);
}

} // namespace
} // namespace tecladas
