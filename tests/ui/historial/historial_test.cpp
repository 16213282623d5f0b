#include "ventana_prueba.h"

#include "grading/resumen_prueba.h"
#include "input/causa_fallo.h"
#include "ui/escritorio/conversion.h"
#include "ui/historial/frm_historial.h"
#include "ui/historial/grafico_historial.h"
#include "ui/historial/historial.h"
#include "ui/historial/teclado_historial.h"
#include "ui/historial/textos_historial.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>

#include <csignal>
#include <ctime>
#include <functional>
#include <tuple>

#if !defined(Q_OS_WIN)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// The whole program, with a history of its own in a folder made for each test.
class HistorialTest : public prueba::VentanaPrueba {
protected:
    void SetUp() override { ASSERT_TRUE(abrir(ruta())); }
    QString ruta() const { return datos.filePath(u"historial.sqlite"_s); }
    /// What another window of the program would read.
    std::vector<PruebaGuardada> leidas(const QString& archivo = {}) const {
        Historial otra(archivo.isEmpty() ? ruta() : archivo);
        std::vector<PruebaGuardada> pruebas;
        EXPECT_EQ(otra.leer(pruebas), QString());
        return pruebas;
    }
    void pegar(const QString& referencia) {
        QGuiApplication::clipboard()->setText(referencia);
        texto()->selectAll();
        texto()->paste();
    }
    static void guardarArchivo(const QString& ruta, const QByteArray& bytes) {
        QFile archivo(ruta);
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly) && archivo.write(bytes) == bytes.size());
    }
    QTemporaryDir datos;
};

TEST_F(HistorialTest, EveryEndingIsKeptWithItsFiguresTextAndMissedCharacters) {
    QTemporaryDir carpeta;
    const QString examen = carpeta.filePath(u"examen.txt"_s);
    guardarArchivo(examen, "uno dos");
    const struct {
        const char* nombre;
        QString archivo, pegado, teclas;
        int segundos;
        bool repetir;
        FinPrueba fin;
        QString texto;
        std::vector<CaracterFallado> fallados;
        std::vector<CaracterIntentado> intentados;
    } casos[] = {// clang-format off
        {"welcome_time_up", {}, {}, u"Esxx"_s, 60, true, FinPrueba::TiempoAgotado, textos::textoBienvenida(), {{U't', 1}}, {{U'E', 1}, {U's', 1}, {U't', 1}}},
        {"file_stopped", examen, {}, u"unx"_s, 3, true, FinPrueba::Detenida, u"examen.txt"_s, {{U'o', 1}}, {{U'n', 1}, {U'o', 1}, {U'u', 1}}},
        {"pasted_completed", {}, u"a\nb"_s, u"axa\nxb"_s, 3, false, FinPrueba::TextoCompletado, textos::textoPegado(u"a b"_s), {{13, 1}, {U'b', 1}}, {{13, 1}, {U'a', 1}, {U'b', 1}}}};
    // clang-format on
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        registro->archivoElegido = c.archivo;
        if (!c.archivo.isEmpty()) {
            QTest::mouseClick(boton("cmdCargar"), Qt::LeftButton);
        }
        if (!c.pegado.isEmpty()) {
            pegar(c.pegado);
        }
        control<QCheckBox>("chkRepetirTexto")->setChecked(c.repetir);
        iniciar();
        escribir(c.teclas);
        ticks(c.segundos);
        ventana->cmdDetener_Click(); // nothing when the run has ended

        const std::vector<PruebaGuardada> guardadas = leidas();
        ASSERT_FALSE(guardadas.empty());
        const ResumenPrueba& r = guardadas.back().resumen;
        EXPECT_EQ(std::tuple(guardadas.back().texto, r.fin, r.fallados, r.intentados, r.repetir, r.minutos,
                             r.puntMin, r.puntApr, r.puntMax),
                  std::tuple(c.texto, c.fin, c.fallados, c.intentados, c.repetir, 1, 100, 280, 480));
        EXPECT_EQ(QStringList({QString::number(r.aciertos), QString::number(r.errores),
                               dosDecimales(r.tecladasNetasMin), dosDecimales(r.nota)}),
                  QStringList({caja("txtAciertos")->text(), caja("txtErrores")->text(),
                               etiqueta("lblPuntuacion")->text(), etiqueta("lblNota")->text()}));
        EXPECT_TRUE(guardadas.back().fecha.secsTo(QDateTime::currentDateTime()) < 5);
    }
    // A second window of the program records beside the first and reads every run.
    const auto segunda = crearPrograma(std::make_unique<prueba::EntornoPrueba>(registro), ruta());
    segunda->findChild<QPushButton*>(u"cmdIniciar"_s)->click();
    segunda->cmdDetener_Click();
    EXPECT_EQ(leidas().size(), std::size(casos) + 1);
    EXPECT_TRUE(registro->errores.isEmpty()) << registro->errores.join(u' ').toStdString();
}

