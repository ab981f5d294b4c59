#include "frmdib.h"

using rt::Align;
using rt::Kind;

namespace rootplot {

namespace {
const rt::Font font12{.size = 12};
const rt::Font font975{.size = 9.75};
}  // namespace

// The window's controls, in twips: name, kind, caption, left, top, width, height.
const rt::FormSpec& frmDib::layout()
{
    // clang-format off
    static const rt::FormSpec spec{
        "frmDib", "Dibujo y raíces de una función", 7275, 7035,
        {
            {"cmdResolver", Kind::CommandButton, "Resolver", 4800, 1680, 1935,  495, {.tabIndex = 0, .font = font12}},
            {"cmdSalir",    Kind::CommandButton, "Salir",    4800, 2880, 1935,  495, {.tabIndex = 1, .font = font12}},
            {"txtSol",      Kind::TextBox,       "",         2520, 1560, 1455,  360, {.tabIndex = 2, .font = font975, .align = Align::Center, .multiLine = true}},
            {"txtIni",      Kind::TextBox,       "",         2520, 2040, 1455,  375, {.tabIndex = 3, .font = font975, .align = Align::Center}},
            {"lblIni",      Kind::Label,         "Aproximación inicial", 240, 2040, 2175, 255, {.tabIndex = 4, .font = font975, .align = Align::Right}},
            {"cmdDib",      Kind::CommandButton, "Dibujar",  4800, 2280, 1935,  495, {.tabIndex = 5, .font = font12}},
            {"lblSol",      Kind::Label,         "Solución", 1320, 1560, 1095,  255, {.tabIndex = 6, .font = font975, .align = Align::Right}},
            {"lblEps",      Kind::Label,         "Epsilon",  1440, 2520,  975,  255, {.tabIndex = 7, .font = font975, .align = Align::Right}},
            {"txtEps",      Kind::TextBox,       "",         2520, 2520, 1455,  375, {.tabIndex = 8, .font = font975, .align = Align::Center, .multiLine = true}},
            {"pctBox",      Kind::PictureBox,    "",          480, 3600, 5655, 3255, {.accessibleName = "Gráfica de la función", .tabIndex = 9, .backColor = 0xFFFFFF, .autoRedraw = true}},
            {"vsbEscala",   Kind::VScrollBar,    "",         6360, 3600,  375, 3255, {.accessibleName = "Escala vertical", .tabIndex = 10, .min = 200, .max = 1, .smallChange = 1, .largeChange = 10, .value = 100}},
            {"txtNit",      Kind::TextBox,       "",         2520, 3000, 1455,  375, {.tabIndex = 11, .font = font975, .align = Align::Center, .multiLine = true}},
            {"lblNit",      Kind::Label,         "Número de iteraciones", 0, 3000, 2415, 255, {.tabIndex = 12, .font = font975, .align = Align::Right}},
            {"lblRotulo",   Kind::Label,         "",          600,  240, 6135,  375, {.accessibleName = "Fórmula de la función", .tabIndex = 13, .backColor = 0x404040, .foreColor = 0xFFFFFF, .font = font975, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"txtA",        Kind::TextBox,       "1",        1080,  840,  735,  375, {.index = 0, .tabIndex = 14, .align = Align::Center}},
            {"Label2",      Kind::Label,         "a",         480,  840,  495,  375, {.tabIndex = 15, .font = font12, .align = Align::Right}},
            {"Label3",      Kind::Label,         "b",        2040,  840,  495,  375, {.tabIndex = 16, .font = font12, .align = Align::Right}},
            {"Label4",      Kind::Label,         "c",        3600,  840,  495,  375, {.tabIndex = 17, .font = font12, .align = Align::Right}},
            {"Label5",      Kind::Label,         "d",        5160,  840,  495,  375, {.tabIndex = 18, .font = font12, .align = Align::Right}},
            {"txtA",        Kind::TextBox,       "1",        2640,  840,  735,  375, {.index = 1, .tabIndex = 19, .align = Align::Center}},
            {"txtA",        Kind::TextBox,       "1",        4200,  840,  735,  375, {.index = 2, .tabIndex = 20, .align = Align::Center}},
            {"txtA",        Kind::TextBox,       "1",        5760,  840,  735,  375, {.index = 3, .tabIndex = 21, .align = Align::Center}},
        }};
    // clang-format on
    return spec;
}

}  // namespace rootplot
