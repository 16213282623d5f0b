#include "apoyo.h"
#include "arranque.h"

#include "ui/escritorio/aplicacion.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The benchmarks run offscreen in one application; after them, a summary of every bound.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int codigo = 0;
    if (tecladas::banco::ejecutarComoHijo(argc, argv, codigo)) {
        return codigo;
    }
    // The runs the benchmarks end go to a history of their own, never the user's.
    const QTemporaryDir datos;
    qputenv("XDG_DATA_HOME", datos.path().toLocal8Bit());
    int argcQt = 1;
    QApplication aplicacion(argcQt, argv);
    tecladas::prepararAplicacion(aplicacion);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return tecladas::banco::imprimirResumen() ? 0 : 1;
}
