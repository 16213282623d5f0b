#include "input/lectura_archivo.h"

#include "input/decodificacion.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
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

ResultadoLectura falloDeWindows(DWORD codigo) {
    switch (codigo) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return fallo(FalloLectura::NoExiste);
    // Another program holds the file open without sharing it, or has locked part of it.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return fallo(FalloLectura::Bloqueado);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return fallo(FalloLectura::DemasiadoGrande);
    case ERROR_ACCESS_DENIED:
        return falloDeSistema(EACCES);
    default:
        return fallo(FalloLectura::Otro, std::error_code(static_cast<int>(codigo), std::system_category()));
    }
}

/// The name to open: Windows refuses paths of MAX_PATH characters or more unless they are
/// written whole in their extended form, which takes no "." or ".." and only backslashes.
std::wstring nombreParaAbrir(const std::filesystem::path& ruta) {
    std::wstring nombre = ruta.wstring();
    if (nombre.size() < MAX_PATH - 12 || nombre.starts_with(LR"(\\?\)")) {
        return nombre;
    }
    std::error_code error;
    const std::filesystem::path absoluta = std::filesystem::absolute(ruta, error);
    if (error) {
        return nombre;
    }
    nombre = absoluta.lexically_normal().make_preferred().wstring();
    if (nombre.starts_with(LR"(\\)")) {
        return LR"(\\?\UNC\)" + nombre.substr(2);
    }
    return LR"(\\?\)" + nombre;
}

class Manejador {
public:
    explicit Manejador(HANDLE h)
        : h_(h) {}
    ~Manejador() {
        if (h_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(h_);
        }
    }
    Manejador(const Manejador&) = delete;
    Manejador& operator=(const Manejador&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

ResultadoLectura leerBytes(const std::filesystem::path& ruta, std::string& bytes) {
    // Shared for writing and deleting, so that a file another program keeps open (an editor)
    // still reads; a folder opens too (backup semantics), to be told apart below.
    Manejador archivo(::CreateFileW(
        nombreParaAbrir(ruta).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (archivo.get() == INVALID_HANDLE_VALUE) {
        return falloDeWindows(::GetLastError());
    }
    // Devices (NUL, CON, a serial port) and pipes are no files to read.
    if (::GetFileType(archivo.get()) != FILE_TYPE_DISK) {
        return fallo(FalloLectura::Otro, std::make_error_code(std::errc::not_supported));
    }
    BY_HANDLE_FILE_INFORMATION datos{};
    if (!::GetFileInformationByHandle(archivo.get(), &datos)) {
        return falloDeWindows(::GetLastError());
    }
    if ((datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return falloDeSistema(EISDIR);
    }
    const std::uintmax_t tamano = (std::uintmax_t{datos.nFileSizeHigh} << 32) | datos.nFileSizeLow;
    if (tamano > kTamanoMaximoArchivo) {
        return fallo(FalloLectura::DemasiadoGrande);
    }
    // The file may still grow or shrink while it is read: read to its end, never past the limit.
    bytes.resize(static_cast<std::size_t>(tamano) + 1);
    std::size_t leidos = 0;
    for (;;) {
        if (leidos == bytes.size()) {
            if (bytes.size() > kTamanoMaximoArchivo) {
                return fallo(FalloLectura::DemasiadoGrande);
            }
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, kTamanoMaximoArchivo + 1));
        }
        DWORD n = 0;
        if (!::ReadFile(archivo.get(), bytes.data() + leidos, static_cast<DWORD>(bytes.size() - leidos), &n,
                        nullptr)) {
            return falloDeWindows(::GetLastError());
        }
        if (n == 0) {
            break;
        }
        leidos += n;
    }
    if (leidos > kTamanoMaximoArchivo) {
        return fallo(FalloLectura::DemasiadoGrande);
    }
    bytes.resize(leidos);
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
