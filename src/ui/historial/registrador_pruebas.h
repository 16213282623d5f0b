#pragma once

#include "engine/ajustes.h"
#include "ui/examen/prueba_terminada.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class QWidget;

namespace tecladas {

class ArchivoPendientes;
class Entorno;
class frm_historial;
class Historial;

/// Keeps each run that ends in the history and opens the history window. Its messages and the
/// history window open over `ventana`, which owns it. A run that cannot be kept waits, in memory
/// and in a pending file beside the history, and is tried again when the next run ends, when the
/// history window opens, on leaving and at the next start; a run waiting for another program's
/// lock is tried again every moment.
class RegistradorPruebas final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(RegistradorPruebas)

public:
    /// The history is the SQLite file at `ruta`, opened on first use.
    RegistradorPruebas(const QString& ruta, Entorno& entorno, QWidget& ventana);
    ~RegistradorPruebas() override;

    /// Where the history window's practice text takes words from, besides the welcome text.
    void ponerTextoActual(std::function<QString()> textoActual) { textoActual_ = std::move(textoActual); }

Q_SIGNALS:
    /// The history window built a practice text.
    void practicaLista(const QString& texto);

public Q_SLOTS:
    /// Records a run that has just ended. The first failure in the program's life is said with its
    /// cause in a message, later ones in the history window's status; the run's results stay on
    /// screen.
    void registrar(const PruebaTerminada& prueba);
    /// Shows the history window, its chart drawn against `umbrales`.
    void mostrarHistorial(const Umbrales& umbrales);

private:
    /// Opens the history, telling the user where a damaged file went. Empty or the reason.
    QString abrir(bool avisar = true);
    /// After a damaged file was set aside, tells the user where it went when `avisar`.
    void avisarApartado(bool avisar);
    /// Keeps the waiting runs, oldest first, as far as it can; says why not when `avisar`.
    void guardarPendientes(bool avisar = true);
    void salir();
    void mostrarEstado();

    Entorno& entorno_;
    QWidget& ventana_;
    std::unique_ptr<Historial> historial_;
    std::unique_ptr<ArchivoPendientes> archivo_;
    std::deque<PruebaTerminada> pendientes_; ///< runs not yet in the history, oldest first
    bool archivoAlDia_ = false;              ///< the pending file holds `pendientes_`
    QString motivo_;                         ///< why the last attempt failed
    QTimer reintento_;                       ///< while another program holds the file
    QElapsedTimer bloqueadoDesde_;
    QPointer<frm_historial> frmHistorial_;
    std::function<QString()> textoActual_;
    bool falloAvisado_ = false;
};

} // namespace tecladas
