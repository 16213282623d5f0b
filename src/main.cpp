#include "ui/escritorio/aplicacion.h"
#include "ui/escritorio/entorno.h"
#include "ui/programa.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    tecladas::prepararPlataforma();
    QApplication aplicacion(argc, argv);
    tecladas::prepararAplicacion(aplicacion);
    const auto ventana = tecladas::crearPrograma(std::make_unique<tecladas::EntornoEscritorio>());
    ventana->show();
    return QApplication::exec();
}
