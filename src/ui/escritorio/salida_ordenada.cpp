#include "ui/escritorio/salida_ordenada.h"

#include "ui/escritorio/entorno.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QThread>

#include <cstdlib>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tecladas {

namespace {

SalidaOrdenada* activa = nullptr;

/// Runs on every `exit`, after `main` has returned as well as when a library ends the process
/// in the middle of the event loop, as Qt's X11 support does when the display goes away.
void alSalirDelProceso() {
    if (activa != nullptr && QThread::currentThread() == activa->thread()) {
        activa->terminar(false);
    }
}

#ifdef Q_OS_UNIX
/// The signals reach the event loop through this pair: a handler may only write a byte.
int pareja[2] = {-1, -1};

extern "C" void alRecibirSenal(int senal) {
    const int error = errno;
    const char byte = static_cast<char>(senal);
    (void)!::write(pareja[1], &byte, 1);
    errno = error;
}
#endif

} // namespace

SalidaOrdenada::SalidaOrdenada(EntornoEscritorio& entorno, std::function<void()> terminarPrueba)
    : entorno_(entorno)
    , terminarPrueba_(std::move(terminarPrueba)) {
    activa = this;
    static const bool registrada = std::atexit(alSalirDelProceso) == 0;
    (void)registrada;
    // The user may still cancel the logout: the run ends, the program stays.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { terminarPrueba_(); });
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pareja) != 0) {
        return;
    }
    ::fcntl(pareja[1], F_SETFL, O_NONBLOCK); // a handler never waits
    auto* aviso = new QSocketNotifier(pareja[0], QSocketNotifier::Read, this);
    connect(aviso, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        (void)!::read(pareja[0], &byte, 1);
        terminar(true);
    });
    struct sigaction accion {};
    accion.sa_handler = alRecibirSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    for (const int senal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(senal, &accion, nullptr);
    }
#endif
}

SalidaOrdenada::~SalidaOrdenada() {
    activa = nullptr;
#ifdef Q_OS_UNIX
    for (const int senal : {SIGTERM, SIGHUP, SIGINT}) {
        ::signal(senal, SIG_DFL);
    }
    for (int& extremo : pareja) {
        if (extremo >= 0) {
            ::close(extremo);
            extremo = -1;
        }
    }
#endif
}

void SalidaOrdenada::terminar(bool salir) {
    entorno_.callar();
    terminarPrueba_();
    if (salir) {
        QCoreApplication::quit();
    }
}

} // namespace tecladas
