#pragma once

#include <QObject>

#include <functional>

namespace tecladas {

class EntornoEscritorio;

/// Lets the program end in order when it is ended from outside: SIGTERM, SIGHUP or SIGINT (as at
/// logout or shutdown) quit the event loop, the session manager's request to save its data, and
/// the loss of the display (Qt's X11 support then ends the process through `exit`). Each runs
/// `terminarPrueba` first, which ends a run in progress and keeps it; messages go to the error
/// output from then on (`EntornoEscritorio::callar`), except for the session's request, which
/// the user may still cancel. One at a time in a process.
class SalidaOrdenada final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(SalidaOrdenada)

public:
    SalidaOrdenada(EntornoEscritorio& entorno, std::function<void()> terminarPrueba);
    ~SalidaOrdenada() override;

    /// Ends a run in progress, silently; with `salir`, quits the event loop too.
    void terminar(bool salir);

private:
    EntornoEscritorio& entorno_;
    std::function<void()> terminarPrueba_;
};

} // namespace tecladas
