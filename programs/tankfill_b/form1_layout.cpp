#include "form1.h"

using rt::Kind;

namespace tankfill_b {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
const rt::FormSpec& Form1::layout()
{
    // clang-format off
    static const rt::FormSpec spec{
        "Form1", "Llenado/Vaciado de un depósito", 4440, 6585,
        {
            {"pctBox",    Kind::PictureBox,    "",        960, 1200, 2500, 5000, {.accessibleName = "Depósito", .tabIndex = 0, .backColor = 0xFFFFFF, .autoRedraw = true}},
            {"cmdStart",  Kind::CommandButton, "Start",   240,  240, 1095,  495, {.tabIndex = 1}},
            {"cmdExit",   Kind::CommandButton, "Exit",   3120,  240, 1095,  495, {.tabIndex = 2}},
            {"optLLenar", Kind::OptionButton,  "LLenar", 1800,  120,  975,  375, {.tabIndex = 3, .value = 1}},
            {"optVaciar", Kind::OptionButton,  "Vaciar", 1800,  480,  975,  375, {.tabIndex = 4}},
            {"Timer1",    Kind::Timer,         "",          0,    0,    0,    0},
        }};
    // clang-format on
    return spec;
}

}  // namespace tankfill_b
