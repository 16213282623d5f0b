#pragma once

#include <QString>
#include <Qt>

#include <vector>

class QKeyEvent;
struct xkb_compose_state;
struct xkb_compose_table;
struct xkb_context;

namespace tecladas {

/// The key code the typing box's filter knows for a Qt key: Home 36, the arrows 37 to 40, the
/// Windows keys 91 and 92, the menu key 93, End 35, the letters and digits by their capital
/// ASCII code. Every other key maps to a code the filter lets through.
int codigoTecla(int teclaQt);

/// The shift state of the modifiers: Shift 1, Ctrl 2, Alt 4, added up. AltGr is none of these.
int estadoMayusculas(Qt::KeyboardModifiers modificadores);

/// The characters a key press types, as the judge receives them: Enter and Return as 13, the
/// code points of the key's text otherwise; Ctrl with a letter (without Alt or AltGr) types the
/// letter's control character. Delete, and keys with no text (Shift, dead keys, function keys),
/// type nothing.
std::vector<char32_t> caracteresDeTecla(const QKeyEvent& evento);

/// The code points of a text, composed (NFC).
std::vector<char32_t> puntosDeCodigo(const QString& texto);

/// Dead keys and the Compose key of one box, composed as the compose table of the user's locale
/// says (the table the desktop's own input uses), one key press at a time, in the order typed.
/// Only on X11 and Wayland systems; elsewhere keys are passed on as they come.
class Composicion {
    Q_DISABLE_COPY(Composicion)

public:
    Composicion();
    ~Composicion();

    /// The characters a key press types: none while it begins or goes on with a sequence, the
    /// composed text when it ends one, otherwise those of `caracteresDeTecla`.
    std::vector<char32_t> teclear(const QKeyEvent& evento);
    /// Forgets a sequence begun and not ended (a dead key pressed and not used).
    void olvidar();
    /// Whether it composes: false where it has no compose table, and the system's input must.
    bool compone() const { return estado_ != nullptr; }

private:
    [[maybe_unused]] xkb_context* contexto_ = nullptr; // used on X11 and Wayland systems only
    [[maybe_unused]] xkb_compose_table* tabla_ = nullptr;
    xkb_compose_state* estado_ = nullptr;
};

} // namespace tecladas
