#pragma once

#include "engine/evaluacion.h"
#include "support/medidor_fijo.h"

#include <gtest/gtest.h>

#include <string>

namespace tecladas::prueba {

/// A run of the judge on a target text, with a measurer that wraps at a fixed width.
class EjecucionPrueba : public ::testing::Test {
protected:
    explicit EjecucionPrueba(int ancho = 1000)
        : medidor(ancho) {}

    void empezar(const std::u16string& texto, bool repetir = false) {
        prepararEjecucion(sesion, texto);
        repetir_ = repetir;
    }
    Veredicto teclear(char32_t tecla) { return evaluarTecla(sesion, tecla, repetir_, medidor); }
    /// Types every key of `teclas` and returns the verdict of the last one.
    Veredicto teclear(std::u32string_view teclas) {
        Veredicto ultimo;
        for (const char32_t tecla : teclas) {
            ultimo = teclear(tecla);
        }
        return ultimo;
    }
    /// Types the next character of the target: Enter for a CR LF.
    Veredicto siguiente() {
        const char16_t c = sesion.textoObjetivo[sesion.textoEscrito.size()];
        return teclear(c == u'\r' ? kTeclaEnter : static_cast<char32_t>(c));
    }

    SesionExamen sesion;
    MedidorFijo medidor;
    bool repetir_ = false;
};

} // namespace tecladas::prueba
