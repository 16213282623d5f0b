#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Widget tests need one application for the whole run; numbers are shown as in Spain.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tecladas"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
