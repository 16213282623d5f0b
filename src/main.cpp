#include "ui/aplicacion.h"
#include "ui/entorno.h"
#include "ui/frm_principal.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    tecladas::prepararPlataforma();
    QApplication aplicacion(argc, argv);
    tecladas::prepararAplicacion(aplicacion);
    tecladas::frm_principal ventana(std::make_unique<tecladas::EntornoEscritorio>());
    ventana.show();
    return QApplication::exec();
}
