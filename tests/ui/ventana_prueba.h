#pragma once

#include "entorno_prueba.h"
#include "ui/frm_principal.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

/// Failures show texts as text.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace tecladas::prueba {

/// A real window, shown offscreen, with the desktop replaced by `EntornoPrueba`.
class VentanaPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        registro = std::make_shared<EntornoPrueba::Registro>();
        ventana = std::make_unique<frm_principal>(std::make_unique<EntornoPrueba>(registro));
        ventana->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
    }
    void TearDown() override { ventana.reset(); }

    template <typename T = QWidget> T* control(const char* nombre) const {
        T* encontrado = ventana->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(encontrado, nullptr) << nombre;
        return encontrado;
    }
    QPlainTextEdit* texto() const { return control<QPlainTextEdit>("texto"); }
    QPlainTextEdit* textoact() const { return control<QPlainTextEdit>("textoact"); }
    QLabel* etiqueta(const char* nombre) const { return control<QLabel>(nombre); }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(nombre); }
    QPushButton* boton(const char* nombre) const { return control<QPushButton>(nombre); }
    QTimer* reloj() const { return control<QTimer>("Timer1"); }

    void ponerAjustes(const QString& tiempo, const QString& minimo, const QString& aprobado,
                      const QString& maximo) {
        caja("maskTiempo")->setText(tiempo);
        caja("MaskPuntMin")->setText(minimo);
        caja("MaskPuntApr")->setText(aprobado);
        caja("MaskPuntMax")->setText(maximo);
    }
    void iniciar() { QTest::mouseClick(boton("cmdIniciar"), Qt::LeftButton); }
    void iniciarCon(const QString& referencia, bool repetir = false) {
        texto()->setPlainText(referencia);
        control<QCheckBox>("chkRepetirTexto")->setChecked(repetir);
        iniciar();
    }

    /// Types one character into the typing box as a keyboard would: "\n" as Return, any other
    /// character as a key whose text is that character.
    void pulsar(QChar caracter) {
        if (caracter == QLatin1Char('\n')) {
            QTest::keyClick(textoact(), Qt::Key_Return);
        } else {
            QTest::sendKeyEvent(QTest::Click, textoact(), Qt::Key_unknown, QString(caracter), Qt::NoModifier);
        }
    }
    void escribir(const QString& teclas) {
        for (const QChar c : teclas) {
            pulsar(c);
        }
    }
    void ticks(int cuantos) {
        for (int i = 0; i < cuantos; ++i) {
            ventana->Timer1_Timer();
        }
    }
    /// Sends one key to `destino` with the text a real keyboard would give it.
    static void tecla(QWidget* destino, int clave, Qt::KeyboardModifiers modificadores = {},
                      const QString& textoTecla = {}) {
        QTest::sendKeyEvent(QTest::Click, destino, static_cast<Qt::Key>(clave), textoTecla, modificadores);
    }
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
    /// The run record, writable, to put a counter where hours of typing would bring it.
    SesionExamen& sesionModificable() { return const_cast<SesionExamen&>(ventana->sesion()); }
    QColor colorTexto() const { return texto()->palette().color(QPalette::Active, QPalette::Text); }
    QColor colorEstado() const {
        return etiqueta("lblError")->palette().color(QPalette::Active, QPalette::WindowText);
    }

    std::shared_ptr<EntornoPrueba::Registro> registro;
    std::unique_ptr<frm_principal> ventana;
};

} // namespace tecladas::prueba
