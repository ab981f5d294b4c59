#include "frmnumeros.h"

using rt::Align;
using rt::Kind;

namespace Numeros {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& frmNumeros::layout()
{
    static const rt::FormSpec spec{
        "frmNumeros", "Operar con lista de números", 6570, 5490,
        {
            {"lstNum",   Kind::ListBox,       "",                  480, 1320, 1695, 2790, {.tabIndex = 0}},
            {"cmdExit",  Kind::CommandButton, "Exit",             4920,  240, 1215,  495, {.tabIndex = 1}},
            {"txtInput", Kind::TextBox,       "",                  480,  360, 1695,  495, {.tabIndex = 2}},
            {"lblInput", Kind::Label,         "Input",             480,  120,  975,  255, {.tabIndex = 3}},
            {"lblLista", Kind::Label,         "Lista de números",  480, 1080, 1695,  255, {.tabIndex = 4}},
            {"cmdAdd",   Kind::CommandButton, "Add Number",       2760,  240, 1695,  495, {.tabIndex = 5}},
            {"cmdSort",  Kind::CommandButton, "Sort",             2760, 2400, 1695,  495, {.tabIndex = 6}},
            {"cmdClear", Kind::CommandButton, "Clear",            2760, 1680, 1695,  495, {.tabIndex = 7}},
            {"cmdMax",   Kind::CommandButton, "Max",              3000, 3360, 1095,  495, {.tabIndex = 8}},
            {"cmdMin",   Kind::CommandButton, "Min",              3000, 4080, 1095,  495, {.tabIndex = 9}},
            {"txtMax",   Kind::TextBox,       "",                 4320, 3360, 1215,  495, {.accessibleName = "Máximo", .tabIndex = 10, .align = Align::Center}},
            {"txtMin",   Kind::TextBox,       "",                 4320, 4080, 1215,  495, {.accessibleName = "Mínimo", .tabIndex = 11, .align = Align::Center}},
            {"cmdRem",   Kind::CommandButton, "Remove Last",      2760,  960, 1695,  495, {.tabIndex = 12}},
            {"cmdSum",   Kind::CommandButton, "Sum",              3000, 4800, 1095,  495, {.tabIndex = 13}},
            {"txtSum",   Kind::TextBox,       "",                 4320, 4800, 1215,  495, {.accessibleName = "Suma", .tabIndex = 14, .align = Align::Center}},
        }};
    return spec;
}
// clang-format on

}  // namespace Numeros
