#include "ui/examen/accesibilidad.h"

#include "ui/examen/parrafos_partidos.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include <utility>

namespace tecladas {

namespace {

/// Qt's own accessible interface of a text box, passed on as it is but for writing, which only
/// goes through while the box takes text from the keyboard. A multi-line box gives its text and
/// every position in it as the text reads, without the splits of its long paragraphs (see
/// `parrafos`), which Qt would read as line breaks.
class EscrituraVigilada final : public QAccessibleInterface,
                                public QAccessibleEditableTextInterface,
                                public QAccessibleTextInterface {
public:
    explicit EscrituraVigilada(QAccessibleInterface* propia)
        : propia_(propia)
        , idPropia_(QAccessible::uniqueId(propia)) {}
    // Qt's cache holds the inner interface under an id of its own, and forgets it with the box
    // only through this one.
    ~EscrituraVigilada() override { QAccessible::deleteAccessibleInterface(idPropia_); }

    bool isValid() const override { return propia_->isValid(); }
    QObject* object() const override { return propia_->object(); }
    QWindow* window() const override { return propia_->window(); }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation cuales) const override {
        return propia_->relations(cuales);
    }
    QAccessibleInterface* focusChild() const override { return propia_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return propia_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return propia_->parent(); }
    QAccessibleInterface* child(int indice) const override { return propia_->child(indice); }
    int childCount() const override { return propia_->childCount(); }
    int indexOfChild(const QAccessibleInterface* hijo) const override { return propia_->indexOfChild(hijo); }
    QString text(QAccessible::Text cual) const override {
        return cual == QAccessible::Value && documento() != nullptr ? text(0, characterCount())
                                                                    : propia_->text(cual);
    }
    QRect rect() const override { return propia_->rect(); }
    QAccessible::Role role() const override { return propia_->role(); }
    QAccessible::State state() const override { return propia_->state(); }
    QColor foregroundColor() const override { return propia_->foregroundColor(); }
    QColor backgroundColor() const override { return propia_->backgroundColor(); }
    void virtual_hook(int id, void* datos) override { propia_->virtual_hook(id, datos); }

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::EditableTextInterface) {
            return editable() != nullptr ? static_cast<QAccessibleEditableTextInterface*>(this) : nullptr;
        }
        if (tipo == QAccessible::TextInterface && documento() != nullptr) {
            return textual() != nullptr ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
        }
        return propia_->interface_cast(tipo);
    }

    void setText(QAccessible::Text cual, const QString& texto) override {
        if (admiteEscritura()) {
            propia_->setText(cual, texto);
        }
    }
    void deleteText(int desde, int hasta) override {
        if (admiteEscritura()) {
            editable()->deleteText(enDocumento(desde), enDocumento(hasta));
        }
    }
    void insertText(int en, const QString& texto) override {
        if (admiteEscritura()) {
            editable()->insertText(enDocumento(en), texto);
        }
    }
    void replaceText(int desde, int hasta, const QString& texto) override {
        if (admiteEscritura()) {
            editable()->replaceText(enDocumento(desde), enDocumento(hasta), texto);
        }
    }

    QString text(int desde, int hasta) const override {
        return parrafos::textoSinCortes(*documento(), enDocumento(desde), enDocumento(hasta));
    }
    int characterCount() const override { return enTexto(textual()->characterCount()); }
    int cursorPosition() const override { return enTexto(textual()->cursorPosition()); }
    void setCursorPosition(int posicion) override { textual()->setCursorPosition(enDocumento(posicion)); }
    int selectionCount() const override { return textual()->selectionCount(); }
    void selection(int indice, int* desde, int* hasta) const override {
        textual()->selection(indice, desde, hasta);
        enTexto(desde, hasta);
    }
    void addSelection(int desde, int hasta) override {
        textual()->addSelection(enDocumento(desde), enDocumento(hasta));
    }
    void removeSelection(int indice) override { textual()->removeSelection(indice); }
    void setSelection(int indice, int desde, int hasta) override {
        textual()->setSelection(indice, enDocumento(desde), enDocumento(hasta));
    }
    QRect characterRect(int posicion) const override {
        return textual()->characterRect(enDocumento(posicion));
    }
    int offsetAtPoint(const QPoint& punto) const override { return enTexto(textual()->offsetAtPoint(punto)); }
    void scrollToSubstring(int desde, int hasta) override {
        textual()->scrollToSubstring(enDocumento(desde), enDocumento(hasta));
    }
    QString attributes(int posicion, int* desde, int* hasta) const override {
        QString atributos = textual()->attributes(enDocumento(posicion), desde, hasta);
        enTexto(desde, hasta);
        return atributos;
    }
    // Words, sentences and paragraphs are found in the text itself, where a split is nothing; a
    // line is one the box shows, which never goes past a split.
    QString textBeforeOffset(int posicion, QAccessible::TextBoundaryType limite, int* desde,
                             int* hasta) const override {
        if (limite != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textBeforeOffset(posicion, limite, desde, hasta);
        }
        textual()->textBeforeOffset(enDocumento(posicion), limite, desde, hasta);
        return trozo(desde, hasta);
    }
    QString textAfterOffset(int posicion, QAccessible::TextBoundaryType limite, int* desde,
                            int* hasta) const override {
        if (limite != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textAfterOffset(posicion, limite, desde, hasta);
        }
        textual()->textAfterOffset(enDocumento(posicion), limite, desde, hasta);
        return trozo(desde, hasta);
    }
    QString textAtOffset(int posicion, QAccessible::TextBoundaryType limite, int* desde,
                         int* hasta) const override {
        if (limite != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textAtOffset(posicion, limite, desde, hasta);
        }
        textual()->textAtOffset(enDocumento(posicion), limite, desde, hasta);
        return trozo(desde, hasta);
    }

