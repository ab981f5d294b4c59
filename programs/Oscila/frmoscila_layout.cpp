#include "frmoscila.h"

using rt::Align;
using rt::Kind;

namespace Oscila {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// Controls inside the frame or the picture box are placed relative to it.
// clang-format off
const rt::FormSpec& frmOscila::layout()
{
    static const rt::FormSpec spec{
        "frmOscila", "Oscilación sinusoidal", 6135, 5520,
        {
            {"txtFrec",     Kind::TextBox,       "",                 1680,  360,  735,  375, {.tabIndex = 0, .align = Align::Center, .locked = true}},
            {"cmdStart",    Kind::CommandButton, "&Stop Motion",     3720, 4680, 1575,  495, {.tabIndex = 1}},
            {"cmdExit",     Kind::CommandButton, "E&xit",            3720, 3960, 1575,  495, {.tabIndex = 2}},
            {"pctBox",      Kind::PictureBox,    "",                  600, 1200, 4935, 1575, {.accessibleName = "Recorrido del móvil", .tabIndex = 3, .backColor = 0xFFFFFF}},
            {"fraMovil",    Kind::Frame,         "Móvil",             600, 3120, 2175, 2055, {.tabIndex = 4}},
            {"optMovil",    Kind::OptionButton,  "Punto (4 pixels)",  240,  360, 1695,  255, {.container = "fraMovil", .index = 0, .tabIndex = 5, .value = 1}},
            {"optMovil",    Kind::OptionButton,  "Rectángulo",        240,  720, 1575,  255, {.container = "fraMovil", .index = 1, .tabIndex = 6}},
            {"optMovil",    Kind::OptionButton,  "Circunferencia",    240, 1080, 1695,  255, {.container = "fraMovil", .index = 2, .tabIndex = 7}},
            {"optMovil",    Kind::OptionButton,  "Bloque",            240, 1440, 1455,  255, {.container = "fraMovil", .index = 3, .tabIndex = 8}},
            {"lblBloque",   Kind::Label,         "",                  240,  480,  795,  615, {.accessibleName = "Bloque", .container = "pctBox", .tabIndex = 9, .border = rt::Border::Single, .opaque = true, .dragMode = rt::DragMode::Automatic, .dragIcon = rt::DragIcon::Sheets}},
            {"lblAmplitud", Kind::Label,         "Amplitud",         3240, 3360,  975,  255, {.tabIndex = 10, .align = Align::Right}},
            {"txtAmplitud", Kind::TextBox,       "",                 4440, 3240,  975,  375, {.tabIndex = 11, .align = Align::Center}},
            {"hsbFrec",     Kind::HScrollBar,    "",                 2640,  360, 3015,  375, {.accessibleName = "Frecuencia", .tabIndex = 12, .min = 1, .max = 100, .smallChange = 1, .largeChange = 10, .value = 10}},
            {"lblFrec",     Kind::Label,         "Frecuencia",        240,  405, 1215,  255, {.tabIndex = 13, .align = Align::Right}},
            {"Timer1",      Kind::Timer,         "",                    0,    0,    0,    0, {.interval = 0}},
        }};
    return spec;
}
// clang-format on

}  // namespace Oscila
