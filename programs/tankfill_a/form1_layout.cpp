#include "form1.h"

using rt::Align;
using rt::Kind;

namespace tankfill_a {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& Form1::layout()
{
    static const rt::FormSpec spec{
        "Form1", "Llenado/Vaciado de un depósito", 4440, 6585,
        {
            {"pctBox",    Kind::PictureBox,    "",       960, 1080, 2500, 4755, {.accessibleName = "Depósito", .tabIndex = 0, .backColor = 0xFFFFFF}},
            {"lblFluido", Kind::Label,         "",         0, 1560, 2600, 2055, {.accessibleName = "Líquido del depósito", .container = "pctBox", .tabIndex = 5, .backColor = 0xFF8080, .border = rt::Border::None, .appearance = rt::Appearance::Flat, .opaque = true}},
            {"cmdStart",  Kind::CommandButton, "Start",  240,  240, 1095,  495, {.tabIndex = 1}},
            {"cmdExit",   Kind::CommandButton, "Exit",  3120,  240, 1095,  495, {.tabIndex = 2}},
            {"optLLenar", Kind::OptionButton,  "LLenar", 1800, 120,  975,  375, {.tabIndex = 3, .value = 1}},
            {"optVaciar", Kind::OptionButton,  "Vaciar", 1800, 480,  975,  375, {.tabIndex = 4}},
            {"hsbCaudal", Kind::HScrollBar,    "",      1080, 6000, 2415,  375, {.tabIndex = 6, .min = 0, .max = 100, .smallChange = 1, .largeChange = 10, .value = 50}},
            {"lblCaudal", Kind::Label,         "Caudal",   0, 6000,  855,  375, {.tabIndex = 7, .font = rt::Font{.size = 12}, .align = Align::Right}},
            {"txtH",      Kind::TextBox,       "",      3720, 6000,  615,  375, {.accessibleName = "Altura del líquido", .tabIndex = 8, .align = Align::Center}},
            {"Timer1",    Kind::Timer,         "",         0,    0,    0,    0},
        }};
    return spec;
}
// clang-format on

}  // namespace tankfill_a
