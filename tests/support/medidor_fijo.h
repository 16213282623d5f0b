#pragma once

#include "engine/paginacion.h"

#include <algorithm>
#include <string_view>

namespace tecladas::prueba {

/// Wraps every paragraph (CR-separated) at a fixed number of characters, no word wrapping:
/// line arithmetic that a test can follow by hand.
class MedidorFijo final : public MedidorLineas {
public:
    explicit MedidorFijo(int ancho)
        : ancho_(ancho) {}

    int lineaDelFinal(std::u16string_view buffer) override {
        ++llamadas;
        int lineas = 0;
        std::size_t inicio = 0;
        for (;;) {
            const auto fin = buffer.find(u'\r', inicio);
            const auto largo =
                static_cast<int>((fin == std::u16string_view::npos ? buffer.size() : fin) - inicio);
            lineas += std::max(1, (largo + ancho_ - 1) / ancho_);
            if (fin == std::u16string_view::npos) {
                return lineas;
            }
            inicio = fin + 1;
        }
    }

    int llamadas = 0;

private:
    int ancho_;
};

} // namespace tecladas::prueba
