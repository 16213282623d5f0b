#pragma once

#include "ui/historial/prueba_guardada.h"

#include <QAbstractTableModel>

#include <vector>

namespace tecladas {

/// The runs the history window lists, one a row, sortable by any column (newest first at
/// start), each row's tooltip its thresholds. Numbers and dates follow the user's regional settings. It
/// points into the runs it is given, which must outlive it or be replaced first.
class ModeloPruebas final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY(ModeloPruebas)

public:
    enum Columna {
        Fecha,
        Texto,
        Minutos,
        Duracion,
        Aciertos,
        Errores,
        AciertosMin,
        NetasMin,
        Nota,
        Final,
        kColumnas
    };

    explicit ModeloPruebas(QObject* padre = nullptr);

    /// Replaces the rows, kept in the order last chosen.
    void poner(std::vector<const PruebaGuardada*> pruebas);
    /// Adds one row, where the order last chosen puts it.
    void anadir(const PruebaGuardada* prueba);
    /// The runs in the order the rows show them.
    const std::vector<const PruebaGuardada*>& pruebas() const { return filas_; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;
    void sort(int columna, Qt::SortOrder orden = Qt::AscendingOrder) override;

private:
    void ordenar();
    /// Whether `a` comes before `b` in the order last chosen.
    bool antes(const PruebaGuardada* a, const PruebaGuardada* b) const;

    std::vector<const PruebaGuardada*> filas_;
    int columnaOrden_ = Fecha;
    Qt::SortOrder orden_ = Qt::DescendingOrder;
};

} // namespace tecladas
