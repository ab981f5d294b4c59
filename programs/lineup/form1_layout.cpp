#include "form1.h"

namespace lineup {

using rt::Align;
using rt::Kind;

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& Form1::layout()
{
    static const rt::FormSpec spec{
        "Form1", "Alineaciones", 5310, 5490,
        {
            {"lstJuga",      Kind::ListBox,       "",                   1800,  480, 1335, 2010, {.tabIndex = 0}},
            {"lstAlin",      Kind::ListBox,       "",                   3600,  480, 1335, 3570, {.tabIndex = 1}},
            {"cmdSalir",     Kind::CommandButton, "Salir",               120, 2160, 1455,  375, {.tabIndex = 2}},
            {"Frame1",       Kind::Frame,         "Línea",               120,  120, 1455, 1815, {.tabIndex = 3}},
            {"optPor",       Kind::OptionButton,  "Porteros",            120,  240, 1095,  300, {.container = "Frame1", .tabIndex = 4, .value = 1}},
            {"optDef",       Kind::OptionButton,  "Defensas",            120,  600, 1215,  300, {.container = "Frame1", .tabIndex = 5}},
            {"optMed",       Kind::OptionButton,  "Medios",              120,  960, 1215,  300, {.container = "Frame1", .tabIndex = 6}},
            {"optDel",       Kind::OptionButton,  "Delanteros",          120, 1320, 1215,  300, {.container = "Frame1", .tabIndex = 7}},
            {"Label1",       Kind::Label,         "Jugadores",          1800,  240, 1335,  255, {.tabIndex = 8}},
            {"Label2",       Kind::Label,         "Alineación",         3600,  240, 1335,  255, {.tabIndex = 9}},
            {"cmdClear",     Kind::CommandButton, "Borrar todos",       3600, 4200, 1335,  375, {.tabIndex = 10}},
            {"lblPor",       Kind::Label,         "",                   2160, 2760,  615,  375, {.accessibleName = "Número de porteros", .tabIndex = 11, .backColor = 0xFFFFFF, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"lblDef",       Kind::Label,         "",                   2160, 3240,  615,  375, {.accessibleName = "Número de defensas", .tabIndex = 12, .backColor = 0xFFFFFF, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"lblMed",       Kind::Label,         "",                   2160, 3720,  615,  375, {.accessibleName = "Número de medios", .tabIndex = 13, .backColor = 0xFFFFFF, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"lblDel",       Kind::Label,         "",                   2160, 4200,  615,  375, {.accessibleName = "Número de delanteros", .tabIndex = 14, .backColor = 0xFFFFFF, .align = Align::Center, .border = rt::Border::Single, .opaque = true}},
            {"Label3",       Kind::Label,         "Porteros",            840, 2880, 1095,  255, {.tabIndex = 15, .align = Align::Right}},
            {"Label4",       Kind::Label,         "Defensas",            840, 3360, 1095,  255, {.tabIndex = 16, .align = Align::Right}},
            {"Label5",       Kind::Label,         "Medios",              840, 3840, 1095,  255, {.tabIndex = 17, .align = Align::Right}},
            {"Label6",       Kind::Label,         "Delanteros",          840, 4320, 1095,  255, {.tabIndex = 18, .align = Align::Right}},
            {"cmdAuto",      Kind::CommandButton, "Auto-afirmarse",     3000, 4920, 1815,  375, {.tabIndex = 19}},
            {"cmdJugadores", Kind::CommandButton, "Recordar Jugadores",  600, 4920, 2175,  375, {.tabIndex = 20}},
        }};
    return spec;
}
// clang-format on

}  // namespace lineup
