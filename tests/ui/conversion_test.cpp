#include "ui/conversion.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace tecladas {
namespace {

TEST(ConversionTest, EveryLineBreakOfTheDocumentBecomesCrLf) {
    for (const QString& original : {QStringLiteral("uno\r\ndos\r\n"), QStringLiteral("uno\ndos\n"),
                                    QStringLiteral("uno\rdos\r"), QStringLiteral("uno\u2028dos\u2029")}) {
        QTextDocument documento;
        documento.setPlainText(original);
        EXPECT_EQ(textoConSaltosCrLf(documento), u"uno\r\ndos\r\n") << original.toStdString();
    }
}

TEST(ConversionTest, NonBreakingSpacesAndTabsAreKept) {
    QTextDocument documento;
    documento.setPlainText(QStringLiteral("a\u00A0b\tc"));
    EXPECT_EQ(textoConSaltosCrLf(documento), u"a\u00A0b\tc");
}

TEST(ConversionTest, TwoDecimalsInTheRegionalForm) {
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    EXPECT_EQ(dosDecimales(7.5, es), QStringLiteral("7,50"));
    EXPECT_EQ(dosDecimales(85.714285, es), QStringLiteral("85,71"));
    EXPECT_EQ(dosDecimales(-30.508474, es), QStringLiteral("-30,51"));
    EXPECT_EQ(dosDecimales(0, es), QStringLiteral("0,00"));
    EXPECT_EQ(dosDecimales(7.5, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("7.50"));
}

} // namespace
} // namespace tecladas
