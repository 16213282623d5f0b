#include "ui/frm_principal.h"

#include "engine/ajustes.h"
#include "engine/filtro_teclas.h"
#include "grading/calificacion.h"
#include "grading/estadisticas.h"
#include "input/lectura_archivo.h"
#include "ui/accesibilidad.h"
#include "ui/ajuste_rotulos.h"
#include "ui/barra_desplazamiento.h"
#include "ui/caja_escritura.h"
#include "ui/caja_referencia.h"
#include "ui/conversion.h"
#include "ui/destino_documento.h"
#include "ui/entorno.h"
#include "ui/impresion.h"
#include "ui/pagina_referencia.h"
#include "ui/registrador_pruebas.h"
#include "ui/textos.h"

#include <QCheckBox>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPromise>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <new>
#include <thread>
#include <vector>

/// The resources live in a static library: they must be registered by hand.
static void registrarRecursos() {
    Q_INIT_RESOURCE(recursos);
}

namespace tecladas {

namespace {

/// Positions and sizes are laid out in twips: 15 make one logical pixel.
QRect twips(int izquierda, int arriba, int ancho, int alto) {
    return QRect(izquierda / 15, arriba / 15, ancho / 15, alto / 15);
}

QFont fuenteVentana() {
    QFont fuente;
    fuente.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    fuente.setPointSizeF(8.25);
    return fuente;
}

QFont fuenteTexto() {
    QFont fuente;
    fuente.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    fuente.setStyleHint(QFont::TypeWriter);
    fuente.setPointSizeF(8.25);
    fuente.setWeight(QFont::Normal);
    return fuente;
}

QFont fuenteNegrita(double puntos) {
    QFont fuente = fuenteVentana();
    fuente.setPointSizeF(puntos);
    fuente.setBold(true);
    return fuente;
}

void ponerColor(QWidget* control, QPalette::ColorRole rol, const QColor& color) {
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Active, rol, color);
    paleta.setColor(QPalette::Inactive, rol, color);
    control->setPalette(paleta);
}

/// A reason with no system text of its own: a pipe or a device is not a file to read.
QString mensajeDeFallo(const std::error_code& error) {
    if (error == std::errc::not_supported) {
        return textos::archivoEspecial();
    }
    return QString::fromLocal8Bit(error.message());
}

} // namespace

frm_principal::frm_principal(std::unique_ptr<Entorno> entorno, QWidget* padre)
    : QWidget(padre)
    , entorno_(std::move(entorno)) {
    registrarRecursos();
    vigilarEscrituraAccesible();
    crearControles();
    Form_Load();
}

frm_principal::~frm_principal() = default;

