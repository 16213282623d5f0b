#include "ui/historial/registrador_pruebas.h"

#include "ui/escritorio/entorno.h"
#include "ui/historial/frm_historial.h"
#include "ui/historial/historial.h"
#include "ui/historial/pruebas_pendientes.h"
#include "ui/historial/textos_historial.h"

#include <QCoreApplication>
#include <QWidget>

namespace tecladas {

namespace {

/// While another program holds the file, how often a waiting run is tried again, and how long
/// it waits before the user is told (and goes on waiting).
constexpr int kReintentoMs = 500;
constexpr int kAvisoMs = 3000;

} // namespace

RegistradorPruebas::RegistradorPruebas(const QString& ruta, Entorno& entorno, QWidget& ventana)
    : QObject(&ventana)
    , entorno_(entorno)
    , ventana_(ventana)
    , historial_(std::make_unique<Historial>(ruta))
    , archivo_(std::make_unique<ArchivoPendientes>(ruta))
    , pendientes_(archivo_->recoger()) {
    setObjectName(QStringLiteral("registradorPruebas"));
    reintento_.setSingleShot(true);
    connect(&reintento_, &QTimer::timeout, this, [this] { guardarPendientes(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &RegistradorPruebas::salir);
}

RegistradorPruebas::~RegistradorPruebas() {
    delete frmHistorial_; // it reads the history kept here
    // The window that owns the desktop is gone: a last try, without a word.
    guardarPendientes(false);
}

QString RegistradorPruebas::abrir(bool avisar) {
    const QString fallo = historial_->abrir();
    avisarApartado(avisar);
    return fallo;
}

void RegistradorPruebas::avisarApartado(bool avisar) {
    const QString apartado = historial_->tomarApartado();
    if (!apartado.isEmpty() && avisar) {
        entorno_.mostrarError(&ventana_, textos::historialApartado(apartado));
    }
}

void RegistradorPruebas::registrar(const PruebaTerminada& prueba) {
    pendientes_.push_back(prueba);
    archivoAlDia_ = false;
    if (frmHistorial_ && frmHistorial_->isVisible()) {
        const ResumenPrueba& r = prueba.resumen;
        frmHistorial_->ponerUmbrales({r.puntMin, r.puntApr, r.puntMax});
    }
    guardarPendientes();
}

void RegistradorPruebas::guardarPendientes(bool avisar) {
    reintento_.stop();
    QString fallo = pendientes_.empty() ? QString() : abrir(avisar);
    while (fallo.isEmpty() && !pendientes_.empty()) {
        const PruebaTerminada& p = pendientes_.front();
        PruebaGuardada guardada{0, p.fecha, p.texto, p.resumen};
        fallo = historial_->guardar(p.fecha, p.texto, p.resumen, &guardada.id);
        if (fallo.isEmpty()) {
            pendientes_.pop_front();
            archivoAlDia_ = false;
            // A window that showed a file deleted or set aside meanwhile reads the new one.
            const bool otroArchivo = historial_->tomarOtroArchivo();
            if (frmHistorial_ && frmHistorial_->isVisible()) {
                otroArchivo ? frmHistorial_->recargar() : frmHistorial_->anadir(guardada);
            }
        }
        avisarApartado(avisar);
    }
    if (!archivoAlDia_) {
        archivoAlDia_ = archivo_->escribir(pendientes_);
    }
    motivo_ = fallo;
    mostrarEstado();
    if (!historial_->bloqueado() || fallo.isEmpty()) {
        bloqueadoDesde_.invalidate();
    } else {
        if (!bloqueadoDesde_.isValid()) {
            bloqueadoDesde_.start();
        }
        reintento_.start(kReintentoMs);
        if (bloqueadoDesde_.elapsed() < kAvisoMs) {
            return; // another window's write, most likely: not worth a word
        }
    }
    if (!fallo.isEmpty() && avisar && !falloAvisado_) {
        falloAvisado_ = true;
        entorno_.mostrarError(&ventana_, textos::historialNoGuardado() + fallo + textos::pruebaPendiente());
    }
}

void RegistradorPruebas::salir() {
    guardarPendientes(false);
    if (!pendientes_.empty() && !archivoAlDia_) {
        entorno_.mostrarError(&ventana_,
                              textos::pruebasPerdidas(static_cast<int>(pendientes_.size())) + motivo_);
    }
}

void RegistradorPruebas::mostrarEstado() {
    if (frmHistorial_) {
        const int cuantas = static_cast<int>(pendientes_.size());
        frmHistorial_->ponerEstado(
            cuantas == 0 ? QString() : textos::pruebasPendientes(cuantas) + QStringLiteral(": ") + motivo_);
    }
}

void RegistradorPruebas::mostrarHistorial(const Umbrales& umbrales) {
    guardarPendientes();
    if (const QString fallo = abrir(); !fallo.isEmpty()) {
        const int cuantas = static_cast<int>(pendientes_.size());
        entorno_.mostrarError(
            &ventana_,
            textos::historialNoAbierto() + fallo +
                (cuantas == 0 ? QString()
                              : QLatin1Char(' ') + textos::pruebasPendientes(cuantas) + QLatin1Char('.')));
        return;
    }
    if (!frmHistorial_) {
        frmHistorial_ = new frm_historial(*historial_, entorno_, &ventana_);
        frmHistorial_->ponerTextoActual(textoActual_);
        connect(frmHistorial_, &frm_historial::practicaLista, this, &RegistradorPruebas::practicaLista);
    }
    frmHistorial_->ponerUmbrales(umbrales);
    frmHistorial_->recargar();
    mostrarEstado();
    frmHistorial_->show();
    frmHistorial_->raise();
    frmHistorial_->activateWindow();
}

} // namespace tecladas
