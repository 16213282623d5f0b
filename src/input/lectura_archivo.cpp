#include "input/lectura_archivo.h"

#include "input/decodificacion.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>

#if defined(_WIN32)
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tecladas {

namespace {

ResultadoLectura fallo(FalloLectura tipo, std::error_code error = {}) {
    ResultadoLectura r;
    r.fallo = tipo;
    r.error = error;
    return r;
}

ResultadoLectura falloDeSistema(int numero) {
    if (numero == ENOENT || numero == ENOTDIR) {
        return fallo(FalloLectura::NoExiste);
    }
    if (numero == ENOMEM || numero == EFBIG) {
        return fallo(FalloLectura::DemasiadoGrande);
    }
    // Read without waiting, a kernel log or another endless source says it has nothing yet.
    if (numero == EAGAIN || numero == EWOULDBLOCK) {
        return fallo(FalloLectura::Otro, std::make_error_code(std::errc::not_supported));
    }
    return fallo(FalloLectura::Otro, std::error_code(numero, std::generic_category()));
}

#if defined(_WIN32)

/// Reads the whole file into `bytes`, or returns why it could not.
ResultadoLectura leerBytes(const std::filesystem::path& ruta, std::string& bytes) {
    std::error_code error;
    const auto estado = std::filesystem::status(ruta, error);
    if (!std::filesystem::exists(estado)) {
        return fallo(FalloLectura::NoExiste);
    }
    if (std::filesystem::is_directory(estado)) {
        return fallo(FalloLectura::Otro, std::make_error_code(std::errc::is_a_directory));
    }
    if (!std::filesystem::is_regular_file(estado)) {
        return fallo(FalloLectura::Otro, std::make_error_code(std::errc::not_supported));
    }
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) {
        return falloDeSistema(errno != 0 ? errno : EACCES);
    }
    char bloque[1 << 16];
    while (archivo.read(bloque, sizeof bloque) || archivo.gcount() > 0) {
        bytes.append(bloque, static_cast<std::size_t>(archivo.gcount()));
        if (bytes.size() > kTamanoMaximoArchivo) {
            return fallo(FalloLectura::DemasiadoGrande);
        }
    }
    if (archivo.bad()) {
        return falloDeSistema(errno != 0 ? errno : EIO);
    }
    return {};
}

#else

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

ResultadoLectura leerBytes(const std::filesystem::path& ruta, std::string& bytes) {
    // Non-blocking, so that opening a named pipe returns at once; the type is then checked on
    // the open descriptor, which cannot be swapped for another file in between.
    Descriptor archivo(::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (archivo.get() < 0) {
        return falloDeSistema(errno);
    }
    struct stat datos {};
    if (::fstat(archivo.get(), &datos) != 0) {
        return falloDeSistema(errno);
    }
    if (S_ISDIR(datos.st_mode)) {
        return falloDeSistema(EISDIR);
    }
    if (!S_ISREG(datos.st_mode)) {
        return fallo(FalloLectura::Otro, std::make_error_code(std::errc::not_supported));
    }
    if (static_cast<std::uintmax_t>(datos.st_size) > kTamanoMaximoArchivo) {
        return fallo(FalloLectura::DemasiadoGrande);
    }
    // The file may still grow or shrink while it is read: read to its end, never past the limit.
    bytes.resize(static_cast<std::size_t>(datos.st_size) + 1);
    std::size_t leidos = 0;
    for (;;) {
        if (leidos == bytes.size()) {
            if (bytes.size() > kTamanoMaximoArchivo) {
                return fallo(FalloLectura::DemasiadoGrande);
            }
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, kTamanoMaximoArchivo + 1));
        }
        const ssize_t n = ::read(archivo.get(), bytes.data() + leidos, bytes.size() - leidos);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return falloDeSistema(errno);
        }
        if (n == 0) {
            break;
        }
        leidos += static_cast<std::size_t>(n);
    }
    if (leidos > kTamanoMaximoArchivo) {
        return fallo(FalloLectura::DemasiadoGrande);
    }
    bytes.resize(leidos);
    return {};
}

#endif

} // namespace

ResultadoLectura leerArchivoTexto(const std::filesystem::path& ruta) {
    try {
        std::string bytes;
        ResultadoLectura resultado = leerBytes(ruta, bytes);
        if (!resultado.correcto()) {
            return resultado;
        }
        resultado.texto = decodificarTexto(bytes);
        if (resultado.texto.find(u'\0') != std::u16string::npos) {
            return fallo(FalloLectura::NoEsTexto);
        }
        return resultado;
    } catch (const std::bad_alloc&) {
        return fallo(FalloLectura::DemasiadoGrande);
    } catch (const std::length_error&) {
        return fallo(FalloLectura::DemasiadoGrande);
    }
}

} // namespace tecladas
