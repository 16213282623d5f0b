#include "input/decodificacion.h"

#include "support/filas.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace tecladas {
namespace {

using namespace std::string_view_literals;
using prueba::PrintTo;

struct CasoDecodificacion {
    const char* nombre;
    std::string_view bytes;
    Codificacion codificacion;
    std::u16string_view texto;
};

class DecodificacionTest : public ::testing::TestWithParam<CasoDecodificacion> {};

TEST_P(DecodificacionTest, BytesToText) {
    EXPECT_EQ(detectarCodificacion(GetParam().bytes), GetParam().codificacion);
    EXPECT_EQ(decodificarTexto(GetParam().bytes), GetParam().texto);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tabla, DecodificacionTest,
    ::testing::Values(
        CasoDecodificacion{"utf8_crlf", "Hola\r\nm\xC3\xA1s \xC3\xB1"sv, Codificacion::Utf8, u"Hola\r\nmás ñ"},
        CasoDecodificacion{"lf_and_cr_kept", "a\nb\rc"sv, Codificacion::Utf8, u"a\nb\rc"},
        CasoDecodificacion{"empty", ""sv, Codificacion::Utf8, u""},
        CasoDecodificacion{"nul_and_tab_kept", "a\0\tb"sv, Codificacion::Utf8, u"a\0\tb"sv},
        CasoDecodificacion{"windows1252", "m\xE1s \x80\x81"sv, Codificacion::Windows1252, u"más €\u0081"},
        CasoDecodificacion{"utf8_bom_dropped", "\xEF\xBB\xBFpa\xC3\xB1o"sv, Codificacion::Utf8, u"paño"},
        CasoDecodificacion{"utf8_bom_alone", "\xEF\xBB\xBF"sv, Codificacion::Utf8, u""},
        CasoDecodificacion{"utf8_astral", "\xF0\x9F\x98\x80"sv, Codificacion::Utf8, u"😀"},
        CasoDecodificacion{"utf8_truncated_is_1252", "a\xC3"sv, Codificacion::Windows1252, u"aÃ"},
        CasoDecodificacion{"utf8_overlong_is_1252", "\xC0\xAF"sv, Codificacion::Windows1252, u"À¯"},
        CasoDecodificacion{"utf8_surrogate_is_1252", "\xED\xA0\x80"sv, Codificacion::Windows1252,
                           u"í\u00A0€"},
        CasoDecodificacion{"utf8_bom_then_invalid", "\xEF\xBB\xBF\xE1"sv, Codificacion::Windows1252, u"ï»¿á"},
        CasoDecodificacion{"fe_second_is_no_mark", "a\xFE"sv, Codificacion::Windows1252, u"aþ"},
        CasoDecodificacion{"lone_0x80_is_1252", "\x80"sv, Codificacion::Windows1252, u"€"},
        CasoDecodificacion{"utf8_two_byte_bounds", "\xC2\x80\xDF\xBF"sv, Codificacion::Utf8, u"\u0080\u07FF"},
        CasoDecodificacion{"utf8_three_byte_bounds", "\xE0\xA0\x80\xEF\xBF\xBF"sv, Codificacion::Utf8, u"\u0800\uFFFF"},
        CasoDecodificacion{"utf8_four_byte_bounds", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"sv, Codificacion::Utf8, u"\U00010000\U0010FFFF"},
        CasoDecodificacion{"utf8_past_u10ffff_is_1252", "\xF4\x90\x80\x80"sv, Codificacion::Windows1252, u"ô\u0090€€"},
        CasoDecodificacion{"utf8_f5_lead_is_1252", "\xF5\x80\x80\x80"sv, Codificacion::Windows1252, u"õ€€€"},
        CasoDecodificacion{"utf8_f0_overlong_is_1252", "\xF0\x8F\xBF\xBF"sv, Codificacion::Windows1252, u"ð\u008F¿¿"},
        CasoDecodificacion{"utf16le_surrogate_bounds", "\xFF\xFE\x00\xD8\x00\xDC\xFF\xDB\xFF\xDF"sv, Codificacion::Utf16LE, u"\U00010000\U0010FFFF"},
        CasoDecodificacion{"utf16_high_surrogate_at_the_end", "\xFF\xFEh\0\x3D\xD8"sv, Codificacion::Utf16LE, u"h\uFFFD"},
        CasoDecodificacion{"utf16_lone_low_surrogates", "\xFF\xFE\x00\xDC\xFF\xDF"sv, Codificacion::Utf16LE, u"\uFFFD\uFFFD"},
        CasoDecodificacion{"utf16le", "\xFF\xFEH\0\xE1\0\r\0\n\0\x3D\xD8\x00\xDE"sv, Codificacion::Utf16LE, u"Há\r\n😀"},
        CasoDecodificacion{"utf16be", "\xFE\xFF\0H\0\xE1"sv, Codificacion::Utf16BE, u"Há"},
        CasoDecodificacion{"utf16_bom_alone", "\xFF\xFE"sv, Codificacion::Utf16LE, u""},
        CasoDecodificacion{"utf16_lone_surrogate", "\xFF\xFE\x3D\xD8h\0"sv, Codificacion::Utf16LE,
                           u"\uFFFDh"},
        CasoDecodificacion{"utf16_odd_byte", "\xFF\xFEh\0i"sv, Codificacion::Utf16LE, u"h\uFFFD"}),
    prueba::porNombre);
// clang-format on

#if defined(_WIN32)
TEST(Windows1252Test, EveryByteReadsAsWindowsReadsIt) {
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t caracter = 0;
        ASSERT_EQ(::MultiByteToWideChar(1252, 0, &byte, 1, &caracter, 1), 1) << b;
        EXPECT_EQ(static_cast<wchar_t>(caracterWindows1252(static_cast<unsigned char>(b))), caracter) << b;
    }
}
#else
TEST(Windows1252Test, EveryByteReadsAsTheSystemsIconvReadsIt) {
    const iconv_t iconv1252 = iconv_open("WCHAR_T", "WINDOWS-1252");
    ASSERT_NE(iconv1252, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
        char byte = static_cast<char>(b);
        wchar_t caracter = 0;
        char* entrada = &byte;
        char* salida = reinterpret_cast<char*>(&caracter);
        std::size_t quedan = 1, cabe = sizeof caracter;
        // The five bytes iconv leaves undefined keep their code, as Windows reads them.
        const bool definido =
            iconv(iconv1252, &entrada, &quedan, &salida, &cabe) != static_cast<std::size_t>(-1);
        EXPECT_EQ(static_cast<wchar_t>(caracterWindows1252(static_cast<unsigned char>(b))),
                  definido ? caracter : b)
            << b;
    }
    iconv_close(iconv1252);
}
#endif

} // namespace
} // namespace tecladas
