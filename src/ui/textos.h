#pragma once

#include <QString>

/// The program's own texts, exactly as the user reads them.
namespace tecladas::textos {

inline QString tituloVentana() {
    return QStringLiteral("Tecladas - Simulación del examen de mecanografía de Auxiliar Administrativo");
}
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
inline QString sinImpresora() {
    return QStringLiteral("No se ha podido imprimir: no hay ninguna impresora disponible.");
}
inline QString impresionFallida() {
    return QStringLiteral("No se ha podido imprimir.");
}

// Names and descriptions that screen readers say for controls without a caption of their own.
inline QString nombreMinutos() {
    return QStringLiteral("Tiempo, minutos");
}
inline QString nombreSegundos() {
    return QStringLiteral("Tiempo, segundos");
}
inline QString nombreEscritura() {
    return QStringLiteral("Texto escrito");
}
inline QString nombreAviso() {
    return QStringLiteral("Aviso");
}
inline QString descripcionAciertosMin() {
    return QStringLiteral("Aciertos por minuto");
}
inline QString descripcionEscritura() {
    return QStringLiteral("Copie aquí el texto de referencia. Las teclas equivocadas no se escriben.");
}
inline QString descripcionReferencia() {
    return QStringLiteral("Texto de referencia que hay que copiar");
}

/// The text the reference box shows at start-up: four paragraphs joined by CR LF.
QString bienvenida();

} // namespace tecladas::textos
