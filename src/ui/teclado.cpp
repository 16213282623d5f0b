#include "ui/teclado.h"

#include "engine/evaluacion.h"
#include "engine/filtro_teclas.h"

#include <QKeyEvent>

namespace tecladas {

int codigoTecla(int teclaQt) {
    switch (teclaQt) {
    case Qt::Key_End:
        return codigo_tecla::Fin;
    case Qt::Key_Home:
        return codigo_tecla::Inicio;
    case Qt::Key_Left:
        return codigo_tecla::Izquierda;
    case Qt::Key_Up:
        return codigo_tecla::Arriba;
    case Qt::Key_Right:
        return codigo_tecla::Derecha;
    case Qt::Key_Down:
        return codigo_tecla::Abajo;
    case Qt::Key_Super_L:
    case Qt::Key_Meta:
        return codigo_tecla::WindowsIzquierda;
    case Qt::Key_Super_R:
        return codigo_tecla::WindowsDerecha;
    case Qt::Key_Menu:
        return codigo_tecla::Menu;
    default:
        break;
    }
    if ((teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) || (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9)) {
        return teclaQt;
    }
    // Punctuation keys have Qt codes that collide with the filtered numbers ("[" is 91): they
    // must never be mistaken for the Windows keys.
    return 0;
}

int estadoMayusculas(Qt::KeyboardModifiers modificadores) {
    int estado = 0;
    if (modificadores & Qt::ShiftModifier) {
        estado |= estado_mayusculas::Mayusculas;
    }
    if (modificadores & Qt::ControlModifier) {
        estado |= estado_mayusculas::Control;
    }
    if (modificadores & Qt::AltModifier) {
        estado |= estado_mayusculas::Alt;
    }
    return estado;
}

std::vector<char32_t> puntosDeCodigo(const QString& texto) {
    std::vector<char32_t> puntos;
    // Composed as the reference text is: a letter and its accent in one key or commit are one.
    for (const char32_t c : texto.normalized(QString::NormalizationForm_C).toUcs4()) {
        puntos.push_back(c);
    }
    return puntos;
}

std::vector<char32_t> caracteresDeTecla(const QKeyEvent& evento) {
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {kTeclaEnter};
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    // Ctrl with a letter (and no Alt or AltGr) types the letter's control character, as real
    // keyboards deliver it; deciding on the key keeps it so whatever text the event carries.
    const Qt::KeyboardModifiers modificadores = evento.modifiers();
    const bool soloControl = (modificadores & Qt::ControlModifier) &&
                             !(modificadores & (Qt::AltModifier | Qt::GroupSwitchModifier));
    if (soloControl && evento.key() >= Qt::Key_A && evento.key() <= Qt::Key_Z) {
        return {static_cast<char32_t>(evento.key() - Qt::Key_A + 1)};
    }
    return puntosDeCodigo(evento.text());
}

} // namespace tecladas
