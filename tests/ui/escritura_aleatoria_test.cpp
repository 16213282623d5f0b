#include "ventana_prueba.h"

#include <QApplication>
#include <QInputMethodEvent>

#include <cstdlib>
#include <random>
#include <vector>

namespace tecladas {
namespace {

/// Long random sessions typed into the real window, checked after every step against a plain
/// model of the exam's rules: only the next character of the target is accepted, accepted keys
/// add their weight, refused keys count once per run after the first accepted key, and keys
/// that are filtered out, clicks and caret moves change nothing.
class EscrituraAleatoriaTest : public prueba::VentanaPrueba {
protected:
    /// What the window must show, kept by the rules alone.
    struct Modelo {
        QString referencia; ///< the reference as the boxes show it, "\n" for a line break
        QString objetivo;
        QString escrito;
        bool repetir = false;
        bool ultimaCorrecta = false;
        bool terminado = false; ///< the text was finished with repetition off: the run is over
        int aciertos = 0;
        int errores = 0;
        int rechazos = 0;
        int ejecuciones = 0;
    };

    static int peso(QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'A' && u <= u'Z') || u >= 123 ? 2 : 1;
    }

    QString textoAlAzar(std::mt19937& azar) {
        static const QString letras = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 .,;:-¿?¡!"
                                                     "áéíóúñÑü€@#{}\t");
        QString resultado;
        const int largo = std::uniform_int_distribution<int>(200, 450)(azar);
        for (int i = 0; i < largo; ++i) {
            const bool salto = std::uniform_int_distribution<int>(0, 11)(azar) == 0;
            resultado +=
                salto ? QChar(u'\n') : letras[std::uniform_int_distribution<int>(0, letras.size() - 1)(azar)];
        }
        return resultado;
    }

    void empezar(std::mt19937& azar) {
        m.referencia = textoAlAzar(azar);
        m.objetivo = m.referencia;
        m.escrito.clear();
        m.ultimaCorrecta = false;
        m.terminado = false;
        m.aciertos = m.errores = 0;
        ++m.ejecuciones;
        iniciarCon(m.referencia, m.repetir);
        ASSERT_TRUE(reloj()->isActive());
    }

    /// The model's verdict on a judged character (Enter as "\n").
    void juzgar(QChar c) {
        if (m.terminado) {
            return;
        }
        const bool completo = m.escrito == m.objetivo;
        if (m.repetir && completo && c == QLatin1Char('\n')) {
            m.objetivo += QLatin1Char('\n') + m.referencia;
        } else if (completo || m.objetivo[m.escrito.size()] != c) {
            ++m.rechazos;
            if (m.ultimaCorrecta) {
                ++m.errores;
                m.ultimaCorrecta = false;
            }
            return;
        }
        m.escrito += c;
        m.aciertos += peso(c);
        m.ultimaCorrecta = true;
        m.terminado = !m.repetir && m.escrito == m.objetivo;
    }

    QChar siguienteCorrecto() const {
        return m.escrito.size() < m.objetivo.size() ? m.objetivo[m.escrito.size()] : QChar(u'\n');
    }

