#pragma once

#include <cstdint>

namespace rt {

// The events controls and forms raise. A handler is named after its control
// and its event ("cmdStart_Click", "Timer1_Timer"), a form's after the form
// ("Form_Load").
enum class EventName : uint8_t {
    Click,
    DblClick,
    Change,
    KeyPress,
    GotFocus,
    MouseDown,
    MouseMove,
    MouseUp,
    DragDrop,
    Paint,
    Scroll,
    Timer,
    Load,
    Activate,
    Resize,
    QueryUnload,
    Unload,
};

// The properties program code assigns, as the code names them.
enum class PropertyName : uint8_t {
    Caption,
    Text,
    Value,
    Enabled,
    Visible,
    Left,
    Top,
    Width,
    Height,
    MousePointer,
    BackColor,
    ForeColor,
    SelStart,
    SelLength,
    SelText,
    Locked,
    FontName,
    FontSize,
    FontBold,
    FontItalic,
    FontStrikethru,
    FontUnderline,
    Min,
    Max,
    ListIndex,
    List,
    Selected,
    Checked,
    Interval,
    CurrentX,
    CurrentY,
    DrawWidth,
    AutoRedraw,
    Filter,
    FilterIndex,
    DefaultExt,
    Flags,
    FileName,
    Color,
};

const char* nameOf(EventName event);
const char* nameOf(PropertyName property);

}  // namespace rt
