#include "ui/examen/frm_principal.h"

#include "engine/ajustes.h"
#include "engine/filtro_teclas.h"
#include "grading/calificacion.h"
#include "grading/estadisticas.h"
#include "grading/resumen_prueba.h"
#include "input/lectura_archivo.h"
#include "ui/examen/accesibilidad.h"
#include "ui/examen/ajuste_rotulos.h"
#include "ui/examen/carga_archivo.h"
#include "ui/escritorio/conversion.h"
#include "ui/escritorio/destino_documento.h"
#include "ui/escritorio/entorno.h"
#include "ui/examen/impresion.h"
#include "ui/examen/parrafos_partidos.h"
#include "ui/textos.h"
#include "ui_frm_principal.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPrinter>
#include <QTextDocument>

#include <filesystem>
#include <initializer_list>
#include <new>
#include <optional>
#include <utility>

/// The resources live in a static library: they must be registered by hand.
static void registrarRecursos() {
    Q_INIT_RESOURCE(recursos);
}

namespace tecladas {

namespace {

/// Sets a text colour only when it changes: a new palette repaints the whole control, at every key.
void ponerColor(QWidget& control, QPalette::ColorRole rol, const QColor& color) {
    QPalette paleta = control.palette();
    if (paleta.color(QPalette::Active, rol) == color && paleta.color(QPalette::Inactive, rol) == color) {
        return;
    }
    paleta.setColor(QPalette::Active, rol, color);
    paleta.setColor(QPalette::Inactive, rol, color);
    control.setPalette(paleta);
}

} // namespace

frm_principal::frm_principal(std::unique_ptr<Entorno> entorno, QWidget* padre)
    : QWidget(padre)
    , ui_(std::make_unique<Ui::frm_principal>())
    , entorno_(std::move(entorno))
    , reloj_(this) {
    registrarRecursos();
    vigilarEscrituraAccesible();
    ui_->setupUi(this);
    completarFuentes(*this, *ui_->texto, *ui_->textoact, *ui_->lblError);
    ajustarRotulos(*this);
    reloj_.setObjectName(QStringLiteral("Timer1"));
    reloj_.setInterval(1000);
    reloj_.setTimerType(Qt::PreciseTimer);

    connect(ui_->cmdIniciar, &QPushButton::clicked, this, &frm_principal::cmdIniciar_Click);
    connect(ui_->cmdDetener, &QPushButton::clicked, this, &frm_principal::cmdDetener_Click);
    connect(ui_->cmdCargar, &QPushButton::clicked, this, &frm_principal::cmdCargar_Click);
    connect(ui_->cmdImprimir, &QPushButton::clicked, this, &frm_principal::cmdImprimir_Click);
    connect(ui_->cmdHistorial, &QPushButton::clicked, this, [this] {
        Q_EMIT historialPedido({leerUmbral(aU16(ui_->MaskPuntMin->displayText())),
                                leerUmbral(aU16(ui_->MaskPuntApr->displayText())),
                                leerUmbral(aU16(ui_->MaskPuntMax->displayText()))});
    });
    connect(ui_->textoact, &CajaEscritura::teclaPulsada, this, &frm_principal::textoact_KeyDown);
    connect(ui_->textoact, &CajaEscritura::caracterEscrito, this, &frm_principal::textoact_KeyPress);
    connect(ui_->textoact, &CajaEscritura::pegadoRechazado, this, &frm_principal::rechazarPegado);
    connect(&reloj_, &QTimer::timeout, this, &frm_principal::Timer1_Timer);
    // During a run the keys belong to the typing box: whatever else takes the focus (a button
    // pressed and released off it) gives it straight back. A click on Stop still stops.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ahora) {
        if (reloj_.isActive() && ahora != nullptr && ahora != ui_->textoact && isAncestorOf(ahora)) {
            ui_->textoact->setFocus();
        }
    });
    ui_->texto->viewport()->installEventFilter(this);
    ui_->textoact->viewport()->installEventFilter(this);
    Form_Load();
}

