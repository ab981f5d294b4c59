#include "events/names.h"

namespace rt {

const char* nameOf(EventName event)
{
    switch (event) {
        case EventName::Click: return "Click";
        case EventName::DblClick: return "DblClick";
        case EventName::Change: return "Change";
        case EventName::KeyPress: return "KeyPress";
        case EventName::GotFocus: return "GotFocus";
        case EventName::MouseDown: return "MouseDown";
        case EventName::MouseMove: return "MouseMove";
        case EventName::MouseUp: return "MouseUp";
        case EventName::DragDrop: return "DragDrop";
        case EventName::Paint: return "Paint";
        case EventName::Scroll: return "Scroll";
        case EventName::Timer: return "Timer";
        case EventName::Load: return "Load";
        case EventName::Activate: return "Activate";
        case EventName::Resize: return "Resize";
        case EventName::QueryUnload: return "QueryUnload";
        case EventName::Unload: return "Unload";
    }
    return "";
}

const char* nameOf(PropertyName property)
{
    switch (property) {
        case PropertyName::Caption: return "Caption";
        case PropertyName::Text: return "Text";
        case PropertyName::Value: return "Value";
        case PropertyName::Enabled: return "Enabled";
        case PropertyName::Visible: return "Visible";
        case PropertyName::Left: return "Left";
        case PropertyName::Top: return "Top";
        case PropertyName::Width: return "Width";
        case PropertyName::Height: return "Height";
        case PropertyName::MousePointer: return "MousePointer";
        case PropertyName::BackColor: return "BackColor";
        case PropertyName::ForeColor: return "ForeColor";
        case PropertyName::SelStart: return "SelStart";
        case PropertyName::SelLength: return "SelLength";
        case PropertyName::SelText: return "SelText";
        case PropertyName::Locked: return "Locked";
        case PropertyName::FontName: return "FontName";
        case PropertyName::FontSize: return "FontSize";
        case PropertyName::FontBold: return "FontBold";
        case PropertyName::FontItalic: return "FontItalic";
        case PropertyName::FontStrikethru: return "FontStrikethru";
        case PropertyName::FontUnderline: return "FontUnderline";
        case PropertyName::Min: return "Min";
        case PropertyName::Max: return "Max";
        case PropertyName::ListIndex: return "ListIndex";
        case PropertyName::List: return "List";
        case PropertyName::Selected: return "Selected";
        case PropertyName::Checked: return "Checked";
        case PropertyName::Interval: return "Interval";
        case PropertyName::CurrentX: return "CurrentX";
        case PropertyName::CurrentY: return "CurrentY";
        case PropertyName::DrawWidth: return "DrawWidth";
        case PropertyName::AutoRedraw: return "AutoRedraw";
        case PropertyName::Filter: return "Filter";
        case PropertyName::FilterIndex: return "FilterIndex";
        case PropertyName::DefaultExt: return "DefaultExt";
        case PropertyName::Flags: return "Flags";
        case PropertyName::FileName: return "FileName";
        case PropertyName::Color: return "Color";
    }
    return "";
}

}  // namespace rt
