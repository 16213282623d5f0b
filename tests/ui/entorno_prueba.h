#pragma once

#include "ui/escritorio/entorno.h"

#include <QPrinter>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace tecladas::prueba {

/// Stands in for the desktop: records every message, question and beep, answers the file dialogs
/// and questions as set in advance, and has no printer.
class EntornoPrueba final : public Entorno {
public:
    struct Registro {
        QStringList mensajes; ///< messages with the application's title
        QStringList errores;  ///< messages titled "Error" with the warning icon
        QStringList titulosDialogo;
        QStringList filtrosDialogo;
        int pitidos = 0;
        QString archivoElegido;         ///< what the next file dialog answers ("" = cancel)
        QStringList destinosPropuestos; ///< the paths the save dialogs started at
        QString destinoElegido;         ///< what the save dialog answers ("" = cancel)
        QStringList preguntas;
        bool respuesta = true;      ///< "Sí" to every question
        bool cancelarCarga = false; ///< the user cancels the reading of the chosen file
        /// Runs while a message box would be open, to see the window behind it.
        std::function<void(const QString&)> alMostrar;
    };

    explicit EntornoPrueba(std::shared_ptr<Registro> registro)
        : registro_(std::move(registro)) {}

    void mostrarMensaje(QWidget*, const QString& texto) override { anotar(registro_->mensajes, texto); }
    void mostrarError(QWidget*, const QString& texto) override { anotar(registro_->errores, texto); }
    QString elegirArchivo(QWidget*, const QString& titulo, const QString& filtro) override {
        registro_->titulosDialogo.append(titulo);
        registro_->filtrosDialogo.append(filtro);
        return registro_->archivoElegido;
    }
    bool esperarCarga(QWidget*, QFuture<void> carga) override {
        if (registro_->cancelarCarga) {
            return false;
        }
        carga.waitForFinished();
        return true;
    }
    QString elegirDestino(QWidget*, const QString& titulo, const QString& propuesto,
                          const QString& filtro) override {
        registro_->titulosDialogo.append(titulo);
        registro_->filtrosDialogo.append(filtro);
        registro_->destinosPropuestos.append(propuesto);
        return registro_->destinoElegido;
    }
    bool preguntar(QWidget*, const QString& texto) override {
        registro_->preguntas.append(texto);
        return registro_->respuesta;
    }
    void pitar() override { ++registro_->pitidos; }
    std::unique_ptr<QPrinter> impresoraPredeterminada() override { return nullptr; } ///< none installed

private:
    void anotar(QStringList& lista, const QString& texto) {
        lista.append(texto);
        if (registro_->alMostrar) {
            registro_->alMostrar(texto);
        }
    }

    std::shared_ptr<Registro> registro_;
};

} // namespace tecladas::prueba