void frm_principal::crearControles() {
    setObjectName(QStringLiteral("frm_principal"));
    setWindowTitle(textos::tituloVentana());
    setWindowIcon(QIcon(QStringLiteral(":/recursos/tecladas.png")));
    setFixedSize(twips(0, 0, 10905, 8265).size());
    setFont(fuenteVentana());

    QList<QWidget*> controles; // in creation order; earlier ones lie in front
    QList<QWidget*> alFondo;   // labels and the image lie beneath everything else

    auto colocar = [this, &controles](QWidget* control, const char* nombre, const QRect& zona) {
        control->setObjectName(QString::fromLatin1(nombre));
        control->setGeometry(zona);
        controles.append(control);
    };
    auto boton = [this, &colocar](const char* nombre, const QString& rotulo, const QRect& zona) {
        auto* b = new QPushButton(rotulo, this);
        colocar(b, nombre, zona);
        return b;
    };
    auto cifra = [this, &colocar](const char* nombre, const QRect& zona) {
        auto* caja = new QLineEdit(this);
        colocar(caja, nombre, zona);
        caja->setEnabled(false);
        return caja;
    };
    auto mascara = [this, &colocar](const char* nombre, const QString& formato, const QRect& zona) {
        auto* caja = new QLineEdit(this);
        colocar(caja, nombre, zona);
        caja->setInputMask(formato);
        return caja;
    };
    auto etiqueta = [this, &alFondo](const char* nombre, const QString& rotulo, const QRect& zona) {
        auto* l = new QLabel(rotulo, this);
        l->setObjectName(QString::fromLatin1(nombre));
        l->setGeometry(zona);
        alFondo.append(l);
        return l;
    };

    texto = new CajaReferencia(this);
    colocar(texto, "texto", twips(60, 1920, 10695, 3495));
    texto->setFont(fuenteTexto());
    texto->setVerticalScrollBar(new BarraDesplazamiento);
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pagina_ = new PaginaReferencia(*texto);

    textoact = new CajaEscritura(this);
    colocar(textoact, "textoact", twips(60, 5940, 10695, 1635));
    textoact->setFont(fuenteTexto());
    textoact->setVerticalScrollBar(new BarraDesplazamiento);
    textoact->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textoact->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    textoact->viewport()->setCursor(Qt::ForbiddenCursor);
    textoact->filtrarTecla = [this](int codigo, int estado) {
        return textoact_KeyDown(codigo, estado);
    };
    textoact->juzgarCaracter = [this](char32_t caracter) {
        textoact_KeyPress(caracter);
    };
    textoact->rechazarPegado = [this] {
        rechazarPegado();
    };

    cmdDetener = boton("cmdDetener", QStringLiteral("&Detener"), twips(9960, 960, 765, 585));
    chkRepetirTexto = new QCheckBox(QStringLiteral("Repetir hasta fin de tiempo"), this);
    colocar(chkRepetirTexto, "chkRepetirTexto", twips(45, 360, 2295, 195));
    cmdImprimir = boton("cmdImprimir", QStringLiteral("Im&primir"), twips(9960, 45, 735, 600));
    cmdCargar = boton("cmdCargar", QStringLiteral("&Archivo"), twips(9060, 60, 795, 600));
    txtTiempoTotalSeg = cifra("txtTiempoTotalSeg", twips(2880, 1125, 375, 315));
    txtTiempoTotalmin = cifra("txtTiempoTotalmin", twips(2115, 1125, 375, 315));
    maskTiempo = mascara("maskTiempo", QStringLiteral("00; "), twips(1350, 0, 375, 315));
    txtTecladasmin = cifra("txtTecladasmin", twips(3915, 1125, 870, 315));
    txtErrores = cifra("txtErrores", twips(1080, 1125, 825, 315));
    txtAciertos = cifra("txtAciertos", twips(90, 1125, 825, 315));
    cmdIniciar = boton("cmdIniciar", QStringLiteral("&Iniciar"), twips(9060, 960, 825, 585));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    MaskPuntMax = mascara("MaskPuntMax", QStringLiteral("000; "), twips(7380, 300, 555, 315));
    MaskPuntApr = mascara("MaskPuntApr", QStringLiteral("000; "), twips(5640, 300, 555, 315));
    MaskPuntMin = mascara("MaskPuntMin", QStringLiteral("000; "), twips(4140, 300, 555, 315));
    cmdHistorial = boton("cmdHistorial", QStringLiteral("&Historial"), twips(9900, 7665, 855, 525));
    registrador_ = new RegistradorPruebas(*this, *entorno_, *texto);

    etiqueta("Label15", QStringLiteral("Intervalos de tecladas exactas para el cálculo de la nota"),
             twips(3120, 60, 4950, 255));
    etiqueta("Label14", QStringLiteral("Mínimo para puntuar:"), twips(2520, 345, 1530, 255));
    lblError = etiqueta("lblError", QString(), twips(2220, 5460, 6555, 435));
    lblError->setAlignment(Qt::AlignCenter);
    lblError->setFont(fuenteNegrita(13.5));
    Image1 = etiqueta("Image1", QString(), twips(240, 7680, 5295, 495));
    Image1->setPixmap(QPixmap(QStringLiteral(":/recursos/logo.png")));
    Image1->setScaledContents(true);
    etiqueta("Label13", QStringLiteral("Nota Máxima:"), twips(6360, 360, 1035, 255));
    etiqueta("Label12", QStringLiteral("Aprobado:"), twips(4860, 360, 825, 255));
    lblPuntuacion = etiqueta("lblPuntuacion", QString(), twips(5355, 1125, 1410, 330));
    lblNota = etiqueta("lblNota", QString(), twips(7020, 1125, 1410, 330));
    etiqueta("Label11", QStringLiteral("Nota"), twips(7425, 855, 510, 255));
    etiqueta("Label10", QStringLiteral("TEXTO"), twips(4860, 1575, 1005, 330))->setFont(fuenteNegrita(12));
    etiqueta("Label9", QStringLiteral("Teclad. exactas/Min."), twips(5310, 855, 1500, 255));
    etiqueta("Label8", QStringLiteral("seg."), twips(3285, 1170, 420, 255));
    etiqueta("Label7", QStringLiteral("min."), twips(2520, 1170, 420, 255));
    etiqueta("Label5", QStringLiteral("Tiempo"), twips(2385, 855, 690, 255));
    etiqueta("Label4", QStringLiteral("Aciertos/Min."), twips(3825, 855, 1005, 255));
    etiqueta("Label3", QStringLiteral("Errores"), twips(1080, 855, 825, 255));
    etiqueta("Label2", QStringLiteral("Aciertos"), twips(135, 855, 735, 255));
    etiqueta("label1", QStringLiteral("Tiempo (Minutos):"), twips(45, 45, 1275, 255));

    for (QLabel* resultado : {lblError, lblPuntuacion, lblNota}) {
        ponerColor(resultado, QPalette::WindowText, colorResultados());
    }
    for (QLabel* resultado : {lblPuntuacion, lblNota}) {
        resultado->setAlignment(Qt::AlignCenter);
        resultado->setFont(fuenteNegrita(12));
    }
    colorError_ = colorResultados();
    colorTexto_ = texto->palette().color(QPalette::Text);

    for (auto it = controles.rbegin(); it != controles.rend(); ++it) {
        (*it)->raise();
    }
    for (QWidget* fondo : alFondo) {
        fondo->lower();
    }
    ajustarRotulos(*this);
    nombrarControles(*this);

    const QList<QWidget*> ordenTabulacion = {
        cmdIniciar,        txtAciertos, txtErrores,  txtTecladasmin, maskTiempo,  txtTiempoTotalmin,
        txtTiempoTotalSeg, MaskPuntMax, MaskPuntApr, cmdCargar,      cmdImprimir, chkRepetirTexto,
        MaskPuntMin,       cmdDetener,  textoact,    texto,          cmdHistorial};
    for (qsizetype i = 1; i < ordenTabulacion.size(); ++i) {
        setTabOrder(ordenTabulacion[i - 1], ordenTabulacion[i]);
    }
    cmdIniciar->setFocus();

    connect(cmdIniciar, &QPushButton::clicked, this, &frm_principal::cmdIniciar_Click);
    connect(cmdDetener, &QPushButton::clicked, this, &frm_principal::cmdDetener_Click);
    connect(cmdCargar, &QPushButton::clicked, this, &frm_principal::cmdCargar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &frm_principal::cmdImprimir_Click);
    connect(cmdHistorial, &QPushButton::clicked, registrador_, &RegistradorPruebas::mostrarHistorial);
    connect(Timer1, &QTimer::timeout, this, &frm_principal::Timer1_Timer);
    // During a run the keys belong to the typing box: whatever else takes the focus (a button
    // pressed and released off it) gives it straight back. A click on Stop still stops.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ahora) {
        if (Timer1->isActive() && ahora != nullptr && ahora != textoact && isAncestorOf(ahora)) {
            textoact->setFocus();
        }
    });
    texto->viewport()->installEventFilter(this);
    textoact->viewport()->installEventFilter(this);
}

