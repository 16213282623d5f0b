#include "ui/historial/historial.h"

#include "input/causa_fallo.h"
#include "ui/historial/textos_historial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <system_error>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tecladas {

namespace {

/// How long a write waits for another window's transaction, which is short. A lock held longer
/// is another program's: the caller tries again later rather than freeze the window meanwhile.
constexpr int kEsperaMs = 50;

// SQLite's primary result codes.
constexpr int kPermiso = 3, kOcupado = 5, kBloqueado = 6, kSinMemoria = 7, kSoloLectura = 8,
              kEntradaSalida = 10, kCorrupto = 11, kLleno = 13, kNoSeAbre = 14, kSinArchivosGrandes = 22,
              kNoEsBaseDeDatos = 26;

QString causa(std::errc error) {
    return QString::fromUtf8(causaFallo(std::make_error_code(error)));
}

QString tablaFallos() {
    return QStringLiteral(
        "CREATE TABLE IF NOT EXISTS fallos(prueba INTEGER NOT NULL, caracter INTEGER NOT NULL, "
        "veces INTEGER NOT NULL, PRIMARY KEY(prueba, caracter)) WITHOUT ROWID");
}

QString huellaEnTexto(std::uint64_t huella) {
    return QStringLiteral("%1").arg(huella, 16, 16, QLatin1Char('0'));
}

/// A run's attempts as one value: for each character its code and how many times, each a 32-bit
/// little-endian number. A history of thousands of runs reads them with the runs, not row by row.
QByteArray intentosEnBytes(const std::vector<CaracterIntentado>& intentados) {
    QByteArray bytes(static_cast<qsizetype>(intentados.size() * 8), '\0');
    char* p = bytes.data();
    for (const CaracterIntentado& i : intentados) {
        qToLittleEndian(static_cast<quint32>(i.caracter), p);
        qToLittleEndian(static_cast<qint32>(i.veces), p + 4);
        p += 8;
    }
    return bytes;
}

/// The attempts kept by `intentosEnBytes`; none when the value is not whole pairs.
std::vector<CaracterIntentado> intentosDeBytes(const QByteArray& bytes) {
    std::vector<CaracterIntentado> intentados;
    if (bytes.size() % 8 != 0) {
        return intentados;
    }
    for (const char* p = bytes.constData(); p != bytes.constData() + bytes.size(); p += 8) {
        intentados.push_back({qFromLittleEndian<quint32>(p), qFromLittleEndian<qint32>(p + 4)});
    }
    return intentados;
}

/// Version 1 kept the missed characters of a run in one text column: "116:2 13:1".
std::vector<CaracterFallado> leerFalladosVersion1(const QString& texto) {
    std::vector<CaracterFallado> fallados;
    for (const QString& par : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool bienCaracter = false, bienVeces = false;
        const uint caracter = par.section(QLatin1Char(':'), 0, 0).toUInt(&bienCaracter);
        const int veces = par.section(QLatin1Char(':'), 1, 1).toInt(&bienVeces);
        if (bienCaracter && bienVeces && veces > 0) {
            fallados.push_back({static_cast<char32_t>(caracter), veces});
        }
    }
    return fallados;
}

/// The instant a local wall-clock time names, with the offset in force then. When clocks go back,
/// one hour names two instants: the earlier is taken, unless it falls before `anterior`, the run
/// kept just before (runs are kept in the order they end); then the later. A time that clocks
/// skipped when they went forward is read with the offset in force before the change.
QDateTime instanteLocal(const QDateTime& reloj, const QDateTime& anterior) {
    const QDateTime comoUtc(reloj.date(), reloj.time(), Qt::UTC);
    std::vector<QDateTime> posibles;
    for (const int dias : {-1, 1}) {
        const QDateTime instante = comoUtc.addSecs(-comoUtc.addDays(dias).toLocalTime().offsetFromUtc());
        const QDateTime local = instante.toLocalTime();
        if (local.date() == reloj.date() && local.time() == reloj.time()) {
            posibles.push_back(instante);
        }
    }
    if (posibles.empty()) {
        return comoUtc.addSecs(-comoUtc.addDays(-1).toLocalTime().offsetFromUtc());
    }
    std::sort(posibles.begin(), posibles.end());
    return posibles.front() < anterior ? posibles.back() : posibles.front();
}

/// What tells the file at `ruta` from another put at the same path; empty when there is none.
QString identidadDe(const QString& ruta) {
#ifdef Q_OS_UNIX
    struct stat datos {};
    if (::stat(QFile::encodeName(ruta).constData(), &datos) != 0) {
        return {};
    }
    return QStringLiteral("%1:%2").arg(datos.st_dev).arg(datos.st_ino);
#else
    return QFileInfo::exists(ruta) ? ruta : QString();
#endif
}

} // namespace

