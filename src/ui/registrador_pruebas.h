#pragma once

#include "engine/sesion_examen.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QPlainTextEdit;
class QWidget;

namespace tecladas {

class Entorno;
class FrmHistorial;
class Historial;

/// Keeps the exam window's runs in the history and opens the history window. It lives as long
/// as the exam window, which is its parent.
class RegistradorPruebas final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(RegistradorPruebas)

public:
    /// `ventana` is the exam window, whose reference box `referencia` names the text of a run.
    RegistradorPruebas(QWidget& ventana, Entorno& entorno, const QPlainTextEdit& referencia);
    ~RegistradorPruebas() override;

    /// Records the run that has just ended, with the repeat setting it ran with. When the
    /// history cannot be written, says so once in the program's life; the run's results stay.
    void registrar(const SesionExamen& sesion, bool repetir);

public Q_SLOTS:
    /// Shows the history window, with the thresholds the exam window holds now.
    void mostrarHistorial();

private:
    /// Opens the history, telling the user where a damaged file went. Empty or the reason.
    QString abrir();
    QString nombreDelTexto(const SesionExamen& sesion) const;

    QWidget& ventana_;
    Entorno& entorno_;
    const QPlainTextEdit& referencia_;
    std::unique_ptr<Historial> historial_;
    QPointer<FrmHistorial> frmHistorial_;
    bool falloAvisado_ = false;
};

} // namespace tecladas
