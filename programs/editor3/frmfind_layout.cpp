#include "frmfind.h"

using rt::Kind;

namespace editor3 {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
const rt::FormSpec& frmFind::layout()
{
    // clang-format off
    static const rt::FormSpec spec{
        "frmFind", "Find", 5235, 1800,
        {
            {"Label1",   Kind::Label,         "Find what",   120,  240,  855, 255, {.tabIndex = 0, .font = rt::Font{.size = 9.75}}},
            {"txtFind",  Kind::TextBox,       "",           1200,  120, 2415, 375, {.tabIndex = 1}},
            {"chkCase",  Kind::CheckBox,      "Match Case",  240, 1080, 1455, 255, {.tabIndex = 2}},
            {"cmdFind",  Kind::CommandButton, "Find Next",  3960,  120, 1095, 375, {.tabIndex = 3}},
            {"Command2", Kind::CommandButton, "Cancel",     3960,  720, 1095, 375, {.tabIndex = 4}},
            {"Frame1",   Kind::Frame,         "Direction",  1680,  720, 1935, 735, {.tabIndex = 5}},
            {"optUp",    Kind::OptionButton,  "Up",          240,  240,  615, 375, {.container = "Frame1", .tabIndex = 6}},
            {"optDown",  Kind::OptionButton,  "Down",        960,  240,  855, 375, {.container = "Frame1", .tabIndex = 7, .value = 1}},
        }};
    // clang-format on
    return spec;
}

}  // namespace editor3
