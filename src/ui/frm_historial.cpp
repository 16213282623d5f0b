#include "ui/frm_historial.h"

#include "grading/recuento_fallos.h"
#include "ui/destino_documento.h"
#include "ui/entorno.h"
#include "ui/exportacion_csv.h"
#include "ui/impresion_historial.h"
#include "ui/modelo_pruebas.h"
#include "ui/textos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace tecladas {

namespace {

/// The choice "all texts" in the text box; the others carry their text's fingerprint.
constexpr qulonglong kTodosLosTextos = 0;

} // namespace

FrmHistorial::FrmHistorial(Historial& historial, Entorno& entorno, QWidget* padre)
    : QWidget(padre, Qt::Window)
    , historial_(historial)
    , entorno_(entorno)
    , modelo_(new ModeloPruebas(this)) {
    setObjectName(QStringLiteral("frmHistorial"));
    setWindowTitle(textos::tituloHistorial());
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(1120, 680);

    cmbTexto = new QComboBox(this);
    cmbTexto->setObjectName(QStringLiteral("cmbTexto"));
    cmbTexto->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* rotuloTexto = new QLabel(QStringLiteral("&Texto:"), this);
    rotuloTexto->setBuddy(cmbTexto);

    grafico = new GraficoHistorial(this);
    grafico->setObjectName(QStringLiteral("grafico"));
    grafico->setMinimumHeight(240);
    grafico->setAccessibleName(QStringLiteral("Gráfico de tecladas exactas por minuto"));

    tablaPruebas = new QTableView(this);
    tablaPruebas->setObjectName(QStringLiteral("tablaPruebas"));
    tablaPruebas->setAccessibleName(QStringLiteral("Pruebas"));
    tablaPruebas->setModel(modelo_);
    tablaPruebas->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablaPruebas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablaPruebas->setSortingEnabled(true);
    tablaPruebas->sortByColumn(ModeloPruebas::Fecha, Qt::DescendingOrder);
    tablaPruebas->verticalHeader()->hide();
    tablaPruebas->horizontalHeader()->setStretchLastSection(true);
    // Fixed widths: measuring every row of a long history would make the window slow to open.
    tablaPruebas->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tablaPruebas->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const QFontMetrics medidas = fontMetrics();
    for (int columna = 0; columna < ModeloPruebas::kColumnas; ++columna) {
        const QString muestra = columna == ModeloPruebas::Fecha   ? QStringLiteral("00/00/00 00:00")
                                : columna == ModeloPruebas::Texto ? QStringLiteral("Texto de bienvenida")
                                : columna == ModeloPruebas::Final ? QStringLiteral("Texto completado")
                                                                  : QStringLiteral("0000,00");
        const QString titulo = modelo_->headerData(columna, Qt::Horizontal).toString();
        tablaPruebas->setColumnWidth(
            columna, std::max(medidas.horizontalAdvance(muestra), medidas.horizontalAdvance(titulo)) + 16);
    }

    tablaFallos = new QTableWidget(0, 2, this);
    tablaFallos->setObjectName(QStringLiteral("tablaFallos"));
    tablaFallos->setAccessibleName(QStringLiteral("Caracteres más fallados"));
    tablaFallos->setHorizontalHeaderLabels({QStringLiteral("Carácter"), QStringLiteral("Veces")});
    tablaFallos->verticalHeader()->hide();
    tablaFallos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablaFallos->setSelectionMode(QAbstractItemView::NoSelection);
    tablaFallos->horizontalHeader()->setStretchLastSection(true);
    tablaFallos->verticalHeader()->setDefaultSectionSize(
        tablaPruebas->verticalHeader()->defaultSectionSize());
    tablaFallos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tablaFallos->setColumnWidth(0, 110);
    tablaFallos->setMaximumWidth(220);
    auto* rotuloFallos = new QLabel(QStringLiteral("Caracteres más fallados:"), this);

    auto boton = [this](QPushButton*& destino, const char* nombre, const QString& rotulo) {
        destino = new QPushButton(rotulo, this);
        destino->setObjectName(QString::fromLatin1(nombre));
        destino->setAutoDefault(false);
    };
    boton(cmdBorrar, "cmdBorrar", QStringLiteral("&Borrar seleccionadas"));
    boton(cmdVaciar, "cmdVaciar", QStringLiteral("&Vaciar historial"));
    boton(cmdExportar, "cmdExportar", QStringLiteral("&Exportar CSV…"));
    boton(cmdImprimir, "cmdImprimir", QStringLiteral("Im&primir…"));
    boton(cmdCerrar, "cmdCerrar", QStringLiteral("&Cerrar"));

    auto* filaTexto = new QHBoxLayout;
    filaTexto->addWidget(rotuloTexto);
    filaTexto->addWidget(cmbTexto, 1);
    auto* columnaFallos = new QVBoxLayout;
    columnaFallos->addWidget(rotuloFallos);
    columnaFallos->addWidget(tablaFallos);
    auto* filaTablas = new QHBoxLayout;
    filaTablas->addWidget(tablaPruebas, 1);
    filaTablas->addLayout(columnaFallos);
    auto* filaBotones = new QHBoxLayout;
    for (QPushButton* b : {cmdBorrar, cmdVaciar}) {
        filaBotones->addWidget(b);
    }
    filaBotones->addStretch(1);
    for (QPushButton* b : {cmdExportar, cmdImprimir, cmdCerrar}) {
        filaBotones->addWidget(b);
    }
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(filaTexto);
    todo->addWidget(grafico, 3);
    todo->addLayout(filaTablas, 2);
    todo->addLayout(filaBotones);

    connect(cmbTexto, &QComboBox::currentIndexChanged, this, &FrmHistorial::mostrarTexto);
    connect(tablaPruebas->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrmHistorial::actualizarFallos);
    connect(cmdBorrar, &QPushButton::clicked, this, &FrmHistorial::cmdBorrar_Click);
    connect(cmdVaciar, &QPushButton::clicked, this, &FrmHistorial::cmdVaciar_Click);
    connect(cmdExportar, &QPushButton::clicked, this, &FrmHistorial::cmdExportar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &FrmHistorial::cmdImprimir_Click);
    connect(cmdCerrar, &QPushButton::clicked, this, &QWidget::close);
}

