#pragma once

#include "ventana_real.h"

#include <gtest/gtest.h>

#include <ostream>

/// Failures show texts as text.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace tecladas::prueba {

/// The fixture of the widget tests: a real window for each test.
class VentanaPrueba : public ::testing::Test, public VentanaReal {
protected:
    void SetUp() override { ASSERT_TRUE(abrir()); }
    void TearDown() override { ventana.reset(); }

    /// Checks the controls against the run state (`enCurso`) or the idle state between runs.
    void expectEnCurso(bool enCurso) const {
        EXPECT_EQ(reloj()->isActive(), enCurso);
        EXPECT_EQ(texto()->isReadOnly(), enCurso);
        for (const char* nombre : {"cmdDetener", "textoact"}) {
            EXPECT_EQ(control(nombre)->isEnabled(), enCurso) << nombre;
        }
        for (const char* nombre :
             {"cmdIniciar", "cmdImprimir", "cmdCargar", "cmdHistorial", "chkRepetirTexto", "maskTiempo",
              "MaskPuntMin", "MaskPuntApr", "MaskPuntMax"}) {
            EXPECT_EQ(control(nombre)->isEnabled(), !enCurso) << nombre;
        }
    }
    QColor colorTexto() const { return texto()->palette().color(QPalette::Active, QPalette::Text); }
    QColor colorEstado() const {
        return etiqueta("lblError")->palette().color(QPalette::Active, QPalette::WindowText);
    }
};

} // namespace tecladas::prueba