Historial::Historial(QString ruta)
    : ruta_(std::move(ruta)) {
    static std::atomic<int> siguiente{0};
    conexion_ = QStringLiteral("historial-%1").arg(++siguiente);
}

Historial::~Historial() {
    desconectar();
}

QString Historial::rutaPredeterminada() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/historial.sqlite");
}

QString Historial::tomarApartado() {
    return std::exchange(apartado_, QString());
}

QString Historial::abrir() {
    bloqueado_ = false;
    if (abierta_) {
        return {};
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return textos::sinControladorSqlite();
    }
    const QString carpeta = QFileInfo(ruta_).absolutePath();
    if (!QDir().mkpath(carpeta) || !QFileInfo(carpeta).isDir()) {
        return textos::carpetaNoSeCrea(QDir::toNativeSeparators(carpeta));
    }
    danado_ = false;
    QString fallo = conectar();
    if (fallo.isEmpty()) {
        fallo = prepararEsquema();
    }
    if (danado_) {
        desconectar();
        fallo = apartar();
        if (fallo.isEmpty()) {
            fallo = conectar();
        }
        if (fallo.isEmpty()) {
            fallo = prepararEsquema();
        }
    }
    if (!fallo.isEmpty()) {
        desconectar();
        return fallo;
    }
    abierta_ = true;
    identidad_ = identidadDe(ruta_);
    return {};
}

QString Historial::conectar() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion_);
    db.setDatabaseName(ruta_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kEsperaMs));
    if (!db.open()) {
        return explicar(db.lastError());
    }
    // Deleted runs leave no readable text in the file.
    return ejecutar(QStringLiteral("PRAGMA secure_delete=ON"));
}

void Historial::desconectar() {
    abierta_ = false;
    if (!QSqlDatabase::contains(conexion_)) {
        return;
    }
    QSqlDatabase::database(conexion_, false).close();
    QSqlDatabase::removeDatabase(conexion_);
}

QString Historial::ejecutar(const QString& orden) {
    QSqlQuery consulta(QSqlDatabase::database(conexion_, false));
    return consulta.exec(orden) ? QString() : explicar(consulta.lastError());
}

QString Historial::explicar(const QSqlError& error) {
    switch (error.nativeErrorCode().toInt() & 0xFF) {
    case kOcupado:
    case kBloqueado:
        bloqueado_ = true;
        return textos::historialBloqueado();
    case kNoSeAbre:
    case kSoloLectura:
        return sinEscritura();
    case kPermiso:
        return causa(std::errc::permission_denied);
    case kSinMemoria:
        return causa(std::errc::not_enough_memory);
    case kLleno:
        return causa(std::errc::no_space_on_device);
    case kSinArchivosGrandes:
        return causa(std::errc::file_too_large);
    case kEntradaSalida:
        return textos::historialEntradaSalida();
    case kCorrupto:
    case kNoEsBaseDeDatos:
        danado_ = true;
        return textos::historialDanado();
    default:
        return textos::errorBaseDeDatos(error.databaseText().isEmpty() ? error.driverText()
                                                                       : error.databaseText());
    }
}

QString Historial::sinEscritura() const {
    // SQLite tells no more than that it could not open or write the file: the system tells why.
    if (QFileInfo(ruta_).isDir()) {
        return causa(std::errc::is_a_directory);
    }
    const std::error_code motivo = motivoSinEscritura(std::filesystem::path(ruta_.toStdU16String()));
    return textos::historialSinPermiso(QDir::toNativeSeparators(ruta_),
                                       motivo ? QString::fromUtf8(causaFallo(motivo)) : QString());
}

template <typename F> QString Historial::aSalvo(F&& operacion) {
    bloqueado_ = false;
    // SQLite goes on writing into a file deleted under it, where no one would ever read the run.
    if (abierta_ && identidadDe(ruta_) != identidad_) {
        desconectar();
        otroArchivo_ = true;
    }
    QString fallo = operacion();
    if (danado_) {
        // A damaged page shows only when it is read, maybe long after the file was opened.
        desconectar();
        fallo = apartar();
        if (fallo.isEmpty()) {
            fallo = operacion();
        }
    }
    return fallo;
}

