#include "ui/frm_principal.h"

#include "engine/ajustes.h"
#include "engine/filtro_teclas.h"
#include "grading/calificacion.h"
#include "grading/estadisticas.h"
#include "input/lectura_archivo.h"
#include "ui/accesibilidad.h"
#include "ui/ajuste_rotulos.h"
#include "ui/carga_archivo.h"
#include "ui/conversion.h"
#include "ui/destino_documento.h"
#include "ui/entorno.h"
#include "ui/impresion.h"
#include "ui/registrador_pruebas.h"
#include "ui/textos.h"
#include "ui_frm_principal.h"

#include <QApplication>
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
    , ui(std::make_unique<Ui::frm_principal>())
    , entorno_(std::move(entorno))
    , Timer1(this) {
    registrarRecursos();
    vigilarEscrituraAccesible();
    ui->setupUi(this);
    completarFuentes(*this, *ui->texto, *ui->textoact, *ui->lblError);
    ajustarRotulos(*this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
    Timer1.setTimerType(Qt::PreciseTimer);

    connect(ui->cmdIniciar, &QPushButton::clicked, this, &frm_principal::cmdIniciar_Click);
    connect(ui->cmdDetener, &QPushButton::clicked, this, &frm_principal::cmdDetener_Click);
    connect(ui->cmdCargar, &QPushButton::clicked, this, &frm_principal::cmdCargar_Click);
    connect(ui->cmdImprimir, &QPushButton::clicked, this, &frm_principal::cmdImprimir_Click);
    registrador_ = new RegistradorPruebas(*this, *entorno_, *ui->texto);
    connect(ui->cmdHistorial, &QPushButton::clicked, registrador_, &RegistradorPruebas::mostrarHistorial);
    connect(ui->textoact, &CajaEscritura::teclaPulsada, this, &frm_principal::textoact_KeyDown);
    connect(ui->textoact, &CajaEscritura::caracterEscrito, this, &frm_principal::textoact_KeyPress);
    connect(ui->textoact, &CajaEscritura::pegadoRechazado, this, &frm_principal::rechazarPegado);
    connect(&Timer1, &QTimer::timeout, this, &frm_principal::Timer1_Timer);
    // During a run the keys belong to the typing box: whatever else takes the focus (a button
    // pressed and released off it) gives it straight back. A click on Stop still stops.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ahora) {
        if (Timer1.isActive() && ahora != nullptr && ahora != ui->textoact && isAncestorOf(ahora)) {
            ui->textoact->setFocus();
        }
    });
    ui->texto->viewport()->installEventFilter(this);
    ui->textoact->viewport()->installEventFilter(this);
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
    ui->texto->setPlainText(textos::bienvenida());
    ui->cmdIniciar->setFocus();
}

void frm_principal::ponerEnCurso(bool enCurso) {
    if (enCurso) {
        Timer1.start();
    } else {
        Timer1.stop();
        // The window itself takes the focus before the focused control is disabled, or Qt would
        // hand it on to the editable reference box. A typist who has not seen the end types on: the
        // Space or Enter closes the end's message, and nothing after it edits a text or presses a
        // button.
        setFocus();
    }
    ui->texto->setReadOnly(enCurso);
    ui->textoact->setEnabled(enCurso);
    ui->cmdDetener->setEnabled(enCurso);
    for (QWidget* ajuste : std::initializer_list<QWidget*>{
             ui->maskTiempo, ui->MaskPuntMin, ui->MaskPuntApr, ui->MaskPuntMax, ui->cmdIniciar,
             ui->cmdImprimir, ui->cmdCargar, ui->cmdHistorial, ui->chkRepetirTexto}) {
        ajuste->setEnabled(!enCurso);
    }
}

void frm_principal::cmdIniciar_Click() {
    if (Timer1.isActive()) {
        return;
    }
    const RechazoInicio rechazo =
        iniciarEjecucion(sesion_,
                         {aU16(ui->maskTiempo->displayText()), aU16(ui->MaskPuntMin->displayText()),
                          aU16(ui->MaskPuntApr->displayText()), aU16(ui->MaskPuntMax->displayText())},
                         textoConSaltosCrLf(*ui->texto->document()));
    if (rechazo != RechazoInicio::Ninguno) {
        entorno_->mostrarMensaje(this, textos::rechazoInicio(rechazo));
        // The box to put right; an empty reference has none.
        const std::pair<RechazoInicio, QLineEdit*> cajas[] = {
            {RechazoInicio::SinTiempo, ui->maskTiempo},         {RechazoInicio::SinPuntMin, ui->MaskPuntMin},
            {RechazoInicio::MinNoInferiorApr, ui->MaskPuntMin}, {RechazoInicio::SinPuntApr, ui->MaskPuntApr},
            {RechazoInicio::AprNoInferiorMax, ui->MaskPuntApr}, {RechazoInicio::SinPuntMax, ui->MaskPuntMax}};
        for (const auto& [motivo, caja] : cajas) {
            if (motivo == rechazo) {
                caja->setFocus();
            }
        }
        return;
    }
    ui->textoact->clear();
    // The page shows the reference from its first line, with the caret at its start.
    ui->texto->mostrar(sesion_.textoReferencia, 0);
    ponerColor(*ui->texto, QPalette::Text, colorNormal());
    ui->texto->setFocus();
    for (QLineEdit* cifra : {ui->txtAciertos, ui->txtErrores, ui->txtTecladasmin, ui->txtTiempoTotalmin,
                             ui->txtTiempoTotalSeg}) {
        cifra->clear();
    }
    for (QLabel* resultado : {ui->lblPuntuacion, ui->lblError, ui->lblNota}) {
        mostrarAnunciado(*resultado, QString());
    }
    ponerEnCurso(true);
    ui->textoact->setFocus();
}

