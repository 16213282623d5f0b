#include "input/lectura_archivo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#if defined(_WIN32)
#include <process.h>
#include <windows.h>
#define getpid _getpid
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tecladas {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

/// Real files in a folder of each test's own.
class LecturaArchivoTest : public ::testing::Test {
protected:
    LecturaArchivoTest() { fs::create_directories(carpeta); }
    ~LecturaArchivoTest() override { fs::remove_all(carpeta); }
    fs::path escribir(const char* nombre, std::string_view bytes) const {
        std::ofstream(carpeta / nombre, std::ios::binary) << bytes;
        return carpeta / nombre;
    }

    const fs::path carpeta = fs::temp_directory_path() / ("tecladas-lectura-" + std::to_string(::getpid()));
};

TEST_F(LecturaArchivoTest, ReadsADecodedTextOrTellsWhyNot) {
    using enum FalloLectura;
    const auto sinSoporte = std::make_error_code(std::errc::not_supported);
    fs::create_directory(carpeta / "carpeta");
    // Sparse files of nothing but null characters: read whole, they are no text.
    fs::resize_file(escribir("justo", {}), kTamanoMaximoArchivo);
    fs::resize_file(escribir("grande", {}), kTamanoMaximoArchivo + 1);
    // A name with an accent, long enough for the whole path to pass 260 characters.
    const fs::path largo = carpeta / (std::u8string(230, u8'a') + u8"-camión.txt");
    std::ofstream(largo, std::ios::binary) << "largo";
    std::vector<std::tuple<fs::path, FalloLectura, std::error_code, std::u16string>> casos = {
        {escribir("texto", "Cami\xF3n\r\n"), Ninguno, {}, u"Camión\r\n"},
        {escribir("vacio", ""), Ninguno, {}, u""},
        {escribir("utf16", "\xFF\xFEh\0i\0"sv), Ninguno, {}, u"hi"},
        {escribir("binario", "a\0b"sv), NoEsTexto, {}, u""},
        {largo, Ninguno, {}, u"largo"},
        {carpeta / "no-existe", NoExiste, {}, u""},
        {carpeta / "texto" / "dentro", NoExiste, {}, u""},
        {carpeta / "carpeta", Otro, std::make_error_code(std::errc::is_a_directory), u""},
        {carpeta / "justo", NoEsTexto, {}, u""},
        {carpeta / "grande", DemasiadoGrande, {}, u""}};
#if defined(_WIN32)
    // Another program holds the file open without sharing it.
    const HANDLE exclusivo = ::CreateFileW(escribir("exclusivo", "x").c_str(), GENERIC_READ | GENERIC_WRITE,
                                           0, nullptr, OPEN_EXISTING, 0, nullptr);
    const std::wstring unidad = fs::absolute(carpeta).make_preferred().wstring();
    ASSERT_EQ(unidad.substr(1, 2), L":\\"); // a drive letter and backslashes
    casos.insert(casos.end(),
                 {{unidad + L"\\texto", Ninguno, {}, u"Camión\r\n"},
                  {fs::absolute(carpeta).generic_wstring() + L"/texto", Ninguno, {}, u"Camión\r\n"},
                  {unidad + L"\\exclusivo", Bloqueado, {}, u""},
                  {L"NUL", Otro, sinSoporte, u""},
                  {L"Q:\\no-existe.txt", NoExiste, {}, u""}});
#else
    ASSERT_EQ(::mkfifo((carpeta / "tuberia").c_str(), 0600), 0); // opened for reading it would block
    casos.insert(casos.end(),
                 {{carpeta / "tuberia", Otro, sinSoporte, u""}, {"/dev/zero", Otro, sinSoporte, u""}});
#endif
    for (const auto& [ruta, fallo, error, texto] : casos) {
        const ResultadoLectura r = leerArchivoTexto(ruta);
        EXPECT_EQ(std::tuple(r.fallo, r.error, r.correcto() ? r.texto : u""), std::tuple(fallo, error, texto))
            << ruta;
    }
#if defined(_WIN32)
    ::CloseHandle(exclusivo);
#endif
}

} // namespace
} // namespace tecladas
