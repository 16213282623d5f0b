#include "ui/examen/parrafos_partidos.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

TEST(ParrafosPartidosTest, EveryLineBreakOfTheDocumentBecomesCrLfAndAccentsAreComposed) {
    const std::pair<QString, std::u16string> casos[] = {
        {QStringLiteral("uno\r\ndos\r\n"), u"uno\r\ndos\r\n"},
        {QStringLiteral("uno\ndos\n"), u"uno\r\ndos\r\n"},
        {QStringLiteral("uno\rdos\r"), u"uno\r\ndos\r\n"},
        {QStringLiteral("uno\u2028dos\u2029"), u"uno\r\ndos\r\n"},
        {QStringLiteral("a\u00A0b\tc"), u"a\u00A0b\tc"},
        {QStringLiteral("Cami\u00F3n cafe\u0301"), u"Cami\u00F3n caf\u00E9"},
    };
    for (const auto& [original, esperado] : casos) {
        QTextDocument documento;
        documento.setPlainText(original);
        EXPECT_EQ(parrafos::textoConSaltosCrLf(documento), esperado) << original.toStdString();
    }
}

} // namespace
} // namespace tecladas