frm_principal::~frm_principal() {
    // The base class hands the focus on while it deletes the controls, after this class's
    // members are gone: the focus guard must not see that.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void frm_principal::Form_Load() {
    // The default settings are the form's.
    ponerEnCurso(false);
    ui_->texto->setPlainText(textos::bienvenida());
    ui_->cmdIniciar->setFocus();
}

void frm_principal::ponerEnCurso(bool enCurso) {
    if (enCurso) {
        reloj_.start();
    } else {
        reloj_.stop();
        // The window itself takes the focus before the focused control is disabled, or Qt would
        // hand it on to the editable reference box. A typist who has not seen the end types on: the
        // Space or Enter closes the end's message, and nothing after it edits a text or presses a
        // button.
        setFocus();
    }
    ui_->texto->setReadOnly(enCurso);
    ui_->textoact->setEnabled(enCurso);
    ui_->cmdDetener->setEnabled(enCurso);
    for (QWidget* ajuste : std::initializer_list<QWidget*>{
             ui_->maskTiempo, ui_->MaskPuntMin, ui_->MaskPuntApr, ui_->MaskPuntMax, ui_->cmdIniciar,
             ui_->cmdImprimir, ui_->cmdCargar, ui_->cmdHistorial, ui_->chkRepetirTexto}) {
        ajuste->setEnabled(!enCurso);
    }
}

void frm_principal::cmdIniciar_Click() {
    if (reloj_.isActive()) {
        return;
    }
    const RechazoInicio rechazo =
        iniciarEjecucion(sesion_,
                         {aU16(ui_->maskTiempo->displayText()), aU16(ui_->MaskPuntMin->displayText()),
                          aU16(ui_->MaskPuntApr->displayText()), aU16(ui_->MaskPuntMax->displayText())},
                         parrafos::textoConSaltosCrLf(*ui_->texto->document()));
    if (rechazo != RechazoInicio::Ninguno) {
        entorno_->mostrarMensaje(this, textos::rechazoInicio(rechazo));
        // The box to put right; an empty reference has none.
        const std::pair<RechazoInicio, QLineEdit*> cajas[] = {
            {RechazoInicio::SinTiempo, ui_->maskTiempo},
            {RechazoInicio::SinPuntMin, ui_->MaskPuntMin},
            {RechazoInicio::MinNoInferiorApr, ui_->MaskPuntMin},
            {RechazoInicio::SinPuntApr, ui_->MaskPuntApr},
            {RechazoInicio::AprNoInferiorMax, ui_->MaskPuntApr},
            {RechazoInicio::SinPuntMax, ui_->MaskPuntMax}};
        for (const auto& [motivo, caja] : cajas) {
            if (motivo == rechazo) {
                caja->setFocus();
            }
        }
        return;
    }
    ui_->textoact->clear();
    // The page shows the reference from its first line, with the caret at its start.
    ui_->texto->mostrar(sesion_.textoReferencia, 0);
    ponerColor(*ui_->texto, QPalette::Text, colorNormal());
    ui_->texto->setFocus();
    for (QLineEdit* cifra : {ui_->txtAciertos, ui_->txtErrores, ui_->txtTecladasmin, ui_->txtTiempoTotalmin,
                             ui_->txtTiempoTotalSeg}) {
        cifra->clear();
    }
    for (QLabel* resultado : {ui_->lblPuntuacion, ui_->lblError, ui_->lblNota}) {
        mostrarAnunciado(*resultado, QString());
    }
    ponerEnCurso(true);
    ui_->textoact->setFocus();
}

void frm_principal::cmdDetener_Click() {
    if (!reloj_.isActive()) {
        return;
    }
    FinalizarPrueba();
    entorno_->mostrarMensaje(this, textos::detenido());
}

