#include "fracolor.h"

using rt::Kind;

namespace colorpick {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// Options are placed relative to the frame that holds them; "Amarillo" is
// 975 wide, not 855, so that its caption shows whole beside the indicator. The window's blue
// is its text colour: as its background it would hide the blue box.
// clang-format off
const rt::FormSpec& fraColor::layout()
{
    static const rt::FormSpec spec{
        .name = "fraColor", .caption = "Colores", .clientWidth = 5445, .clientHeight = 3420,
        .controls = {
            {"txtCaja",     Kind::TextBox,      "",         1920, 2280, 3135, 1095, {.accessibleName = "Caja de color", .tabIndex = 0, .backColor = 0xFF0000, .locked = true}},
            {"fraPos",      Kind::Frame,        "Posición",    0, 2040, 1455, 1095, {.tabIndex = 1}},
            {"optArriba",   Kind::OptionButton, "Arriba",    120,  240,  855,  255, {.container = "fraPos", .tabIndex = 2, .value = 1}},
            {"optAbajo",    Kind::OptionButton, "Abajo",     120,  600,  855,  255, {.container = "fraPos", .tabIndex = 3}},
            {"fraColores",  Kind::Frame,        "Colores",     0,  120, 1455, 1695, {.tabIndex = 4}},
            {"optAmarillo", Kind::OptionButton, "Amarillo",  120, 1320,  975,  255, {.container = "fraColores", .tabIndex = 5}},
            {"optRojo",     Kind::OptionButton, "Rojo",      120,  600,  735,  255, {.container = "fraColores", .tabIndex = 6}},
            {"optAzul",     Kind::OptionButton, "Azul",      120,  240,  735,  255, {.container = "fraColores", .tabIndex = 7, .value = 1}},
            {"optVerde",    Kind::OptionButton, "Verde",     120,  960,  855,  255, {.container = "fraColores", .tabIndex = 8}},
        },
        .foreColor = 0xFF0000};
    return spec;
}
// clang-format on

}  // namespace colorpick
