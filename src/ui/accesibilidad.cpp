#include "ui/accesibilidad.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

#include <utility>

namespace tecladas {

namespace {

/// Qt's own accessible interface of a text box, passed on as it is but for writing, which only
/// goes through while the box takes text from the keyboard.
class EscrituraVigilada final : public QAccessibleInterface, public QAccessibleEditableTextInterface {
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
    QString text(QAccessible::Text cual) const override { return propia_->text(cual); }
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
        return propia_->interface_cast(tipo);
    }

    void setText(QAccessible::Text cual, const QString& texto) override {
        if (admiteEscritura()) {
            propia_->setText(cual, texto);
        }
    }
    void deleteText(int desde, int hasta) override {
        if (admiteEscritura()) {
            editable()->deleteText(desde, hasta);
        }
    }
    void insertText(int en, const QString& texto) override {
        if (admiteEscritura()) {
            editable()->insertText(en, texto);
        }
    }
    void replaceText(int desde, int hasta, const QString& texto) override {
        if (admiteEscritura()) {
            editable()->replaceText(desde, hasta, texto);
        }
    }

private:
    QAccessibleEditableTextInterface* editable() const { return propia_->editableTextInterface(); }
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
