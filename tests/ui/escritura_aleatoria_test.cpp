#include "ventana_prueba.h"

#include <QApplication>
#include <QInputMethodEvent>

#include <cstdlib>
#include <random>
#include <tuple>
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
        if (c == u'\n' || c == u'\t' || c == u'\b') {
            QTest::keyClick(textoact(),
                            c == u'\n'   ? Qt::Key_Return
                            : c == u'\t' ? Qt::Key_Tab
                                         : Qt::Key_Backspace,
                            modificadores);
        } else {
            tecla(textoact(), clave, modificadores, QString(c));
        }
        juzgar(c);
    }

    void paso() {
        static const QString acentos = u"áéíóúñÑü€¿¡ÁÉ"_s;
        const QChar correcto = escrito.size() < objetivo.size() ? objetivo[escrito.size()] : QChar(u'\n');
        const int tirada = entre(0, 99);
        if (tirada < 40) {
            teclear(correcto);
        } else if (tirada < 58) {
            teclear(alAzar(u"abcXYZ059 .,\n\n\b\b\x01\x07\x0b\x1b\x1f"_s));
        } else if (tirada < 63) {
            teclear(alAzar(acentos));
        } else if (tirada < 67) {
            teclear(alAzar(u"@#€[]{}\\|~"_s), Qt::GroupSwitchModifier);
        } else if (tirada < 70) {
            const QChar letra = alAzar(u"abcxyz"_s);
            teclear(letra, Qt::ControlModifier | Qt::AltModifier, Qt::Key_A + (letra.unicode() - u'a'));
        } else if (tirada < 82) {
            static const std::tuple<int, Qt::KeyboardModifiers, QString> filtradas[] = {
                {Qt::Key_Home, {}, {}},
                {Qt::Key_Left, {}, {}},
                {Qt::Key_Up, Qt::ShiftModifier, {}},
                {Qt::Key_Super_L, {}, {}},
                {Qt::Key_Menu, {}, {}},
                {Qt::Key_V, Qt::ControlModifier, u"\x16"_s},
                {Qt::Key_A, Qt::AltModifier, u"a"_s},
                {Qt::Key_Z, Qt::ControlModifier, u"\x1a"_s},
                {Qt::Key_Insert, Qt::ShiftModifier, {}},
                {Qt::Key_Delete, {}, u"\x7f"_s},
                {Qt::Key_PageDown, Qt::ShiftModifier, {}},
                {Qt::Key_Dead_Acute, {}, {}},
            };
            const auto& [clave, modificadores, textoTecla] = filtradas[entre(0, std::size(filtradas) - 1)];
            tecla(textoact(), clave, modificadores, textoTecla);
        } else if (tirada < 88) {
            // A right click on the reference box would open its menu, which waits for the user.
            const bool enReferencia = entre(0, 1) == 0;
            QWidget* zona = enReferencia ? texto()->viewport() : textoact()->viewport();
            const bool derecho = !enReferencia && entre(0, 3) == 0;
            QTest::mouseClick(zona, derecho ? Qt::RightButton : Qt::LeftButton, {},
                              QPoint(entre(1, zona->width() - 2), entre(1, zona->height() - 2)));
            QCoreApplication::processEvents();
        } else if (tirada < 94) {
            // An input method commits one or two characters, never a line break.
            QString confirmado(correcto != u'\n' && entre(0, 1) == 0 ? correcto : alAzar(acentos));
            if (entre(0, 2) == 0) {
                confirmado += alAzar(acentos);
            }
            QInputMethodEvent evento(u"´"_s, {});
            evento.setCommitString(confirmado);
            QApplication::sendEvent(textoact(), &evento);
            for (const QChar c : confirmado) {
                juzgar(c);
            }
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
