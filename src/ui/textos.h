#pragma once

#include "engine/ajustes.h"
#include "input/lectura_archivo.h"

#include <QString>

#include <system_error>

/// The program's own texts, exactly as the user reads them.
namespace tecladas::textos {

inline QString tituloAplicacion() {
    return QStringLiteral("Tecladas");
}

inline QString error() {
    return QStringLiteral("¡¡¡ ERROR !!!");
}
inline QString avisoPagina() {
    return QStringLiteral("*** PASA A LA SIGUIENTE PAGINA ***");
}
inline QString avisoRepetir() {
    return QStringLiteral("PULSAR ENTER PARA REPETIR TEXTO");
}

inline QString textoCompletado() {
    return QStringLiteral("Texto completado");
}
inline QString finTiempo() {
    return QStringLiteral("Finalizó el tiempo");
}
inline QString detenido() {
    return QStringLiteral("Detenido por el usuario.");
}
inline QString limiteContadores() {
    return QStringLiteral("Se ha alcanzado el número máximo de tecladas que se pueden contar.");
}

inline QString sinTexto() {
    return QStringLiteral("No hay ningún texto para escribir");
}
inline QString sinTiempo() {
    return QStringLiteral("Debe especificar el tiempo máximo en minutos.");
}
inline QString sinPuntMin() {
    return QStringLiteral("Debe especificar el mínimo para puntuar.");
}
inline QString sinPuntApr() {
    return QStringLiteral("Debe especificar el mínimo para aprobar.");
}
inline QString sinPuntMax() {
    return QStringLiteral("Debe especificar la nota máxima.");
}
inline QString minNoInferiorApr() {
    return QStringLiteral("El mínimo para puntuar debe ser inferior al mínimo para aprobar.");
}
inline QString aprNoInferiorMax() {
    return QStringLiteral("El mínimo para aprobar debe ser inferior a la nota máxima.");
}

inline QString tituloError() {
    return QStringLiteral("Error");
}
inline QString archivoNoExiste() {
    return QStringLiteral("El archivo no existe.");
}
inline QString archivoDemasiadoGrande() {
    return QStringLiteral("El archivo es demasiado grande.");
}
inline QString archivoNoEsTexto() {
    return QStringLiteral("El archivo no es un texto: contiene caracteres nulos.");
}
inline QString archivoNoLeido() {
    return QStringLiteral("No se ha podido leer el archivo: ");
}
inline QString archivoEspecial() {
    return QStringLiteral("El nombre elegido no es un archivo normal y no se puede leer.");
}
inline QString cargandoArchivo() {
    return QStringLiteral("Cargando el archivo…");
}
inline QString cancelar() {
    return QStringLiteral("Cancelar");
}
inline QString tituloCargar() {
    return QStringLiteral("Cargar archivo de texto");
}
inline QString filtroCargar() {
    return QStringLiteral("Archivos de texto (*.txt)");
}
inline QString impresionFallida() {
    return QStringLiteral("No se ha podido imprimir.");
}

// The history of runs.
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
inline QString historialOcupado() {
    return QStringLiteral("el archivo del historial está ocupado por otra ventana del programa.");
}
/// `causa` is the system's reason, as `causaFallo` tells it, when there is one.
inline QString historialSinPermiso(const QString& ruta, const QString& causa = {}) {
    return causa.isEmpty() ? QStringLiteral("no se puede escribir en «%1».").arg(ruta)
                           : QStringLiteral("no se puede escribir en «%1»: %2").arg(ruta, causa);
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
inline QString textoBienvenida() {
    return QStringLiteral("Texto de bienvenida");
}
inline QString textoPegado() {
    return QStringLiteral("Texto pegado");
}
inline QString tituloHistorial() {
    return QStringLiteral("Historial de pruebas");
}
inline QString guardarComoPdf() {
    return QStringLiteral("Guardar como PDF");
}
inline QString filtroPdf() {
    return QStringLiteral("Documentos PDF (*.pdf)");
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

/// Why Start refused to begin a run, as the user reads it (one of the texts above).
QString rechazoInicio(RechazoInicio rechazo);

/// Why a file could not be read, as the user reads it, in Spanish; `error` is the system's reason
/// for `Otro`.
QString falloLectura(FalloLectura fallo, const std::error_code& error);

/// The text the reference box shows at start-up: four paragraphs joined by CR LF.
QString bienvenida();

} // namespace tecladas::textos
