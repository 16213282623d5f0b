#pragma once

#include "engine/ajustes.h"
#include "ui/examen/prueba_terminada.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace tecladas {

class Entorno;
class frm_historial;
class Historial;

/// Keeps each run that ends in the history and opens the history window. Its messages and the
/// history window open over `ventana`, which owns it.
class RegistradorPruebas final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(RegistradorPruebas)

public:
    /// The history is the SQLite file at `ruta`, opened on first use.
    RegistradorPruebas(const QString& ruta, Entorno& entorno, QWidget& ventana);
    ~RegistradorPruebas() override;

public Q_SLOTS:
    /// Records a run that has just ended. When the history cannot be written, says so once in
    /// the program's life; the run's results stay on screen.
    void registrar(const PruebaTerminada& prueba);
    /// Shows the history window, its chart drawn against `umbrales`.
    void mostrarHistorial(const Umbrales& umbrales);

private:
    /// Opens the history, telling the user where a damaged file went. Empty or the reason.
    QString abrir();

    Entorno& entorno_;
    QWidget& ventana_;
    std::unique_ptr<Historial> historial_;
    QPointer<frm_historial> frmHistorial_;
    bool falloAvisado_ = false;
};

} // namespace tecladas
