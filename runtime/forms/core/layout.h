#pragma once

#include "values/numbers.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace rt {

// Positions and sizes in layouts are twips: 15 twips make one logical pixel.
inline constexpr double twipsPerPixel = 15.0;
inline int twipsToPixels(double twips)
{
    return int(twips / twipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
inline double pixelsToTwips(double pixels)
{
    return pixels * twipsPerPixel;
}

enum class Kind {
    CommandButton,
    OptionButton,
    CheckBox,
    Label,
    TextBox,
    HScrollBar,
    VScrollBar,
    PictureBox,
    Frame,
    Timer,
    ListBox,
    Menu,
    CommonDialog,
};

enum class Align { Default, Left, Right, Center };
enum class Border { Default, None, Single };
enum class Appearance { Default, Flat, ThreeD };
// Manual: the program drags nothing by itself; Automatic: pressing the mouse
// on the control drags it (see drag.h).
enum class DragMode { Manual, Automatic };
// What the pointer shows while a control is dragged: an outline of the
// control, or the picture of three stacked sheets with an arrow.
enum class DragIcon { Outline, Sheets };

// A font as the layouts name it: "Sans Serif", "Monospace" or
// "Serif (Times style)", mapped to the system's faces by the runtime.
struct Font {
    QString name = QStringLiteral("Sans Serif");
    double size = 8.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// Properties beyond name, kind, caption and rectangle. Fields left unset keep
// the control kind's default.
struct Props {
    // What a screen reader calls a control that has neither a caption nor a
    // label beside it, in the program's language ("Altura del líquido").
    QString accessibleName = {};
    QString container = {};  // frame or picture box holding the control; empty: the form
    int index = -1;          // position in a control array; -1: not an array element
    int tabIndex = -1;
    std::optional<Colour> backColor = {};
    std::optional<Colour> foreColor = {};
    std::optional<Font> font = {};
    Align align = Align::Default;
    Border border = Border::Default;
    Appearance appearance = Appearance::Default;
    bool opaque = false;      // labels: paint their background
    bool multiLine = false;   // text boxes
    bool scrollBars = false;  // multi-line text boxes: show scroll bars
    bool locked = false;      // text boxes: shown and selectable, not editable
    int min = 0;              // scroll bars (min may lie above max)
    int max = 32767;
    int smallChange = 1;
    int largeChange = 1;
    int value = 0;        // scroll bars, check boxes (0/1), option buttons (0/1)
    bool enabled = true;  // also: a timer's Enabled
    bool visible = true;
    bool autoRedraw = false;  // picture boxes
    int interval = 0;         // timers, ms
    QString parentMenu = {};  // menu items: the menu they belong to; empty: the menu bar
    int multiSelect = 0;      // list boxes: 0 single, 1 simple, 2 extended selection
    DragMode dragMode = DragMode::Manual;
    DragIcon dragIcon = DragIcon::Outline;
};

// One control: laid out like a row of the table that describes the window.
struct ControlSpec {
    QString name = {};
    Kind kind = Kind::Label;
    QString caption = {};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Props props = {};
};

struct FormSpec {
    QString name;
    QString caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    std::vector<ControlSpec> controls;
    bool resizable = false;
    // A background picture built into the program (a Qt resource path such as
    // ":/lineup/quendal.jpg"), drawn at its natural size from the client
    // area's top left corner; empty: none.
    QString picture = {};
    // The form's own colours; unset: the desktop's.
    std::optional<Colour> backColor = {};  // the client area behind the controls
    std::optional<Colour> foreColor = {};  // text and drawing on the form itself
};

}  // namespace rt
