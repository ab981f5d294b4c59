#include "form1.h"

using rt::Kind;

namespace editor3 {

// The window's controls, in twips: name, kind, caption, left, top, width, height.
const rt::FormSpec& Form1::layout()
{
    // clang-format off
    static const rt::FormSpec spec{
        "Form1", "Mi Plumex", 6960, 5340,
        {
            {"txtBox",              Kind::TextBox,      "",               360, 840, 5295, 3135, {.accessibleName = "Texto del documento", .tabIndex = 0, .font = rt::Font{.name = "Monospace", .size = 9}, .multiLine = true}},
            {"dlgPlumex",           Kind::CommonDialog, "",                 0,   0,    0,    0},
            {"mnuFile",             Kind::Menu,         "&File",            0,   0,    0,    0},
            {"mnuFileNew",          Kind::Menu,         "&New",             0,   0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileOpen",         Kind::Menu,         "&Open",            0,   0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileSave",         Kind::Menu,         "&Save",            0,   0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileSaveAs",       Kind::Menu,         "Save &As",         0,   0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuSep",              Kind::Menu,         "-",                0,   0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuFileExit",         Kind::Menu,         "E&xit",            0,   0,    0,    0, {.parentMenu = "mnuFile"}},
            {"mnuEdit",             Kind::Menu,         "&Edit",            0,   0,    0,    0},
            {"mnuEditSetFont",      Kind::Menu,         "Set &Font",        0,   0,    0,    0, {.parentMenu = "mnuEdit"}},
            {"mnuEditSetBgndColor", Kind::Menu,         "Set &BgndColor",   0,   0,    0,    0, {.parentMenu = "mnuEdit"}},
            {"mnuSearch",           Kind::Menu,         "&Search",          0,   0,    0,    0},
            {"mnuSearchFind",       Kind::Menu,         "&Find",            0,   0,    0,    0, {.parentMenu = "mnuSearch"}},
            {"mnuSearchFindnext",   Kind::Menu,         "Find &Next",       0,   0,    0,    0, {.parentMenu = "mnuSearch"}},
            {"mnuSearchReplace",    Kind::Menu,         "&Replace",         0,   0,    0,    0, {.parentMenu = "mnuSearch"}},
        },
        true};
    // clang-format on
    return spec;
}

}  // namespace editor3
