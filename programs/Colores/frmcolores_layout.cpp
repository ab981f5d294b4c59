#include "frmcolores.h"

using rt::Align;
using rt::Kind;

namespace Colores {

namespace {
const rt::Font label{.size = 9.75};
const rt::Font boldLabel{.size = 9.75, .bold = true};
const rt::Font sample{.name = "Serif (Times style)", .size = 36, .bold = true};
}  // namespace

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// The options sit over fraColor on the window; the frame only draws a border.
// clang-format off
const rt::FormSpec& frmColores::layout()
{
    static const rt::FormSpec spec{
        .name = "frmColores", .caption = "Colores", .clientWidth = 5745, .clientHeight = 4740,
        .controls = {
            {"hsbColor",  Kind::HScrollBar,    "",               840, 2880, 3855,  375, {.index = 0, .tabIndex = 0, .min = 0, .max = 255, .smallChange = 1, .largeChange = 16}},
            {"hsbColor",  Kind::HScrollBar,    "",               840, 3480, 3855,  375, {.index = 1, .tabIndex = 1, .min = 0, .max = 255, .smallChange = 1, .largeChange = 16}},
            {"hsbColor",  Kind::HScrollBar,    "",               840, 4080, 3855,  375, {.index = 2, .tabIndex = 2, .min = 0, .max = 255, .smallChange = 1, .largeChange = 16}},
            {"lblCuadro", Kind::Label,         "Informática 1",  360,  240, 5055, 1215, {.tabIndex = 3, .backColor = 0x000000, .foreColor = 0xFFFFFF, .font = sample, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"optColor",  Kind::OptionButton,  "Fondo",          600, 2160, 1215,  375, {.index = 0, .tabIndex = 4, .font = boldLabel, .value = 1}},
            {"optColor",  Kind::OptionButton,  "Texto",         1800, 2160, 1095,  375, {.index = 1, .tabIndex = 5, .font = boldLabel}},
            {"lblColor",  Kind::Label,         "Rojo",           120, 2880,  615,  375, {.index = 0, .tabIndex = 6, .font = label, .align = Align::Right}},
            {"lblColor",  Kind::Label,         "Verde",          120, 3480,  615,  375, {.index = 1, .tabIndex = 7, .font = label, .align = Align::Right}},
            {"lblColor",  Kind::Label,         "Azul",           120, 4080,  615,  375, {.index = 2, .tabIndex = 8, .font = label, .align = Align::Right}},
            {"cmdSalir",  Kind::CommandButton, "Salir",         3960, 2040, 1455,  615, {.tabIndex = 9, .font = boldLabel}},
            {"txtColor",  Kind::TextBox,       "0",             4920, 2880,  735,  375, {.accessibleName = "Valor del rojo", .index = 0, .tabIndex = 10, .align = Align::Center, .locked = true}},
            {"txtColor",  Kind::TextBox,       "0",             4920, 3480,  735,  375, {.accessibleName = "Valor del verde", .index = 1, .tabIndex = 11, .align = Align::Center}},
            {"txtColor",  Kind::TextBox,       "0",             4920, 4080,  735,  375, {.accessibleName = "Valor del azul", .index = 2, .tabIndex = 12, .align = Align::Center}},
            {"fraColor",  Kind::Frame,         "",               360, 1920, 2655,  735, {.accessibleName = "Color que se cambia", .tabIndex = 13}},
        },
        .backColor = 0xFFFFFF};
    return spec;
}
// clang-format on

}  // namespace Colores
