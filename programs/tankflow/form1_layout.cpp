#include "form1.h"

using rt::Align;
using rt::Kind;

namespace tankflow {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// The vertical bars have their minimum (100) at the top: raising a thumb raises the value.
const rt::FormSpec& Form1::layout()
{
    // clang-format off
    static const rt::FormSpec spec{
        "Form1", "Form1", 7695, 6915,
        {
            {"pctBox",   Kind::PictureBox,    "",      1080,  600, 5415, 5415, {.accessibleName = "Depósitos y tubería", .tabIndex = 0, .backColor = 0xC0C0C0, .appearance = rt::Appearance::Flat, .autoRedraw = true}},
            {"vsbI1",    Kind::VScrollBar,    "",       480,  600,  375, 2055, {.accessibleName = "Caudal de entrada del depósito 1", .tabIndex = 1, .min = 100, .max = 0, .smallChange = 1, .largeChange = 10, .value = 0}},
            {"vsbS1",    Kind::VScrollBar,    "",       480, 3960,  375, 2055, {.accessibleName = "Caudal de salida del depósito 1", .tabIndex = 2, .min = 100, .max = 0, .smallChange = 1, .largeChange = 10, .value = 0}},
            {"vsbI2",    Kind::VScrollBar,    "",      6720,  600,  375, 2055, {.accessibleName = "Caudal de entrada del depósito 2", .tabIndex = 3, .min = 100, .max = 0, .smallChange = 1, .largeChange = 10, .value = 0}},
            {"vsbS2",    Kind::VScrollBar,    "",      6720, 3960,  375, 2055, {.accessibleName = "Caudal de salida del depósito 2", .tabIndex = 4, .min = 100, .max = 0, .smallChange = 1, .largeChange = 10, .value = 0}},
            {"hsbPaso",  Kind::HScrollBar,    "",      2880, 6240, 1935,  375, {.accessibleName = "Apertura de la tubería", .tabIndex = 5, .min = 0, .max = 100, .smallChange = 1, .largeChange = 10, .value = 0}},
            {"txtI1",    Kind::TextBox,       "",       360,  120,  615,  375, {.accessibleName = "Valor del caudal de entrada del depósito 1", .tabIndex = 6, .align = Align::Center}},
            {"txtS1",    Kind::TextBox,       "",       360, 3480,  615,  375, {.accessibleName = "Valor del caudal de salida del depósito 1", .tabIndex = 7, .align = Align::Center}},
            {"txtI2",    Kind::TextBox,       "",      6600,  120,  615,  375, {.accessibleName = "Valor del caudal de entrada del depósito 2", .tabIndex = 8, .align = Align::Center}},
            {"txtS2",    Kind::TextBox,       "",      6600, 3480,  615,  375, {.accessibleName = "Valor del caudal de salida del depósito 2", .tabIndex = 9, .align = Align::Center}},
            {"txtPaso",  Kind::TextBox,       "",      5040, 6240,  615,  375, {.accessibleName = "Valor de la apertura de la tubería", .tabIndex = 10, .align = Align::Center}},
            {"txtH1",    Kind::TextBox,       "",      1920,  120, 1095,  375, {.tabIndex = 11, .align = Align::Center}},
            {"txtH2",    Kind::TextBox,       "",      4560,  120, 1095,  375, {.accessibleName = "Altura del líquido en el depósito 2", .tabIndex = 12, .align = Align::Center}},
            {"cmdSalir", Kind::CommandButton, "Salir", 1440, 6240, 1215,  375, {.tabIndex = 13}},
            {"Label1",   Kind::Label,         "h1",    1440,  120,  375,  375, {.tabIndex = 14, .font = rt::Font{.size = 12}, .align = Align::Right}},
            {"Label2",   Kind::Label,         "h2",    5760,  120,  375,  375, {.tabIndex = 15, .font = rt::Font{.size = 12}}},
            {"Timer1",   Kind::Timer,         "",         0,    0,    0,    0, {.enabled = true, .interval = 40}},
        }};
    // clang-format on
    return spec;
}

}  // namespace tankflow
