#include "ventana_prueba.h"

#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

namespace tecladas {
namespace {

using namespace Qt::StringLiterals;

/// Long random sessions typed into the real window, checked after every step against a plain
/// model of the rules: only the next character of the target is accepted, accepted keys add their
/// weight, refused keys count one error per run after an accepted key, and filtered keys, clicks
/// and caret moves change nothing.
class EscrituraAleatoriaTest : public prueba::VentanaPrueba {
protected:
    int entre(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(azar); }
    QChar alAzar(const QString& de) { return de[entre(0, static_cast<int>(de.size()) - 1)]; }

    void empezar() {
        referencia.clear();
        for (int i = entre(200, 450); i > 0; --i) {
            referencia +=
                entre(0, 11) == 0
                    ? QChar(u'\n')
                    : alAzar(u"abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 .,;:-¿?¡!áéíóúñÑü€@#{}\t"_s);
        }
        objetivo = referencia;
        escrito.clear();
        ultimaCorrecta = false;
        aciertos = errores = rechazos = registro->pitidos = 0;
        iniciarCon(referencia, repetir);
    }

    /// The model's verdict on a judged character (Enter as "\n").
    void juzgar(QChar c) {
        const bool completo = escrito == objetivo;
        if (completo && !repetir) {
            return; // the run is over
        }
        if (completo && c == u'\n') {
            objetivo += u'\n' + referencia;
        } else if (completo || objetivo[escrito.size()] != c) {
            ++rechazos;
            errores += std::exchange(ultimaCorrecta, false) ? 1 : 0;
            return;
        }
        escrito += c;
        aciertos += (c >= u'A' && c <= u'Z') || c.unicode() >= 123 ? 2 : 1;
        ultimaCorrecta = true;
    }

    /// Types `c` as a keyboard would and tells the model.
    void teclear(QChar c, Qt::KeyboardModifiers modificadores = {}, int clave = Qt::Key_unknown) {
        const std::pair<QChar, Qt::Key> especiales[] = {
            {u'\n', Qt::Key_Return}, {u'\t', Qt::Key_Tab}, {u'\b', Qt::Key_Backspace}};
        for (const auto& [caracter, suya] : especiales) {
            clave = c == caracter ? suya : clave;
        }
        tecla(textoact(), clave, modificadores, QString(c));
        juzgar(c);
    }

    void paso() {
        static const QString acentos = u"áéíóúñÑü€¿¡ÁÉ"_s;
        // Keys the filter cancels, or that carry no character.
        static const std::pair<Qt::KeyboardModifier, Qt::Key> filtradas[] = {
            {Qt::NoModifier, Qt::Key_Home},       {Qt::NoModifier, Qt::Key_Left},
            {Qt::ShiftModifier, Qt::Key_Up},      {Qt::NoModifier, Qt::Key_Super_L},
            {Qt::NoModifier, Qt::Key_Menu},       {Qt::ControlModifier, Qt::Key_V},
            {Qt::AltModifier, Qt::Key_A},         {Qt::ControlModifier, Qt::Key_Z},
            {Qt::ShiftModifier, Qt::Key_Insert},  {Qt::NoModifier, Qt::Key_Delete},
            {Qt::ShiftModifier, Qt::Key_PageDown}};
        const QChar correcto = escrito.size() < objetivo.size() ? objetivo[escrito.size()] : QChar(u'\n');
        const int tirada = entre(0, 99);
        if (tirada < 40) {
            teclear(correcto);
        } else if (tirada < 58) {
            teclear(alAzar(u"abcXYZ059 .,\n\n\b\b\x01\x07\x0b\x1b\x1f"_s));
        } else if (tirada < 63) {
            const QChar letra = alAzar(acentos);
            const qsizetype vocal = u"áéíóú"_s.indexOf(letra);
            if (vocal >= 0 && entre(0, 1) == 0) { // with the dead key, as a Spanish keyboard types it
                tecla(textoact(), Qt::Key_Dead_Acute);
                tecla(textoact(), Qt::Key_unknown, {}, QString(u"aeiou"_s[vocal]));
                juzgar(letra);
            } else {
                teclear(letra);
            }
        } else if (tirada < 67) {
            teclear(alAzar(u"@#€[]{}\\|~"_s), Qt::GroupSwitchModifier);
        } else if (tirada < 70) {
            const QChar letra = alAzar(u"abcxyz"_s);
            teclear(letra, Qt::ControlModifier | Qt::AltModifier, Qt::Key_A + (letra.unicode() - u'a'));
        } else if (tirada < 82) {
            const auto& [modificador, clave] = filtradas[entre(0, std::size(filtradas) - 1)];
            const int letra = clave - Qt::Key_A; // with Ctrl a keyboard gives a control character
            tecla(textoact(), clave, modificador,
                  letra >= 0 && letra < 26
                      ? QString(QChar(modificador == Qt::ControlModifier ? letra + 1 : u'a' + letra))
                      : QString());
        } else if (tirada < 94) {
            // A right click on the reference box would open its menu, which waits for the user.
            const bool enReferencia = entre(0, 1) == 0;
            QWidget* zona = enReferencia ? texto()->viewport() : textoact()->viewport();
            const bool derecho = !enReferencia && entre(0, 3) == 0;
            QTest::mouseClick(zona, derecho ? Qt::RightButton : Qt::LeftButton, {},
                              QPoint(entre(1, zona->width() - 2), entre(1, zona->height() - 2)));
            QCoreApplication::processEvents();
        } else {
            ticks(1);
        }
    }

    void sesionAlAzar(unsigned semilla, int pasos) {
        azar.seed(semilla);
        repetir = semilla % 2 == 1;
        ponerAjustes(u"99"_s, u"100"_s, u"280"_s, u"480"_s);
        empezar();
        for (int i = 0; i < pasos; ++i) {
            if (!reloj()->isActive()) {
                ASSERT_EQ(escrito, objetivo) << "the run ended before the text was finished";
                empezar();
            }
            paso();
            SCOPED_TRACE(::testing::Message() << "paso " << i);
            const QString enCaja = textoact()->toPlainText();
            ASSERT_TRUE(objetivo.startsWith(enCaja)) << "the typing box is no prefix of the target";
            ASSERT_EQ(enCaja, escrito);
            ASSERT_EQ(ventana->sesion().aciertos, aciertos);
            ASSERT_EQ(ventana->sesion().errores, errores);
            ASSERT_EQ(registro->pitidos, rechazos);
        }
        ventana->cmdDetener_Click();
    }

    std::mt19937 azar;
    bool repetir = false;
    bool ultimaCorrecta = false;
    QString referencia, objetivo, escrito; ///< as the boxes show them, "\n" for a line break
    int aciertos = 0, errores = 0, rechazos = 0;
};

TEST_F(EscrituraAleatoriaTest, RandomSessionsKeepTheBoxAndTheCountsExact) {
    std::vector<unsigned> semillas = {1, 2, 3, 4, 5, 6};
    if (const char* elegida = std::getenv("TECLADAS_SEMILLA")) {
        semillas = {static_cast<unsigned>(std::strtoul(elegida, nullptr, 10))};
    }
    for (const unsigned semilla : semillas) {
        SCOPED_TRACE(::testing::Message()
                     << "semilla " << semilla << " (repítala con TECLADAS_SEMILLA=" << semilla << ")");
        sesionAlAzar(semilla, 1500);
        if (HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace tecladas
