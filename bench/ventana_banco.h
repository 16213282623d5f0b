#pragma once

#include "entorno_prueba.h"
#include "ui/frm_principal.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tecladas::banco {

/// The real window, shown offscreen, with the desktop replaced by the widget tests' stand-in so
/// that no dialog waits for an answer.
class VentanaBanco {
public:
    VentanaBanco()
        : registro(std::make_shared<prueba::EntornoPrueba::Registro>())
        , ventana(std::make_unique<prueba::EntornoPrueba>(registro)) {
        ventana.show();
        (void)QTest::qWaitForWindowExposed(&ventana);
        // The longest exam, so that no clock tick ends a run while it is measured.
        control<QLineEdit>("maskTiempo")->setText(QStringLiteral("99"));
    }

    template <typename T = QWidget> T* control(const char* nombre) {
        return ventana.findChild<T*>(QString::fromLatin1(nombre));
    }
    QPlainTextEdit* texto() { return control<QPlainTextEdit>("texto"); }
    QPlainTextEdit* textoact() { return control<QPlainTextEdit>("textoact"); }

    /// Puts `referencia` in the reference box and starts a run on it.
    void iniciarCon(const QString& referencia) {
        texto()->setPlainText(referencia);
        control<QCheckBox>("chkRepetirTexto")->setChecked(false);
        ventana.cmdIniciar_Click();
    }

    /// One keystroke in the typing box, as the keyboard delivers it: press and release. "\n" is
    /// Return.
    void pulsar(QChar caracter) {
        const bool enter = caracter == QLatin1Char('\n');
        const int tecla = enter ? int(Qt::Key_Return) : int(Qt::Key_unknown);
        const QString texto = enter ? QStringLiteral("\r") : QString(caracter);
        QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(textoact(), &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(textoact(), &soltada);
    }

    /// Keeps measuring past the 16-bit counters: a run of 50,000 keystrokes would pass
    /// `aciertos`' limit and end. Only the benchmark resets them; the window never does.
    void reiniciarContadores() {
        auto& sesion = const_cast<SesionExamen&>(ventana.sesion());
        sesion.aciertos = 0;
        sesion.errores = 0;
    }

    std::shared_ptr<prueba::EntornoPrueba::Registro> registro;
    frm_principal ventana;
};

} // namespace tecladas::banco
