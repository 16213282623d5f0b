#include "ui/escritorio/entorno.h"

#include "ui/textos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTimer>

namespace tecladas {

namespace {

/// The file dialogs' icons and kinds of file, told from the names alone. Qt's own guess reads the
/// start of each file, on the window's thread as a folder is listed, and a file that never answers
/// a read (the kernel's log, `/proc/kmsg`) would freeze the dialog as soon as its folder showed.
class IconosPorNombre final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) {
            return QFileIconProvider::icon(info);
        }
        return QIcon::fromTheme(porNombre(info).iconName(), icon(File));
    }

    QString type(const QFileInfo& info) const override {
        // Qt reads only regular files to tell their kind; folders, devices and pipes are named
        // from what the system says they are.
        if (!info.isFile()) {
            return QFileIconProvider::type(info);
        }
        const QMimeType tipo = porNombre(info);
        return tipo.comment().isEmpty() ? tipo.name() : tipo.comment();
    }

private:
    QMimeType porNombre(const QFileInfo& info) const {
        return tipos_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase tipos_;
};

/// Qt's file dialog, with icons that never read a file, open or save, starting at `inicio` (a
/// folder, or a file's full path; the last folder used when empty); the chosen name, or an empty
/// one when the user cancels.
QString elegirConDialogo(QWidget* padre, const QString& titulo, const QString& inicio, const QString& filtro,
                         QFileDialog::AcceptMode modo) {
    IconosPorNombre iconos; // it must outlive the dialog's model
    QFileDialog dialogo(padre, titulo, inicio, filtro);
    // Before the event loop runs: the dialog looks at the files of a folder, their kinds
    // included, only then.
    dialogo.setIconProvider(&iconos);
    dialogo.setAcceptMode(modo);
    // Qt's open dialog refuses a typed name that does not exist with a box of its own; any name
    // goes through, so that the window says what is wrong as for every other failure of a load.
    dialogo.setFileMode(QFileDialog::AnyFile);
    if (dialogo.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialogo.selectedFiles().value(0);
}

void mostrar(QWidget* padre, QMessageBox::Icon icono, const QString& titulo, const QString& texto) {
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

} // namespace

void EntornoEscritorio::mostrarMensaje(QWidget* padre, const QString& texto) {
    if (callado_) {
        return qWarning("%s", qUtf8Printable(texto));
    }
    mostrar(padre, QMessageBox::NoIcon, textos::tituloAplicacion(), texto);
}

void EntornoEscritorio::mostrarError(QWidget* padre, const QString& texto) {
    if (callado_) {
        return qWarning("%s", qUtf8Printable(texto));
    }
    mostrar(padre, QMessageBox::Warning, textos::tituloError(), texto);
}

QString EntornoEscritorio::elegirArchivo(QWidget* padre, const QString& titulo, const QString& filtro) {
    return elegirConDialogo(padre, titulo, QString(), filtro, QFileDialog::AcceptOpen);
}

bool EntornoEscritorio::esperarCarga(QWidget* padre, QFuture<void> carga) {
    QFutureWatcher<void> vigia;
    QEventLoop espera;
    QObject::connect(&vigia, &QFutureWatcherBase::finished, &espera, &QEventLoop::quit);
    vigia.setFuture(carga);
    // Nearly every file is read well within half a second: no box flashes for it. The keys and
    // clicks of that moment wait for the end of the load.
    QTimer::singleShot(500, &espera, &QEventLoop::quit);
    if (!carga.isFinished()) {
        espera.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (carga.isFinished()) {
        return true;
    }
    QProgressDialog progreso(textos::cargandoArchivo(), textos::cancelar(), 0, 0, padre);
    progreso.setWindowTitle(textos::tituloAplicacion());
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setMinimumDuration(0);
    QObject::connect(&vigia, &QFutureWatcherBase::finished, &progreso, &QDialog::accept);
    if (carga.isFinished()) {
        return true;
    }
    return progreso.exec() == QDialog::Accepted;
}

QString EntornoEscritorio::elegirDestino(QWidget* padre, const QString& titulo, const QString& propuesto,
                                         const QString& filtro) {
    return elegirConDialogo(padre, titulo, propuesto, filtro, QFileDialog::AcceptSave);
}

bool EntornoEscritorio::preguntar(QWidget* padre, const QString& texto) {
    QMessageBox caja(QMessageBox::Question, textos::tituloAplicacion(), texto,
                     QMessageBox::Yes | QMessageBox::No, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.setDefaultButton(QMessageBox::No);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    return caja.exec() == QMessageBox::Yes;
}

void EntornoEscritorio::pitar() {
    QApplication::beep();
}

std::unique_ptr<QPrinter> EntornoEscritorio::impresoraPredeterminada() {
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (predeterminada.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(predeterminada, QPrinter::HighResolution);
}

} // namespace tecladas