template <typename F> QString Historial::enTransaccion(F&& cambios) {
    if (QString fallo = abrir(); !fallo.isEmpty()) {
        return fallo;
    }
    return transaccion(std::forward<F>(cambios));
}

template <typename F> QString Historial::transaccion(F&& cambios) {
    if (QString fallo = ejecutar(QStringLiteral("BEGIN IMMEDIATE")); !fallo.isEmpty()) {
        return fallo;
    }
    QString fallo = cambios();
    if (fallo.isEmpty()) {
        fallo = ejecutar(QStringLiteral("COMMIT"));
    }
    if (!fallo.isEmpty()) {
        ejecutar(QStringLiteral("ROLLBACK"));
    }
    return fallo;
}

QString Historial::prepararEsquema() {
    // The file's header is read here first: a file that is not a database fails on it.
    if (QString fallo = ejecutar(QStringLiteral("PRAGMA journal_mode=WAL")); !fallo.isEmpty()) {
        return fallo;
    }
    int encontrada = 0;
    auto leerVersion = [this, &encontrada]() -> QString {
        QSqlQuery version(QSqlDatabase::database(conexion_, false));
        if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
            return explicar(version.lastError());
        }
        encontrada = version.value(0).toInt();
        return encontrada > kVersion ? textos::historialMasNuevo() : QString();
    };
    if (QString fallo = leerVersion(); !fallo.isEmpty() || encontrada == kVersion) {
        return fallo;
    }
    // Read again inside the transaction: another window may have brought the file up to date
    // meanwhile.
    return transaccion([&]() -> QString {
        QString fallo = leerVersion();
        if (fallo.isEmpty() && encontrada == 0) {
            const QString tablas[] = {
                QStringLiteral(
                    "CREATE TABLE IF NOT EXISTS pruebas(id INTEGER PRIMARY KEY, fecha TEXT NOT NULL, "
                    "texto TEXT NOT NULL, huella TEXT NOT NULL, minutos INTEGER NOT NULL, "
                    "segundos INTEGER NOT NULL, aciertos INTEGER NOT NULL, errores INTEGER NOT NULL, "
                    "aciertos_min REAL NOT NULL, netas_min REAL NOT NULL, nota REAL NOT NULL, "
                    "punt_min INTEGER NOT NULL, punt_apr INTEGER NOT NULL, punt_max INTEGER NOT NULL, "
                    "repetir INTEGER NOT NULL, fin INTEGER NOT NULL, intentos BLOB)"),
                tablaFallos()};
            for (const QString& tabla : tablas) {
                if (fallo.isEmpty()) {
                    fallo = ejecutar(tabla);
                }
            }
        } else if (fallo.isEmpty() && encontrada == 1) {
            fallo = migrarDesde1();
        }
        if (fallo.isEmpty() && encontrada > 0 && encontrada < 3) {
            fallo = migrarDesde2();
        }
        // Version 4 keeps how many times each character was reached; older runs have none, and
        // the keyboard of weak keys leaves them out.
        if (fallo.isEmpty() && encontrada > 0 && encontrada < 4) {
            fallo = ejecutar(QStringLiteral("ALTER TABLE pruebas ADD COLUMN intentos BLOB"));
        }
        if (fallo.isEmpty() && encontrada != kVersion) {
            fallo = ejecutar(QStringLiteral("PRAGMA user_version=%1").arg(kVersion));
        }
        return fallo;
    });
}

QString Historial::migrarDesde1() {
    // Version 2 gives the missed characters a table of their own, so that the history window
    // reads them with the runs instead of parsing a text for each.
    if (QString fallo = ejecutar(tablaFallos()); !fallo.isEmpty()) {
        return fallo;
    }
    const QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    QSqlQuery antiguas(db);
    antiguas.setForwardOnly(true);
    QSqlQuery nueva(db);
    nueva.prepare(QStringLiteral("INSERT INTO fallos(prueba, caracter, veces) VALUES(?, ?, ?)"));
    if (!antiguas.exec(QStringLiteral("SELECT id, fallados FROM pruebas"))) {
        return explicar(antiguas.lastError());
    }
    while (antiguas.next()) {
        for (const CaracterFallado& f : leerFalladosVersion1(antiguas.value(1).toString())) {
            nueva.addBindValue(antiguas.value(0));
            nueva.addBindValue(static_cast<uint>(f.caracter));
            nueva.addBindValue(f.veces);
            if (!nueva.exec()) {
                return explicar(nueva.lastError());
            }
        }
    }
    antiguas.finish();
    return ejecutar(QStringLiteral("ALTER TABLE pruebas DROP COLUMN fallados"));
}