FrmHistorial::~FrmHistorial() = default;

void FrmHistorial::ponerUmbrales(const Umbrales& umbrales) {
    umbrales_ = umbrales;
}

void FrmHistorial::avisar(const QString& prefijo, const QString& fallo) {
    entorno_.mostrarError(this, prefijo + fallo);
}

void FrmHistorial::recargar() {
    const qulonglong elegido = cmbTexto->currentData().toULongLong();
    modelo_->poner({}); // it points into the runs about to be replaced
    if (const QString fallo = historial_.leer(pruebas_); !fallo.isEmpty()) {
        avisar(textos::historialNoAbierto(), fallo);
    }
    // One choice a text, named as its latest run names it, newest first.
    struct Grupo {
        QString nombre;
        int pruebas = 0;
        qsizetype orden = 0;
    };
    std::map<std::uint64_t, Grupo> grupos;
    for (qsizetype i = 0; i < static_cast<qsizetype>(pruebas_.size()); ++i) {
        Grupo& g = grupos[pruebas_[static_cast<std::size_t>(i)].resumen.huella];
        g.nombre = pruebas_[static_cast<std::size_t>(i)].texto;
        ++g.pruebas;
        g.orden = i;
    }
    std::vector<std::pair<std::uint64_t, Grupo>> lista(grupos.begin(), grupos.end());
    std::sort(lista.begin(), lista.end(),
              [](const auto& a, const auto& b) { return a.second.orden > b.second.orden; });

    const QSignalBlocker bloqueo(cmbTexto);
    cmbTexto->clear();
    cmbTexto->addItem(
        QStringLiteral("Todos los textos (%1 pruebas)").arg(QLocale().toString(pruebas_.size())),
        kTodosLosTextos);
    for (const auto& [huella, g] : lista) {
        cmbTexto->addItem(QStringLiteral("%1 (%2 %3)")
                              .arg(g.nombre, QLocale().toString(g.pruebas),
                                   g.pruebas == 1 ? QStringLiteral("prueba") : QStringLiteral("pruebas")),
                          qulonglong(huella));
    }
    cmbTexto->setCurrentIndex(std::max(0, cmbTexto->findData(elegido)));
    mostrarTexto();
}

