#pragma once

#include "engine/evaluacion.h"
#include "engine/sesion_examen.h"
#include "ui/medidor_lineas_texto.h"

#include <QColor>
#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tecladas {

class CajaEscritura;
class Entorno;
class PaginaReferencia;
class RegistradorPruebas;

/// The exam window. It creates the controls, wires their events to the exam core and shows what
/// the core decides; judging, paging and grading live in the core.
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
    static QColor colorResultados() { return QColor(255, 0, 0); }

public Q_SLOTS:
    void Form_Load();
    void cmdIniciar_Click();
    void cmdDetener_Click();
    void cmdCargar_Click();
    void cmdImprimir_Click();
    /// The key filter: returns false when the key is cancelled.
    bool textoact_KeyDown(int codigoTecla, int estadoMayusculas);
    /// Judges one character typed in the typing box (Enter as 13).
    void textoact_KeyPress(char32_t caracter);
    void textoact_MouseUp();
    void texto_MouseUp();
    void Timer1_Timer();
    void ActualizarResultados();
    void FinalizarPrueba();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void crearControles();
    void aplicar(const Veredicto& veredicto, char32_t caracter);
    void rechazarPegado();
    void mostrarRechazo();
    void terminarPorLimite();
    void ponerColorTexto(const QColor& color);
    void ponerColorError(const QColor& color);
    void mostrarTextoReferencia(std::size_t desde);

    std::unique_ptr<Entorno> entorno_;
    SesionExamen sesion_;
    MedidorLineasTexto medidor_;

    QPlainTextEdit* texto = nullptr;
    CajaEscritura* textoact = nullptr;
    QPushButton* cmdDetener = nullptr;
    QCheckBox* chkRepetirTexto = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdCargar = nullptr;
    QLineEdit* txtTiempoTotalSeg = nullptr;
    QLineEdit* txtTiempoTotalmin = nullptr;
    QLineEdit* maskTiempo = nullptr;
    QLineEdit* txtTecladasmin = nullptr;
    QLineEdit* txtErrores = nullptr;
    QLineEdit* txtAciertos = nullptr;
    QPushButton* cmdIniciar = nullptr;
    QTimer* Timer1 = nullptr;
    QLineEdit* MaskPuntMax = nullptr;
    QLineEdit* MaskPuntApr = nullptr;
    QLineEdit* MaskPuntMin = nullptr;
    QLabel* lblError = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblPuntuacion = nullptr;
    QLabel* lblNota = nullptr;
    QPushButton* cmdHistorial = nullptr;

    PaginaReferencia* pagina_ = nullptr; ///< what `texto` shows during a run
    RegistradorPruebas* registrador_ = nullptr;
    QColor colorTexto_;
    QColor colorError_;
};

} // namespace tecladas
