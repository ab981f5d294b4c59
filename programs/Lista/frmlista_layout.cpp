#include "frmlista.h"

using rt::Align;
using rt::Kind;

namespace Lista {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& frmLista::layout()
{
    static const rt::FormSpec spec{
        "frmLista", "Lista", 6030, 5325,
        {
            {"lstLista",      Kind::ListBox,       "",                  1320, 1680, 1695, 2205, {.tabIndex = 0}},
            {"txtEntry",      Kind::TextBox,       "",                  1320,  600, 1695,  495, {.tabIndex = 1}},
            {"cmbAdd",        Kind::CommandButton, "Add",               3480,  600, 1575,  495, {.tabIndex = 2}},
            {"cmbDeleteLast", Kind::CommandButton, "Delete Last",       3480, 1320, 1575,  495, {.tabIndex = 3}},
            {"cmbDeleteAll",  Kind::CommandButton, "Delete All",        3480, 2040, 1575,  495, {.tabIndex = 4}},
            {"cmbExit",       Kind::CommandButton, "Exit",              3480, 3480, 1575,  495, {.tabIndex = 5}},
            {"cmbCompute",    Kind::CommandButton, "Compute",           3480, 2760, 1575,  495, {.tabIndex = 6}},
            {"lblEntry",      Kind::Label,         "Data input",         120,  720, 1095,  255, {.tabIndex = 7, .align = Align::Right}},
            {"lblList",       Kind::Label,         "Data List",          480, 1680,  735,  375, {.tabIndex = 8, .align = Align::Right}},
            {"Label1",        Kind::Label,         "Valor medio",        480, 4320,  975,  375, {.tabIndex = 9, .align = Align::Right}},
            {"Label2",        Kind::Label,         "Desviación típica", 2880, 4320, 1335,  375, {.tabIndex = 10, .align = Align::Right}},
            {"lblMedia",      Kind::Label,         "",                  1560, 4320, 1095,  375, {.accessibleName = "Valor medio", .tabIndex = 11, .backColor = 0xFFFFFF, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"lblDesv",       Kind::Label,         "",                  4320, 4320, 1095,  375, {.accessibleName = "Desviación típica", .tabIndex = 12, .backColor = 0xFFFFFF, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
        }};
    return spec;
}
// clang-format on

}  // namespace Lista
