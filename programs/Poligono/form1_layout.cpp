#include "form1.h"

using rt::Kind;

namespace Poligono {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& Form1::layout()
{
    static const rt::FormSpec spec{
        "Form1", "Polígonos y puntos", 5025, 4770,
        {
            {"pctBox",   Kind::PictureBox,    "",       480,  480, 4000, 3000, {.accessibleName = "Área de dibujo del polígono", .tabIndex = 0, .backColor = 0xFFFFFF}},
            {"cmdClear", Kind::CommandButton, "Reset",  960, 3720, 1335,  495, {.tabIndex = 1}},
            {"cmdExit",  Kind::CommandButton, "Salir", 2640, 3720, 1335,  495, {.tabIndex = 2}},
        }};
    return spec;
}
// clang-format on

}  // namespace Poligono
