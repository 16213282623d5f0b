#include "ui/examen/barra_desplazamiento.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

TEST(BarraDesplazamientoTest, PaintsWhatAPlainScrollBarPaintsInEveryState) {
    BarraDesplazamiento enFranjas; // one bar through every state: no stale picture may show
    // The heights of the reference and typing boxes' bars, and one several strips tall.
    for (const int alto : {233, 109, 400}) {
        for (const int valor : {0, 170, 400}) {
            SCOPED_TRACE(testing::Message() << "height " << alto << ", value " << valor);
            QScrollBar normal(Qt::Vertical);
            const auto ambas = {static_cast<QScrollBar*>(&enFranjas), &normal};
            for (QScrollBar* barra : ambas) {
                barra->setRange(0, 400);
                barra->setPageStep(60);
                barra->setValue(valor);
                barra->resize(16, alto);
            }
            EXPECT_EQ(enFranjas.grab().toImage(), normal.grab().toImage());
            for (QScrollBar* barra : ambas) {
                QTest::mousePress(barra, Qt::LeftButton, {}, QPoint(8, alto - 5)); // the down arrow
            }
            EXPECT_EQ(enFranjas.grab().toImage(), normal.grab().toImage()) << "pressed";
            for (QScrollBar* barra : ambas) {
                QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(8, alto - 5));
            }
            EXPECT_EQ(enFranjas.grab().toImage(), normal.grab().toImage()) << "released";
        }
    }
}

} // namespace
} // namespace tecladas