TEST_F(HistorialTest, AFailureIsToldOnceAndItsRunsWaitUntilTheyCanBeKeptADamagedFileGoingAsideWhole) {
    const QString carpeta = datos.filePath(u"Tecladas/Tecladas"_s),
                  archivo = carpeta + u"/historial.sqlite"_s;
    const auto danarPagina = [&] { // header and tables sound, the page of the runs damaged
        ASSERT_EQ(Historial(archivo).guardar(QDateTime::currentDateTime(), u"a.txt"_s, {}), QString());
        QFile danado(archivo);
        ASSERT_TRUE(danado.open(QIODevice::ReadWrite) && danado.seek(4096) &&
                    danado.write(QByteArray(64, 'Z')));
    };
    const QFileDevice::Permissions soloLectura = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    // Root writes anywhere (see como_nobody.sh), and Windows ignores a folder's read-only mark.
#if defined(Q_OS_WIN)
    const bool escribeEnTodo = true;
#else
    const bool escribeEnTodo = ::geteuid() == 0;
#endif
    const struct {
        const char* nombre;
        std::function<void()> preparar, reparar;
        QString mensaje;
        std::size_t guardadas; ///< after a restart, the fault mended
    } casos[] = {
        // clang-format off
        {"data_folder_blocked_by_a_file", [&] { QFile(datos.filePath(u"Tecladas"_s)).open(QIODevice::WriteOnly); }, [&] { QFile::remove(datos.filePath(u"Tecladas"_s)); }, textos::carpetaNoSeCrea(QDir::toNativeSeparators(carpeta)), 1},
        {"read_only_folder", [&] { QDir().mkpath(carpeta), QFile::setPermissions(carpeta, soloLectura); }, [&] { QFile::setPermissions(carpeta, soloLectura | QFileDevice::WriteOwner); }, escribeEnTodo ? QString() : textos::historialSinPermiso(archivo, u"no tiene permiso para usar el archivo o su carpeta."_s), escribeEnTodo ? 3u : 1u},
        {"history_is_a_folder", [&] { QDir().mkpath(archivo); }, [&] { QDir().rmdir(archivo); }, u"el nombre es el de una carpeta, no el de un archivo."_s, 3},
        {"damaged_header", [&] { QDir().mkpath(carpeta), guardarArchivo(archivo, QByteArray(5000, 'x')); }, [] {}, u"apartado"_s, 3},
        {"damaged_data_page", [&] { QDir().mkpath(carpeta), danarPagina(); }, [] {}, u"apartado"_s, 3}};
    // clang-format on
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        ventana.reset(); // Windows removes no file that a program holds open
        QDir(datos.path()).removeRecursively();
        QDir().mkpath(datos.path());
        c.preparar();
        const QByteArray antes = [&] { // closed again: Windows renames no file held open
            QFile danado(archivo);
            return danado.open(QIODevice::ReadOnly) ? danado.readAll() : QByteArray();
        }();
        ASSERT_TRUE(abrir(archivo));
        for (int prueba = 0; prueba < 2; ++prueba) {
            iniciarCon(u"ab"_s);
            escribir(u"ab"_s);
            EXPECT_EQ(caja("txtAciertos")->text(), u"2"_s) << "the results stay on screen";
        }
        QString mensaje = textos::historialNoGuardado() + c.mensaje + textos::pruebaPendiente();
        if (c.mensaje == u"apartado"_s) {
            const QStringList apartados = QDir(carpeta).entryList({u"historial-dañado-*.sqlite"_s});
            ASSERT_EQ(apartados.size(), 1);
            QFile apartado(QDir(carpeta).filePath(apartados[0]));
            EXPECT_TRUE(apartado.open(QIODevice::ReadOnly) && apartado.readAll() == antes);
            mensaje = textos::historialApartado(QDir::toNativeSeparators(apartado.fileName()));
        }
        EXPECT_EQ(registro->errores, c.mensaje.isEmpty() ? QStringList() : QStringList{mensaje})
            << registro->errores.join(u' ').toStdString();
        const std::vector<PruebaTerminada> primeras = terminadas;
        ventana.reset(); // leaving: the runs not kept stay in the pending file, if it can be written
        c.reparar();
        ASSERT_TRUE(abrir(archivo));
        iniciarCon(u"b"_s);
        escribir(u"b"_s);
        const std::vector<PruebaGuardada> pruebas = leidas(archivo);
        ASSERT_EQ(pruebas.size(), c.guardadas);
        EXPECT_EQ(QDir(carpeta).entryList({u"*pendientes*"_s}), QStringList()) << "none to keep twice";
        for (std::size_t i = 0; i + 1 < c.guardadas; ++i) {
            const ResumenPrueba &r = pruebas[i].resumen, &t = primeras[i].resumen;
            EXPECT_EQ(std::tuple(pruebas[i].fecha.toSecsSinceEpoch(), r.huella, r.aciertos, r.segundos,
                                 r.nota, r.fin),
                      std::tuple(primeras[i].fecha.toSecsSinceEpoch(), t.huella, t.aciertos, t.segundos,
                                 t.nota, t.fin));
        }
    }
}