private:
    QAccessibleEditableTextInterface* editable() const { return propia_->editableTextInterface(); }
    QAccessibleTextInterface* textual() const { return propia_->textInterface(); }
    /// The document of a multi-line box, whose positions differ from the text's.
    const QTextDocument* documento() const {
        const auto* caja = qobject_cast<const QPlainTextEdit*>(object());
        return caja != nullptr ? caja->document() : nullptr;
    }
    int enDocumento(int posicion) const {
        return documento() != nullptr ? parrafos::enDocumento(*documento(), posicion) : posicion;
    }
    int enTexto(int posicion) const {
        return documento() != nullptr ? parrafos::enTexto(*documento(), posicion) : posicion;
    }
    void enTexto(int* desde, int* hasta) const {
        *desde = enTexto(*desde);
        *hasta = enTexto(*hasta);
    }
    QString trozo(int* desde, int* hasta) const {
        enTexto(desde, hasta);
        return *desde >= 0 ? text(*desde, *hasta) : QString();
    }
    bool admiteEscritura() const {
        const auto* caja = qobject_cast<const QWidget*>(object());
        return caja != nullptr && caja->isEnabled() && !caja->property("readOnly").toBool() &&
               editable() != nullptr;
    }

    QAccessibleInterface* propia_;
    QAccessible::Id idPropia_;
};

/// Text boxes get their interface from Qt, wrapped.
QAccessibleInterface* interfazDe(const QString&, QObject* objeto) {
    static bool buscandoLaPropia = false; // Qt's lookup of the inner interface comes back here
    if (buscandoLaPropia || !(objeto->inherits("QLineEdit") || objeto->inherits("QPlainTextEdit"))) {
        return nullptr;
    }
    buscandoLaPropia = true;
    QAccessibleInterface* propia = QAccessible::queryAccessibleInterface(objeto);
    buscandoLaPropia = false;
    return propia != nullptr ? new EscrituraVigilada(propia) : nullptr;
}

} // namespace

void vigilarEscrituraAccesible() {
    QAccessible::installFactory(&interfazDe);
}

void mostrarAnunciado(QLabel& etiqueta, const QString& texto) {
    if (etiqueta.text() == texto) {
        return;
    }
    etiqueta.setText(texto);
    // The name stays the caption; the value goes in the description, whose change is announced.
    etiqueta.setAccessibleDescription(texto);
}

} // namespace tecladas
