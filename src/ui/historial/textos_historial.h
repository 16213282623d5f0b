#pragma once

#include "engine/ajustes.h"
#include "grading/geometria_grafico.h"
#include "grading/practica.h"
#include "grading/progreso.h"
#include "grading/resumen_prueba.h"
#include "ui/textos.h"

#include <QDateTime>
#include <QString>

/// The history's own texts, exactly as the user reads them, in the window, the CSV file and the
/// printout alike.
namespace tecladas::textos {

inline QString tituloHistorial() {
    return QStringLiteral("Historial de pruebas");
}

/// What the history shows or exports of a run, a column each.
enum class Campo {
    Fecha,
    Texto,
    Minutos,
    Segundos,
    Duracion,
    Aciertos,
    Errores,
    AciertosMin,
    NetasMin,
    Nota,
    PuntMin,
    PuntApr,
    PuntMax,
    Repetir,
    Final,
    Fallados,
};
/// The title of a column, the same in the table, the CSV file and the printout.
QString tituloCampo(Campo campo);

/// How long a run lasted, marked when it lasted under a minute.
inline QString duracionCorta(const QString& duracion) {
    return QStringLiteral("%1 (corta)").arg(duracion);
}
/// The thresholds a run was graded with.
inline QString umbralesDeLaPrueba(const QString& minimo, const QString& aprobado, const QString& maximo) {
    return QStringLiteral("%1 %2 · %3 %4 · %5 %6")
        .arg(umbralMinimo(), minimo, umbralAprobado(), aprobado, umbralMaximo(), maximo);
}

/// How a run ended.
QString textoFin(FinPrueba fin);
/// A missed character: "Intro", "Espacio", "Tabulador" or itself.
QString textoCaracter(char32_t caracter);

inline QString todosLosTextos(const QString& cuantas) {
    return QStringLiteral("Todos los textos (%1 pruebas)").arg(cuantas);
}
/// A text of the filter: its name and how many runs it has.
inline QString textoConPruebas(const QString& nombre, int cuantas, const QString& cuantasEscrito) {
    return QStringLiteral("%1 (%2 %3)")
        .arg(nombre, cuantasEscrito, cuantas == 1 ? QStringLiteral("prueba") : QStringLiteral("pruebas"));
}

// The chart.
inline QString ejeFecha() {
    return QStringLiteral("Fecha");
}
/// A day's label on the chart's axis: "7 dic".
QString diaDelEje(std::int64_t diaJuliano);
inline QString serieMediaDia() {
    return QStringLiteral("Media del día");
}
inline QString serieMejorDia() {
    return QStringLiteral("Mejor del día");
}
inline QString serieTendencia(qulonglong pruebas) {
    return QStringLiteral("Tendencia (media de las últimas %1 pruebas válidas)").arg(pruebas);
}
inline QString ejeNetas() {
    return QStringLiteral("Tecladas exactas/Min.");
}
inline QString serieNetas() {
    return QStringLiteral("Tecladas exactas por minuto");
}
inline QString serieNetasEnMedias(qulonglong porPunto) {
    return QStringLiteral("Tecladas exactas por minuto (media de cada %1 pruebas)").arg(porPunto);
}
inline QString sinPruebas() {
    return QStringLiteral("Aún no hay pruebas");
}
inline QString leyendaPruebaCorta() {
    return QStringLiteral("Prueba de menos de un minuto");
}
/// A threshold line: its name, and today's value when the box holds one.
QString lineaUmbral(const QString& nombre, std::optional<std::int16_t> valor);

/// What a point of the chart stands for: one run, a group of runs or a day.
QString puntoUnaPrueba(const QDateTime& fecha, const QString& texto, int segundos, double netas, double nota);
QString puntoVariasPruebas(const QDateTime& desde, const QDateTime& hasta, qulonglong cuantas, double media);
QString puntoDia(const QDateTime& fecha, int validas, double media, double mejor);

/// The sentence under the chart: the last, best and recent mean, and how far from the pass mark.
QString frasesProgreso(const CifrasProgreso& cifras, std::int16_t puntApr);
inline QString sinPruebasValidas() {
    return QStringLiteral("Aún no hay ninguna prueba de un minuto o más que medir.");
}
/// The summary of one text's runs; `primeraAprobada` the date of the first run that passed, if any.
QString resumenTexto(const ResumenTexto& resumen, const QString& primeraAprobada);

// The keyboard of weak keys.
inline QString leyendaTeclaSinDatos(long intentos) {
    return QStringLiteral("Menos de %1 intentos").arg(intentos);
}
/// A step of the legend: an error rate as a percentage, the last one "or more".
QString leyendaTasa(double tasa, bool ultima);
/// A key's tooltip or printout text: its name, attempts, misses and rate.
QString usoDeTecla(const QString& nombre, long intentos, long fallos);

// Practice.
QString faltaPractica(FaltaPractica falta);

// The printed report's heading.
inline QString fechaInforme(const QString& fecha) {
    return QStringLiteral("Fecha del informe: %1").arg(fecha);
}
inline QString filtroInforme(const QString& filtro) {
    return QStringLiteral("Texto: %1").arg(filtro);
}
inline QString paginaInforme(const QString& numero) {
    return QStringLiteral("Página %1").arg(numero);
}
/// "Umbrales actuales: " and each threshold with today's value.
QString umbralesInforme(const Umbrales& umbrales);
/// How many runs, and the best and latest net rates of those that lasted a minute or more.
QString resumenInforme(const ResumenSerie& resumen);

// Failures, and what the user is asked before runs are deleted.
inline QString historialNoGuardado() {
    return QStringLiteral("No se ha podido guardar la prueba en el historial: ");
}
inline QString historialNoAbierto() {
    return QStringLiteral("No se ha podido abrir el historial: ");
}
inline QString historialNoCambiado() {
    return QStringLiteral("No se ha podido cambiar el historial: ");
}
inline QString historialApartado(const QString& apartado) {
    return QStringLiteral("El archivo del historial estaba dañado y no se podía leer. Se ha guardado aparte "
                          "como «%1» y se ha empezado un historial nuevo.")
        .arg(apartado);
}
inline QString sinControladorSqlite() {
    return QStringLiteral("falta el controlador de SQLite de Qt (paquete libqt6sql6-sqlite).");
}
inline QString carpetaNoSeCrea(const QString& carpeta) {
    return QStringLiteral("no se puede crear la carpeta «%1».").arg(carpeta);
}
inline QString historialBloqueado() {
    return QStringLiteral("el archivo del historial está bloqueado por otro programa.");
}
/// `causa` is the system's reason, as `causaFallo` tells it, when there is one.
inline QString historialSinPermiso(const QString& ruta, const QString& causa = {}) {
    return causa.isEmpty() ? QStringLiteral("no se puede escribir en «%1».").arg(ruta)
                           : QStringLiteral("no se puede escribir en «%1»: %2").arg(ruta, causa);
}
/// Said after why a run could not be kept, the first time in a session.
inline QString pruebaPendiente() {
    return QStringLiteral(" La prueba queda pendiente y se volverá a intentar guardar.");
}
/// How many runs wait to be kept in the history.
inline QString pruebasPendientes(int cuantas) {
    return cuantas == 1 ? QStringLiteral("1 prueba pendiente de guardar")
                        : QStringLiteral("%1 pruebas pendientes de guardar").arg(cuantas);
}
/// Said on leaving when runs could be kept neither in the history nor in its pending file.
inline QString pruebasPerdidas(int cuantas) {
    return (
        cuantas == 1
            ? QStringLiteral("Una prueba no se ha podido guardar y se perderá al salir: ")
            : QStringLiteral("%1 pruebas no se han podido guardar y se perderán al salir: ").arg(cuantas));
}
inline QString historialEntradaSalida() {
    return QStringLiteral("el disco no ha podido leer o escribir el archivo del historial.");
}
inline QString historialDanado() {
    return QStringLiteral("el archivo del historial está dañado.");
}
inline QString historialDanadoNoApartado(const QString& ruta) {
    return QStringLiteral("el archivo del historial «%1» está dañado y no se puede apartar.").arg(ruta);
}
inline QString errorBaseDeDatos(const QString& texto) {
    return QStringLiteral("error de la base de datos: %1.").arg(texto);
}
inline QString historialMasNuevo() {
    return QStringLiteral("el historial es de una versión más reciente de Tecladas.");
}
inline QString exportarHistorial() {
    return QStringLiteral("Exportar historial");
}
inline QString filtroCsv() {
    return QStringLiteral("Archivos CSV (*.csv)");
}
inline QString exportacionFallida() {
    return QStringLiteral("No se ha podido exportar el historial: ");
}
inline QString preguntaBorrar(int cuantas) {
    return cuantas == 1 ? QStringLiteral("¿Borrar del historial la prueba seleccionada?")
                        : QStringLiteral("¿Borrar del historial las %1 pruebas seleccionadas?").arg(cuantas);
}
inline QString preguntaVaciar(int cuantas) {
    return QStringLiteral("¿Borrar todo el historial? Se perderán las %1 pruebas guardadas.").arg(cuantas);
}

} // namespace tecladas::textos