TEST_F(HistorialTest, AFileDeletedOrLockedWhileOpenLosesNoRunAndTheWindowAddsRunsWithoutReadingAgain) {
    iniciarCon(u"ab"_s);
    escribir(u"ab"_s);
    QTest::mouseClick(boton("cmdHistorial"), Qt::LeftButton);
    auto* frm = ventana->findChild<frm_historial*>(u"frm_historial"_s);
    auto* estado = frm->findChild<QLabel*>(u"lblEstado"_s);
    auto* tabla = frm->findChild<QTableView*>(u"tablaPruebas"_s);
#if !defined(Q_OS_WIN) // where no file held open can be deleted
    for (const QString& sufijo : {u""_s, u"-wal"_s, u"-shm"_s}) {
        QFile::remove(ruta() + sufijo);
    }
    iniciarCon(u"ab"_s);
    escribir(u"ab"_s);
    EXPECT_EQ(leidas().size(), 1u) << "in a new file";
    EXPECT_EQ(tabla->model()->rowCount(), 1) << "the window shows the new file";
#endif

    // Another program holds the write lock, and writes a run meanwhile.
    QSqlDatabase otra = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"otra"_s);
    otra.setDatabaseName(ruta());
    QSqlQuery q(otra);
    ASSERT_TRUE(otra.open() && q.exec(u"BEGIN IMMEDIATE"_s));
    ASSERT_TRUE(q.exec(
        u"INSERT INTO pruebas SELECT id + 100, fecha, texto, huella, minutos, segundos, aciertos, "
        "errores, aciertos_min, netas_min, nota, punt_min, punt_apr, punt_max, repetir, fin, intentos FROM "
        "pruebas"_s));
    iniciarCon(u"ab"_s);
    escribir(u"ab"_s);
    EXPECT_EQ(estado->text(), textos::pruebasPendientes(1) + u": "_s + textos::historialBloqueado());
    ASSERT_TRUE(q.exec(u"COMMIT"_s));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tabla->model()->rowCount() == 2; }));
    EXPECT_EQ(leidas().size(), 3u) << "the window added its own run only";
    EXPECT_EQ(QDir(datos.path()).entryList({u"*pendientes*"_s}), QStringList());
    EXPECT_EQ(estado->text(), QString());
    EXPECT_TRUE(registro->errores.isEmpty()) << registro->errores.join(u' ').toStdString();
    q.finish();
    otra.close();
}

