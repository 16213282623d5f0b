#pragma once

#include "grading/resumen_prueba.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace tecladas {

/// One key of the Spanish (Spain, ISO) PC keyboard's main block, as drawn. Positions and sizes
/// are in key units (a letter key is 1 × 1), from the top left corner of the number row; the ui
/// scales them. Legends are UTF-8; an empty one is not drawn.
struct Tecla {
    std::string_view nombre; ///< unique: the legend of a character key, else the key's name
    double x = 0;
    double y = 0;
    double ancho = 1;
    double alto = 1;
    /// Only the Enter key is not a rectangle: it is two rows high, and its lower row starts this
    /// far to the right of `x`.
    double sangriaInferior = 0;
    std::string_view normal; ///< drawn at the lower left: what the key types alone
    std::string_view mayus;  ///< drawn at the upper left: with Shift
    std::string_view altGr;  ///< drawn at the lower right: with AltGr
};

/// The keys, row by row from the number row to the space bar's row, each left to right; the
/// Enter key, in the two rows right of P and Ç, comes after the second of them.
const std::vector<Tecla>& tecladoEspanol();

/// The index in `tecladoEspanol()` of the key named `nombre`; none for an unknown name.
std::optional<std::size_t> indiceTecla(std::string_view nombre);

/// The keys that type `caracter` on that keyboard, each once, in the order they are pressed
/// (a held modifier first): "á" is the acute dead key then A, "Á" adds Shift, "ü" takes Shift
/// with the acute key (diaeresis), "€" AltGr with E, a dead key's own sign the dead key then
/// the space bar, 13 the Enter key. Shift is the one of the other hand, as touch typing has it.
/// Empty for a character the keyboard cannot type. The list lives as long as the program.
const std::vector<std::size_t>& teclasDeCaracter(char32_t caracter);

/// Attempts that a key must have, over the runs shown, before its error rate is shown.
inline constexpr long kIntentosMinimosTecla = 20;

/// The error rate that takes the top of the colour scale: one miss in five attempts.
inline constexpr double kTasaMaximaEscala = 0.2;

/// How a key fared over some runs.
struct UsoTecla {
    long intentos = 0;
    long fallos = 0;
    /// Misses over attempts, once the key has `kIntentosMinimosTecla` attempts.
    std::optional<double> tasa() const;
    /// The rate on the colour scale, 0 (no miss) to 1 (`kTasaMaximaEscala` or more); none
    /// while the rate is not shown.
    std::optional<double> escala() const;
    friend bool operator==(const UsoTecla&, const UsoTecla&) = default;
};

/// Adds up, key by key, the attempted and missed characters of several runs: a character's
/// attempts and misses count on every key that types it. Characters the keyboard cannot type
/// count nowhere.
class RecuentoTeclas {
public:
    /// Adds one run. A run recorded before attempts were kept adds nothing: its misses have no
    /// attempts to be weighed against.
    void sumar(const std::vector<CaracterIntentado>& intentados,
               const std::vector<CaracterFallado>& fallados);
    /// One entry a key, in the order of `tecladoEspanol()`.
    std::vector<UsoTecla> porTecla() const;

private:
    /// Sums by character, spread over the keys only at the end: a long history adds thousands of
    /// runs. The characters of Western European text go straight to their place.
    static constexpr char32_t kDirectos = 0x180;
    std::vector<UsoTecla> directos_ = std::vector<UsoTecla>(kDirectos);
    std::map<char32_t, UsoTecla> otros_;
};

/// One step of the colour legend: an error rate and its place on the colour scale.
struct PasoLeyenda {
    double tasa = 0;
    double escala = 0;
    friend bool operator==(const PasoLeyenda&, const PasoLeyenda&) = default;
};

/// The legend's steps, from no miss to the top of the scale, `pasos` of them (at least 2).
std::vector<PasoLeyenda> pasosLeyenda(int pasos = 5);

/// The keys whose rate is shown and above 0, highest rate first; equal rates in keyboard order.
std::vector<std::size_t> teclasDebiles(const std::vector<UsoTecla>& uso);

} // namespace tecladas
