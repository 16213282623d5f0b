#include "ui/examen/teclado.h"

#include "engine/evaluacion.h"
#include "engine/filtro_teclas.h"

#include <QKeyEvent>

#ifdef TECLADAS_XKBCOMMON
#include <xkbcommon/xkbcommon-compose.h>

#include <cstdlib>
#include <string>
#endif

namespace tecladas {

#ifdef TECLADAS_XKBCOMMON
namespace {

/// The key's symbol: the platform's (X11 and Wayland give it); for keys with none, as programs
/// send them, the dead key or the character it types.
xkb_keysym_t simboloDe(const QKeyEvent& evento) {
    if (evento.nativeVirtualKey() != 0) {
        return evento.nativeVirtualKey();
    }
    if (evento.key() >= Qt::Key_Dead_Grave && evento.key() <= Qt::Key_Dead_Longsolidusoverlay) {
        return XKB_KEY_dead_grave + static_cast<xkb_keysym_t>(evento.key() - Qt::Key_Dead_Grave);
    }
    const QList<uint> texto = evento.text().toUcs4();
    return texto.size() == 1 ? xkb_utf32_to_keysym(texto.front()) : XKB_KEY_NoSymbol;
}

/// The locale whose compose table the desktop uses, found as Qt finds it.
const char* localeDeComposicion() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* valor = std::getenv(variable);
        if (valor != nullptr && *valor != '\0') {
            return valor;
        }
    }
    return "C";
}

} // namespace
#endif

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

#ifdef TECLADAS_XKBCOMMON
Composicion::Composicion()
    : contexto_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
    if (contexto_ != nullptr) {
        tabla_ =
            xkb_compose_table_new_from_locale(contexto_, localeDeComposicion(), XKB_COMPOSE_COMPILE_NO_FLAGS);
    }
    if (tabla_ != nullptr) {
        estado_ = xkb_compose_state_new(tabla_, XKB_COMPOSE_STATE_NO_FLAGS);
    }
}

Composicion::~Composicion() {
    xkb_compose_state_unref(estado_);
    xkb_compose_table_unref(tabla_);
    xkb_context_unref(contexto_);
}

std::vector<char32_t> Composicion::teclear(const QKeyEvent& evento) {
    const xkb_keysym_t simbolo = simboloDe(evento);
    if (estado_ == nullptr || simbolo == XKB_KEY_NoSymbol ||
        xkb_compose_state_feed(estado_, simbolo) == XKB_COMPOSE_FEED_IGNORED) {
        return caracteresDeTecla(evento);
    }
    switch (xkb_compose_state_get_status(estado_)) {
    case XKB_COMPOSE_COMPOSING:
        return {};
    case XKB_COMPOSE_COMPOSED: {
        std::string compuesto(static_cast<std::size_t>(xkb_compose_state_get_utf8(estado_, nullptr, 0)) + 1,
                              '\0');
        xkb_compose_state_get_utf8(estado_, compuesto.data(), compuesto.size());
        xkb_compose_state_reset(estado_);
        return puntosDeCodigo(QString::fromUtf8(compuesto.c_str()));
    }
    case XKB_COMPOSE_CANCELLED:
        // As the desktop does: the dead key is dropped and the key that broke the sequence typed.
        xkb_compose_state_reset(estado_);
        break;
    case XKB_COMPOSE_NOTHING:
        break;
    }
    return caracteresDeTecla(evento);
}

void Composicion::olvidar() {
    if (estado_ != nullptr) {
        xkb_compose_state_reset(estado_);
    }
}
#else
Composicion::Composicion() = default;
Composicion::~Composicion() = default;

std::vector<char32_t> Composicion::teclear(const QKeyEvent& evento) {
    return caracteresDeTecla(evento);
}

void Composicion::olvidar() {}
#endif

} // namespace tecladas