TEST_F(HistorialTest, AFileOfTheFirstVersionIsMigrated) {
    const QString ruta = datos.filePath(u"antiguo.sqlite"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"version1"_s);
        db.setDatabaseName(ruta);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        const QString ordenes = uR"(CREATE TABLE pruebas(id INTEGER PRIMARY KEY, fecha TEXT NOT NULL,
            texto TEXT NOT NULL, huella TEXT NOT NULL, minutos INTEGER NOT NULL, segundos INTEGER NOT NULL,
            aciertos INTEGER NOT NULL, errores INTEGER NOT NULL, aciertos_min REAL NOT NULL,
            netas_min REAL NOT NULL, nota REAL NOT NULL, punt_min INTEGER NOT NULL, punt_apr INTEGER NOT NULL,
            punt_max INTEGER NOT NULL, repetir INTEGER NOT NULL, fin INTEGER NOT NULL,
            fallados TEXT NOT NULL DEFAULT '');
            INSERT INTO pruebas VALUES(1, '2026-11-30T10:00:00', 'examen.txt', '00000000000000ff', 2, 120,
            800, 40, 400, 380, 7.5, 100, 280, 480, 1, 1, '116:2 65:0 13:1');
            PRAGMA user_version=1)"_s;
        for (const QString& orden : ordenes.split(u';')) {
            ASSERT_TRUE(q.exec(orden)) << orden.toStdString();
        }
    }
    QSqlDatabase::removeDatabase(u"version1"_s);

    Historial historial(ruta);
    std::vector<PruebaGuardada> pruebas;
    ASSERT_EQ(historial.leer(pruebas), QString());
    ASSERT_EQ(pruebas.size(), 1u);
    const ResumenPrueba& r = pruebas[0].resumen;
    EXPECT_EQ(pruebas[0].fecha, QDateTime(QDate(2026, 11, 30), QTime(10, 0)));
    EXPECT_EQ(std::tuple(r.huella, r.aciertos, r.tecladasNetasMin, r.nota, r.fin),
              std::tuple(0xffu, 800, 380.0, 7.5, FinPrueba::TiempoAgotado));
    QSqlQuery q(QSqlDatabase::database(historial.conexion()));
    ASSERT_TRUE(q.exec(u"PRAGMA user_version"_s) && q.next());
    EXPECT_EQ(q.value(0).toInt(), Historial::kVersion);
    // Missed characters of a run that is gone belong to no other run.
    ASSERT_TRUE(q.exec(u"INSERT INTO fallos VALUES(0, 65, 3)"_s));
    ASSERT_EQ(historial.leer(pruebas), QString());
    EXPECT_EQ(pruebas[0].resumen.fallados, (std::vector<CaracterFallado>{{13, 1}, {U't', 2}}));
    // A file of a newer version is refused, and said so every time.
    ASSERT_TRUE(q.exec(u"PRAGMA user_version=%1"_s.arg(Historial::kVersion + 1)));
    Historial nuevo(ruta);
    EXPECT_EQ(nuevo.leer(pruebas), textos::historialMasNuevo());
    EXPECT_EQ(nuevo.leer(pruebas), textos::historialMasNuevo());
}

TEST_F(HistorialTest, AFileOfTheSecondVersionHasItsLocalTimesTurnedIntoInstants) {
#if defined(Q_OS_WIN)
    GTEST_SKIP() << "Windows' C library takes no time zone by name from TZ";
#endif
    const auto restaurar = qScopeGuard([zona = qgetenv("TZ")] {
        zona.isNull() ? qunsetenv("TZ") : qputenv("TZ", zona);
        tzset();
    });
    qputenv("TZ", "Europe/Madrid");
    tzset();
    const std::pair<QString, QString> fechas[] = {
        {u"2026-10-25T01:50:00"_s, u"2026-10-24T23:50:00Z"_s}, // summer time
        {u"2026-10-25T02:30:00"_s, u"2026-10-25T00:30:00Z"_s}, // the hour repeated as clocks go back
        {u"2026-10-25T02:10:00"_s, u"2026-10-25T01:10:00Z"_s}, // ... its second time: after the run before
        {u"2026-12-07T11:15:00"_s, u"2026-12-07T10:15:00Z"_s}, // winter time
        {u"2027-03-28T02:30:00"_s, u"2027-03-28T01:30:00Z"_s}, // an hour skipped as clocks go forward
        {u"ayer"_s, u"ayer"_s}};
    const QString archivo = datos.filePath(u"version2.sqlite"_s);
    QStringList esperadas, guardadas;
    {
        Historial historial(archivo); // the second version's tables are the fourth's but for the attempts
        ASSERT_EQ(historial.abrir(), QString());
        QSqlQuery q(QSqlDatabase::database(historial.conexion()));
        ASSERT_TRUE(q.exec(u"ALTER TABLE pruebas DROP COLUMN intentos"_s));
        for (const auto& [local, utc] : fechas) {
            esperadas << utc;
            ASSERT_TRUE(q.exec(
                u"INSERT INTO pruebas VALUES(NULL, '%1', 'a', '1', 1, 60, 1, 0, 1, 1, 0, 1, 2, 3, 1, 1)"_s
                    .arg(local)));
        }
        ASSERT_TRUE(q.exec(u"PRAGMA user_version=2"_s));
    }
    Historial historial(archivo);
    ASSERT_EQ(historial.guardar(QDateTime(QDate(2026, 7, 1), QTime(12, 0)), u"b"_s, {}), QString());
    QSqlQuery q(QSqlDatabase::database(historial.conexion()));
    ASSERT_TRUE(q.exec(u"SELECT fecha FROM pruebas ORDER BY id"_s));
    while (q.next()) {
        guardadas << q.value(0).toString();
    }
    EXPECT_EQ(guardadas.join(u' '), (esperadas << u"2026-07-01T10:00:00Z"_s).join(u' '));
    std::vector<PruebaGuardada> pruebas;
    ASSERT_EQ(historial.leer(pruebas), QString());
    EXPECT_EQ(pruebas[2].fecha.time(), QTime(2, 10)) << "shown in local time";
    // Attempts are kept from now on.
    ResumenPrueba conIntentos;
    conIntentos.intentados = {{13, 2}, {U'ñ', 5}};
    ASSERT_EQ(historial.guardar(QDateTime::currentDateTime(), u"c"_s, conIntentos), QString());
    ASSERT_EQ(historial.leer(pruebas), QString());
    EXPECT_EQ(std::tuple(pruebas.front().resumen.intentados.empty(), pruebas.back().resumen.intentados),
              std::tuple(true, conIntentos.intentados));
}

