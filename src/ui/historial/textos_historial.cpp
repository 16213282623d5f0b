#include "ui/historial/textos_historial.h"

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

} // namespace tecladas::textos
