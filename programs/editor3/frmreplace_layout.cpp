#include "frmreplace.h"

using rt::Kind;

namespace editor3 {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
const rt::FormSpec& frmReplace::layout()
{
    // clang-format off
    static const rt::FormSpec spec{
        "frmReplace", "Replace", 5250, 2040,
        {
            {"txtFind",       Kind::TextBox,       "",             1320,  120, 2295, 375, {.accessibleName = "Find what", .tabIndex = 0}},
            {"txtReplace",    Kind::TextBox,       "",             1320,  720, 2295, 375, {.tabIndex = 1}},
            {"Label1",        Kind::Label,         "Find what",     120,  120,  855, 375, {.tabIndex = 2}},
            {"Label2",        Kind::Label,         "Replace with",  120,  720, 1095, 375, {.tabIndex = 3}},
            {"chkCase",       Kind::CheckBox,      "Match Case",    240, 1440, 1335, 375, {.tabIndex = 4}},
            {"cmdFind",       Kind::CommandButton, "Find Next",    3840,  120, 1215, 375, {.tabIndex = 5}},
            {"cmdCancel",     Kind::CommandButton, "Cancel",       3840, 1560, 1215, 375, {.tabIndex = 6}},
            {"cmdReplaceAll", Kind::CommandButton, "Replace All",  3840, 1080, 1215, 375, {.tabIndex = 7}},
            {"cmdReplace",    Kind::CommandButton, "Replace",      3840,  600, 1215, 375, {.tabIndex = 8}},
        }};
    // clang-format on
    return spec;
}

}  // namespace editor3