TEST_F(HistorialTest, TheWindowShowsChartsFiltersExportsPrintsAndDeletes) {
    Historial historial(ruta());
    const QString formula = u"=1+1 dictado.txt"_s;
    const std::tuple<QString, std::uint64_t, double, std::int16_t, std::vector<CaracterFallado>> pruebas[] = {
        {formula, 1, 150.5, 75, {{U'+', 1}, {U'e', 2}}},
        {u"b.txt"_s, 2, 380, 2, {{13, 3}, {U'e', 1}, {U'ñ', 4}}},
        {formula, 1, 279.25, 605, {{U'-', 2}}}};
    int dia = 1;
    for (const auto& [texto, huella, netas, segundos, fallados] : pruebas) {
        ResumenPrueba r;
        std::tie(r.huella, r.tecladasNetasMin, r.segundos, r.fallados) =
            std::tie(huella, netas, segundos, fallados);
        // The second run lasts under a minute; the minimum to score changes before the third.
        std::tie(r.puntMin, r.puntApr, r.puntMax) = std::tuple(dia < 3 ? 100 : 120, 280, 480);
        ASSERT_EQ(historial.guardar(QDateTime(QDate(2026, 12, dia++), QTime(9, 0)), texto, r), QString());
    }
    ponerAjustes(u" 1"_s, u"120"_s, u"300"_s, u"450"_s);
    QTest::mouseClick(boton("cmdHistorial"), Qt::LeftButton);
    auto* frm = ventana->findChild<frm_historial*>(u"frm_historial"_s);
    ASSERT_NE(frm, nullptr);
    EXPECT_TRUE(frm->isVisible() && !frm->isModal() && frm->windowTitle() == textos::tituloHistorial());
    EXPECT_LE(frm->width(), frm->screen()->availableGeometry().width()) << "capped to the screen";
    auto* tabla = frm->findChild<QTableView*>(u"tablaPruebas"_s);
    auto celda = [tabla](int fila, int columna) {
        return tabla->model()->index(fila, columna).data().toString();
    };
    ASSERT_EQ(tabla->model()->rowCount(), 3);
    EXPECT_EQ(celda(0, 0),
              QLocale().toString(QDateTime(QDate(2026, 12, 3), QTime(9, 0)), QLocale::ShortFormat));
    EXPECT_EQ(QStringList({celda(0, 7), celda(1, 3)}), QStringList({u"279,25"_s, u"0:02 (corta)"_s}))
        << "newest first, in the Spanish format";
    EXPECT_EQ(tabla->model()->index(0, 5).data(Qt::ToolTipRole),
              u"Mínimo para puntuar 120 · Aprobado 280 · Nota Máxima 480"_s);

    const DatosGrafico& grafico = frm->findChild<GraficoHistorial*>(u"grafico"_s)->datos();
    QStringList lineas{grafico.serie + u':'};
    for (const PuntoGrafico& p : grafico.geometria.puntos) {
        lineas.last() += (p.hueco ? u" (%1)"_s : u" %1"_s).arg(p.valor);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        lineas << grafico.umbrales[k] + u':';
        for (const TramoUmbral& t : grafico.geometria.umbrales[k]) {
            lineas.last() += u" %1-%2:%3"_s.arg(t.desde).arg(t.hasta).arg(t.valor);
        }
    }
    EXPECT_EQ(lineas, QStringList({u"Tecladas exactas por minuto: 150.5 (380) 279.25"_s,
                                   u"Mínimo para puntuar (120): 0-2:100 2-3:120"_s,
                                   u"Aprobado (300): 0-3:280"_s, u"Nota Máxima (450): 0-3:480"_s}));
    EXPECT_EQ(textos::diaDelEje(grafico.geometria.diasMarcas.at(2)), u"3 dic"_s);
    auto* fallos = frm->findChild<QTableWidget*>(u"tablaFallos"_s);
    auto fallo = [fallos](int fila) {
        return fallos->item(fila, 0)->text() + u' ' + fallos->item(fila, 1)->text();
    };
    EXPECT_EQ(QStringList({fallo(0), fallo(1), fallo(2)}), QStringList({u"ñ 4"_s, u"Intro 3"_s, u"e 3"_s}));

    auto* eleccion = frm->findChild<QComboBox*>(u"cmbTexto"_s);
    eleccion->setCurrentIndex(1);
    EXPECT_EQ(eleccion->currentText(), formula + u" (2 pruebas)"_s);
    EXPECT_EQ(tabla->model()->rowCount(), 2);
    EXPECT_EQ(QStringList({fallo(0), fallo(1)}), QStringList({u"- 2"_s, u"e 2"_s})) << "ties in code order";
    tabla->sortByColumn(3, Qt::AscendingOrder);
    EXPECT_EQ(QStringList({celda(0, 3), celda(1, 3)}), QStringList({u"1:15"_s, u"10:05"_s})) << "by seconds";

    QTemporaryDir salida;
    registro->destinoElegido = salida.filePath(u"historial.csv"_s);
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdExportar"_s), Qt::LeftButton);
#if !defined(Q_OS_WIN) // the readers below are Debian's programs
    // A real CSV reader finds each field where it belongs, formulas kept as text.
    QProcess python;
    python.start(u"python3"_s, {u"-c"_s, uR"(import csv, sys
for f in csv.reader(open(sys.argv[1], encoding='utf-8', newline=''), delimiter=';'):
    print(len(f), f[0], f[1], f[4], f[8], f[-1], sep='|'))"_s,
                                registro->destinoElegido});
    ASSERT_TRUE(python.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(python.readAll()),
              u"16|\uFEFFFecha|Texto|Duración|Teclad. exactas/Min.|Caracteres fallados\n"
              "16|01/12/2026 09:00:00|'=1+1 dictado.txt|0:01:15|150,50|'+ (1) e (2)\n"
              "16|03/12/2026 09:00:00|'=1+1 dictado.txt|0:10:05|279,25|'- (2)\n"_s);
