#pragma once

#include "engine/ajustes.h"
#include "grading/resumen_prueba.h"
#include "ui/historial/prueba_guardada.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace tecladas {

class Entorno;
class Historial;
class ModeloPruebas;

namespace Ui {
class frm_historial;
}

/// The window "Historial de pruebas": the chart of progress with the sentence under it, the table
/// of runs, the most missed characters, the keyboard of weak keys, the choice of text with its
/// summary, a practice text from the weak keys, and deleting, exporting and printing. Its controls
/// are laid out in frm_historial.ui. Non-modal; it reads and changes `historial` and talks to the
/// user through `entorno`.
class frm_historial final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frm_historial)

public:
    /// How many of the most missed characters are listed.
    static constexpr std::size_t kMasFallados = 20;

    frm_historial(Historial& historial, Entorno& entorno, QWidget* padre);
    ~frm_historial() override;

    /// Today's thresholds, which the chart's legend and the printout's heading give.
    void ponerUmbrales(const Umbrales& umbrales);
    /// Adds a run just kept in the history, without reading the history again.
    void anadir(const PruebaGuardada& prueba);
    /// The status line: what waits to be kept in the history, and why; empty when nothing does.
    void ponerEstado(const QString& estado);
    /// Where a practice text takes its words from besides the welcome text: the reference text the
    /// exam window holds now.
    void ponerTextoActual(std::function<QString()> textoActual);

Q_SIGNALS:
    /// "Practicar teclas débiles" built a practice text, for the exam window's reference box.
    void practicaLista(const QString& texto);

public Q_SLOTS:
    /// Reads the history again, keeping the chosen text when it still has runs.
    void recargar();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private Q_SLOTS:
    void cmdBorrar_Click();
    void cmdVaciar_Click();
    void cmdExportar_Click();
    void cmdImprimir_Click();
    void cmdPracticar_Click();
    /// Selects the rows of runs whose point was clicked.
    void seleccionar(const std::vector<const PruebaGuardada*>& pruebas);

private:
    /// Fills the choice of text from the runs, keeping the chosen one when it still has runs.
    void ponerTextos();
    void mostrarTexto();
    /// The runs of the text chosen (all with "Todos los textos"), oldest first.
    std::vector<const PruebaGuardada*> delTextoElegido() const;
    /// Chart, buttons and missed characters, after the rows changed.
    void actualizarVista();
    /// The sentence under the chart and the chosen text's summary, for `mostradas` (oldest first).
    void actualizarProgreso(const std::vector<const PruebaGuardada*>& mostradas);
    /// Missed characters, keys and highlighted points, after the rows or the selection changed.
    void actualizarFallos();
    /// The runs of the selected rows, in the table's order.
    std::vector<const PruebaGuardada*> seleccionadas() const;
    /// The runs the fallos list sums: the selected rows, or every row shown.
    std::vector<const PruebaGuardada*> elegidas() const;
    static std::vector<CaracterFallado> masFallados(const std::vector<const PruebaGuardada*>& pruebas);
    void avisar(const QString& prefijo, const QString& fallo);

    std::unique_ptr<Ui::frm_historial> ui_;
    Historial& historial_;
    Entorno& entorno_;
    Umbrales umbrales_;
    std::deque<PruebaGuardada> pruebas_; ///< every run, oldest first; the rows point into it
    ModeloPruebas* modelo_ = nullptr;
    std::function<QString()> textoActual_;
};

} // namespace tecladas
