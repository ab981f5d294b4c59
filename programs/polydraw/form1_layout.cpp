#include "form1.h"

using rt::Kind;

namespace polydraw {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& Form1::layout()
{
    static const rt::FormSpec spec{
        "Form1", "Dibujo de polígonos", 5475, 5400,
        {
            {"pctBox",   Kind::PictureBox,    "",       360,  120, 4815, 2655, {.accessibleName = "Área de dibujo del polígono", .tabIndex = 0, .backColor = 0xFFFFFF}},
            {"lstX",     Kind::ListBox,       "",       360, 3000, 1575, 2205, {.tabIndex = 1}},
            {"lstY",     Kind::ListBox,       "",      2280, 3000, 1575, 2205, {.tabIndex = 2}},
            {"cmdExit",  Kind::CommandButton, "Exit",  4080, 3000, 1095,  495, {.tabIndex = 3}},
            {"cmdReset", Kind::CommandButton, "Reset", 4080, 3720, 1095,  495, {.tabIndex = 4}},
            {"Label1",   Kind::Label,         "X",      120, 3000,  255,  375, {.tabIndex = 5, .font = rt::Font{.size = 12}}},
            {"Label2",   Kind::Label,         "Y",     2040, 3000,  255,  375, {.tabIndex = 6, .font = rt::Font{.size = 12}}},
        }};
    return spec;
}
// clang-format on

}  // namespace polydraw
