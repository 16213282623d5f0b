#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

class QTextDocument;

namespace tecladas {

inline QString aQString(std::u16string_view texto) {
    return QString(reinterpret_cast<const QChar*>(texto.data()), static_cast<qsizetype>(texto.size()));
}

inline std::u16string aU16(const QString& texto) {
    return texto.toStdU16String();
}

/// The text of a document as a run judges it: composed (NFC), so that each accented letter is
/// the one character its key types, and every line break as CR LF, whether the text came from a
/// file with CR LF, LF or CR line breaks or was typed into the box. A paragraph held as several
/// blocks (see `parrafos`) stays one.
std::u16string textoConSaltosCrLf(const QTextDocument& documento);

/// A rate or a grade with two decimals in the user's regional number format (7,50 in Spain).
QString dosDecimales(double valor, const QLocale& local = QLocale());

} // namespace tecladas
