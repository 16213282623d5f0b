#include "ui/historial/exportacion_csv.h"

#include "grading/formato_csv.h"
#include "grading/resumen_prueba.h"
#include "input/causa_fallo.h"
#include "ui/historial/textos_historial.h"

#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

namespace tecladas {

namespace {

std::string utf8(const QString& texto) {
    return texto.toStdString();
}

std::string entero(int valor) {
    return std::to_string(valor);
}

} // namespace

QString exportarCsv(const QString& ruta, const std::vector<const PruebaGuardada*>& pruebas) {
    QSaveFile archivo(ruta);
    // Unbuffered: Qt 6.4's commit would put a cut-short file in place of the old one, and report
    // success, when the disk fills as its buffer is written out.
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt's Spanish texts lack some causes (a read-only disk): the system tells them.
        const std::error_code motivo = motivoSinEscritura(std::filesystem::path(ruta.toStdU16String()));
        return motivo ? QString::fromUtf8(causaFallo(motivo)) : archivo.errorString();
    }
    std::string contenido = "\xEF\xBB\xBF";
    using textos::Campo;
    std::vector<std::string> titulos;
    for (const Campo campo :
         {Campo::Fecha, Campo::Texto, Campo::Minutos, Campo::Segundos, Campo::Duracion, Campo::Aciertos,
          Campo::Errores, Campo::AciertosMin, Campo::NetasMin, Campo::Nota, Campo::PuntMin, Campo::PuntApr,
          Campo::PuntMax, Campo::Repetir, Campo::Final, Campo::Fallados}) {
        titulos.push_back(utf8(textos::tituloCampo(campo)));
    }
    contenido += lineaCsv(titulos);
    for (const PruebaGuardada* p : pruebas) {
        const ResumenPrueba& r = p->resumen;
        QStringList fallados;
        for (const CaracterFallado& f : r.fallados) {
            fallados << QStringLiteral("%1 (%2)").arg(textos::textoCaracter(f.caracter)).arg(f.veces);
        }
        // The date as Spanish spreadsheet programs read one, whatever the user's settings.
        contenido +=
            lineaCsv({utf8(p->fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))), utf8(p->texto),
                      entero(r.minutos), entero(r.segundos), duracionHoras(r.segundos), entero(r.aciertos),
                      entero(r.errores), numeroCsv(r.aciertosPorMinuto, 2), numeroCsv(r.tecladasNetasMin, 2),
                      numeroCsv(r.nota, 2), entero(r.puntMin), entero(r.puntApr), entero(r.puntMax),
                      r.repetir ? "Sí" : "No", utf8(textos::textoFin(r.fin)), utf8(fallados.join(u' '))});
    }
    errno = 0;
    if (archivo.write(contenido.data(), static_cast<qint64>(contenido.size())) !=
        static_cast<qint64>(contenido.size())) {
        // Qt says nothing of a write cut short (a full disk): the system's error tells why.
        const int motivo = errno;
        return motivo != 0 ? QString::fromUtf8(causaFallo(std::error_code(motivo, std::generic_category())))
                           : archivo.errorString();
    }
    if (!archivo.commit()) {
        return archivo.errorString();
    }
    return {};
}

} // namespace tecladas
