#include "input/lectura_archivo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tecladas {
namespace {

namespace fs = std::filesystem;

/// A fresh folder per test, removed afterwards.
class LecturaArchivoTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device azar;
        carpeta = fs::temp_directory_path() / ("tecladas-lectura-" + std::to_string(azar()));
        fs::create_directories(carpeta);
    }
    void TearDown() override { fs::remove_all(carpeta); }

    fs::path escribir(const std::string& nombre, std::string_view bytes) {
        const fs::path ruta = carpeta / nombre;
        std::ofstream(ruta, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return ruta;
    }

    fs::path carpeta;
};

TEST_F(LecturaArchivoTest, ReadsAndDecodesAWholeFile) {
    const ResultadoLectura r = leerArchivoTexto(escribir("texto.txt", "Primera l\xC3\xADnea\r\nSegunda\n"));
    ASSERT_TRUE(r.correcto());
    EXPECT_EQ(r.texto, u"Primera línea\r\nSegunda\n");
}

TEST_F(LecturaArchivoTest, Windows1252FileKeepsItsBytesAsCharacters) {
    const ResultadoLectura r = leerArchivoTexto(escribir("ansi.txt", "Cami\xF3n \xE1rbol"));
    ASSERT_TRUE(r.correcto());
    EXPECT_EQ(r.texto, u"Camión árbol");
}

TEST_F(LecturaArchivoTest, EmptyFileLoadsEmpty) {
    const ResultadoLectura r = leerArchivoTexto(escribir("vacio.txt", ""));
    ASSERT_TRUE(r.correcto());
    EXPECT_TRUE(r.texto.empty());
}

TEST_F(LecturaArchivoTest, MissingFileSaysSo) {
    EXPECT_EQ(leerArchivoTexto(carpeta / "no-existe.txt").fallo, FalloLectura::NoExiste);
    EXPECT_EQ(leerArchivoTexto(carpeta / "no-existe" / "tampoco.txt").fallo, FalloLectura::NoExiste);
}

TEST_F(LecturaArchivoTest, DirectoryIsAnotherFailureWithTheSystemsReason) {
    const ResultadoLectura r = leerArchivoTexto(carpeta);
    EXPECT_EQ(r.fallo, FalloLectura::Otro);
    EXPECT_EQ(r.error, std::errc::is_a_directory);
    EXPECT_FALSE(r.error.message().empty());
}

TEST_F(LecturaArchivoTest, FileOverTheLimitIsTooLargeAndOneAtTheLimitLoads) {
    const fs::path justo = escribir("justo.txt", std::string(kTamanoMaximoArchivo, 'a'));
    const ResultadoLectura lleno = leerArchivoTexto(justo);
    ASSERT_TRUE(lleno.correcto());
    EXPECT_EQ(lleno.texto.size(), kTamanoMaximoArchivo);

    const fs::path grande = escribir("grande.txt", "");
    fs::resize_file(grande, kTamanoMaximoArchivo + 1);
    EXPECT_EQ(leerArchivoTexto(grande).fallo, FalloLectura::DemasiadoGrande);
}

TEST_F(LecturaArchivoTest, NullCharactersMakeAFileNoText) {
    using namespace std::string_view_literals;
    EXPECT_EQ(leerArchivoTexto(escribir("binario.txt", "PK\x03\x04\0\0texto"sv)).fallo,
              FalloLectura::NoEsTexto);
    EXPECT_EQ(leerArchivoTexto(escribir("utf16.txt", "H\0o\0l\0a\0"sv)).fallo, FalloLectura::NoEsTexto);
    const ResultadoLectura conMarca = leerArchivoTexto(escribir("marca.txt", "\xFF\xFEH\0o\0l\0a\0"sv));
    ASSERT_TRUE(conMarca.correcto()) << "the null bytes of UTF-16 are no null characters";
    EXPECT_EQ(conMarca.texto, u"Hola");
}

} // namespace
} // namespace tecladas
