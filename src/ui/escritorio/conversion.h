#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace tecladas {

inline QString aQString(std::u16string_view texto) {
    return QString(reinterpret_cast<const QChar*>(texto.data()), static_cast<qsizetype>(texto.size()));
}

inline std::u16string aU16(const QString& texto) {
    return texto.toStdU16String();
}

/// A rate or a grade with two decimals in the user's regional number format (7,50 in Spain).
inline QString dosDecimales(double valor, const QLocale& local = QLocale()) {
    return local.toString(valor, 'f', 2);
}

} // namespace tecladas
