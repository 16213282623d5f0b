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
inline QString archivoBloqueado() {
    return QStringLiteral(
        "Otro programa tiene abierto el archivo y no deja leerlo. Ciérrelo en ese programa y "
        "vuelva a cargarlo.");
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

// Names of the grading thresholds, as the exam window's boxes and the history's chart and
// exports call them.
inline QString umbralMinimo() {
    return QStringLiteral("Mínimo para puntuar");
}
inline QString umbralAprobado() {
    return QStringLiteral("Aprobado");
}
inline QString umbralMaximo() {
    return QStringLiteral("Nota Máxima");
}

// The names of a run's text that is not a file.
inline QString textoBienvenida() {
    return QStringLiteral("Texto de bienvenida");
}
/// A pasted text, named by its opening words.
inline QString textoPegado(const QString& comienzo) {
    return comienzo.isEmpty() ? QStringLiteral("Texto pegado")
                              : QStringLiteral("Texto pegado: «%1»").arg(comienzo);
}

// Printing with no printer.
inline QString guardarComoPdf() {
    return QStringLiteral("Guardar como PDF");
}
inline QString filtroPdf() {
    return QStringLiteral("Documentos PDF (*.pdf)");
}

/// Why Start refused to begin a run, as the user reads it (one of the texts above).
QString rechazoInicio(RechazoInicio rechazo);

/// Why a file could not be read, as the user reads it, in Spanish; `error` is the system's reason
/// for `Otro`.
QString falloLectura(FalloLectura fallo, const std::error_code& error);

/// The text the reference box shows at start-up: four paragraphs joined by CR LF.
QString bienvenida();

inline QString practicaEnPrueba() {
    return QStringLiteral("Detenga la prueba antes de poner un texto de práctica.");
}

} // namespace tecladas::textos