void frm_principal::Form_Load() {
    Timer1->stop();
    cmdDetener->setEnabled(false);
    fijarConstantes(sesion_);
    maskTiempo->setText(QStringLiteral(" 1"));
    MaskPuntMin->setText(QStringLiteral("100"));
    MaskPuntApr->setText(QStringLiteral("280"));
    MaskPuntMax->setText(QStringLiteral("480"));
    texto->setPlainText(textos::bienvenida());
    textoact->setEnabled(false);
    chkRepetirTexto->setChecked(true);
}

void frm_principal::cmdIniciar_Click() {
    if (Timer1->isActive()) {
        return;
    }
    const AjustesLeidos ajustes{
        leerTiempo(aU16(maskTiempo->displayText())), leerUmbral(aU16(MaskPuntMin->displayText())),
        leerUmbral(aU16(MaskPuntApr->displayText())), leerUmbral(aU16(MaskPuntMax->displayText()))};
    sesion_.tiempoMax = ajustes.tiempoMax;
    sesion_.puntMin = ajustes.puntMin.value_or(0);
    sesion_.puntApr = ajustes.puntApr.value_or(0);
    sesion_.puntMax = ajustes.puntMax.value_or(0);

    auto rechazar = [this](const QString& mensaje, QWidget* foco) {
        entorno_->mostrarMensaje(this, mensaje);
        if (foco != nullptr) {
            foco->setFocus();
        }
    };
    switch (comprobarInicio(texto->document()->isEmpty(), ajustes)) {
    case RechazoInicio::Ninguno:
        break;
    case RechazoInicio::SinTexto:
        return rechazar(textos::sinTexto(), nullptr);
    case RechazoInicio::SinTiempo:
        return rechazar(textos::sinTiempo(), maskTiempo);
    case RechazoInicio::SinPuntMin:
        return rechazar(textos::sinPuntMin(), MaskPuntMin);
    case RechazoInicio::SinPuntApr:
        return rechazar(textos::sinPuntApr(), MaskPuntApr);
    case RechazoInicio::SinPuntMax:
        return rechazar(textos::sinPuntMax(), MaskPuntMax);
    case RechazoInicio::MinNoInferiorApr:
        return rechazar(textos::minNoInferiorApr(), MaskPuntMin);
    case RechazoInicio::AprNoInferiorMax:
        return rechazar(textos::aprNoInferiorMax(), MaskPuntApr);
    }

    prepararEjecucion(sesion_, textoConSaltosCrLf(*texto->document()));
    textoact->clear();
    medidor_.ajustarA(*texto);
    // The page shows the reference from its first line, with the caret at its start.
    mostrarTextoReferencia(0);
    ponerColorTexto(colorNormal());
    texto->setFocus();
    for (QLineEdit* cifra : {txtAciertos, txtErrores, txtTecladasmin, txtTiempoTotalmin, txtTiempoTotalSeg}) {
        cifra->clear();
    }
    for (QLabel* resultado : {lblPuntuacion, lblError, lblNota}) {
        mostrarAnunciado(*resultado, QString());
    }
    texto->setReadOnly(true);
    for (QLineEdit* ajuste : {maskTiempo, MaskPuntMin, MaskPuntApr, MaskPuntMax}) {
        ajuste->setEnabled(false);
    }
    cmdIniciar->setEnabled(false);
    cmdImprimir->setEnabled(false);
    cmdCargar->setEnabled(false);
    cmdHistorial->setEnabled(false);
    cmdDetener->setEnabled(true);
    chkRepetirTexto->setEnabled(false);
    Timer1->start();
    textoact->setEnabled(true);
    textoact->setFocus();
}