QString Historial::migrarDesde2() {
    // Version 3 keeps each run's end as an instant, in UTC; older files kept local wall-clock time.
    const QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    QSqlQuery antiguas(db);
    antiguas.setForwardOnly(true);
    if (!antiguas.exec(QStringLiteral("SELECT id, fecha FROM pruebas ORDER BY id"))) {
        return explicar(antiguas.lastError());
    }
    std::vector<std::pair<qint64, QDateTime>> fechas;
    while (antiguas.next()) {
        fechas.emplace_back(antiguas.value(0).toLongLong(),
                            QDateTime::fromString(antiguas.value(1).toString(), Qt::ISODate));
    }
    antiguas.finish();
    QSqlQuery nueva(db);
    nueva.prepare(QStringLiteral("UPDATE pruebas SET fecha = ? WHERE id = ?"));
    QDateTime anterior;
    for (const auto& [id, reloj] : fechas) {
        if (!reloj.date().isValid() || !reloj.time().isValid()) {
            continue; // kept as it was rather than lost
        }
        anterior = instanteLocal(reloj, anterior);
        nueva.addBindValue(anterior.toString(Qt::ISODate));
        nueva.addBindValue(id);
        if (!nueva.exec()) {
            return explicar(nueva.lastError());
        }
    }
    return {};
}

QString Historial::apartar() {
    const QFileInfo info(ruta_);
    const QString sello = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString destino = info.absolutePath() + QStringLiteral("/historial-dañado-%1.sqlite").arg(sello);
    for (int n = 2; QFile::exists(destino); ++n) {
        destino = info.absolutePath() + QStringLiteral("/historial-dañado-%1-%2.sqlite").arg(sello).arg(n);
    }
    if (!QFile::rename(ruta_, destino)) {
        return textos::historialDanadoNoApartado(QDir::toNativeSeparators(ruta_));
    }
    // The journal files belong to the damaged file: they go with it, never deleted.
    for (const QString& sufijo : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(ruta_ + sufijo)) {
            QFile::rename(ruta_ + sufijo, destino + sufijo);
        }
    }
    apartado_ = QDir::toNativeSeparators(destino);
    danado_ = false;
    otroArchivo_ = true;
    return {};
}

