#pragma once

#include "ui/examen/prueba_terminada.h"

#include <QString>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

class QLockFile;

namespace tecladas {

/// The files beside a history that keep the runs not yet in it. Each program that has runs
/// waiting keeps them in a file of its own ("historial-pendientes-….json" beside
/// "historial.sqlite"), locked while the program lives, so that two programs open at once never
/// write over each other's runs nor both take the same ones.
class ArchivoPendientes {
public:
    explicit ArchivoPendientes(const QString& rutaHistorial);
    ~ArchivoPendientes();
    ArchivoPendientes(const ArchivoPendientes&) = delete;
    ArchivoPendientes& operator=(const ArchivoPendientes&) = delete;

    /// Takes over the runs that programs no longer running left waiting, oldest first. A run a
    /// file holds damaged is left out.
    std::deque<PruebaTerminada> recoger();
    /// Replaces this program's file with `pruebas`, whole or not at all, or removes it when there
    /// are none; the files taken over go once their runs are kept elsewhere. False when it cannot
    /// be written.
    bool escribir(const std::deque<PruebaTerminada>& pruebas);

private:
    QString carpeta_;
    QString prefijo_; ///< "historial-pendientes"
    QString propio_;  ///< this program's file
    std::unique_ptr<QLockFile> cerrojo_;
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> recogidos_;
};

} // namespace tecladas