#endif
#ifdef Q_OS_UNIX
    {
        // The disk fills as the file is written out: said, and the earlier export left whole.
        QFile csv(registro->destinoElegido);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const QByteArray antes = csv.readAll();
        csv.close();
        rlimit limite{}, tope{};
        getrlimit(RLIMIT_FSIZE, &limite);
        tope = limite;
        tope.rlim_cur = 64;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tope);
        QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdExportar"_s), Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &limite);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        EXPECT_EQ(csv.readAll(), antes);
        EXPECT_EQ(
            registro->errores,
            QStringList(textos::exportacionFallida() +
                        QString::fromUtf8(causaFallo(std::make_error_code(std::errc::file_too_large)))));
        registro->errores.clear();
    }
#endif

    registro->destinoElegido = salida.filePath(u"historial.pdf"_s);
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdImprimir"_s), Qt::LeftButton);
    const QString pdf = registro->destinoElegido;
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
#if !defined(Q_OS_WIN)
    auto leerPdf = [](const QString& programa, const QStringList& argumentos) {
        QProcess proceso;
        proceso.start(programa, argumentos);
        EXPECT_TRUE(proceso.waitForFinished());
        return QString::fromUtf8(proceso.readAllStandardOutput());
    };
    const QString impreso = leerPdf(u"pdftotext"_s, {pdf, u"-"_s}), datosPdf = leerPdf(u"pdfinfo"_s, {pdf});
    // Every word of the headings and the names whole, the chart and keyboard as lines and no picture.
    QStringList enteras{u"dictado.txt"_s, u"279,25"_s, u"10:05"_s, u"tecla"_s, u"intentos"_s};
    for (int columna = 0; columna < tabla->model()->columnCount(); ++columna) {
        enteras << tabla->model()->headerData(columna, Qt::Horizontal).toString().split(u' ');
    }
    const QStringList palabras = impreso.split(QRegularExpression(u"\\s+"_s));
    for (const QString& palabra : enteras) {
        EXPECT_TRUE(palabras.contains(palabra)) << palabra.toStdString() << impreso.toStdString();
    }
    EXPECT_TRUE(impreso.contains(textos::filtroInforme(eleccion->currentText())) &&
                impreso.contains(u"Tecladas exactas por minuto: la mejor, 279,25"_s));
    EXPECT_TRUE(datosPdf.contains(QRegularExpression(u"Title: +Historial de pruebas"_s)))
        << datosPdf.toStdString();
    EXPECT_EQ(leerPdf(u"pdfimages"_s, {u"-list"_s, pdf}).count(u'\n'), 2) << "only the list's heading";
