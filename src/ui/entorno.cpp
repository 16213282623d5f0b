#include "ui/entorno.h"

#include "ui/textos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace tecladas {

namespace {

void mostrar(QWidget* padre, QMessageBox::Icon icono, const QString& titulo, const QString& texto) {
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

} // namespace

void EntornoEscritorio::mostrarMensaje(QWidget* padre, const QString& texto) {
    mostrar(padre, QMessageBox::NoIcon, textos::tituloAplicacion(), texto);
}

void EntornoEscritorio::mostrarError(QWidget* padre, const QString& texto) {
    mostrar(padre, QMessageBox::Warning, textos::tituloError(), texto);
}

QString EntornoEscritorio::elegirArchivo(QWidget* padre, const QString& titulo, const QString& filtro) {
    return QFileDialog::getOpenFileName(padre, titulo, QString(), filtro);
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
