#include "ui/conversion.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

TEST(ConversionTest, EveryLineBreakOfTheDocumentBecomesCrLfAndAccentsAreComposed) {
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
        EXPECT_EQ(textoConSaltosCrLf(documento), esperado) << original.toStdString();
    }
}

TEST(ConversionTest, TwoDecimalsInTheRegionalForm) {
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    EXPECT_EQ(dosDecimales(7.5, es), QStringLiteral("7,50"));
    EXPECT_EQ(dosDecimales(-30.508474, es), QStringLiteral("-30,51"));
    EXPECT_EQ(dosDecimales(85.714285, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("85.71"));
}

} // namespace
} // namespace tecladas
