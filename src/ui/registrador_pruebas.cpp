#include "ui/registrador_pruebas.h"

#include "engine/ajustes.h"
#include "grading/resumen_prueba.h"
#include "ui/conversion.h"
#include "ui/entorno.h"
#include "ui/frm_historial.h"
#include "ui/historial.h"
#include "ui/textos.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>

namespace tecladas {

RegistradorPruebas::RegistradorPruebas(QWidget& ventana, Entorno& entorno, const QPlainTextEdit& referencia)
    : QObject(&ventana)
    , ventana_(ventana)
    , entorno_(entorno)
    , referencia_(referencia)
    , historial_(std::make_unique<Historial>()) {
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

void RegistradorPruebas::registrar(const SesionExamen& sesion, bool repetir) {
    QString fallo = abrir();
    if (fallo.isEmpty()) {
        fallo = historial_->guardar(QDateTime::currentDateTime(), nombreDelTexto(sesion),
                                    resumirPrueba(sesion, repetir));
    }
    if (!fallo.isEmpty() && !falloAvisado_) {
        falloAvisado_ = true;
        entorno_.mostrarError(&ventana_, textos::historialNoGuardado() + fallo);
    }
    if (fallo.isEmpty() && frmHistorial_ && frmHistorial_->isVisible()) {
        frmHistorial_->ponerUmbrales({sesion.puntMin, sesion.puntApr, sesion.puntMax});
        // After the message that ends the run has been answered, not in the middle of the ending.
        QTimer::singleShot(0, frmHistorial_, &FrmHistorial::recargar);
    }
}

QString RegistradorPruebas::nombreDelTexto(const SesionExamen& sesion) const {
    // The file's path stays on the document it was loaded into until the user changes the text.
    const QTextDocument& documento = *referencia_.document();
    const QString archivo = documento.metaInformation(QTextDocument::DocumentUrl);
    if (!archivo.isEmpty() && !documento.isModified()) {
        return QFileInfo(archivo).fileName();
    }
    if (sesion.textoReferencia == aU16(textos::bienvenida())) {
        return textos::textoBienvenida();
    }
    return textos::textoPegado();
}

void RegistradorPruebas::mostrarHistorial() {
    if (const QString fallo = abrir(); !fallo.isEmpty()) {
        entorno_.mostrarError(&ventana_, textos::historialNoAbierto() + fallo);
        return;
    }
    if (!frmHistorial_) {
        frmHistorial_ = new FrmHistorial(*historial_, entorno_, &ventana_);
    }
    auto umbral = [this](const char* nombre) {
        const auto* caja = ventana_.findChild<QLineEdit*>(QString::fromLatin1(nombre));
        return caja != nullptr ? leerUmbral(aU16(caja->displayText())) : std::nullopt;
    };
    frmHistorial_->ponerUmbrales({umbral("MaskPuntMin"), umbral("MaskPuntApr"), umbral("MaskPuntMax")});
    frmHistorial_->recargar();
    frmHistorial_->show();
    frmHistorial_->raise();
    frmHistorial_->activateWindow();
}

} // namespace tecladas
