#include "ventana_prueba.h"

#include "input/lectura_archivo.h"
#include "ui/textos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace tecladas {
namespace {

/// The system's own description of a failure, as the window shows it.
QString textoDelSistema(std::errc error) {
    return QString::fromLocal8Bit(std::make_error_code(error).message());
}

/// Files that are hard to load, chosen through the window's file button. On failure the
/// reference box keeps the text it had.
class CargaDificilTest : public prueba::VentanaPrueba {
protected:
    static constexpr auto kPrevio = u"texto previo";

    void SetUp() override {
        VentanaPrueba::SetUp();
        texto()->setPlainText(QString::fromUtf16(kPrevio));
    }
    QString ruta(const char* nombre) const { return carpeta.filePath(QString::fromLatin1(nombre)); }
    QString escribirArchivo(const char* nombre, const QByteArray& bytes) const {
        QFile archivo(ruta(nombre));
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
        EXPECT_EQ(archivo.write(bytes), bytes.size());
        return archivo.fileName();
    }
    /// Chooses `nombre` in the file dialog and returns the error shown, "" when none.
    QString cargar(const QString& nombre) {
        registro->archivoElegido = nombre;
        registro->errores.clear();
        QTest::mouseClick(boton("cmdCargar"), Qt::LeftButton);
        EXPECT_LE(registro->errores.size(), 1);
        return registro->errores.value(0);
    }
    void expectTextoPrevio() const { EXPECT_EQ(texto()->toPlainText(), QString::fromUtf16(kPrevio)); }

    QTemporaryDir carpeta;
};

TEST_F(CargaDificilTest, MissingFileOrFolderIsReported) {
    EXPECT_EQ(cargar(ruta("no-existe.txt")), textos::archivoNoExiste());
    expectTextoPrevio();
    EXPECT_EQ(cargar(carpeta.path()), textoDelSistema(std::errc::is_a_directory));
    expectTextoPrevio();
    EXPECT_TRUE(boton("cmdCargar")->isEnabled());
}

TEST_F(CargaDificilTest, UnreadableFileIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file; the test tecladas_ui_sin_permiso runs this one as nobody";
    }
    const QString nombre = escribirArchivo("cerrado.txt", "secreto");
    ASSERT_EQ(::chmod(QFile::encodeName(nombre).constData(), 0), 0);
    EXPECT_EQ(cargar(nombre), textoDelSistema(std::errc::permission_denied));
    expectTextoPrevio();
}

TEST_F(CargaDificilTest, NamedPipeIsRefusedAtOnce) {
    const QString nombre = ruta("tuberia.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(nombre).constData(), 0600), 0);
    QElapsedTimer reloj;
    reloj.start();
    EXPECT_EQ(cargar(nombre), textos::archivoEspecial());
    EXPECT_LT(reloj.elapsed(), 5000) << "a pipe without a writer must not block the window";
    expectTextoPrevio();
    EXPECT_EQ(cargar(QStringLiteral("/dev/zero")), textos::archivoEspecial());
}

TEST_F(CargaDificilTest, EmptyFilesLoadEmptyAndStartThenRefuses) {
    for (const QByteArray& vacio : {QByteArray(), QByteArray("\xEF\xBB\xBF"), QByteArray("\xFF\xFE")}) {
        texto()->setPlainText(QStringLiteral("algo"));
        EXPECT_EQ(cargar(escribirArchivo("vacio.txt", vacio)), QString());
        EXPECT_TRUE(texto()->toPlainText().isEmpty()) << vacio.toHex().constData();
    }
    iniciar();
    EXPECT_EQ(registro->mensajes, QStringList{textos::sinTexto()});
    EXPECT_FALSE(reloj()->isActive());
}

TEST_F(CargaDificilTest, NullBytesAreRefusedAsNoText) {
    EXPECT_EQ(cargar(escribirArchivo("binario.txt", QByteArray("abc\0def", 7))), textos::archivoNoEsTexto());
    expectTextoPrevio();
}

TEST_F(CargaDificilTest, EncodingsAreRecognised) {
    struct Caso {
        QByteArray bytes;
        QString esperado;
    };
    const Caso casos[] = {
        {QByteArray("caf\xE9 \xC3 \x80"), QStringLiteral("café Ã €")}, // not UTF-8: Windows-1252
        {QByteArray("\xEF\xBB\xBF"
                    "ca\xC3\xB1"
                    "a"),
         QStringLiteral("caña")},
        {QByteArray("\xFF\xFE"
                    "a\0\xF1\0\r\0\n\0b\0",
                    12),
         QStringLiteral("añ\nb")},
        {QByteArray("\xFE\xFF\0a\0\xF1", 6), QStringLiteral("añ")},
        {QByteArray("\xFF\xFE"
                    "a\0\x00\xD8",
                    6),
         QStringLiteral("a\uFFFD")}, // lone surrogate
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(cargar(escribirArchivo("codificado.txt", c.bytes)), QString());
        EXPECT_EQ(texto()->toPlainText(), c.esperado) << c.bytes.toHex().constData();
    }
}

TEST_F(CargaDificilTest, FileAtTheSizeLimitLoadsAndOneByteMoreIsRefused) {
    QByteArray linea(99, 'a');
    linea.append('\n');
    QByteArray lleno = linea.repeated(static_cast<qsizetype>(kTamanoMaximoArchivo / 100));
    lleno.append(QByteArray(static_cast<qsizetype>(kTamanoMaximoArchivo % 100), 'z'));
    ASSERT_EQ(static_cast<std::uintmax_t>(lleno.size()), kTamanoMaximoArchivo);

    EXPECT_EQ(cargar(escribirArchivo("grande.txt", lleno + 'z')), textos::archivoDemasiadoGrande());
    expectTextoPrevio();
    EXPECT_EQ(cargar(escribirArchivo("justo.txt", lleno)), QString());
    EXPECT_EQ(texto()->document()->characterCount() - 1, lleno.size());
    EXPECT_TRUE(texto()->toPlainText().endsWith(QLatin1Char('z')));
}

TEST_F(CargaDificilTest, FileChangedAfterTheDialogIsReadAsItNowIs) {
    const QString nombre = escribirArchivo("cambia.txt", "primero");
    registro->alElegir = [&] {
        QFile::remove(nombre);
    };
    EXPECT_EQ(cargar(nombre), textos::archivoNoExiste());
    expectTextoPrevio();

    registro->alElegir = [&] {
        QFile archivo(nombre);
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.resize(static_cast<qint64>(kTamanoMaximoArchivo) + 1);
    };
    EXPECT_EQ(cargar(nombre), textos::archivoDemasiadoGrande());
    expectTextoPrevio();

    registro->alElegir = [&] {
        QFile::remove(nombre);
        QDir().mkdir(nombre);
    };
    EXPECT_EQ(cargar(nombre), textoDelSistema(std::errc::is_a_directory));
    expectTextoPrevio();

    registro->alElegir = [&] {
        QDir().rmdir(nombre);
        escribirArchivo("cambia.txt", "segundo");
    };
    EXPECT_EQ(cargar(nombre), QString());
    EXPECT_EQ(texto()->toPlainText(), QStringLiteral("segundo"));
}

} // namespace
} // namespace tecladas
