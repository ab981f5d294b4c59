#include "form1.h"

using rt::Align;
using rt::Kind;

namespace multiselect {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& Form1::layout()
{
    static const rt::FormSpec spec{
        "Form1", "Selección múltiple de los elementos de una lista", 5700, 4425,
        {
            {"lstBox",         Kind::ListBox,       "",                       720,  840, 1815, 2595, {.accessibleName = "Elementos de la lista", .tabIndex = 0, .multiSelect = rt::vbMultiSelectExtended}},
            {"txtBox",         Kind::TextBox,       "",                       720,  120, 1815,  495, {.accessibleName = "Nuevo elemento", .tabIndex = 1, .align = Align::Center}},
            {"cmdSalir",       Kind::CommandButton, "Salir",                 1080, 3720, 1095,  495, {.tabIndex = 2}},
            {"cmdDeleteAll",   Kind::CommandButton, "Borrar Todos",          3240,  840, 1815,  495, {.tabIndex = 3}},
            {"cmdDeleteSel",   Kind::CommandButton, "Borrar Selección",      3240, 3720, 1815,  495, {.tabIndex = 4}},
            {"cmdInvertSel",   Kind::CommandButton, "Invertir Seleción",     3240, 3000, 1815,  495, {.tabIndex = 5}},
            {"cmdSelectAll",   Kind::CommandButton, "Seleccionar Todos",     3240, 1560, 1815,  495, {.tabIndex = 6}},
            {"cmdDeselectAll", Kind::CommandButton, "Des-Seleccionar Todos", 3240, 2280, 1815,  495, {.tabIndex = 7}},
            {"cmdPoblarLista", Kind::CommandButton, "Poblar lista",          3240,  120, 1815,  495, {.tabIndex = 8}},
        }};
    return spec;
}
// clang-format on

}  // namespace multiselect
