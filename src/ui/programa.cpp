#include "ui/programa.h"

#include "ui/escritorio/entorno.h"
#include "ui/historial/registrador_pruebas.h"

namespace tecladas {

std::unique_ptr<frm_principal> crearPrograma(std::unique_ptr<Entorno> entorno, const QString& rutaHistorial) {
    Entorno& escritorio = *entorno;
    auto ventana = std::make_unique<frm_principal>(std::move(entorno));
    auto* registrador = new RegistradorPruebas(rutaHistorial, escritorio, *ventana);
    QObject::connect(ventana.get(), &frm_principal::pruebaTerminada, registrador,
                     &RegistradorPruebas::registrar);
    QObject::connect(ventana.get(), &frm_principal::historialPedido, registrador,
                     &RegistradorPruebas::mostrarHistorial);
    // A practice text is made of the history's weak keys and the words of the window's text.
    registrador->ponerTextoActual([v = ventana.get()] { return v->textoReferencia(); });
    QObject::connect(registrador, &RegistradorPruebas::practicaLista, ventana.get(),
                     &frm_principal::pegarTexto);
    return ventana;
}

} // namespace tecladas
