#include "ui/historial/modelo_pruebas.h"

#include "ui/escritorio/conversion.h"
#include "ui/historial/textos_historial.h"

#include <QLocale>

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace tecladas {

namespace {

/// A numeric column's value, to sort by; the date sorts as the order the runs were kept in.
double numero(const PruebaGuardada& p, int columna) {
    switch (columna) {
    case ModeloPruebas::Fecha:
        return static_cast<double>(p.id);
    case ModeloPruebas::Minutos:
        return p.resumen.minutos;
    case ModeloPruebas::Duracion:
        return p.resumen.segundos;
    case ModeloPruebas::Aciertos:
        return p.resumen.aciertos;
    case ModeloPruebas::Errores:
        return p.resumen.errores;
    case ModeloPruebas::AciertosMin:
        return p.resumen.aciertosPorMinuto;
    case ModeloPruebas::NetasMin:
        return p.resumen.tecladasNetasMin;
    case ModeloPruebas::Nota:
        return p.resumen.nota;
    default:
        return 0;
    }
}

} // namespace

ModeloPruebas::ModeloPruebas(QObject* padre)
    : QAbstractTableModel(padre) {}

void ModeloPruebas::poner(std::vector<const PruebaGuardada*> pruebas) {
    beginResetModel();
    filas_ = std::move(pruebas);
    ordenar();
    endResetModel();
}

void ModeloPruebas::anadir(const PruebaGuardada* prueba) {
    const auto donde = std::upper_bound(filas_.begin(), filas_.end(), prueba,
                                        [this](auto* a, auto* b) { return antes(a, b); });
    const int fila = static_cast<int>(donde - filas_.begin());
    beginInsertRows({}, fila, fila);
    filas_.insert(donde, prueba);
    endInsertRows();
}

int ModeloPruebas::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloPruebas::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : kColumnas;
}

QVariant ModeloPruebas::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid() || indice.row() >= rowCount()) {
        return {};
    }
    const int columna = indice.column();
    if (rol == Qt::TextAlignmentRole) {
        return columna == Texto || columna == Final ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                    : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (rol != Qt::DisplayRole && rol != Qt::ToolTipRole) {
        return {};
    }
    const PruebaGuardada& p = *filas_[static_cast<std::size_t>(indice.row())];
    const QLocale local;
    if (rol == Qt::ToolTipRole) {
        return textos::umbralesDeLaPrueba(local.toString(p.resumen.puntMin),
                                          local.toString(p.resumen.puntApr),
                                          local.toString(p.resumen.puntMax));
    }
    switch (columna) {
    case Fecha:
        return local.toString(p.fecha, QLocale::ShortFormat);
    case Texto:
        return p.texto;
    case Final:
        return textos::textoFin(p.resumen.fin);
    case Duracion: {
        const QString duracion = QString::fromStdString(duracionMinutos(p.resumen.segundos));
        return pruebaCorta(p.resumen) ? textos::duracionCorta(duracion) : duracion;
    }
    case AciertosMin:
    case NetasMin:
    case Nota:
        return dosDecimales(numero(p, columna), local);
    default:
        return local.toString(static_cast<int>(numero(p, columna)));
    }
}

QVariant ModeloPruebas::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    }
    using textos::Campo;
    static constexpr Campo campos[kColumnas] = {
        Campo::Fecha,   Campo::Texto,       Campo::Minutos,  Campo::Duracion, Campo::Aciertos,
        Campo::Errores, Campo::AciertosMin, Campo::NetasMin, Campo::Nota,     Campo::Final};
    return seccion >= 0 && seccion < kColumnas ? textos::tituloCampo(campos[seccion]) : QVariant();
}

void ModeloPruebas::sort(int columna, Qt::SortOrder orden) {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection follows its runs to their new rows.
    const QModelIndexList antes = persistentIndexList();
    std::vector<const PruebaGuardada*> seguidas;
    for (const QModelIndex& indice : antes) {
        seguidas.push_back(filas_[static_cast<std::size_t>(indice.row())]);
    }
    columnaOrden_ = columna;
    orden_ = orden;
    ordenar();
    std::unordered_map<const PruebaGuardada*, int> filaDe;
    for (std::size_t fila = 0; fila < filas_.size(); ++fila) {
        filaDe.emplace(filas_[fila], static_cast<int>(fila));
    }
    QModelIndexList despues;
    for (qsizetype i = 0; i < antes.size(); ++i) {
        despues.append(index(filaDe.at(seguidas[static_cast<std::size_t>(i)]), antes[i].column()));
    }
    changePersistentIndexList(antes, despues);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ModeloPruebas::ordenar() {
    std::sort(filas_.begin(), filas_.end(), [this](auto* a, auto* b) { return antes(a, b); });
}

bool ModeloPruebas::antes(const PruebaGuardada* a, const PruebaGuardada* b) const {
    if (orden_ == Qt::DescendingOrder) {
        std::swap(a, b);
    }
    const int columna = columnaOrden_;
    if (columna == Texto || columna == Final) {
        const int c = columna == Texto ? QString::localeAwareCompare(a->texto, b->texto)
                                       : static_cast<int>(a->resumen.fin) - static_cast<int>(b->resumen.fin);
        if (c != 0) {
            return c < 0;
        }
    } else if (numero(*a, columna) != numero(*b, columna)) {
        return numero(*a, columna) < numero(*b, columna);
    }
    return a->id < b->id;
}

} // namespace tecladas
