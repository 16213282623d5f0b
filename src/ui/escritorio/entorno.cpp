#include "ui/escritorio/entorno.h"

#include "ui/textos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTimer>

namespace tecladas {

namespace {

void mostrar(QWidget* padre, QMessageBox::Icon icono, const QString& titulo, const QString& texto) {
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

} // namespace

void EntornoEscritorio::mostrarMensaje(QWidget* padre, const QString& texto) {
    if (callado_) {
        return qWarning("%s", qUtf8Printable(texto));
    }
    mostrar(padre, QMessageBox::NoIcon, textos::tituloAplicacion(), texto);
}

void EntornoEscritorio::mostrarError(QWidget* padre, const QString& texto) {
    if (callado_) {
        return qWarning("%s", qUtf8Printable(texto));
    }
    mostrar(padre, QMessageBox::Warning, textos::tituloError(), texto);
}

QString EntornoEscritorio::elegirArchivo(QWidget* padre, const QString& titulo, const QString& filtro) {
    QFileDialog dialogo(padre, titulo, QString(), filtro);
    // Qt's open dialog refuses a typed name that does not exist with a box of its own; any name
    // goes through, so that the window says what is wrong as for every other failure of a load.
    dialogo.setFileMode(QFileDialog::AnyFile);
    if (dialogo.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialogo.selectedFiles().value(0);
}

bool EntornoEscritorio::esperarCarga(QWidget* padre, QFuture<void> carga) {
    QFutureWatcher<void> vigia;
    QEventLoop espera;
    QObject::connect(&vigia, &QFutureWatcherBase::finished, &espera, &QEventLoop::quit);
    vigia.setFuture(carga);
    // Nearly every file is read well within half a second: no box flashes for it. The keys and
    // clicks of that moment wait for the end of the load.
    QTimer::singleShot(500, &espera, &QEventLoop::quit);
    if (!carga.isFinished()) {
        espera.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (carga.isFinished()) {
        return true;
    }
    QProgressDialog progreso(textos::cargandoArchivo(), textos::cancelar(), 0, 0, padre);
    progreso.setWindowTitle(textos::tituloAplicacion());
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setMinimumDuration(0);
    QObject::connect(&vigia, &QFutureWatcherBase::finished, &progreso, &QDialog::accept);
    if (carga.isFinished()) {
        return true;
    }
    return progreso.exec() == QDialog::Accepted;
}

QString EntornoEscritorio::elegirDestino(QWidget* padre, const QString& titulo, const QString& propuesto,
                                         const QString& filtro) {
    return QFileDialog::getSaveFileName(padre, titulo, propuesto, filtro);
}

bool EntornoEscritorio::preguntar(QWidget* padre, const QString& texto) {
    QMessageBox caja(QMessageBox::Question, textos::tituloAplicacion(), texto,
                     QMessageBox::Yes | QMessageBox::No, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.setDefaultButton(QMessageBox::No);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    return caja.exec() == QMessageBox::Yes;
}

void EntornoEscritorio::pitar() {
    QApplication::beep();
}

std::unique_ptr<QPrinter> EntornoEscritorio::impresoraPredeterminada() {
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (predeterminada.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(predeterminada, QPrinter::HighResolution);
}

} // namespace tecladas
