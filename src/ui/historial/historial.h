#pragma once

#include "ui/historial/prueba_guardada.h"

#include <QDateTime>
#include <QString>

#include <utility>
#include <vector>

class QSqlError;

namespace tecladas {

/// The history of runs: one SQLite file that every window of the program shares, each writing
/// its run in one short transaction. The file is opened on first use, created or brought up to
/// the current schema. Operations return an empty string, or why they failed, in Spanish. A file
/// found damaged by any operation is moved aside (see `tomarApartado`) and the operation done
/// again on a new one; a file deleted or replaced while open is opened again at its path.
class Historial {
public:
    /// The schema this program writes, kept in the file's `user_version`.
    static constexpr int kVersion = 4;

    /// The history kept in the file at `ruta`; nothing is opened yet.
    explicit Historial(QString ruta);
    ~Historial();
    Historial(const Historial&) = delete;
    Historial& operator=(const Historial&) = delete;

    /// "historial.sqlite" in the user's data folder for this program.
    static QString rutaPredeterminada();
    const QString& ruta() const { return ruta_; }
    /// The Qt SQL connection this history uses, open once `abrir` has succeeded.
    const QString& conexion() const { return conexion_; }

    /// Opens the file once, creating its folder and its tables, or migrating an older schema.
    /// A file that is not a database is moved aside (see `tomarApartado`) and a new one begun.
    QString abrir();
    /// Where `abrir` moved a damaged file, once; then empty.
    QString tomarApartado();
    /// Whether the history has moved on to another file since the last call, the one before
    /// deleted, replaced or set aside: what was read of it is stale.
    bool tomarOtroArchivo() { return std::exchange(otroArchivo_, false); }

    /// Keeps a run that ended at `fecha` (any time zone; kept as the instant, in UTC). Its new
    /// number goes to `id` when given.
    QString guardar(const QDateTime& fecha, const QString& texto, const ResumenPrueba& resumen,
                    qint64* id = nullptr);
    /// Every run, oldest first, its date in local time.
    QString leer(std::vector<PruebaGuardada>& pruebas);
    QString borrar(const std::vector<qint64>& ids);
    QString vaciar();
    /// Whether the last operation failed because another program held the file's write lock: it
    /// may well succeed a moment later.
    bool bloqueado() const { return bloqueado_; }

private:
    QString conectar();
    void desconectar();
    QString prepararEsquema();
    QString migrarDesde1();
    QString migrarDesde2();
    QString leerAbierto(std::vector<PruebaGuardada>& pruebas);
    /// After runs were deleted: empties the journal, which still holds their pages.
    QString olvidar(QString fallo);
    QString apartar();
    /// Runs `operacion` (which opens the file itself); when it finds the file damaged, moves the
    /// file aside and runs it again on a new one.
    template <typename F> QString aSalvo(F&& operacion);
    QString ejecutar(const QString& orden);
    /// The reason of a failure in Spanish; notes when the file is not a database.
    QString explicar(const QSqlError& error);
    /// Why the file cannot be opened or written, in Spanish.
    QString sinEscritura() const;
    /// Runs `cambios` in one immediate transaction: another window waits instead of failing
    /// half-way.
    template <typename F> QString enTransaccion(F&& cambios);
    /// Runs `cambios` in one write transaction on the open file, rolled back when it fails.
    template <typename F> QString transaccion(F&& cambios);

    QString ruta_;
    QString conexion_;
    QString apartado_;
    bool abierta_ = false;
    QString identidad_;   ///< of the file opened at `ruta_`, to notice it deleted or replaced
    bool danado_ = false; ///< the last error said the file is not a database
    bool otroArchivo_ = false;
    bool bloqueado_ = false;
};

} // namespace tecladas
