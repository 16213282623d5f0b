#include "ui/historial/frm_historial.h"

#include "grading/geometria_grafico.h"
#include "grading/practica.h"
#include "grading/progreso.h"
#include "grading/recuento_fallos.h"
#include "grading/teclado_espanol.h"
#include "ui/escritorio/conversion.h"
#include "ui/escritorio/destino_documento.h"
#include "ui/escritorio/entorno.h"
#include "ui/historial/exportacion_csv.h"
#include "ui/historial/grafico_historial.h"
#include "ui/historial/impresion_historial.h"
#include "ui/historial/historial.h"
#include "ui/historial/modelo_pruebas.h"
#include "ui/historial/teclado_historial.h"
#include "ui/historial/textos_historial.h"
#include "ui_frm_historial.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>
#include <map>
#include <set>

namespace tecladas {

namespace {

/// The choice "all texts" in the text box; the others carry their text's fingerprint.
constexpr qulonglong kTodosLosTextos = 0;
/// About two minutes of typing at the pass mark: long enough to practise, short enough to finish.
constexpr std::size_t kLargoPractica = 600;

} // namespace

frm_historial::frm_historial(Historial& historial, Entorno& entorno, QWidget* padre)
    : QWidget(padre, Qt::Window)
    , ui_(std::make_unique<Ui::frm_historial>())
    , historial_(historial)
    , entorno_(entorno)
    , modelo_(new ModeloPruebas(this)) {
    ui_->setupUi(this);
    // The title heads the printout and names the exported files as well.
    setWindowTitle(textos::tituloHistorial());
    setAttribute(Qt::WA_DeleteOnClose, false);
    ponerEstado({});

    QTableView& tabla = *ui_->tablaPruebas;
    tabla.setModel(modelo_);
    tabla.sortByColumn(ModeloPruebas::Fecha, Qt::DescendingOrder);
    // Fixed widths: measuring every row of a long history would make the window slow to open.
    tabla.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla.verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const QFontMetrics medidas = fontMetrics();
    for (int columna = 0; columna < ModeloPruebas::kColumnas; ++columna) {
        const QString muestra = columna == ModeloPruebas::Fecha   ? QStringLiteral("00/00/00 00:00")
                                : columna == ModeloPruebas::Texto ? textos::textoBienvenida()
                                : columna == ModeloPruebas::Final ? textos::textoCompletado()
                                : columna == ModeloPruebas::Duracion
                                    ? textos::duracionCorta(QStringLiteral("0:00"))
                                    : QStringLiteral("0000,00");
        const QString titulo = modelo_->headerData(columna, Qt::Horizontal).toString();
        tabla.setColumnWidth(
            columna, std::max(medidas.horizontalAdvance(muestra), medidas.horizontalAdvance(titulo)) + 16);
    }
    ui_->tablaFallos->verticalHeader()->setDefaultSectionSize(tabla.verticalHeader()->defaultSectionSize());
    // The count keeps its room beside the scroll bar; the character takes what is left.
    ui_->tablaFallos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui_->tablaFallos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // The form's size in logical pixels outgrows the screen at large scale factors.
    if (const QScreen* pantalla = screen()) {
        resize(size().boundedTo(pantalla->availableGeometry().size()));
    }

    connect(ui_->cmbTexto, &QComboBox::currentIndexChanged, this, &frm_historial::mostrarTexto);
    connect(tabla.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frm_historial::actualizarFallos);
    connect(ui_->cmdBorrar, &QPushButton::clicked, this, &frm_historial::cmdBorrar_Click);
    connect(ui_->cmdVaciar, &QPushButton::clicked, this, &frm_historial::cmdVaciar_Click);
    connect(ui_->cmdExportar, &QPushButton::clicked, this, &frm_historial::cmdExportar_Click);
    connect(ui_->cmdImprimir, &QPushButton::clicked, this, &frm_historial::cmdImprimir_Click);
    connect(ui_->cmdCerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->cmdPracticar, &QPushButton::clicked, this, &frm_historial::cmdPracticar_Click);
    connect(ui_->optDias, &QRadioButton::toggled, this, &frm_historial::actualizarVista);
    connect(ui_->grafico, &GraficoHistorial::pruebasPulsadas, this, &frm_historial::seleccionar);
}

frm_historial::~frm_historial() = default;

void frm_historial::ponerUmbrales(const Umbrales& umbrales) {
    umbrales_ = umbrales;
}

void frm_historial::keyPressEvent(QKeyEvent* evento) {
    // Esc reaches the window only when no control wants it (an open list takes its own).
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void frm_historial::avisar(const QString& prefijo, const QString& fallo) {
    entorno_.mostrarError(this, prefijo + fallo);
}

void frm_historial::recargar() {
    modelo_->poner({}); // it points into the runs about to be replaced
    std::vector<PruebaGuardada> leidas;
    const QString fallo = historial_.leer(leidas);
    pruebas_.assign(std::make_move_iterator(leidas.begin()), std::make_move_iterator(leidas.end()));
    if (const QString apartado = historial_.tomarApartado(); !apartado.isEmpty()) {
        entorno_.mostrarError(this, textos::historialApartado(apartado));
    }
    if (!fallo.isEmpty()) {
        avisar(textos::historialNoAbierto(), fallo);
    }
    ponerTextos();
    mostrarTexto();
}

void frm_historial::anadir(const PruebaGuardada& prueba) {
    pruebas_.push_back(prueba); // a deque: the rows' pointers stay good
    ponerTextos();
    const qulonglong elegido = ui_->cmbTexto->currentData().toULongLong();
    if (elegido == kTodosLosTextos || prueba.resumen.huella == elegido) {
        modelo_->anadir(&pruebas_.back());
    }
    actualizarVista();
}

void frm_historial::ponerEstado(const QString& estado) {
    ui_->lblEstado->setText(estado);
    ui_->lblEstado->setVisible(!estado.isEmpty()); // a screen reader reads it when there is something to say
}

void frm_historial::ponerTextoActual(std::function<QString()> textoActual) {
    textoActual_ = std::move(textoActual);
}

void frm_historial::ponerTextos() {
    const qulonglong elegido = ui_->cmbTexto->currentData().toULongLong();
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

    const QSignalBlocker bloqueo(ui_->cmbTexto);
    ui_->cmbTexto->clear();
    ui_->cmbTexto->addItem(textos::todosLosTextos(QLocale().toString(pruebas_.size())), kTodosLosTextos);
    for (const auto& [huella, g] : lista) {
        ui_->cmbTexto->addItem(textos::textoConPruebas(g.nombre, g.pruebas, QLocale().toString(g.pruebas)),
                               qulonglong(huella));
    }
    ui_->cmbTexto->setCurrentIndex(std::max(0, ui_->cmbTexto->findData(elegido)));
}

std::vector<const PruebaGuardada*> frm_historial::delTextoElegido() const {
    const qulonglong elegido = ui_->cmbTexto->currentData().toULongLong();
    std::vector<const PruebaGuardada*> mostradas;
    for (const PruebaGuardada& p : pruebas_) {
        if (elegido == kTodosLosTextos || p.resumen.huella == elegido) {
            mostradas.push_back(&p);
        }
    }
    return mostradas;
}

void frm_historial::mostrarTexto() {
    modelo_->poner(delTextoElegido());
    actualizarVista();
}

void frm_historial::actualizarVista() {
    const std::vector<const PruebaGuardada*> mostradas = delTextoElegido();
    ui_->grafico->mostrar(mostradas, umbrales_,
                          ui_->optDias->isChecked() ? VistaGrafico::Dias : VistaGrafico::Pruebas);
    actualizarProgreso(mostradas);
    ui_->cmdVaciar->setEnabled(!pruebas_.empty());
    for (QPushButton* b : {ui_->cmdExportar, ui_->cmdImprimir}) {
        b->setEnabled(modelo_->rowCount() > 0);
    }
    actualizarFallos();
}

void frm_historial::actualizarProgreso(const std::vector<const PruebaGuardada*>& mostradas) {
    std::vector<PruebaProgreso> progreso;
    progreso.reserve(mostradas.size());
    for (const PruebaGuardada* p : mostradas) {
        const ResumenPrueba& r = p->resumen;
        progreso.push_back(
            {p->fecha.date().toJulianDay(), r.tecladasNetasMin, r.segundos, r.aciertos, r.errores});
    }
    // Today's pass mark; without one in the box, the one the latest run was graded with.
    const std::int16_t puntApr =
        umbrales_.aprobado.value_or(mostradas.empty() ? std::int16_t{0} : mostradas.back()->resumen.puntApr);
    const std::optional<CifrasProgreso> cifras = cifrasProgreso(progreso, puntApr);
    ui_->lblProgreso->setText(cifras              ? textos::frasesProgreso(*cifras, puntApr)
                              : mostradas.empty() ? QString()
                                                  : textos::sinPruebasValidas());
    // Shown only with something to say, so that a screen reader never meets an unnamed label.
    ui_->lblProgreso->setVisible(!ui_->lblProgreso->text().isEmpty());
    const bool unTexto = ui_->cmbTexto->currentData().toULongLong() != kTodosLosTextos && !mostradas.empty();
    ui_->lblResumenTexto->setVisible(unTexto);
    if (unTexto) {
        const ResumenTexto resumen = resumirTexto(progreso, puntApr);
        ui_->lblResumenTexto->setText(textos::resumenTexto(
            resumen, resumen.primeraAprobada ? QLocale().toString(mostradas[*resumen.primeraAprobada]->fecha,
                                                                  QLocale::ShortFormat)
                                             : QString()));
    }
}

std::vector<const PruebaGuardada*> frm_historial::seleccionadas() const {
    std::vector<const PruebaGuardada*> lista;
    for (const QModelIndex& fila : ui_->tablaPruebas->selectionModel()->selectedRows()) {
        lista.push_back(modelo_->pruebas()[static_cast<std::size_t>(fila.row())]);
    }
    return lista;
}

std::vector<const PruebaGuardada*> frm_historial::elegidas() const {
    std::vector<const PruebaGuardada*> lista = seleccionadas();
    return lista.empty() ? modelo_->pruebas() : lista;
}

std::vector<CaracterFallado> frm_historial::masFallados(const std::vector<const PruebaGuardada*>& pruebas) {
    RecuentoFallos recuento;
    for (const PruebaGuardada* p : pruebas) {
        recuento.sumar(p->resumen.fallados);
    }
    return recuento.peores(kMasFallados);
}

void frm_historial::actualizarFallos() {
    const std::vector<const PruebaGuardada*> seleccion = seleccionadas();
    ui_->cmdBorrar->setEnabled(!seleccion.empty());
    ui_->grafico->resaltar(seleccion);
    const std::vector<const PruebaGuardada*>& sumadas = seleccion.empty() ? modelo_->pruebas() : seleccion;
    RecuentoTeclas teclas;
    for (const PruebaGuardada* p : sumadas) {
        teclas.sumar(p->resumen.intentados, p->resumen.fallados);
    }
    ui_->teclado->mostrar(teclas.porTecla());
    const std::vector<CaracterFallado> peores = masFallados(sumadas);
    ui_->tablaFallos->setRowCount(static_cast<int>(peores.size()));
    for (int fila = 0; fila < static_cast<int>(peores.size()); ++fila) {
        const CaracterFallado& f = peores[static_cast<std::size_t>(fila)];
        ui_->tablaFallos->setItem(fila, 0, new QTableWidgetItem(textos::textoCaracter(f.caracter)));
        auto* veces = new QTableWidgetItem(QLocale().toString(f.veces));
        veces->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ui_->tablaFallos->setItem(fila, 1, veces);
    }
}

void frm_historial::cmdBorrar_Click() {
    const std::vector<const PruebaGuardada*> seleccion = seleccionadas();
    if (seleccion.empty() ||
        !entorno_.preguntar(this, textos::preguntaBorrar(static_cast<int>(seleccion.size())))) {
        return;
    }
    std::vector<qint64> ids;
    for (const PruebaGuardada* p : seleccion) {
        ids.push_back(p->id);
    }
    if (const QString fallo = historial_.borrar(ids); !fallo.isEmpty()) {
        avisar(textos::historialNoCambiado(), fallo);
    }
    recargar();
}

void frm_historial::cmdVaciar_Click() {
    if (pruebas_.empty() ||
        !entorno_.preguntar(this, textos::preguntaVaciar(static_cast<int>(pruebas_.size())))) {
        return;
    }
    if (const QString fallo = historial_.vaciar(); !fallo.isEmpty()) {
        avisar(textos::historialNoCambiado(), fallo);
    }
    recargar();
}

void frm_historial::cmdExportar_Click() {
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

void frm_historial::cmdImprimir_Click() {
    const std::unique_ptr<QPrinter> impresora = elegirImpresora(entorno_, this, textos::tituloHistorial());
    if (!impresora) {
        return;
    }
    QString progreso = ui_->lblProgreso->text();
    if (ui_->lblResumenTexto->isVisibleTo(this)) {
        progreso += u' ' + ui_->lblResumenTexto->text();
    }
    const InformeHistorial informe{QDateTime::currentDateTime(),
                                   ui_->cmbTexto->currentText(),
                                   umbrales_,
                                   progreso.trimmed(),
                                   ui_->tablaFallos->accessibleName(),
                                   masFallados(elegidas()),
                                   ui_->teclado->accessibleName(),
                                   ui_->teclado->uso()};
    if (const QString fallo = imprimirHistorial(*impresora, informe, ui_->grafico->datos(), *modelo_);
        !fallo.isEmpty()) {
        entorno_.mostrarError(this, fallo);
    }
}

void frm_historial::seleccionar(const std::vector<const PruebaGuardada*>& pruebas) {
    const std::set<const PruebaGuardada*> pulsadas(pruebas.begin(), pruebas.end());
    QItemSelection seleccion;
    const std::vector<const PruebaGuardada*>& filas = modelo_->pruebas();
    for (std::size_t fila = 0; fila < filas.size(); ++fila) {
        if (pulsadas.count(filas[fila]) > 0) {
            const auto f = static_cast<int>(fila);
            seleccion.select(modelo_->index(f, 0), modelo_->index(f, ModeloPruebas::kColumnas - 1));
        }
    }
    QTableView& tabla = *ui_->tablaPruebas;
    tabla.selectionModel()->select(seleccion,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!seleccion.isEmpty()) {
        tabla.scrollTo(seleccion.first().topLeft());
    }
}

void frm_historial::cmdPracticar_Click() {
    std::vector<std::u16string> fuentes = {aU16(textos::bienvenida())};
    if (textoActual_) {
        fuentes.push_back(aU16(textoActual_()));
    }
    const Practica practica = construirPractica(fuentes, ui_->teclado->uso(), kLargoPractica);
    if (practica.falta != FaltaPractica::Nada) {
        entorno_.mostrarMensaje(this, textos::faltaPractica(practica.falta));
        return;
    }
    Q_EMIT practicaLista(aQString(practica.texto));
}

} // namespace tecladas
