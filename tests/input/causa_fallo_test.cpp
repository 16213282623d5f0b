#include "input/causa_fallo.h"

#include "support/filas.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tecladas {
namespace {

using prueba::PrintTo;

struct CasoCausa {
    const char* nombre;
    int numero; ///< errno
    const char* causa;
};

class CausaFalloTest : public ::testing::TestWithParam<CasoCausa> {};

TEST_P(CausaFalloTest, EachUsualCauseIsSpanish) {
    EXPECT_EQ(causaFallo(std::error_code(GetParam().numero, std::generic_category())), GetParam().causa);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tabla, CausaFalloTest,
    ::testing::Values(
        CasoCausa{"permission", EACCES, "no tiene permiso para usar el archivo o su carpeta."},
        CasoCausa{"not_permitted", EPERM, "no tiene permiso para usar el archivo o su carpeta."},
        CasoCausa{"not_found", ENOENT, "el archivo o su carpeta no existe."},
        CasoCausa{"folder_in_the_path_is_a_file", ENOTDIR, "el archivo o su carpeta no existe."},
        CasoCausa{"folder", EISDIR, "el nombre es el de una carpeta, no el de un archivo."},
        CasoCausa{"disk_full", ENOSPC, "el disco está lleno."},
        CasoCausa{"read_only_disk", EROFS, "el disco es de solo lectura."},
        CasoCausa{"too_many_open", EMFILE, "hay demasiados archivos abiertos."},
        CasoCausa{"too_many_open_in_system", ENFILE, "hay demasiados archivos abiertos."},
        CasoCausa{"busy", EBUSY, "el archivo está bloqueado o lo está usando otro programa."},
        CasoCausa{"program_running", ETXTBSY, "el archivo está bloqueado o lo está usando otro programa."},
        CasoCausa{"locked", EAGAIN, "el archivo está bloqueado o lo está usando otro programa."},
        CasoCausa{"no_lock", ENOLCK, "el archivo está bloqueado o lo está usando otro programa."},
        CasoCausa{"lock_deadlock", EDEADLK, "el archivo está bloqueado o lo está usando otro programa."},
        CasoCausa{"disk_failed", EIO, "el disco no ha podido leer o escribir el archivo."},
        CasoCausa{"name_too_long", ENAMETOOLONG, "el nombre del archivo es demasiado largo."},
        CasoCausa{"too_large", EFBIG, "el archivo es demasiado grande."},
        CasoCausa{"memory", ENOMEM, "no queda memoria libre."},
        CasoCausa{"link_loop", ELOOP, "el nombre lleva a un bucle de enlaces simbólicos."},
        CasoCausa{"no_regular_file", ENOTSUP, "el nombre no es el de un archivo normal."},
        CasoCausa{"other_after_a_spanish_lead", ENOEXEC, "error del sistema: Exec format error."}),
    prueba::porNombre);
// clang-format on
#if defined(EDQUOT) // no disk quotas in Windows' C library
INSTANTIATE_TEST_SUITE_P(Cuota, CausaFalloTest,
                         ::testing::Values(CasoCausa{
                             "quota", EDQUOT, "se ha agotado el espacio del disco reservado a su usuario."}),
                         prueba::porNombre);
#endif

TEST(MotivoSinEscrituraTest, TheSystemSaysWhyAPathCannotBeWritten) {
    const std::filesystem::path carpeta = std::filesystem::temp_directory_path();
    EXPECT_EQ(motivoSinEscritura(carpeta / "nuevo.txt"), std::error_code());
    EXPECT_EQ(motivoSinEscritura(carpeta / "no-existe" / "nuevo.txt"), std::errc::no_such_file_or_directory);
}

} // namespace
} // namespace tecladas
