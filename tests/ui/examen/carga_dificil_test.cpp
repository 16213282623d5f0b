#include "ventana_prueba.h"

#include "input/lectura_archivo.h"
#include "ui/examen/parrafos_partidos.h"
#include "ui/textos.h"

#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// Files chosen through the window's file button. On failure the reference box keeps its text.
class CargaDificilTest : public prueba::VentanaPrueba {
protected:
    QString ruta(const char* nombre) const { return carpeta.filePath(QString::fromLatin1(nombre)); }
    QString escribirArchivo(const char* nombre, const QByteArray& bytes) const {
        QFile archivo(ruta(nombre));
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
        EXPECT_EQ(archivo.write(bytes), bytes.size());
        return archivo.fileName();
    }
    /// Chooses `nombre` in the file dialog over a box that holds `previo`: `error` is shown, or
    /// none, and the box then holds `cargado`, or `previo` after an error.
    void expectCarga(const QString& nombre, const QString& error, const QString& cargado = {}) {
        texto()->setPlainText(previo);
        registro->archivoElegido = nombre;
        registro->errores.clear();
        QTest::mouseClick(boton("cmdCargar"), Qt::LeftButton);
        ventana->repaint();
        EXPECT_EQ(registro->errores, error.isEmpty() ? QStringList() : QStringList{error})
            << nombre.toStdString();
        const QTextDocument& documento = *texto()->document();
        EXPECT_EQ(parrafos::textoSinCortes(documento, 0, documento.characterCount() - 1),
                  error.isEmpty() ? cargado : previo)
            << nombre.toStdString();
    }

    const QString previo = u"texto previo"_s;
    QTemporaryDir carpeta;
};

TEST_F(CargaDificilTest, AFileIsLoadedDecodedOrRefusedForWhatItHolds) {
    const std::tuple<QByteArray, QString, QString> casos[] = {
        // bytes, error, text loaded
        {"Camio\xCC\x81n\r\n", {}, u"Camión\n"_s}, // a combining accent: composed
        {QByteArray("abc\0def", 7), textos::archivoNoEsTexto(), {}}};
    for (const auto& [bytes, error, cargado] : casos) {
        expectCarga(escribirArchivo("a.txt", bytes), error, cargado);
    }
    EXPECT_EQ(registro->titulosDialogo.value(0), u"Cargar archivo de texto"_s);
    EXPECT_EQ(registro->filtrosDialogo.value(0), u"Archivos de texto (*.txt)"_s);
}

TEST_F(CargaDificilTest, ANameThatIsNoRegularFileIsRefusedAtOnce) {
    expectCarga({}, {}, previo);    // cancelled
    registro->cancelarCarga = true; // the user gives up waiting for the read
    expectCarga(escribirArchivo("a.txt", "nuevo"), {}, previo);
    registro->cancelarCarga = false;
    expectCarga(ruta("no-existe.txt"), textos::archivoNoExiste());
    expectCarga(carpeta.path(),
                textos::archivoNoLeido() + u"el nombre es el de una carpeta, no el de un archivo."_s);
#if defined(Q_OS_WIN)
    expectCarga(u"NUL"_s, textos::archivoEspecial());
    // Another program holds the file open and shares it with nobody.
    const HANDLE ocupado = ::CreateFileW(escribirArchivo("ocupado.txt", "x").toStdWString().c_str(),
                                         GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    expectCarga(ruta("ocupado.txt"), textos::archivoBloqueado());
    ::CloseHandle(ocupado);
#else
    // A pipe without a writer would block the window if it were opened for reading.
    ASSERT_EQ(::mkfifo(QFile::encodeName(ruta("tuberia.txt")).constData(), 0600), 0);
    expectCarga(ruta("tuberia.txt"), textos::archivoEspecial());
#endif
    ASSERT_TRUE(QFile::resize(escribirArchivo("grande.txt", {}), kTamanoMaximoArchivo + 1));
    expectCarga(ruta("grande.txt"), textos::archivoDemasiadoGrande());
}

#if !defined(Q_OS_WIN)
TEST_F(CargaDificilTest, UnreadableFileIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file; the test tecladas_ui_sin_permiso runs this one as nobody";
    }
    const QString nombre = escribirArchivo("cerrado.txt", "secreto");
    ASSERT_EQ(::chmod(QFile::encodeName(nombre).constData(), 0), 0);
    const QString sinPermiso =
        textos::archivoNoLeido() + u"no tiene permiso para usar el archivo o su carpeta."_s;
    expectCarga(nombre, sinPermiso);
    if (QFile::exists(u"/proc/kmsg"_s)) { // the kernel's log, which only root reads
        expectCarga(u"/proc/kmsg"_s, sinPermiso);
    }
}
#endif

} // namespace
} // namespace tecladas