void frm_principal::cmdCargar_Click() {
    if (reloj_.isActive()) {
        return;
    }
    const QString nombre = entorno_->elegirArchivo(this, textos::tituloCargar(), textos::filtroCargar());
    if (nombre.isEmpty()) {
        return;
    }
    std::optional<CargaArchivo> carga = cargarArchivo(std::filesystem::path(nombre.toStdU16String()),
                                                      ui_->texto->partidor(), *entorno_, this);
    if (!carga) {
        return;
    }
    if (!carga->lectura.correcto()) {
        return entorno_->mostrarError(this, textos::falloLectura(carga->lectura.fallo, carga->lectura.error));
    }
    try {
        ui_->texto->ponerTexto(carga->texto, carga->cortes);
        ui_->texto->document()->setMetaInformation(QTextDocument::DocumentUrl, nombre); // names its runs
    } catch (const std::bad_alloc&) {
        entorno_->mostrarError(this, textos::archivoDemasiadoGrande());
    }
}

void frm_principal::cmdImprimir_Click() {
    if (reloj_.isActive()) {
        return;
    }
    const std::unique_ptr<QPrinter> impresora = elegirImpresora(*entorno_, this, textos::tituloAplicacion());
    if (!impresora) {
        return;
    }
    const QString fallo = imprimirVentana(*impresora, *this);
    if (!fallo.isEmpty()) {
        entorno_->mostrarError(this, fallo);
    }
}

void frm_principal::textoact_KeyDown(int codigoTecla, int estadoMayusculas, bool* cancelada) {
    *cancelada = teclaCancelada(codigoTecla, estadoMayusculas);
}

void frm_principal::textoact_KeyPress(char32_t caracter) {
    if (!reloj_.isActive()) {
        return;
    }
    aplicar(evaluarTecla(sesion_, caracter, ui_->chkRepetirTexto->isChecked(), ui_->texto->medidor()),
            caracter);
}

QString frm_principal::textoReferencia() const {
    return reloj_.isActive() ? aQString(sesion_.textoReferencia) : ui_->texto->toPlainText();
}

void frm_principal::pegarTexto(const QString& texto) {
    if (reloj_.isActive()) {
        entorno_->mostrarMensaje(this, textos::practicaEnPrueba());
        return;
    }
    ui_->texto->selectAll();
    ui_->texto->pegar(texto);
    ui_->texto->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
    ui_->cmdIniciar->setFocus();
}

void frm_principal::rechazarPegado() {
    if (!reloj_.isActive()) {
        return;
    }
    aplicar(rechazarTecla(sesion_), 0);
}

void frm_principal::aplicar(const Veredicto& veredicto, char32_t caracter) {
    switch (veredicto.resultado) {
    case Veredicto::Resultado::Ignorada:
        terminarPorLimite();
        return;
    case Veredicto::Resultado::Rechazada:
        mostrarRechazo();
        return;
    case Veredicto::Resultado::Aceptada:
        break;
    }
    ui_->textoact->anadirAlFinal(caracter);
    ponerColor(*ui_->lblError, QPalette::WindowText, colorNormal());
    ponerColor(*ui_->texto, QPalette::Text, colorNormal());
    mostrarAnunciado(*ui_->lblError, veredicto.paginacion.aviso ? textos::avisoPagina() : QString());
    if (veredicto.paginacion.paginaPasada) {
        ui_->texto->mostrar(sesion_.textoReferencia, veredicto.paginacion.inicioPagina);
    }
    ui_->textoact->setFocus();
    if (veredicto.limiteAlcanzado) {
        terminarPorLimite();
        return;
    }
    switch (veredicto.fin) {
    case FinTexto::Ninguno:
        break;
    case FinTexto::Terminado:
        FinalizarPrueba();
        entorno_->mostrarMensaje(this, textos::textoCompletado());
        break;
    case FinTexto::RepeticionOfrecida:
        mostrarAnunciado(*ui_->lblError, textos::avisoRepetir());
        ui_->texto->mostrar(sesion_.textoReferencia, 0);
        break;
    }
}

