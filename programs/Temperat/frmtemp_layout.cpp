#include "frmtemp.h"

using rt::Align;
using rt::Kind;

namespace Temperat {

namespace {
const rt::Font label{.size = 9.75};
const rt::Font button{.size = 12};
}  // namespace

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// The bar's Min (top) lies above its Max (bottom): moving the thumb up warms.
// clang-format off
const rt::FormSpec& frmTemp::layout()
{
    static const rt::FormSpec spec{
        "frmTemp", "Conversor de temperaturas", 5295, 3795,
        {
            {"vsbTemp",     Kind::VScrollBar,    "",                   2520,    0,  375, 3495, {.accessibleName = "Temperatura", .tabIndex = 1, .min = 100, .max = -100, .smallChange = 1, .largeChange = 10, .value = 0}},
            {"txtCent",     Kind::TextBox,       "0",                  1080, 2760, 1215,  495, {.tabIndex = 2, .align = Align::Center}},
            {"txtFahr",     Kind::TextBox,       "32",                 3120, 2760, 1215,  495, {.tabIndex = 3, .align = Align::Center}},
            {"lblCent",     Kind::Label,         "Grados Centígrados",  480, 2280, 1815,  375, {.tabIndex = 4, .font = label}},
            {"lblFahr",     Kind::Label,         "Grados Fahrenheit",  3120, 2280, 1695,  375, {.tabIndex = 5, .font = label}},
            {"cmbSalir",    Kind::CommandButton, "Salir",              3840,    0, 1215,  615, {.tabIndex = 0, .font = button}},
            {"mnuFile",     Kind::Menu,          "&File",                 0,    0,    0,    0},
            {"mnuFileExit", Kind::Menu,          "E&xit",                 0,    0,    0,    0, {.parentMenu = "mnuFile"}},
        }};
    return spec;
}
// clang-format on

}  // namespace Temperat
