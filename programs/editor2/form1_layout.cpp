#include "form1.h"

using rt::Kind;

namespace editor2 {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
// clang-format off
const rt::FormSpec& Form1::layout()
{
    static const rt::FormSpec spec{
        "Form1", "Form1", 6885, 5505,
        {
            {"txtBox",              Kind::TextBox,      "",              1320, 1800, 3855, 3255, {.accessibleName = "Texto del documento", .tabIndex = 0, .multiLine = true}},
            {"cdlPlumex",           Kind::CommonDialog, "",                 0,    0,    0,    0},
            {"mnuFile",             Kind::Menu,         "File",             0,    0,    0,    0},
            {"mnuFileNew",          Kind::Menu,         "New",              0,    0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileOpen",         Kind::Menu,         "Open",             0,    0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileSave",         Kind::Menu,         "Save",             0,    0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileSaveAs",       Kind::Menu,         "Save As",          0,    0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuSep",              Kind::Menu,         "-",                0,    0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileExit",         Kind::Menu,         "Exit",             0,    0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuEdit",             Kind::Menu,         "Edit",             0,    0,    0,    0},
            {"mnuEditSetfont",      Kind::Menu,         "Set Font",         0,    0,    0,    0, {.parentMenu = "mnuEdit"}},
            {"mnuEditSetBgndColor", Kind::Menu,         "Set Bgndcolor",    0,    0,    0,    0, {.parentMenu = "mnuEdit"}},
        },
        true};
    return spec;
}
// clang-format on

}  // namespace editor2
