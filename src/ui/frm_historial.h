#pragma once

#include "grading/resumen_prueba.h"
#include "ui/grafico_historial.h"
#include "ui/historial.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QPushButton;
class QTableView;
class QTableWidget;

namespace tecladas {

class Entorno;
class ModeloPruebas;

/// The window "Historial de pruebas": the chart of progress, the table of runs, the most missed
/// characters, the choice of text, and deleting, exporting and printing the runs. Non-modal; it
/// reads and changes `historial` and talks to the user through `entorno`.
class FrmHistorial final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(FrmHistorial)

public:
    /// How many of the most missed characters are listed.
    static constexpr std::size_t kMasFallados = 20;

    FrmHistorial(Historial& historial, Entorno& entorno, QWidget* padre);
    ~FrmHistorial() override;

    /// The thresholds the chart draws.
    void ponerUmbrales(const Umbrales& umbrales);

public Q_SLOTS:
    /// Reads the history again, keeping the chosen text when it still has runs.
    void recargar();
    void cmdBorrar_Click();
    void cmdVaciar_Click();
    void cmdExportar_Click();
    void cmdImprimir_Click();

private:
    void mostrarTexto();
    void actualizarFallos();
    /// The runs the fallos list sums: the selected rows, or every row shown.
    std::vector<const PruebaGuardada*> elegidas() const;
    std::vector<CaracterFallado> masFallados() const;
    void avisar(const QString& prefijo, const QString& fallo);

    Historial& historial_;
    Entorno& entorno_;
    Umbrales umbrales_;
    std::vector<PruebaGuardada> pruebas_; ///< every run, oldest first
    ModeloPruebas* modelo_ = nullptr;

    QComboBox* cmbTexto = nullptr;
    GraficoHistorial* grafico = nullptr;
    QTableView* tablaPruebas = nullptr;
    QTableWidget* tablaFallos = nullptr;
    QPushButton* cmdBorrar = nullptr;
    QPushButton* cmdVaciar = nullptr;
    QPushButton* cmdExportar = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdCerrar = nullptr;
};

} // namespace tecladas