QString Historial::guardar(const QDateTime& fecha, const QString& texto, const ResumenPrueba& r, qint64* id) {
    return aSalvo([&] {
        return enTransaccion([&]() -> QString {
            const QSqlDatabase db = QSqlDatabase::database(conexion_, false);
            QSqlQuery prueba(db);
            prueba.prepare(
                QStringLiteral("INSERT INTO pruebas(fecha, texto, huella, minutos, segundos, "
                               "aciertos, errores, aciertos_min, "
                               "netas_min, nota, punt_min, punt_apr, punt_max, repetir, fin, intentos) "
                               "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant& valor :
                 {QVariant(fecha.toUTC().toString(Qt::ISODate)), QVariant(texto),
                  QVariant(huellaEnTexto(r.huella)), QVariant(r.minutos), QVariant(r.segundos),
                  QVariant(r.aciertos), QVariant(r.errores), QVariant(r.aciertosPorMinuto),
                  QVariant(r.tecladasNetasMin), QVariant(r.nota), QVariant(r.puntMin), QVariant(r.puntApr),
                  QVariant(r.puntMax), QVariant(r.repetir), QVariant(static_cast<int>(r.fin)),
                  QVariant(intentosEnBytes(r.intentados))}) {
                prueba.addBindValue(valor);
            }
            if (!prueba.exec()) {
                return explicar(prueba.lastError());
            }
            const QVariant nueva = prueba.lastInsertId();
            if (id != nullptr) {
                *id = nueva.toLongLong();
            }
            QSqlQuery fallo(db);
            fallo.prepare(QStringLiteral("INSERT INTO fallos(prueba, caracter, veces) VALUES(?, ?, ?)"));
            for (const CaracterFallado& f : r.fallados) {
                fallo.addBindValue(nueva);
                fallo.addBindValue(static_cast<uint>(f.caracter));
                fallo.addBindValue(f.veces);
                if (!fallo.exec()) {
                    return explicar(fallo.lastError());
                }
            }
            return {};
        });
    });
}

QString Historial::leer(std::vector<PruebaGuardada>& pruebas) {
    return aSalvo([&] { return leerAbierto(pruebas); });
}

QString Historial::leerAbierto(std::vector<PruebaGuardada>& pruebas) {
    pruebas.clear();
    if (QString fallo = abrir(); !fallo.isEmpty()) {
        return fallo;
    }
    const QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    QSqlQuery filas(db);
    filas.setForwardOnly(true);
    if (!filas.exec(
            QStringLiteral("SELECT id, fecha, texto, huella, minutos, segundos, aciertos, errores, "
                           "aciertos_min, netas_min, nota, punt_min, punt_apr, punt_max, repetir, fin, "
                           "intentos FROM pruebas ORDER BY id"))) {
        return explicar(filas.lastError());
    }
    auto corto = [&filas](int columna) {
        return static_cast<std::int16_t>(filas.value(columna).toInt());
    };
    while (filas.next()) {
        PruebaGuardada p;
        p.id = filas.value(0).toLongLong();
        p.fecha = QDateTime::fromString(filas.value(1).toString(), Qt::ISODate).toLocalTime();
        p.texto = filas.value(2).toString();
        p.resumen.huella = filas.value(3).toString().toULongLong(nullptr, 16);
        p.resumen.minutos = corto(4);
        p.resumen.segundos = corto(5);
        p.resumen.aciertos = corto(6);
        p.resumen.errores = corto(7);
        p.resumen.aciertosPorMinuto = filas.value(8).toDouble();
        p.resumen.tecladasNetasMin = filas.value(9).toDouble();
        p.resumen.nota = filas.value(10).toDouble();
        p.resumen.puntMin = corto(11);
        p.resumen.puntApr = corto(12);
        p.resumen.puntMax = corto(13);
        p.resumen.repetir = filas.value(14).toBool();
        p.resumen.fin = static_cast<FinPrueba>(filas.value(15).toInt());
        p.resumen.intentados = intentosDeBytes(filas.value(16).toByteArray());
        pruebas.push_back(std::move(p));
    }
    QSqlQuery fallos(db);
    fallos.setForwardOnly(true);
    if (!fallos.exec(
            QStringLiteral("SELECT prueba, caracter, veces FROM fallos ORDER BY prueba, caracter"))) {
        return explicar(fallos.lastError());
    }
    // Both lists are in the order of the runs' ids: one walk pairs them.
    auto prueba = pruebas.begin();
    while (fallos.next()) {
        const qint64 id = fallos.value(0).toLongLong();
        while (prueba != pruebas.end() && prueba->id < id) {
            ++prueba;
        }
        if (prueba != pruebas.end() && prueba->id == id) {
            prueba->resumen.fallados.push_back(
                {static_cast<char32_t>(fallos.value(1).toUInt()), fallos.value(2).toInt()});
        }
    }
    return {};
}

QString Historial::borrar(const std::vector<qint64>& ids) {
    return aSalvo([&] {
        return olvidar(enTransaccion([&]() -> QString {
            const QSqlDatabase db = QSqlDatabase::database(conexion_, false);
            QSqlQuery fallos(db), prueba(db);
            fallos.prepare(QStringLiteral("DELETE FROM fallos WHERE prueba = ?"));
            prueba.prepare(QStringLiteral("DELETE FROM pruebas WHERE id = ?"));
            for (const qint64 id : ids) {
                for (QSqlQuery* consulta : {&fallos, &prueba}) {
                    consulta->addBindValue(id);
                    if (!consulta->exec()) {
                        return explicar(consulta->lastError());
                    }
                }
            }
            return {};
        }));
    });
}

QString Historial::vaciar() {
    return aSalvo([&] {
        return olvidar(enTransaccion([&]() -> QString {
            QString fallo = ejecutar(QStringLiteral("DELETE FROM fallos"));
            return fallo.isEmpty() ? ejecutar(QStringLiteral("DELETE FROM pruebas")) : fallo;
        }));
    });
}

QString Historial::olvidar(QString fallo) {
    // The journal still holds the deleted runs' pages until they are copied back and it is emptied.
    if (fallo.isEmpty()) {
        QSqlQuery(QSqlDatabase::database(conexion_, false))
            .exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    return fallo;
}

} // namespace tecladas
