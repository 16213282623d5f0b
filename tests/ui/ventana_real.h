#pragma once

#include "entorno_prueba.h"
#include "ui/examen/caja_escritura.h"
#include "ui/examen/caja_referencia.h"
#include "ui/examen/frm_principal.h"
#include "ui/programa.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace tecladas::prueba {

/// The real window, shown offscreen, with the desktop replaced by `EntornoPrueba` so that no
/// dialog waits for an answer. It finds the controls by name, starts runs and types keys as a
/// user does: the widget tests and the benchmarks drive the window through it.
class VentanaReal {
public:
    /// Creates the window and shows it; false when it never shows. With `rutaHistorial`, the whole
    /// program: the window and the history kept in that file.
    bool abrir(const QString& rutaHistorial = {}) {
        registro = std::make_shared<EntornoPrueba::Registro>();
        auto entorno = std::make_unique<EntornoPrueba>(registro);
        ventana = rutaHistorial.isEmpty() ? std::make_unique<frm_principal>(std::move(entorno))
                                          : crearPrograma(std::move(entorno), rutaHistorial);
        terminadas.clear();
        QObject::connect(ventana.get(), &frm_principal::pruebaTerminada,
                         [this](const PruebaTerminada& prueba) { terminadas.push_back(prueba); });
        ventana->show();
        return QTest::qWaitForWindowExposed(ventana.get());
    }

    /// The control named `nombre`; a name the window lacks stops the program.
    template <typename T = QWidget> T* control(const char* nombre) const {
        T* encontrado = ventana->findChild<T*>(QString::fromLatin1(nombre));
        if (encontrado == nullptr) {
            qFatal("the window has no control %s of that kind", nombre);
        }
        return encontrado;
    }
    CajaReferencia* texto() const { return control<CajaReferencia>("texto"); }
    CajaEscritura* textoact() const { return control<CajaEscritura>("textoact"); }
    QLabel* etiqueta(const char* nombre) const { return control<QLabel>(nombre); }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(nombre); }
    QPushButton* boton(const char* nombre) const { return control<QPushButton>(nombre); }
    QTimer* reloj() const { return control<QTimer>("Timer1"); }

    void ponerAjustes(const QString& tiempo, const QString& minimo, const QString& aprobado,
                      const QString& maximo) const {
        caja("maskTiempo")->setText(tiempo);
        caja("MaskPuntMin")->setText(minimo);
        caja("MaskPuntApr")->setText(aprobado);
        caja("MaskPuntMax")->setText(maximo);
    }
    void iniciar() const { QTest::mouseClick(boton("cmdIniciar"), Qt::LeftButton); }
    /// Puts `referencia` in the reference box and starts a run on it.
    void iniciarCon(const QString& referencia, bool repetir = false) const {
        texto()->setPlainText(referencia);
        control<QCheckBox>("chkRepetirTexto")->setChecked(repetir);
        iniciar();
    }

    /// Sends one key, press and release, to `destino` with the text a real keyboard gives it.
    static void tecla(QWidget* destino, int clave, Qt::KeyboardModifiers modificadores = {},
                      const QString& textoTecla = {}) {
        QTest::sendKeyEvent(QTest::Click, destino, static_cast<Qt::Key>(clave), textoTecla, modificadores);
    }
    /// Types one character into the typing box: "\n" as Return, any other character as a key
    /// whose text is that character.
    void pulsar(QChar caracter) const {
        const bool enter = caracter == QLatin1Char('\n');
        tecla(textoact(), enter ? Qt::Key_Return : Qt::Key_unknown, {},
              enter ? QStringLiteral("\r") : QString(caracter));
    }
    void escribir(const QString& teclas) const {
        for (const QChar c : teclas) {
            pulsar(c);
        }
    }
    void ticks(int cuantos) const {
        for (int i = 0; i < cuantos; ++i) {
            ventana->Timer1_Timer();
        }
    }
    /// The run record, writable, to put a counter where hours of typing would bring it.
    SesionExamen& sesionModificable() const { return const_cast<SesionExamen&>(ventana->sesion()); }

    std::shared_ptr<EntornoPrueba::Registro> registro;
    std::unique_ptr<frm_principal> ventana;
    std::vector<PruebaTerminada> terminadas; ///< every run the window said had ended
};

} // namespace tecladas::prueba
