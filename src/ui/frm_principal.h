#pragma once

#include "engine/evaluacion.h"
#include "engine/sesion_examen.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace tecladas {

class Entorno;
class RegistradorPruebas;

namespace Ui {
class frm_principal;
}

/// The exam window. Its controls, with their places, fonts, captions, names and tab order, are
/// laid out in frm_principal.ui; this class turns each of their events into one call of the exam
/// core and shows what the core decides.
class frm_principal final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frm_principal)

public:
    /// The window talks to the user through `entorno` (messages, file dialog, beep, printer).
    explicit frm_principal(std::unique_ptr<Entorno> entorno, QWidget* padre = nullptr);
    ~frm_principal() override;

    /// The record of the current (or last) run, for inspection.
    const SesionExamen& sesion() const { return sesion_; }

    /// Colours of the status line and the reference text.
    static QColor colorError() { return QColor(231, 3, 0); }
    static QColor colorNormal() { return QColor(0, 0, 0); }

public Q_SLOTS:
    // Public for the tests, which tick the clock by hand and deliver the events that queue up
    // behind an open message box.
    void Timer1_Timer();
    void cmdDetener_Click();
    /// Judges one character typed in the typing box (Enter as 13).
    void textoact_KeyPress(char32_t caracter);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private Q_SLOTS:
    void cmdIniciar_Click();
    void cmdCargar_Click();
    void cmdImprimir_Click();
    void textoact_KeyDown(int codigoTecla, int estadoMayusculas, bool* cancelada);
    void rechazarPegado();

private:
    void Form_Load();
    void ponerEnCurso(bool enCurso);
    void aplicar(const Veredicto& veredicto, char32_t caracter);
    void mostrarRechazo();
    void terminarPorLimite();
    void textoact_MouseUp();
    void texto_MouseUp();
    void ActualizarResultados();
    void FinalizarPrueba();

    std::unique_ptr<Ui::frm_principal> ui;
    std::unique_ptr<Entorno> entorno_;
    SesionExamen sesion_;
    QTimer Timer1;
    RegistradorPruebas* registrador_ = nullptr; ///< keeps every ended run in the history
};

} // namespace tecladas