void frm_principal::cmdDetener_Click() {
    if (!Timer1.isActive()) {
        return;
    }
    FinalizarPrueba();
    entorno_->mostrarMensaje(this, textos::detenido());
}

void frm_principal::cmdCargar_Click() {
    if (Timer1.isActive()) {
        return;
    }
    const QString nombre = entorno_->elegirArchivo(this, textos::tituloCargar(), textos::filtroCargar());
    if (nombre.isEmpty()) {
        return;
    }
    std::optional<CargaArchivo> carga =
        cargarArchivo(std::filesystem::path(nombre.toStdU16String()), ui->texto->partidor(), *entorno_, this);
    if (!carga) {
        return;
    }
    if (!carga->lectura.correcto()) {
        return entorno_->mostrarError(this, textos::falloLectura(carga->lectura.fallo, carga->lectura.error));
    }
    try {
        ui->texto->ponerTexto(carga->texto, carga->cortes);
        ui->texto->document()->setMetaInformation(QTextDocument::DocumentUrl, nombre); // names its runs
    } catch (const std::bad_alloc&) {
        entorno_->mostrarError(this, textos::archivoDemasiadoGrande());
    }
}

void frm_principal::cmdImprimir_Click() {
    if (Timer1.isActive()) {
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
    if (!Timer1.isActive()) {
        return;
    }
    aplicar(evaluarTecla(sesion_, caracter, ui->chkRepetirTexto->isChecked(), ui->texto->medidor()),
            caracter);
}

void frm_principal::rechazarPegado() {
    if (!Timer1.isActive()) {
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
    ui->textoact->anadirAlFinal(caracter);
    ponerColor(*ui->lblError, QPalette::WindowText, colorNormal());
    ponerColor(*ui->texto, QPalette::Text, colorNormal());
    mostrarAnunciado(*ui->lblError, veredicto.paginacion.aviso ? textos::avisoPagina() : QString());
    if (veredicto.paginacion.paginaPasada) {
        ui->texto->mostrar(sesion_.textoReferencia, veredicto.paginacion.inicioPagina);
    }
    ui->textoact->setFocus();
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
        mostrarAnunciado(*ui->lblError, textos::avisoRepetir());
        ui->texto->mostrar(sesion_.textoReferencia, 0);
        break;
    }
}

void frm_principal::mostrarRechazo() {
    entorno_->pitar();
    ponerColor(*ui->lblError, QPalette::WindowText, colorError());
    mostrarAnunciado(*ui->lblError, textos::error());
    ponerColor(*ui->texto, QPalette::Text, colorError());
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
    if (!ui->texto->isReadOnly()) {
        return;
    }
    ui->textoact->setFocus();
    QCoreApplication::postEvent(ui->textoact, new QKeyEvent(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier));
}

void frm_principal::Timer1_Timer() {
    if (!Timer1.isActive()) {
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
    ui->txtAciertos->setText(QString::number(e.aciertos));
    ui->txtErrores->setText(QString::number(e.errores));
    ui->txtTiempoTotalmin->setText(QString::number(e.minutosEnteros));
    ui->txtTecladasmin->setText(dosDecimales(e.aciertosPorMinuto));
    ui->txtTiempoTotalSeg->setText(QString::number(e.segundosRestantes));
    mostrarAnunciado(*ui->lblPuntuacion, dosDecimales(e.tecladasNetasMin));
}

void frm_principal::FinalizarPrueba() {
    ponerEnCurso(false);
    // The box's own document still holds the text the run started on.
    ui->texto->restaurar();
    ponerColor(*ui->texto, QPalette::Text, colorNormal());
    mostrarAnunciado(*ui->lblError, QString());
    ActualizarResultados();
    mostrarAnunciado(*ui->lblNota, dosDecimales(notaDeLaPrueba(sesion_)));
    registrador_->registrar(sesion_, ui->chkRepetirTexto->isChecked());
}

bool frm_principal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease) {
        if (objeto == ui->texto->viewport()) {
            texto_MouseUp();
        } else if (objeto == ui->textoact->viewport()) {
            textoact_MouseUp();
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void frm_principal::closeEvent(QCloseEvent* evento) {
    // Closing ends the program; a clock left running could still end the run behind the closed
    // window and open its message there.
    if (Timer1.isActive()) {
        FinalizarPrueba();
    }
    QWidget::closeEvent(evento);
}

} // namespace tecladas
