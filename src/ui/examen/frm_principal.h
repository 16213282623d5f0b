#pragma once

#include "engine/ajustes.h"
#include "engine/evaluacion.h"
#include "engine/sesion_examen.h"
#include "ui/examen/prueba_terminada.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace tecladas {

class Entorno;

namespace Ui {
class frm_principal;
}

/// The exam window. Its controls, with their places, fonts, captions, names and tab order, are
/// laid out in frm_principal.ui; this class turns each of their events into one call of the exam
/// core and shows what the core decides. What happens to a run after it ends, and what the
/// "Historial" button shows, belong to whoever listens to its signals.
class frm_principal final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frm_principal)

public:
    /// The window talks to the user through `entorno` (messages, file dialog, beep, printer).
    explicit frm_principal(std::unique_ptr<Entorno> entorno, QWidget* padre = nullptr);
    ~frm_principal() override;

    /// The record of the current (or last) run, for inspection.
    const SesionExamen& sesion() const { return sesion_; }
    /// The reference text the window holds: the one being typed during a run.
    QString textoReferencia() const;

    /// Colours of the status line and the reference text.
    static QColor colorError() { return QColor(231, 3, 0); }
    static QColor colorNormal() { return QColor(0, 0, 0); }

Q_SIGNALS:
    /// A run has ended, whichever way: time up, stopped, text completed, a counter at its limit,
    /// or the window closed during it. Emitted once a run, with its results already on screen and
    /// before the message that tells the ending.
    void pruebaTerminada(const PruebaTerminada& prueba);
    /// The "Historial" button asks for the history, with the thresholds the window holds now.
    void historialPedido(const Umbrales& umbrales);

public Q_SLOTS:
    // Public for the tests, which tick the clock by hand and deliver the events that queue up
    // behind an open message box.
    void Timer1_Timer();
    void cmdDetener_Click();
    /// Judges one character typed in the typing box (Enter as 13).
    void textoact_KeyPress(char32_t caracter);
    /// Puts `texto` in the reference box in place of its text, as pasting it there would, and
    /// brings the window up ready for Start. Refused, with a message, during a run.
    void pegarTexto(const QString& texto);
    /// Ends a run in progress as stopped, with no message: the program is being ended (the window
    /// closed, the session ending, the program told to stop, the display lost).
    void terminarPrueba();

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
    /// The name a run's text goes by: the loaded file's, or the welcome or a pasted text.
    QString nombreDelTexto() const;

    std::unique_ptr<Ui::frm_principal> ui_;
    std::unique_ptr<Entorno> entorno_;
    SesionExamen sesion_;
    QTimer reloj_; ///< the one-second clock, found by its object name "Timer1"
};

} // namespace tecladas