    /// Types `c` as a keyboard would and tells the model.
    void teclear(QChar c, Qt::KeyboardModifiers modificadores = {}) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(textoact(), Qt::Key_Return, modificadores);
        } else if (c == QLatin1Char('\t')) {
            QTest::keyClick(textoact(), Qt::Key_Tab, modificadores);
        } else {
            tecla(textoact(), Qt::Key_unknown, modificadores, QString(c));
        }
        juzgar(c);
    }

    void paso(std::mt19937& azar) {
        static const QString acentos = QStringLiteral("áéíóúñÑü€¿¡ÁÉ");
        static const QString conAltGr = QStringLiteral("@#€[]{}\\|~");
        auto entre = [&azar](int desde, int hasta) {
            return std::uniform_int_distribution<int>(desde, hasta)(azar);
        };
        auto alAzar = [&](const QString& de) {
            return de[entre(0, static_cast<int>(de.size()) - 1)];
        };
        const int tirada = entre(0, 99);
        if (tirada < 40) {
            teclear(siguienteCorrecto());
        } else if (tirada < 50) {
            teclear(alAzar(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 .,")));
        } else if (tirada < 54) {
            teclear(QChar(u'\n'));
        } else if (tirada < 58) {
            QTest::keyClick(textoact(), Qt::Key_Backspace);
            juzgar(QChar(u'\b'));
        } else if (tirada < 61) {
            teclear(alAzar(QStringLiteral("\x01\x02\x07\x0b\x0c\x1b\x1f")));
        } else if (tirada < 66) {
            teclear(alAzar(acentos));
        } else if (tirada < 70) {
            teclear(alAzar(conAltGr), Qt::GroupSwitchModifier);
        } else if (tirada < 72) {
            const QChar letra = alAzar(QStringLiteral("abcxyz"));
            tecla(textoact(), Qt::Key_A + (letra.unicode() - u'a'), Qt::ControlModifier | Qt::AltModifier,
                  letra);
            juzgar(letra);
        } else if (tirada < 84) {
            struct Filtrada {
                int clave;
                Qt::KeyboardModifiers modificadores;
                const char16_t* texto;
            };
            static const Filtrada filtradas[] = {
                {Qt::Key_Home, {}, u""},
                {Qt::Key_Left, {}, u""},
                {Qt::Key_Up, Qt::ShiftModifier, u""},
                {Qt::Key_Right, {}, u""},
                {Qt::Key_Down, {}, u""},
                {Qt::Key_Super_L, {}, u""},
                {Qt::Key_Menu, {}, u""},
                {Qt::Key_V, Qt::ControlModifier, u"\x16"},
                {Qt::Key_A, Qt::AltModifier, u"a"},
                {Qt::Key_Z, Qt::ControlModifier, u"\x1a"},
                {Qt::Key_Insert, Qt::ShiftModifier, u""},
                {Qt::Key_Delete, {}, u"\x7f"},
                {Qt::Key_End, {}, u""},
                {Qt::Key_PageUp, {}, u""},
                {Qt::Key_PageDown, Qt::ShiftModifier, u""},
                {Qt::Key_Shift, Qt::ShiftModifier, u""},
                {Qt::Key_Dead_Acute, {}, u""},
            };
            const Filtrada& f = filtradas[entre(0, std::size(filtradas) - 1)];
            tecla(textoact(), f.clave, f.modificadores, QString::fromUtf16(f.texto));
        } else if (tirada < 90) {
            // A right click on the reference box would open its menu, which waits for the user.
            const bool enReferencia = entre(0, 1) == 0;
            QWidget* zona = enReferencia ? texto()->viewport() : textoact()->viewport();
            const QPoint punto(entre(1, zona->width() - 2), entre(1, zona->height() - 2));
            const bool derecho = !enReferencia && entre(0, 3) == 0;
            QTest::mouseClick(zona, derecho ? Qt::RightButton : Qt::LeftButton, {}, punto);
            QCoreApplication::processEvents();
        } else if (tirada < 95) {
            // An input method commits one or two characters; the first may be the right one.
            // A line break comes from the Enter key, never from a commit.
            const QChar correcto = siguienteCorrecto();
            const bool puedeAcertar = correcto != QLatin1Char('\n') && entre(0, 1) == 0;
            QString confirmado(puedeAcertar ? correcto : alAzar(acentos));
            if (entre(0, 2) == 0) {
                confirmado += alAzar(acentos);
            }
            QInputMethodEvent evento(QStringLiteral("´"), {});
            evento.setCommitString(confirmado);
            QApplication::sendEvent(textoact(), &evento);
            for (const QChar c : confirmado) {
                juzgar(c);
            }
        } else {
            ticks(1);
        }
    }

    void comprobar(int numeroPaso) {
        SCOPED_TRACE(::testing::Message() << "paso " << numeroPaso);
        const QString enCaja = textoact()->toPlainText();
        ASSERT_TRUE(m.objetivo.startsWith(enCaja)) << "the typing box is no prefix of the target";
        ASSERT_EQ(enCaja, m.escrito);
        ASSERT_EQ(ventana->sesion().aciertos, m.aciertos);
        ASSERT_EQ(ventana->sesion().errores, m.errores);
        ASSERT_EQ(registro->pitidos, m.rechazos);
    }

    void sesionAlAzar(unsigned semilla, int pasos) {
        std::mt19937 azar(semilla);
        if (reloj()->isActive()) {
            ventana->cmdDetener_Click();
        }
        registro->pitidos = 0;
        m = Modelo{};
        m.repetir = semilla % 2 == 1;
        ponerAjustes(QStringLiteral("99"), QStringLiteral("100"), QStringLiteral("280"),
                     QStringLiteral("480"));
        empezar(azar);
        for (int i = 0; i < pasos && !HasFatalFailure(); ++i) {
            if (!reloj()->isActive()) {
                // Text finished with repetition off: the next run starts afresh.
                ASSERT_EQ(m.escrito, m.objetivo);
                registro->mensajes.clear();
                registro->pitidos = m.rechazos = 0;
                empezar(azar);
            }
            paso(azar);
            if (!reloj()->isActive() && m.escrito != m.objetivo) {
                FAIL() << "the run ended before the text was finished";
            }
            comprobar(i);
        }
    }

    Modelo m;
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
