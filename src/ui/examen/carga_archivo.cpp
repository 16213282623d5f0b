#include "ui/examen/carga_archivo.h"

#include "ui/escritorio/conversion.h"
#include "ui/escritorio/entorno.h"

#include <QPromise>

#include <new>
#include <thread>
#include <utility>

namespace tecladas {

std::optional<CargaArchivo> cargarArchivo(const std::filesystem::path& ruta, CajaReferencia::Partidor partir,
                                          Entorno& entorno, QWidget* padre) {
    QPromise<CargaArchivo> promesa;
    QFuture<CargaArchivo> futuro = promesa.future();
    promesa.start();
    std::thread([promesa = std::move(promesa), ruta, partir = std::move(partir)]() mutable {
        CargaArchivo carga;
        carga.lectura = leerArchivoTexto(ruta);
        try {
            // Once cancelled, the window may be gone: nothing more is laid out with its fonts.
            auto seguir = [&promesa] {
                return !promesa.isCanceled();
            };
            if (carga.lectura.correcto() && seguir()) {
                carga.texto = aQString(carga.lectura.texto);
                std::u16string().swap(carga.lectura.texto); // only one copy of a large text at a time
                // An accent written as its own combining mark becomes one letter, which its key types.
                carga.texto = carga.texto.normalized(QString::NormalizationForm_C);
                carga.cortes = partir(carga.texto, seguir);
            }
        } catch (const std::bad_alloc&) {
            carga.lectura.fallo = FalloLectura::DemasiadoGrande;
        }
        promesa.addResult(std::move(carga));
        promesa.finish();
    }).detach();
    if (!entorno.esperarCarga(padre, QFuture<void>(futuro))) {
        futuro.cancel();
        return std::nullopt;
    }
    return futuro.takeResult();
}

} // namespace tecladas
