#include "ui/textos.h"

#include "input/causa_fallo.h"

namespace tecladas::textos {

QString rechazoInicio(RechazoInicio rechazo) {
    switch (rechazo) {
    case RechazoInicio::Ninguno:
        break;
    case RechazoInicio::SinTexto:
        return sinTexto();
    case RechazoInicio::SinTiempo:
        return sinTiempo();
    case RechazoInicio::SinPuntMin:
        return sinPuntMin();
    case RechazoInicio::SinPuntApr:
        return sinPuntApr();
    case RechazoInicio::SinPuntMax:
        return sinPuntMax();
    case RechazoInicio::MinNoInferiorApr:
        return minNoInferiorApr();
    case RechazoInicio::AprNoInferiorMax:
        return aprNoInferiorMax();
    }
    return {};
}

QString falloLectura(FalloLectura fallo, const std::error_code& error) {
    switch (fallo) {
    case FalloLectura::Ninguno:
        break;
    case FalloLectura::NoExiste:
        return archivoNoExiste();
    case FalloLectura::DemasiadoGrande:
        return archivoDemasiadoGrande();
    case FalloLectura::NoEsTexto:
        return archivoNoEsTexto();
    case FalloLectura::Bloqueado:
        return archivoBloqueado();
    case FalloLectura::Otro:
        // A reason with no system text of its own: a pipe or a device is not a file to read.
        if (error == std::errc::not_supported) {
            return archivoEspecial();
        }
        return archivoNoLeido() + QString::fromUtf8(causaFallo(error));
    }
    return {};
}

QString bienvenida() {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral(
               "Este programa es una simulación de la prueba de velocidad en tecladas correspondiente "
               "a las oposiciones a Auxiliar Administrativo del Excmo. Ayuntamiento de Zarvega. "
               "Puede utilizar este mismo texto como prueba para empezar a utilizar el programa "
               "o utilizar sus propios textos, pulsando el botón ARCHIVO para cargar un fichero de "
               "texto, "
               "además puede copiar un texto desde el portapapeles utilizado CTRL+V. "
               "Se puede elegir entre repetir el texto hasta que el tiempo se acabe o "
               "escribir el texto exacto una sola vez. "
               "Si elige repetir tendrá que pulsar ENTER para empezar el texto por el principio.") +
           crlf +
           QStringLiteral(
               "También es posible cambiar el tiempo máximo (por defecto a un minuto), así como los "
               "intervalos de tecladas exactas  para el cálculo de la nota (por defecto fijados "
               "según las bases de la convocatoria).") +
           crlf +
           QStringLiteral("La nota máxima que se puede obtener es 5 (también según las bases de la "
                          "convocatoria).") +
           crlf + QStringLiteral("Para empezar a escribir el texto sólo tiene que pulsar el botón INICIAR.");
}

} // namespace tecladas::textos