void frm_principal::mostrarRechazo() {
    entorno_->pitar();
    ponerColor(*ui_->lblError, QPalette::WindowText, colorError());
    mostrarAnunciado(*ui_->lblError, textos::error());
    ponerColor(*ui_->texto, QPalette::Text, colorError());
}

void frm_principal::terminarPorLimite() {
    FinalizarPrueba();
    entorno_->mostrarMensaje(this, textos::limiteContadores());
}

void frm_principal::textoact_MouseUp() {
    // The End key, delivered after the click has placed the caret: to the end of that line.
    if (QWidget* foco = QApplication::focusWidget()) {
        QCoreApplication::postEvent(foco, new QKeyEvent(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier));
    }
}

void frm_principal::texto_MouseUp() {
    if (!ui_->texto->isReadOnly()) {
        return;
    }
    ui_->textoact->setFocus();
    QCoreApplication::postEvent(ui_->textoact, new QKeyEvent(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier));
}

void frm_principal::Timer1_Timer() {
    if (!reloj_.isActive()) {
        return;
    }
    const ResultadoTick tick = avanzarReloj(sesion_);
    if (tick.limiteAlcanzado) {
        terminarPorLimite();
        return;
    }
    if (!tick.tiempoAgotado) {
        ActualizarResultados();
        return;
    }
    FinalizarPrueba();
    entorno_->mostrarMensaje(this, textos::finTiempo());
}

void frm_principal::ActualizarResultados() {
    const Estadisticas e = calcularEstadisticas(sesion_);
    ui_->txtAciertos->setText(QString::number(e.aciertos));
    ui_->txtErrores->setText(QString::number(e.errores));
    ui_->txtTiempoTotalmin->setText(QString::number(e.minutosEnteros));
    ui_->txtTecladasmin->setText(dosDecimales(e.aciertosPorMinuto));
    ui_->txtTiempoTotalSeg->setText(QString::number(e.segundosRestantes));
    mostrarAnunciado(*ui_->lblPuntuacion, dosDecimales(e.tecladasNetasMin));
}

void frm_principal::FinalizarPrueba() {
    ponerEnCurso(false);
    // The box's own document still holds the text the run started on.
    ui_->texto->restaurar();
    ponerColor(*ui_->texto, QPalette::Text, colorNormal());
    mostrarAnunciado(*ui_->lblError, QString());
    ActualizarResultados();
    mostrarAnunciado(*ui_->lblNota, dosDecimales(notaDeLaPrueba(sesion_)));
    Q_EMIT pruebaTerminada({QDateTime::currentDateTime(), nombreDelTexto(),
                            resumirPrueba(sesion_, ui_->chkRepetirTexto->isChecked())});
}

QString frm_principal::nombreDelTexto() const {
    // The file's path stays on the document it was loaded into until the user changes the text.
    const QTextDocument& documento = *ui_->texto->document();
    const QString archivo = documento.metaInformation(QTextDocument::DocumentUrl);
    if (!archivo.isEmpty() && !documento.isModified()) {
        return QFileInfo(archivo).fileName();
    }
    if (sesion_.textoReferencia == aU16(textos::bienvenida())) {
        return textos::textoBienvenida();
    }
    // Enough words to tell pasted texts apart in the history, short enough for its list.
    return textos::textoPegado(aQString(primerasPalabras(sesion_.textoReferencia, 25)));
}

bool frm_principal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease) {
        if (objeto == ui_->texto->viewport()) {
            texto_MouseUp();
        } else if (objeto == ui_->textoact->viewport()) {
            textoact_MouseUp();
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void frm_principal::terminarPrueba() {
    if (reloj_.isActive()) {
        FinalizarPrueba();
    }
}

void frm_principal::closeEvent(QCloseEvent* evento) {
    // Closing ends the program; a clock left running could still end the run behind the closed
    // window and open its message there.
    terminarPrueba();
    QWidget::closeEvent(evento);
}

} // namespace tecladas
