#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace tecladas {

/// Why the system could not read or write a file, in Spanish and in UTF-8: a clause in lower case
/// that ends with a full stop, written to follow a lead such as "No se ha podido leer el archivo: ".
/// The usual causes (no permission, no such file, a folder, a full or read-only disk, too many
/// open files, a file locked or in use) have a sentence of their own; any other keeps the system's
/// own text after a Spanish lead. Meant for the generic category (`errno` values), whose texts
/// end without a full stop.
std::string causaFallo(const std::error_code& error);

/// Why `ruta`, or the folder it would be created in when it does not exist, cannot be written, as
/// the system tells it; none when it can be. For a caller that failed to write and was not told why.
std::error_code motivoSinEscritura(const std::filesystem::path& ruta);

} // namespace tecladas
