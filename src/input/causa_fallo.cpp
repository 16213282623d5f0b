#include "input/causa_fallo.h"

#include <cerrno>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tecladas {

std::string causaFallo(const std::error_code& error) {
    using enum std::errc;
    static const struct {
        std::errc error;
        const char* causa;
    } causas[] = {
        {permission_denied, "no tiene permiso para usar el archivo o su carpeta."},
        {operation_not_permitted, "no tiene permiso para usar el archivo o su carpeta."},
        {no_such_file_or_directory, "el archivo o su carpeta no existe."},
        {not_a_directory, "el archivo o su carpeta no existe."},
        {is_a_directory, "el nombre es el de una carpeta, no el de un archivo."},
        {no_space_on_device, "el disco está lleno."},
#if defined(EDQUOT)
        {static_cast<std::errc>(EDQUOT), "se ha agotado el espacio del disco reservado a su usuario."},
#endif
        {read_only_file_system, "el disco es de solo lectura."},
        {too_many_files_open, "hay demasiados archivos abiertos."},
        {too_many_files_open_in_system, "hay demasiados archivos abiertos."},
        {device_or_resource_busy, "el archivo está bloqueado o lo está usando otro programa."},
        {text_file_busy, "el archivo está bloqueado o lo está usando otro programa."},
        {resource_unavailable_try_again, "el archivo está bloqueado o lo está usando otro programa."},
        {no_lock_available, "el archivo está bloqueado o lo está usando otro programa."},
        {resource_deadlock_would_occur, "el archivo está bloqueado o lo está usando otro programa."},
        {io_error, "el disco no ha podido leer o escribir el archivo."},
        {filename_too_long, "el nombre del archivo es demasiado largo."},
        {file_too_large, "el archivo es demasiado grande."},
        {not_enough_memory, "no queda memoria libre."},
        {too_many_symbolic_link_levels, "el nombre lleva a un bucle de enlaces simbólicos."},
        {not_supported, "el nombre no es el de un archivo normal."},
    };
    for (const auto& [conocido, causa] : causas) {
        if (error == conocido) {
            return causa;
        }
    }
    return "error del sistema: " + error.message() + ".";
}

std::error_code motivoSinEscritura(const std::filesystem::path& ruta) {
    std::error_code ignorado;
    const std::filesystem::path destino = std::filesystem::exists(ruta, ignorado) ? ruta : ruta.parent_path();
#if defined(_WIN32)
    const int resultado = ::_waccess(destino.c_str(), 2);
#else
    const int resultado = ::access(destino.c_str(), W_OK);
#endif
    return resultado == 0 ? std::error_code() : std::error_code(errno, std::generic_category());
}

} // namespace tecladas