void FrmHistorial::mostrarTexto() {
    const qulonglong elegido = cmbTexto->currentData().toULongLong();
    std::vector<const PruebaGuardada*> mostradas;
    std::vector<double> netas;
    for (const PruebaGuardada& p : pruebas_) {
        if (elegido == kTodosLosTextos || p.resumen.huella == elegido) {
            mostradas.push_back(&p);
            netas.push_back(p.resumen.tecladasNetasMin);
        }
    }
    modelo_->poner(std::move(mostradas));
    grafico->mostrar(netas, umbrales_);
    cmdVaciar->setEnabled(!pruebas_.empty());
    for (QPushButton* b : {cmdExportar, cmdImprimir}) {
        b->setEnabled(modelo_->rowCount() > 0);
    }
    actualizarFallos();
}

std::vector<const PruebaGuardada*> FrmHistorial::elegidas() const {
    const QModelIndexList filas = tablaPruebas->selectionModel()->selectedRows();
    if (filas.isEmpty()) {
        return modelo_->pruebas();
    }
    std::vector<const PruebaGuardada*> lista;
    for (const QModelIndex& fila : filas) {
        lista.push_back(modelo_->pruebas()[static_cast<std::size_t>(fila.row())]);
    }
    return lista;
}

std::vector<CaracterFallado> FrmHistorial::masFallados() const {
    RecuentoFallos recuento;
    for (const PruebaGuardada* p : elegidas()) {
        recuento.sumar(p->resumen.fallados);
    }
    return recuento.peores(kMasFallados);
}

void FrmHistorial::actualizarFallos() {
    cmdBorrar->setEnabled(tablaPruebas->selectionModel()->hasSelection());
    const std::vector<CaracterFallado> peores = masFallados();
    tablaFallos->setRowCount(static_cast<int>(peores.size()));
    for (int fila = 0; fila < static_cast<int>(peores.size()); ++fila) {
        const CaracterFallado& f = peores[static_cast<std::size_t>(fila)];
        tablaFallos->setItem(fila, 0, new QTableWidgetItem(textoCaracter(f.caracter)));
        auto* veces = new QTableWidgetItem(QLocale().toString(f.veces));
        veces->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tablaFallos->setItem(fila, 1, veces);
    }
}

void FrmHistorial::cmdBorrar_Click() {
    const QModelIndexList filas = tablaPruebas->selectionModel()->selectedRows();
    if (filas.isEmpty() ||
        !entorno_.preguntar(this, textos::preguntaBorrar(static_cast<int>(filas.size())))) {
        return;
    }
    std::vector<qint64> ids;
    for (const QModelIndex& fila : filas) {
        ids.push_back(modelo_->pruebas()[static_cast<std::size_t>(fila.row())]->id);
    }
    if (const QString fallo = historial_.borrar(ids); !fallo.isEmpty()) {
        avisar(textos::historialNoCambiado(), fallo);
    }
    recargar();
}

void FrmHistorial::cmdVaciar_Click() {
    if (pruebas_.empty() ||
        !entorno_.preguntar(this, textos::preguntaVaciar(static_cast<int>(pruebas_.size())))) {
        return;
    }
    if (const QString fallo = historial_.vaciar(); !fallo.isEmpty()) {
        avisar(textos::historialNoCambiado(), fallo);
    }
    recargar();
}

void FrmHistorial::cmdExportar_Click() {
    const QString ruta = entorno_.elegirDestino(
        this, textos::exportarHistorial(), rutaPropuesta(textos::tituloHistorial(), QStringLiteral("csv")),
        textos::filtroCsv());
    if (ruta.isEmpty()) {
        return;
    }
    if (const QString fallo = exportarCsv(ruta, modelo_->pruebas()); !fallo.isEmpty()) {
        avisar(textos::exportacionFallida(), fallo);
    }
}

void FrmHistorial::cmdImprimir_Click() {
    const std::unique_ptr<QPrinter> impresora = elegirImpresora(entorno_, this, textos::tituloHistorial());
    if (!impresora) {
        return;
    }
    const QImage imagen = grafico->grab().toImage();
    if (const QString fallo = imprimirHistorial(*impresora, imagen, *modelo_, masFallados());
        !fallo.isEmpty()) {
        entorno_.mostrarError(this, fallo);
    }
}

} // namespace tecladas