void frm_principal::cmdDetener_Click() {
    if (!Timer1->isActive()) {
        return;
    }
    FinalizarPrueba();
    entorno_->mostrarMensaje(this, textos::detenido());
}

void frm_principal::cmdCargar_Click() {
    if (Timer1->isActive()) {
        return;
    }
    const QString nombre = entorno_->elegirArchivo(this, textos::tituloCargar(), textos::filtroCargar());
    if (nombre.isEmpty()) {
        return;
    }
    // Read, and find where the box must split the text, off the window's thread: a slow disk, a
    // source that never ends a read or a huge paragraph cannot freeze the window, and the user
    // may give up waiting.
    struct Carga {
        ResultadoLectura lectura;
        QString texto;
        std::vector<qsizetype> cortes;
    };
    auto* referencia = static_cast<CajaReferencia*>(texto);
    QPromise<Carga> promesa;
    QFuture<Carga> futuro = promesa.future();
    promesa.start();
    std::thread([promesa = std::move(promesa), ruta = std::filesystem::path(nombre.toStdU16String()),
                 partir = referencia->partidor()]() mutable {
        Carga carga;
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
    if (!entorno_->esperarCarga(this, QFuture<void>(futuro))) {
        futuro.cancel();
        return;
    }
    Carga carga = futuro.takeResult();
    switch (carga.lectura.fallo) {
    case FalloLectura::Ninguno:
        break;
    case FalloLectura::NoExiste:
        return entorno_->mostrarError(this, textos::archivoNoExiste());
    case FalloLectura::DemasiadoGrande:
        return entorno_->mostrarError(this, textos::archivoDemasiadoGrande());
    case FalloLectura::NoEsTexto:
        return entorno_->mostrarError(this, textos::archivoNoEsTexto());
    case FalloLectura::Otro:
        return entorno_->mostrarError(this, mensajeDeFallo(carga.lectura.error));
    }
    try {
        referencia->ponerTexto(carga.texto, carga.cortes);
        texto->document()->setMetaInformation(QTextDocument::DocumentUrl, nombre); // names its runs
    } catch (const std::bad_alloc&) {
        entorno_->mostrarError(this, textos::archivoDemasiadoGrande());
    }
}

void frm_principal::cmdImprimir_Click() {
    if (Timer1->isActive()) {
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

bool frm_principal::textoact_KeyDown(int codigoTecla, int estadoMayusculas) {
    return !teclaCancelada(codigoTecla, estadoMayusculas);
}

void frm_principal::textoact_KeyPress(char32_t caracter) {
    if (!Timer1->isActive()) {
        return;
    }
    aplicar(evaluarTecla(sesion_, caracter, chkRepetirTexto->isChecked(), medidor_), caracter);
}

void frm_principal::rechazarPegado() {
    if (!Timer1->isActive()) {
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
    textoact->anadirAlFinal(caracter);
    ponerColorError(colorNormal());
    ponerColorTexto(colorNormal());
    mostrarAnunciado(*lblError, veredicto.paginacion.aviso ? textos::avisoPagina() : QString());
    if (veredicto.paginacion.paginaPasada) {
        mostrarTextoReferencia(veredicto.paginacion.inicioPagina);
    }
    textoact->setFocus();
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
        mostrarAnunciado(*lblError, textos::avisoRepetir());
        mostrarTextoReferencia(0);
        break;
    }
}

void frm_principal::mostrarRechazo() {
    entorno_->pitar();
    ponerColorError(colorError());
    mostrarAnunciado(*lblError, textos::error());
    ponerColorTexto(colorError());
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
    if (!texto->isReadOnly()) {
        return;
    }
    textoact->setFocus();
    QCoreApplication::postEvent(textoact, new QKeyEvent(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier));
}

void frm_principal::Timer1_Timer() {
    if (!Timer1->isActive()) {
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
    txtAciertos->setText(QString::number(e.aciertos));
    txtErrores->setText(QString::number(e.errores));
    txtTiempoTotalmin->setText(QString::number(e.minutosEnteros));
    txtTecladasmin->setText(dosDecimales(e.aciertosPorMinuto));
    txtTiempoTotalSeg->setText(QString::number(e.segundosRestantes));
    mostrarAnunciado(*lblPuntuacion, dosDecimales(e.tecladasNetasMin));
}

void frm_principal::FinalizarPrueba() {
    Timer1->stop();
    // The window itself takes the focus before the focused control is disabled, or Qt would hand
    // it on to the editable reference box. A typist who has not seen the end types on: the Space
    // or Enter closes the end's message, and nothing after it edits a text or presses a button.
    setFocus();
    texto->setReadOnly(false);
    // The box's own document still holds the text the run started on.
    pagina_->restaurar();
    texto->moveCursor(QTextCursor::Start);
    ponerColorTexto(colorNormal());
    textoact->setEnabled(false);
    for (QLineEdit* ajuste : {maskTiempo, MaskPuntMin, MaskPuntApr, MaskPuntMax}) {
        ajuste->setEnabled(true);
    }
    cmdIniciar->setEnabled(true);
    cmdImprimir->setEnabled(true);
    cmdCargar->setEnabled(true);
    cmdHistorial->setEnabled(true);
    cmdDetener->setEnabled(false);
    chkRepetirTexto->setEnabled(true);
    mostrarAnunciado(*lblError, QString());
    ActualizarResultados();
    mostrarAnunciado(*lblNota, dosDecimales(notaDeLaPrueba(sesion_)));
    registrador_->registrar(sesion_, chkRepetirTexto->isChecked());
}

bool frm_principal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease) {
        if (objeto == texto->viewport()) {
            texto_MouseUp();
        } else if (objeto == textoact->viewport()) {
            textoact_MouseUp();
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void frm_principal::closeEvent(QCloseEvent* evento) {
    // Closing ends the program; a clock left running could still end the run behind the closed
    // window and open its message there.
    if (Timer1->isActive()) {
        FinalizarPrueba();
    }
    QWidget::closeEvent(evento);
}

void frm_principal::ponerColorTexto(const QColor& color) {
    if (color != colorTexto_) {
        ponerColor(texto, QPalette::Text, color);
        colorTexto_ = color;
    }
}

void frm_principal::ponerColorError(const QColor& color) {
    if (color != colorError_) {
        ponerColor(lblError, QPalette::WindowText, color);
        colorError_ = color;
    }
}

void frm_principal::mostrarTextoReferencia(std::size_t desde) {
    pagina_->mostrar(sesion_.textoReferencia, desde);
}

} // namespace tecladas
