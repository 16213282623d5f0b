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

QString diaDelEje(std::int64_t diaJuliano) {
    return QLocale().toString(QDate::fromJulianDay(diaJuliano), QStringLiteral("d MMM"));
}

QString puntoUnaPrueba(const QDateTime& fecha, const QString& texto, int segundos, double netas,
                       double nota) {
    const QLocale local;
    return QStringLiteral("%1\n%2\nDuración: %3\nTecladas exactas/Min.: %4\nNota: %5")
        .arg(local.toString(fecha, QLocale::ShortFormat), texto,
             QString::fromStdString(duracionMinutos(segundos)), dosDecimales(netas, local),
             dosDecimales(nota, local));
}

QString puntoVariasPruebas(const QDateTime& desde, const QDateTime& hasta, qulonglong cuantas, double media) {
    const QLocale local;
    return QStringLiteral("%1 pruebas, del %2 al %3\nMedia de tecladas exactas/Min.: %4")
        .arg(local.toString(cuantas), local.toString(desde.date(), QLocale::ShortFormat),
             local.toString(hasta.date(), QLocale::ShortFormat), dosDecimales(media, local));
}

QString puntoDia(const QDateTime& fecha, int validas, double media, double mejor) {
    const QLocale local;
    return QStringLiteral("%1: %2 de un minuto o más\nMedia: %3\nMejor: %4")
        .arg(local.toString(fecha.date(), QLocale::LongFormat),
             validas == 1 ? QStringLiteral("1 prueba") : QStringLiteral("%1 pruebas").arg(validas),
             dosDecimales(media, local), dosDecimales(mejor, local));
}

QString frasesProgreso(const CifrasProgreso& c, std::int16_t puntApr) {
    const QLocale local;
    QString texto = QStringLiteral("Última: %1 · Mejor: %2 · Media de las últimas %3: %4. ")
                        .arg(dosDecimales(c.ultima, local), dosDecimales(c.mejor, local),
                             local.toString(c.recientes), dosDecimales(c.mediaRecientes, local));
    if (c.faltan == 1) {
        return texto + QStringLiteral("Le falta 1 teclada exacta por minuto para el aprobado (%1).")
                           .arg(local.toString(puntApr));
    }
    if (c.faltan > 0) {
        return texto + QStringLiteral("Le faltan %1 tecladas exactas por minuto para el aprobado (%2).")
                           .arg(local.toString(c.faltan), local.toString(puntApr));
    }
    return texto + (c.recientes == 1
                        ? QStringLiteral("Ha superado el aprobado en la última prueba.")
                        : QStringLiteral("Ha superado el aprobado en %1 de las últimas %2 pruebas.")
                              .arg(local.toString(c.aprobadas), local.toString(c.recientes)));
}

QString resumenTexto(const ResumenTexto& r, const QString& primeraAprobada) {
    const QLocale local;
    QString texto = r.pruebas == 1
                        ? QStringLiteral("Este texto: 1 prueba")
                        : QStringLiteral("Este texto: %1 pruebas").arg(local.toString(qulonglong(r.pruebas)));
    if (!r.mejor || !r.mediaRecientes) {
        return texto + QStringLiteral(", ninguna de un minuto o más.");
    }
    texto += QStringLiteral(" · Mejor: %1 · Media de las últimas %2: %3")
                 .arg(dosDecimales(*r.mejor, local),
                      local.toString(qulonglong(std::min(r.validas, kPruebasRecientes))),
                      dosDecimales(*r.mediaRecientes, local));
    texto += primeraAprobada.isEmpty() ? QStringLiteral(" · Aún sin aprobado")
                                       : QStringLiteral(" · Primer aprobado: %1").arg(primeraAprobada);
    if (r.precisionDecimas) {
        texto += QStringLiteral(" · Precisión: %1 %").arg(local.toString(*r.precisionDecimas / 10.0, 'f', 1));
    }
    return texto + u'.';
}

QString leyendaTasa(double tasa, bool ultima) {
    const QString porcentaje = QStringLiteral("%1 %").arg(QLocale().toString(tasa * 100, 'f', 0));
    return ultima ? QStringLiteral("%1 o más").arg(porcentaje) : porcentaje;
}

QString usoDeTecla(const QString& nombre, long intentos, long fallos) {
    const QLocale local;
    QString texto = QStringLiteral("%1: %2 intentos, %3 fallos")
                        .arg(nombre, local.toString(qlonglong(intentos)), local.toString(qlonglong(fallos)));
    if (intentos >= kIntentosMinimosTecla) {
        texto += QStringLiteral(" (%1 %)").arg(local.toString(100.0 * fallos / intentos, 'f', 1));
    }
    return texto;
}

QString faltaPractica(FaltaPractica falta) {
    switch (falta) {
    case FaltaPractica::Historial:
        return QStringLiteral("Aún no hay historial suficiente para saber qué teclas le cuestan más: hacen "
                              "falta al menos %1 teclas con %2 intentos cada una en las pruebas mostradas. "
                              "Haga más pruebas y vuelva a intentarlo.")
            .arg(kTeclasMinimasPractica)
            .arg(kIntentosMinimosTecla);
    case FaltaPractica::Fallos:
        return QStringLiteral(
            "No ha fallado ninguna tecla en las pruebas mostradas: no hay teclas débiles que "
            "practicar.");
    case FaltaPractica::Palabras:
        return QStringLiteral(
            "Ni el texto de bienvenida ni el texto de referencia tienen palabras con sus teclas "
            "débiles. Cargue otro texto y vuelva a intentarlo.");
    case FaltaPractica::Nada:
        break;
    }
    return {};
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
