#include "ui/escritorio/aplicacion.h"
#include "ui/escritorio/entorno.h"
#include "ui/escritorio/salida_ordenada.h"
#include "ui/programa.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    tecladas::prepararPlataforma();
    QApplication aplicacion(argc, argv);
    tecladas::prepararAplicacion(aplicacion);
    auto entorno = std::make_unique<tecladas::EntornoEscritorio>();
    tecladas::EntornoEscritorio& escritorio = *entorno;
    const auto ventana = tecladas::crearPrograma(std::move(entorno));
    // A run in progress is kept when the session ends, the program is killed or the display goes.
    const tecladas::SalidaOrdenada salida(escritorio, [&programa = *ventana] { programa.terminarPrueba(); });
    ventana->show();
    return QApplication::exec();
}
