#include "frmcalc.h"

using rt::Align;
using rt::Kind;

namespace Calc {

namespace {
const rt::Font operand{.size = 24, .bold = true};
const rt::Font sign{.size = 13.5, .bold = true};
const rt::Font button{.size = 13.5};
}  // namespace

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& frmCalc::layout()
{
    static const rt::FormSpec spec{
        "frmCalc", "Calculadora Turbo", 5130, 2130,
        {
            {"txtOper1",  Kind::TextBox,       "",   120,  360, 1215,  975, {.accessibleName = "Primer operando", .tabIndex = 0, .font = operand, .align = Align::Center, .multiLine = true}},
            {"txtOper2",  Kind::TextBox,       "",  1920,  360, 1215,  975, {.accessibleName = "Segundo operando", .tabIndex = 1, .font = operand, .align = Align::Center, .multiLine = true}},
            {"txtResult", Kind::TextBox,       "",  3720,  360, 1215,  975, {.tabIndex = 2, .font = operand, .align = Align::Center, .multiLine = true, .locked = true}},
            {"lblOp",     Kind::Label,         "",  1440,  600,  375,  495, {.accessibleName = "Operación", .tabIndex = 3, .font = sign, .align = Align::Center}},
            {"lblEqual",  Kind::Label,         "=", 3360,  720,  255,  375, {.tabIndex = 4, .font = sign}},
            {"cmdSuma",   Kind::CommandButton, "+",  120, 1560, 1095,  495, {.tabIndex = 5, .font = button}},
            {"cmdResta",  Kind::CommandButton, "-", 1320, 1560, 1095,  495, {.tabIndex = 6, .font = button}},
            {"cmdProd",   Kind::CommandButton, "*", 2640, 1560, 1095,  495, {.tabIndex = 7, .font = button}},
            {"cmdDiv",    Kind::CommandButton, "/", 3840, 1560, 1095,  495, {.tabIndex = 8, .font = button}},
        }};
    return spec;
}
// clang-format on

}  // namespace Calc
