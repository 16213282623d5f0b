#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace tecladas {

/// Largest text file that is loaded, in bytes. A file of this size shows in the reference box in
/// well under a second; the exam never needs more than a few thousand characters of text.
inline constexpr std::uintmax_t kTamanoMaximoArchivo = 16u * 1024u * 1024u;

/// Why a text file could not be read.
enum class FalloLectura {
    Ninguno,
    NoExiste,        ///< there is no file by that name (or it vanished before it was opened)
    DemasiadoGrande, ///< it is larger than `kTamanoMaximoArchivo`, or memory ran out
    NoEsTexto,       ///< it holds null characters: no key can type them, so it is not a text
    Bloqueado,       ///< another program holds it open or locked and lets nobody read it (Windows)
    Otro,            ///< anything else; `error` holds the system's own reason
};

/// The outcome of reading a text file.
struct ResultadoLectura {
    FalloLectura fallo = FalloLectura::Ninguno;
    std::u16string texto;  ///< the decoded text when `fallo` is `Ninguno`
    std::error_code error; ///< the system's reason for an `Otro` failure

    bool correcto() const { return fallo == FalloLectura::Ninguno; }
};

/// Reads a regular file whole and decodes it (see `decodificarTexto`). Directories, pipes and
/// devices are refused without being read, so a named pipe cannot block the caller, and so is a
/// file that would make it wait for more (a kernel log). A text with a null character (a binary
/// file, or UTF-16 without its byte-order mark) is refused as well. A file on a disk or a network
/// that stops answering can still block it: call it off the window's thread.
ResultadoLectura leerArchivoTexto(const std::filesystem::path& ruta);

} // namespace tecladas
