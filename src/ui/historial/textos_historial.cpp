#include "ui/historial/textos_historial.h"

#include "ui/escritorio/conversion.h"

#include <QLocale>

namespace tecladas::textos {

QString tituloCampo(Campo campo) {
    switch (campo) {
    case Campo::Fecha:
        return QStringLiteral("Fecha");
    case Campo::Texto:
        return QStringLiteral("Texto");
    case Campo::Minutos:
        return QStringLiteral("Minutos");
    case Campo::Segundos:
        return QStringLiteral("Segundos");
    case Campo::Duracion:
        return QStringLiteral("Duración");
    case Campo::Aciertos:
        return QStringLiteral("Aciertos");
    case Campo::Errores:
        return QStringLiteral("Errores");
    case Campo::AciertosMin:
        return QStringLiteral("Aciertos/Min.");
    case Campo::NetasMin:
        return QStringLiteral("Teclad. exactas/Min.");
    case Campo::Nota:
        return QStringLiteral("Nota");
    case Campo::PuntMin:
        return umbralMinimo();
    case Campo::PuntApr:
        return umbralAprobado();
    case Campo::PuntMax:
        return umbralMaximo();
    case Campo::Repetir:
        return QStringLiteral("Repetir");
    case Campo::Final:
        return QStringLiteral("Final");
    case Campo::Fallados:
        return QStringLiteral("Caracteres fallados");
    }
    return {};
}

QString textoFin(FinPrueba fin) {
    switch (fin) {
    case FinPrueba::TiempoAgotado:
        return QStringLiteral("Tiempo agotado");
    case FinPrueba::Detenida:
        return QStringLiteral("Detenida");
    case FinPrueba::TextoCompletado:
        return textoCompletado();
    case FinPrueba::LimiteAlcanzado:
        return QStringLiteral("Límite de tecladas");
    }
    return {};
}

QString textoCaracter(char32_t caracter) {
    switch (caracter) {
    case 13:
        return QStringLiteral("Intro");
    case U' ':
        return QStringLiteral("Espacio");
    case U'\t':
        return QStringLiteral("Tabulador");
    default:
        return QString::fromUcs4(&caracter, 1);
    }
}

QString lineaUmbral(const QString& nombre, std::optional<std::int16_t> valor) {
    return valor ? QStringLiteral("%1 (%2)").arg(nombre, QLocale().toString(*valor)) : nombre;
}

QString umbralesInforme(const Umbrales& umbrales) {
    QStringList partes;
    for (const auto& [nombre, valor] :
         {std::pair(umbralMinimo(), umbrales.minimo), std::pair(umbralAprobado(), umbrales.aprobado),
          std::pair(umbralMaximo(), umbrales.maximo)}) {
        partes << QStringLiteral("%1 %2").arg(nombre, valor ? QLocale().toString(*valor)
                                                            : QStringLiteral("sin fijar"));
    }
    return QStringLiteral("Umbrales actuales: %1").arg(partes.join(QStringLiteral(" · ")));
}

QString resumenInforme(const ResumenSerie& resumen) {
    const QLocale local;
    QString texto = resumen.pruebas == 1
                        ? QStringLiteral("1 prueba")
                        : QStringLiteral("%1 pruebas").arg(local.toString(qulonglong(resumen.pruebas)));
    if (resumen.cortas > 0) {
        texto += resumen.cortas == 1
                     ? QStringLiteral(" (1 de menos de un minuto, que no cuenta en las cifras)")
                     : QStringLiteral(" (%1 de menos de un minuto, que no cuentan en las cifras)")
                           .arg(local.toString(qulonglong(resumen.cortas)));
    }
    if (resumen.mejor && resumen.ultima) {
        texto += QStringLiteral(". Tecladas exactas por minuto: la mejor, %1; la última, %2")
                     .arg(dosDecimales(*resumen.mejor, local), dosDecimales(*resumen.ultima, local));
    }
    return QStringLiteral("Resumen: %1.").arg(texto);
}

} // namespace tecladas::textos
