#include "ui/historial/registrador_pruebas.h"

#include "ui/escritorio/entorno.h"
#include "ui/historial/frm_historial.h"
#include "ui/historial/historial.h"
#include "ui/historial/textos_historial.h"

#include <QTimer>
#include <QWidget>

namespace tecladas {

RegistradorPruebas::RegistradorPruebas(const QString& ruta, Entorno& entorno, QWidget& ventana)
    : QObject(&ventana)
    , entorno_(entorno)
    , ventana_(ventana)
    , historial_(std::make_unique<Historial>(ruta)) {
    setObjectName(QStringLiteral("registradorPruebas"));
}

RegistradorPruebas::~RegistradorPruebas() {
    delete frmHistorial_; // it reads the history kept here
}

QString RegistradorPruebas::abrir() {
    const QString fallo = historial_->abrir();
    if (const QString apartado = historial_->tomarApartado(); !apartado.isEmpty()) {
        entorno_.mostrarError(&ventana_, textos::historialApartado(apartado));
    }
    return fallo;
}

void RegistradorPruebas::registrar(const PruebaTerminada& prueba) {
    QString fallo = abrir();
    if (fallo.isEmpty()) {
        fallo = historial_->guardar(prueba.fecha, prueba.texto, prueba.resumen);
    }
    if (!fallo.isEmpty() && !falloAvisado_) {
        falloAvisado_ = true;
        entorno_.mostrarError(&ventana_, textos::historialNoGuardado() + fallo);
    }
    if (fallo.isEmpty() && frmHistorial_ && frmHistorial_->isVisible()) {
        const ResumenPrueba& r = prueba.resumen;
        frmHistorial_->ponerUmbrales({r.puntMin, r.puntApr, r.puntMax});
        // After the message that ends the run has been answered, not in the middle of the ending.
        QTimer::singleShot(0, frmHistorial_, &frm_historial::recargar);
    }
}

void RegistradorPruebas::mostrarHistorial(const Umbrales& umbrales) {
    if (const QString fallo = abrir(); !fallo.isEmpty()) {
        entorno_.mostrarError(&ventana_, textos::historialNoAbierto() + fallo);
        return;
    }
    if (!frmHistorial_) {
        frmHistorial_ = new frm_historial(*historial_, entorno_, &ventana_);
    }
    frmHistorial_->ponerUmbrales(umbrales);
    frmHistorial_->recargar();
    frmHistorial_->show();
    frmHistorial_->raise();
    frmHistorial_->activateWindow();
}

} // namespace tecladas