#endif

    // Access keys, then Tab in reading order, out of each table.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm));
    QStringList enfocados;
    for (const QString& teclas : u"Alt+M Alt+T Tab Tab Tab Tab Tab Tab Alt+R Alt+G Alt+D"_s.split(u' ')) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(teclas));
        enfocados << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(
        enfocados.join(u' '),
        u"tablaFallos cmbTexto optPruebas grafico tablaPruebas tablaFallos teclado cmdVaciar tablaPruebas "
        "grafico optDias"_s)
        << enfocados.join(u' ').toStdString();

    tabla->selectRow(0);
    registro->respuesta = false;
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdBorrar"_s), Qt::LeftButton);
    EXPECT_EQ(leidas().size(), 3u) << "No keeps them";
    registro->respuesta = true;
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdBorrar"_s), Qt::LeftButton);
    EXPECT_EQ(leidas().size(), 2u);
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdVaciar"_s), Qt::LeftButton);
    EXPECT_EQ(registro->preguntas,
              QStringList({textos::preguntaBorrar(1), textos::preguntaBorrar(1), textos::preguntaVaciar(2)}));
    EXPECT_TRUE(leidas().empty());
    EXPECT_EQ(tabla->model()->rowCount(), 0);
    for (const QString& sufijo : {u""_s, u"-wal"_s}) {
        QFile archivo(ruta() + sufijo);
        EXPECT_TRUE(archivo.open(QIODevice::ReadOnly) && !archivo.readAll().contains("b.txt"))
            << "nothing readable";
    }
    EXPECT_TRUE(registro->errores.isEmpty()) << registro->errores.join(u' ').toStdString();
    QTest::keyClick(tabla, Qt::Key_Escape);
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(HistorialTest, ProgressOverDaysWeakKeysAndPractice) {
    // 30 runs of one text over five days, every sixth under a minute; ñ missed 3 times in 10 each run.
    Historial historial(ruta());
    for (int k = 0; k < 30; ++k) {
        ResumenPrueba r;
        std::tie(r.huella, r.aciertos, r.errores, r.puntApr) = std::tuple(7, 1000, 10, 280);
        std::tie(r.segundos, r.tecladasNetasMin) =
            k % 6 == 5 ? std::tuple(30, 999.0) : std::tuple(120, 200.0 + 3 * k);
        for (const char32_t c : std::u32string_view(U"adeilnorstñ")) {
            r.intentados.push_back({c, c == U'ñ' ? 10 : 30});
        }
        r.fallados = {{U'e', 1}, {U'ñ', 3}};
        ASSERT_EQ(historial.guardar(QDateTime(QDate(2026, 12, 1 + k / 6), QTime(9, k % 6)), u"c.txt"_s, r),
                  QString());
    }
    ResumenPrueba sinIntentos; // as runs kept before attempts were
    sinIntentos.huella = 8;
    ASSERT_EQ(historial.guardar(QDateTime(QDate(2026, 12, 6), QTime(9, 0)), u"b.txt"_s, sinIntentos),
              QString());
    pegar(u"casa mesa niño España año"_s);
    QTest::mouseClick(boton("cmdHistorial"), Qt::LeftButton);
    auto* frm = ventana->findChild<frm_historial*>(u"frm_historial"_s);
    ASSERT_NE(frm, nullptr);
    auto* eleccion = frm->findChild<QComboBox*>(u"cmbTexto"_s);
    eleccion->setCurrentIndex(eleccion->findText(u"c.txt"_s, Qt::MatchStartsWith));
    // The last five valid runs: 272, 275, 278, 281, 284; the first to pass, 281 on 5 Dec at 9:03.
    EXPECT_EQ(
        frm->findChild<QLabel*>(u"lblProgreso"_s)->text(),
        u"Última: 284,00 · Mejor: 284,00 · Media de las últimas 5: 278,00. Le faltan 2 tecladas exactas "
        "por minuto para el aprobado (280)."_s);
    EXPECT_EQ(
        frm->findChild<QLabel*>(u"lblResumenTexto"_s)->text(),
        u"Este texto: 30 pruebas · Mejor: 284,00 · Media de las últimas 5: 278,00 · Primer aprobado: %1 · "
        "Precisión: 99,0 %."_s.arg(
            QLocale().toString(QDateTime(QDate(2026, 12, 5), QTime(9, 3)), QLocale::ShortFormat)));
    auto* grafico = frm->findChild<GraficoHistorial*>(u"grafico"_s);
    frm->findChild<QRadioButton*>(u"optDias"_s)->setChecked(true);
    const GeometriaGrafico& dias = grafico->datos().geometria;
    EXPECT_EQ(std::tuple(dias.puntos.size(), dias.puntos[0].valor, dias.mejores[0].valor, dias.cortas.size()),
              std::tuple(5u, 206.0, 212.0, 5u));

    frm->findChild<QRadioButton*>(u"optPruebas"_s)->setChecked(true);
    grafico->grab(); // lays the points out
    const std::vector<PuntoGrafico>& puntos = grafico->datos().geometria.puntos;
    QHelpEvent ayuda(QEvent::ToolTip, grafico->sitioDe(puntos.back()).toPoint(), QPoint());
    QApplication::sendEvent(grafico, &ayuda);
    EXPECT_EQ(QToolTip::text(),
              QLocale().toString(QDateTime(QDate(2026, 12, 5), QTime(9, 5)), QLocale::ShortFormat) +
                  u"\nc.txt\nDuración: 0:30\nTecladas exactas/Min.: 999,00\nNota: 0,00"_s);
    QTest::mouseClick(grafico, Qt::LeftButton, {}, grafico->sitioDe(puntos[1]).toPoint());
    auto* tabla = frm->findChild<QTableView*>(u"tablaPruebas"_s);
    const QModelIndexList filas = tabla->selectionModel()->selectedRows();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0].data().toString(),
              QLocale().toString(QDateTime(QDate(2026, 12, 1), QTime(9, 1)), QLocale::ShortFormat));
    EXPECT_EQ(std::count(grafico->datos().resaltadas.begin(), grafico->datos().resaltadas.end(), true), 1);
    EXPECT_TRUE(grafico->datos().resaltadas[1]);

    // Keys of the selected runs, or of all those shown; ñ has its 20 attempts only over several runs.
    auto* teclado = frm->findChild<TecladoHistorial*>(u"teclado"_s);
    const std::size_t enie = indiceTecla("Ñ").value();
    EXPECT_EQ(teclado->uso()[enie], (UsoTecla{10, 3}));
    tabla->clearSelection();
    EXPECT_EQ(teclado->uso()[enie], (UsoTecla{300, 90}));
    iniciar();
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdPracticar"_s), Qt::LeftButton);
    EXPECT_EQ(registro->mensajes, QStringList{textos::practicaEnPrueba()});
    ventana->cmdDetener_Click();
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdPracticar"_s), Qt::LeftButton);
    EXPECT_TRUE(texto()->toPlainText().section(u' ', 0, 0).contains(u'ñ'))
        << texto()->toPlainText().toStdString();
    eleccion->setCurrentIndex(eleccion->findText(u"b.txt"_s, Qt::MatchStartsWith));
    QTest::mouseClick(frm->findChild<QPushButton*>(u"cmdPracticar"_s), Qt::LeftButton);
    EXPECT_EQ(registro->mensajes.last(), textos::faltaPractica(FaltaPractica::Historial));
}

} // namespace
} // namespace tecladas
