#include "formulario.h"

using rt::Kind;

namespace Lanzador {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& formulario::layout()
{
    static const rt::FormSpec spec{
        "formulario", "Lanzador", 7245, 6630,
        {
            {"pctBox",     Kind::PictureBox,    "",                         120,  120, 7000, 3500, {.accessibleName = "Campo de tiro", .tabIndex = 0, .backColor = 0xFFFFFF, .autoRedraw = true}},
            {"cmdDispara", Kind::CommandButton, "Lanzar",                  6000, 4080, 1095,  375, {.tabIndex = 1}},
            {"txtV",       Kind::TextBox,       "",                         960, 3840,  855,  375, {.tabIndex = 2}},
            {"txtAngulo",  Kind::TextBox,       "",                         960, 4920,  855,  375, {.tabIndex = 3}},
            {"lblVx",      Kind::Label,         "Velocidad:",               120, 3960,  855,  375, {.tabIndex = 4}},
            {"lblAngulo",  Kind::Label,         "Angulo:",                  240, 4920,  615,  375, {.tabIndex = 5}},
            {"cmdEnd",     Kind::CommandButton, "Salir",                   6000, 6000, 1095,  375, {.tabIndex = 6}},
            {"lblAltura",  Kind::Label,         "Altura obstaculo:",       2040, 3840, 1455,  255, {.tabIndex = 7}},
            {"lblAnchura", Kind::Label,         "Anchura obstaculo:",      3120, 4320, 1455,  375, {.tabIndex = 8}},
            {"hsbXpos",    Kind::HScrollBar,    "",                        3120, 5520, 2655,  375, {.accessibleName = "Posición del obstáculo", .tabIndex = 9, .min = 50, .max = 150, .smallChange = 1, .largeChange = 10, .value = 50}},
            {"lblXPos",    Kind::Label,         "Posición del obstáculo:", 3120, 5280, 2175,  375, {.tabIndex = 10}},
            {"hsbAnchura", Kind::HScrollBar,    "",                        3120, 4680, 2655,  375, {.tabIndex = 11, .min = 1, .max = 100, .smallChange = 1, .largeChange = 10, .value = 1}},
            {"vsbAltura",  Kind::VScrollBar,    "",                        2280, 4200,  375, 2175, {.tabIndex = 12, .min = 1, .max = 100, .smallChange = 1, .largeChange = 10, .value = 1}},
            {"Timer1",     Kind::Timer,         "",                           0,    0,    0,    0, {.enabled = false, .interval = 20}},
        }};
    return spec;
}
// clang-format on

}  // namespace Lanzador
