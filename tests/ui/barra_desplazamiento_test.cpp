#include "ui/barra_desplazamiento.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

/// Paints a bar as the boxes have it and returns its pixels.
QImage pintar(QScrollBar& barra, int alto, int valor) {
    barra.setRange(0, 400);
    barra.setPageStep(60);
    barra.setValue(valor);
    barra.resize(16, alto);
    return barra.grab().toImage();
}

TEST(BarraDesplazamientoTest, PaintsExactlyWhatAPlainScrollBarPaintsWhateverItsState) {
    BarraDesplazamiento enFranjas;
    // Heights of the reference and typing boxes' bars, and one several strips tall.
    for (const int alto : {233, 109, 400}) {
        for (const int valor : {0, 170, 400}) {
            QScrollBar normal(Qt::Vertical);
            EXPECT_EQ(pintar(enFranjas, alto, valor), pintar(normal, alto, valor))
                << "height " << alto << ", value " << valor;
        }
    }
}

TEST(BarraDesplazamientoTest, APressedArrowLooksPressed) {
    BarraDesplazamiento enFranjas;
    QScrollBar normal(Qt::Vertical);
    for (QScrollBar* barra : {static_cast<QScrollBar*>(&enFranjas), &normal}) {
        pintar(*barra, 233, 100);
        QTest::mousePress(barra, Qt::LeftButton, {}, QPoint(8, 228));
    }
    EXPECT_EQ(enFranjas.grab().toImage(), normal.grab().toImage());
    for (QScrollBar* barra : {static_cast<QScrollBar*>(&enFranjas), &normal}) {
        QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(8, 228));
    }
    EXPECT_EQ(enFranjas.grab().toImage(), normal.grab().toImage());
}

} // namespace
} // namespace tecladas
