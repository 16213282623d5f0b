#pragma once

#include <QFuture>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace tecladas {

/// The window's outside world: modal messages and questions, the file dialogs, the beep and the
/// printer.
/// Widget tests replace it to answer in advance instead of waiting on a modal dialog.
class Entorno {
public:
    virtual ~Entorno() = default;
    /// A modal message with only an OK button, no icon and the application's title.
    virtual void mostrarMensaje(QWidget* padre, const QString& texto) = 0;
    /// A modal message titled "Error" with the warning icon and only an OK button.
    virtual void mostrarError(QWidget* padre, const QString& texto) = 0;
    /// The open-file dialog; an empty name when the user cancels. A typed name is given back
    /// whether or not its file exists: the caller checks it.
    virtual QString elegirArchivo(QWidget* padre, const QString& titulo, const QString& filtro) = 0;
    /// Waits for a file being read elsewhere. The window keeps painting meanwhile but takes no
    /// input; after half a second a modal box says "Cargando el archivo…" and offers "Cancelar".
    /// False when the user cancelled: the read then ends, or not, unattended.
    virtual bool esperarCarga(QWidget* padre, QFuture<void> carga) = 0;
    /// The save-file dialog, starting at `propuesto` (a full path); an empty name when the user
    /// cancels.
    virtual QString elegirDestino(QWidget* padre, const QString& titulo, const QString& propuesto,
                                  const QString& filtro) = 0;
    /// A modal question with "Sí" and "No" buttons, "No" the default; true for "Sí".
    virtual bool preguntar(QWidget* padre, const QString& texto) = 0;
    virtual void pitar() = 0;
    /// The default printer, or none when the system has no printer.
    virtual std::unique_ptr<QPrinter> impresoraPredeterminada() = 0;
};

/// The real desktop: Qt's message boxes and file dialog, the system beep and printer.
class EntornoEscritorio final : public Entorno {
public:
    /// From now on messages go to the error output instead of a box: the program is being ended
    /// from outside, and a box would hold up the ending or has no display to open on.
    void callar() { callado_ = true; }

    void mostrarMensaje(QWidget* padre, const QString& texto) override;
    void mostrarError(QWidget* padre, const QString& texto) override;
    QString elegirArchivo(QWidget* padre, const QString& titulo, const QString& filtro) override;
    bool esperarCarga(QWidget* padre, QFuture<void> carga) override;
    QString elegirDestino(QWidget* padre, const QString& titulo, const QString& propuesto,
                          const QString& filtro) override;
    bool preguntar(QWidget* padre, const QString& texto) override;
    void pitar() override;
    std::unique_ptr<QPrinter> impresoraPredeterminada() override;

private:
    bool callado_ = false;
};

} // namespace tecladas
