#include "servidor_x.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tecladas::prueba {

ServidorX::ServidorX() {
    int tubo[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) {
        fallo_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    // Only the write end is inherited: Xvfb writes its display number there once it is ready.
    const int escritura = ::fcntl(tubo[1], F_DUPFD, 3);
    const std::string fd = std::to_string(escritura);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The server goes with the tests, however they end.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int nulo = ::open("/dev/null", O_WRONLY);
        ::dup2(nulo, STDOUT_FILENO);
        ::dup2(nulo, STDERR_FILENO);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                 "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(escritura);
    ::close(tubo[1]);
    if (pid < 0) {
        fallo_ = QString::fromLocal8Bit(std::strerror(errno));
        ::close(tubo[0]);
        return;
    }
    pid_ = pid;
    std::string numero;
    pollfd espera{tubo[0], POLLIN, 0};
    char c;
    while (::poll(&espera, 1, 10000) > 0 && ::read(tubo[0], &c, 1) == 1 && c != '\n') {
        numero += c;
    }
    ::close(tubo[0]);
    if (numero.empty()) {
        fallo_ = QStringLiteral("Xvfb no está instalado o no llegó a abrir una pantalla");
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
        return;
    }
    ::setenv("DISPLAY", (":" + numero).c_str(), 1);
}

ServidorX::~ServidorX() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

} // namespace tecladas::prueba
